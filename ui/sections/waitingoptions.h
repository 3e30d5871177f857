#pragma once

#include "model/sectionentries.h"

#include <QVector>

namespace torvane::ui::sections {

// The option boxes whose rows wait for them, by cell index in the grid walk:
// the row holds a quantity and prices 0, and its own rule would price it
// once this box is chosen (the row's other empty boxes standing at their
// first option). Decided from the catalogue's rules, the same for every
// section; rows whose quantity cannot be read are left to the pass.
QVector<int> waitingOptionBoxes(const model::SectionEntries &entries);

} // namespace torvane::ui::sections
