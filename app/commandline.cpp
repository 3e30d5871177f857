#include "app/commandline.h"

#include "base/language.h"
#include "model/budgetfile.h"
#include "report/budgetoutput.h"
#include "report/outputformat.h"
#include "ui/common/languagesetting.h"
#include "ui/budget/budgettexts.h"

#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

namespace torvane::app {

using namespace Qt::StringLiterals;

namespace {
// One line on standard error, whatever the message holds.
void say(const QString &message)
{
    std::fprintf(stderr, "torvane: %s\n", qUtf8Printable(QString(message).replace(u'\n', u' ')));
}
int fail(const QString &message, int status)
{
    say(message);
    return status;
}
} // namespace

int exportFromCommandLine(int argc, char **argv)
{
    // No window is shown, so no display is needed either.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 4)
        return fail(u"usage: torvane --export BUDGET.torvane OUT.xlsx|OUT.xls|OUT.pdf"_s, 2);
    const QString budgetPath = arguments[2];
    const QString out = QFileInfo(arguments[3]).absoluteFilePath();
    if (report::outputFormatOf(out) == report::OutputFormat::None)
        return fail(u"cannot write \"%1\": the name must end in .xlsx, .xls or .pdf"_s.arg(out), 2);

    const model::budgetfile::ReadResult read = model::budgetfile::readFile(budgetPath, model::allCatalogues());
    // The language the program would speak at start with this budget.
    QCoreApplication::setApplicationName(u"Torvane"_s);
    const base::Language language = base::startupLanguage(read.language, ui::common::rememberedLanguage(), QLocale::system());
    if (!read.ok())
        return fail(ui::budget::budgettexts::readFailure(read, QFileInfo(budgetPath).absoluteFilePath(), language), 3);
    model::Budget budget;
    budget.load(read.content, false);
    const report::BudgetReport document = report::budgetReport(budget, language);
    const report::BudgetWriteResult written = report::writeBudget(document, out);
    if (written.status == report::BudgetWriteResult::Status::Refused)
        return fail(written.message(language), 5);
    if (!written.ok())
        return fail(written.message(language), 4);
    // Written, and what the file held that could not be taken is said, as the program says it on opening.
    if (!read.skipped.isEmpty())
        say(ui::budget::budgettexts::skipped(read.skipped, QFileInfo(budgetPath).absoluteFilePath(), language));
    return 0;
}

} // namespace torvane::app
