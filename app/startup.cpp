#include "app/startup.h"

#include "sections/sections.h"
#include "shell/code_consult.h"
#include "shell/code_faq.h"
#include "shell/code_login.h"
#include "shell/code_main.h"

namespace torvane::app {

std::unique_ptr<shell::TForm_login> createScreens()
{
    auto login = std::make_unique<shell::TForm_login>();
    new shell::TForm_main(login.get());
    new shell::TForm_consult(login.get());
    new shell::TForm_faq(login.get());
    sections::createSectionScreens(login.get());
    return login;
}

} // namespace torvane::app
