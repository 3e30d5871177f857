#include "ui/budget/budgetoutputs.h"

#include "base/programmodule.h"
#include "report/budgetoutput.h"
#include "report/budgetpdf.h"
#include "report/budgetwords.h"
#include "report/followupcsv.h"
#include "report/outputformat.h"
#include "ui/budget/budgetdocument.h"
#include "ui/budget/budgetfilechooser.h"
#include "ui/budget/budgettexts.h"
#include "ui/budget/printpreview.h"
#include "ui/common/errorreporter.h"

#include <QApplication>
#include <QDate>
#include <QFileInfo>
#include <QWidget>

namespace torvane::ui::budget {

using namespace Qt::StringLiterals;
namespace texts = budgettexts;
using report::OutputFormat;

BudgetOutputs::BudgetOutputs(BudgetDocument &document, QObject *parent)
    : QObject(parent)
    , m_document(document)
{
    setObjectName(u"BudgetOutputs"_s);
}

base::Language BudgetOutputs::language() const
{
    return common::ErrorReporter::instance().language();
}

QString BudgetOutputs::outputName(const QString &suffix, const QString &what) const
{
    QString name = BudgetFileChooser::fileNameFrom(m_document.budget().settings().title);
    if (name.isEmpty() && !m_document.filePath().isEmpty())
        name = BudgetFileChooser::fileNameFrom(QFileInfo(m_document.filePath()).completeBaseName());
    if (name.isEmpty())
        name = texts::kBudgetWord.in(language());
    if (!what.isEmpty())
        name += u' ' + what;
    return name + u' ' + QDate::currentDate().toString(Qt::ISODate) + suffix;
}

bool BudgetOutputs::exportBudget()
{
    m_screen = QApplication::activeWindow();
    const QString path = BudgetFileChooser::choose(BudgetFileChooser::Kind::Workbook, true,
                                                   outputName(report::suffixOf(OutputFormat::Xlsx)));
    return !path.isEmpty() && write(path);
}

bool BudgetOutputs::pdfBudget()
{
    m_screen = QApplication::activeWindow();
    const QString path = BudgetFileChooser::choose(BudgetFileChooser::Kind::Pdf, true, outputName(report::suffixOf(OutputFormat::Pdf)));
    return !path.isEmpty() && write(path);
}

bool BudgetOutputs::followUpCsv()
{
    m_screen = QApplication::activeWindow();
    const base::Language L = language();
    QString path = BudgetFileChooser::choose(BudgetFileChooser::Kind::Csv, true, outputName(u".csv"_s, report::words::kFollowUp.in(L)));
    if (path.isEmpty())
        return false;
    path = QFileInfo(path).absoluteFilePath();
    if (!path.endsWith(u".csv"_s, Qt::CaseInsensitive))
        path += u".csv"_s;
    const report::BudgetWriteResult written = report::saveWhole(path, report::followUpCsv(m_document.budget(), L));
    if (!written.ok()) {
        common::ErrorReporter::instance().report(written.message(L));
        return false;
    }
    common::ErrorReporter::instance().tellWritten({path}, m_screen);
    return true;
}

bool BudgetOutputs::exportTo(const QString &path)
{
    m_screen = QApplication::activeWindow();
    return write(path);
}

bool BudgetOutputs::write(const QString &chosen)
{
    QString path = QFileInfo(chosen).absoluteFilePath();
    if (report::outputFormatOf(path) == OutputFormat::None)
        path += report::suffixOf(OutputFormat::Xlsx);
    const base::Language L = language();
    const report::BudgetReport document = report::budgetReport(m_document.budget(), L);
    const report::BudgetWriteResult written = report::writeBudget(document, path);
    if (!written.ok()) {
        common::ErrorReporter::instance().report(written.message(L), written.status == report::BudgetWriteResult::Status::NothingToWrite
                                                                         ? common::ErrorReporter::Severity::Notice
                                                                         : common::ErrorReporter::Severity::Error);
        return false;
    }
    common::ErrorReporter::instance().tellWritten({written.path.isEmpty() ? path : written.path}, m_screen);
    return true;
}

void BudgetOutputs::printBudget()
{
    const report::BudgetReport document = report::budgetReport(m_document.budget(), language());
    if (!document.refusal.isEmpty()) {
        common::ErrorReporter::instance().report(document.refusal);
        return;
    }
    if (document.nothingToWrite()) {
        report::BudgetWriteResult nothing;
        nothing.status = report::BudgetWriteResult::Status::NothingToWrite;
        common::ErrorReporter::instance().report(nothing.message(language()), common::ErrorReporter::Severity::Notice);
        return;
    }
    m_screen = QApplication::activeWindow();
    try {
        const auto &print = base::programModule<PrintModule>(kPrintModuleName, kPrintModuleEntry, kPrintModuleVersion);
        const QString file = print.preview(m_screen, texts::kPrint.in(language()), outputName({}).trimmed(),
                                           [&document](QPagedPaintDevice &device) { report::paintBudget(device, document); });
        // Printed into a file rather than on paper: told like every other file.
        if (!file.isEmpty() && QFileInfo::exists(file))
            common::ErrorReporter::instance().tellWritten({file}, m_screen);
    } catch (const std::exception &failure) {
        common::ErrorReporter::instance().report(texts::printUnavailable(QString::fromStdString(failure.what()), language()));
    }
}

} // namespace torvane::ui::budget
