#pragma once

#include <QString>

#include <memory>

namespace torvane::ui::shell {
class TForm_login;
}
namespace torvane::ui::budget {
class BudgetDocument;
class BudgetOutputs;
class BudgetRecovery;
}

namespace torvane::app {

// Creates the twelve screens in their fixed order: the start screen first (it
// owns the eleven others, which end with it), then the main menu, the
// consultant and FAQ screens and the eight sections; and the one budget they
// show, open as a document, with its recovery copy, its outputs and its
// actions on every screen. The program's messages speak the language of the
// budget named for start-up, if any, until the user chooses one
// (base::startupLanguage).
std::unique_ptr<ui::shell::TForm_login> createScreens(const QString &budgetAtStart = {});

// The open budget of the screens made by createScreens(), its recovery copy
// and its outputs.
ui::budget::BudgetDocument *documentOf(const ui::shell::TForm_login &login);
ui::budget::BudgetRecovery *recoveryOf(const ui::shell::TForm_login &login);
ui::budget::BudgetOutputs *outputsOf(const ui::shell::TForm_login &login);

// Stops the recovery writes and lets go of the budget's and the recovery
// slot's lock files, which a process ending without destructors would
// otherwise leave behind.
void releaseLocks(const ui::shell::TForm_login &login);

} // namespace torvane::app
