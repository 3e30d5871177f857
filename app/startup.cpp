#include "app/startup.h"

#include "base/language.h"
#include "model/budget.h"
#include "model/budgetfile.h"
#include "ui/common/errorreporter.h"
#include "ui/common/languagesetting.h"
#include "ui/budget/budgetcontroller.h"
#include "ui/budget/budgetpanel.h"
#include "ui/sections/sectionforms.h"
#include "ui/shell/code_consult.h"
#include "ui/shell/code_faq.h"
#include "ui/shell/code_login.h"
#include "ui/shell/code_main.h"

namespace torvane::app {

using namespace Qt::StringLiterals;

namespace {
base::Language startLanguage(const QString &budgetAtStart)
{
    const std::optional<base::Language> fileLanguage
        = budgetAtStart.isEmpty() ? std::nullopt : model::budgetfile::readFile(budgetAtStart, model::allCatalogues()).language;
    return base::startupLanguage(fileLanguage, ui::common::rememberedLanguage(), QLocale::system());
}
} // namespace

std::unique_ptr<ui::shell::TForm_login> createScreens(const QString &budgetAtStart)
{
    // What the program says before the user chooses a language on the start
    // screen; the start screen itself starts as always.
    ui::common::ErrorReporter::instance().setLanguage(startLanguage(budgetAtStart));
    auto login = std::make_unique<ui::shell::TForm_login>();
    // One budget for the whole run, owned with the screens that show it.
    auto *budget = new model::Budget(model::allCatalogues(), login.get());
    budget->setObjectName(QStringLiteral("Budget"));
    auto *document = new ui::budget::BudgetController(*budget, login.get());
    auto *menu = new ui::shell::TForm_main(login.get());
    new ui::shell::TForm_consult(login.get());
    new ui::shell::TForm_faq(login.get());
    ui::sections::createSectionScreens(login.get(), *budget);

    // The budget's actions and shortcuts work on every screen.
    document->installActions(login.get());
    for (QWidget *screen : login->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (screen->isWindow())
            document->installActions(screen);
    new ui::budget::BudgetPanel(*document, menu);
    QObject::connect(login.get(), &ui::shell::TForm_login::languageChosen, document, &ui::budget::BudgetController::retranslate);
    login->setCloseGuard([document] {
        bool discarded = false;
        if (!document->confirmDiscard(&discarded))
            return false;
        document->programEnds(discarded);
        return true;
    });
    return login;
}

ui::budget::BudgetController *documentOf(const ui::shell::TForm_login &login)
{
    return login.findChild<ui::budget::BudgetController *>(QStringLiteral("BudgetController"), Qt::FindDirectChildrenOnly);
}

} // namespace torvane::app
