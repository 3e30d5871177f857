#include "app/startup.h"

#include "model/budget.h"
#include "ui/sectionforms.h"
#include "ui/shell/code_consult.h"
#include "ui/shell/code_faq.h"
#include "ui/shell/code_login.h"
#include "ui/shell/code_main.h"

namespace torvane::app {

std::unique_ptr<shell::TForm_login> createScreens()
{
    auto login = std::make_unique<shell::TForm_login>();
    // One budget for the whole run, owned with the screens that show it.
    auto *budget = new model::Budget(model::allCatalogues(), login.get());
    budget->setObjectName(QStringLiteral("Budget"));
    new shell::TForm_main(login.get());
    new shell::TForm_consult(login.get());
    new shell::TForm_faq(login.get());
    ui::createSectionScreens(login.get(), *budget);
    return login;
}

} // namespace torvane::app
