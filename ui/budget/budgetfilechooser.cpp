#include "ui/budget/budgetfilechooser.h"

#include "ui/budget/budgettexts.h"
#include "ui/common/errorreporter.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace torvane::ui::budget {

using namespace Qt::StringLiterals;
namespace texts = budgettexts;

namespace {

BudgetFileChooser::Hook &hook()
{
    static BudgetFileChooser::Hook chosen;
    return chosen;
}

} // namespace

QString BudgetFileChooser::choose(Kind kind, bool save, const QString &suggestedName)
{
    QSettings settings;
    const QString key = kind == Kind::Budget ? u"lastBudgetFolder"_s : u"lastExportFolder"_s;
    QString folder = settings.value(key).toString();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString suggested = QDir(folder).filePath(suggestedName);
    QString path;
    if (hook()) {
        path = hook()(kind, save, folder, suggested);
    } else {
        QWidget *parent = QApplication::activeWindow();
        const base::Language L = common::ErrorReporter::instance().language();
        const QString filter = kind == Kind::Budget ? texts::kFilter.in(L)
            : kind == Kind::Workbook                ? texts::kWorkbookFilter.in(L)
            : kind == Kind::Csv                     ? texts::kCsvFilter.in(L)
                                                    : texts::kPdfFilter.in(L);
        const QString title = kind == Kind::Budget ? (save ? texts::kSaveTitle : texts::kOpenTitle).in(L)
            : kind == Kind::Csv                    ? texts::kCsvTitle.in(L)
                                                   : texts::kExportTitle.in(L);
        path = save ? QFileDialog::getSaveFileName(parent, title, suggested, filter)
                    : QFileDialog::getOpenFileName(parent, title, folder, filter);
    }
    if (!path.isEmpty())
        settings.setValue(key, QFileInfo(path).absolutePath());
    return path;
}

void BudgetFileChooser::setForTesting(Hook chooser)
{
    hook() = std::move(chooser);
}

} // namespace torvane::ui::budget
