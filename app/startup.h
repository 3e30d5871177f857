#pragma once

#include <memory>

namespace torvane::shell {
class TForm_login;
}

namespace torvane::app {

// Creates the twelve screens in their fixed order: the start screen first (it
// owns the eleven others, which end with it), then the main menu, the
// consultant and FAQ screens and the eight sections.
std::unique_ptr<shell::TForm_login> createScreens();

} // namespace torvane::app
