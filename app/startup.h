#pragma once

#include <QString>

#include <memory>

namespace torvane::ui::shell {
class TForm_login;
}
namespace torvane::ui::budget {
class BudgetController;
}

namespace torvane::app {

// Creates the twelve screens in their fixed order: the start screen first (it
// owns the eleven others, which end with it), then the main menu, the
// consultant and FAQ screens and the eight sections; and the one budget
// document they show, with its actions on every screen. The program's
// messages speak the language of the budget named for start-up, if any,
// until the user chooses one (base::startupLanguage).
std::unique_ptr<ui::shell::TForm_login> createScreens(const QString &budgetAtStart = {});

// The budget document of the screens made by createScreens().
ui::budget::BudgetController *documentOf(const ui::shell::TForm_login &login);

} // namespace torvane::app
