#pragma once

#include <QList>

namespace torvane::calc {
class SectionScreen;
struct SectionCatalogue;
} // namespace torvane::calc
namespace torvane::shell {
class TForm_login;
}

namespace torvane::sections {

// The eight section screens, created in their start-up order (logistics,
// accommodation, food, construction, services, expenses, advertising, events).
QList<calc::SectionScreen *> createSectionScreens(shell::TForm_login *login);

// Their catalogues, in the same order.
QList<const calc::SectionCatalogue *> allCatalogues();

} // namespace torvane::sections
