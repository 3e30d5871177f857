#include "app/startup.h"

#include "base/language.h"
#include "model/budget.h"
#include "model/budgetfile.h"
#include "ui/budget/budgetactions.h"
#include "ui/budget/budgetdocument.h"
#include "ui/budget/budgetoutputs.h"
#include "ui/budget/budgetpanel.h"
#include "ui/budget/budgetrecovery.h"
#include "ui/common/budgeteditor.h"
#include "ui/common/errorreporter.h"
#include "ui/common/languagesetting.h"
#include "ui/sections/sectionforms.h"
#include "ui/shell/code_consult.h"
#include "ui/shell/code_faq.h"
#include "ui/shell/code_login.h"
#include "ui/shell/code_main.h"

#include <QFile>

namespace torvane::app {

using namespace Qt::StringLiterals;

namespace {
base::Language startLanguage(const QString &budgetAtStart)
{
    const std::optional<base::Language> fileLanguage
        = budgetAtStart.isEmpty() ? std::nullopt : model::budgetfile::readFile(budgetAtStart, model::allCatalogues()).language;
    return base::startupLanguage(fileLanguage, ui::common::rememberedLanguage(), QLocale::system());
}

template<typename T>
T *childOf(const ui::shell::TForm_login &login, const QString &name)
{
    return login.findChild<T *>(name, Qt::FindDirectChildrenOnly);
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
    auto *document = new ui::budget::BudgetDocument(*budget, login.get());
    auto *recovery = new ui::budget::BudgetRecovery(*document, login.get());
    auto *outputs = new ui::budget::BudgetOutputs(*document, login.get());
    auto *actions = new ui::budget::BudgetActions(*document, *outputs, login.get());
    auto *menu = new ui::shell::TForm_main(login.get());
    new ui::shell::TForm_consult(login.get());
    new ui::shell::TForm_faq(login.get());
    ui::sections::createSectionScreens(login.get(), *budget);

    // The budget's actions and shortcuts work on every screen.
    actions->installOn(login.get());
    for (QWidget *screen : login->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (screen->isWindow())
            actions->installOn(screen);
    new ui::budget::BudgetPanel(*document, *recovery, *actions, menu);
    QObject::connect(login.get(), &ui::shell::TForm_login::languageChosen, actions, &ui::budget::BudgetActions::retranslate);
    // Undone back to what was saved: the recovery copy has nothing left to recover.
    QObject::connect(&ui::common::BudgetEditor::of(*budget), &ui::common::BudgetEditor::backAtSaved, recovery,
                     [recovery] { QFile::remove(recovery->path()); });
    login->setCloseGuard([document, recovery] {
        bool discarded = false;
        if (!document->confirmDiscard(&discarded))
            return false;
        recovery->programEnds(discarded);
        document->releaseLock();
        return true;
    });
    return login;
}

ui::budget::BudgetDocument *documentOf(const ui::shell::TForm_login &login)
{
    return childOf<ui::budget::BudgetDocument>(login, u"BudgetDocument"_s);
}

ui::budget::BudgetRecovery *recoveryOf(const ui::shell::TForm_login &login)
{
    return childOf<ui::budget::BudgetRecovery>(login, u"BudgetRecovery"_s);
}

ui::budget::BudgetOutputs *outputsOf(const ui::shell::TForm_login &login)
{
    return childOf<ui::budget::BudgetOutputs>(login, u"BudgetOutputs"_s);
}

void releaseLocks(const ui::shell::TForm_login &login)
{
    recoveryOf(login)->releaseLock();
    documentOf(login)->releaseLock();
}

} // namespace torvane::app
