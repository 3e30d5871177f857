#pragma once

#include "base/language.h"
#include "model/sectionentries.h"

#include <QString>

namespace torvane::model {

// How a catalogue row reads away from its screen (the follow-up table, the
// workbook, the PDF).

// What the row is: its own name where it has one (a construction work, a
// food activity), else its tab's title, with its group's header when the
// tab has several groups.
QString rowItem(const GridRow &row, const SectionCatalogue &catalogue, base::Language language);

// Its choices and quantities, each named by its column, zero quantities left
// out: "Point of departure: Astana · Destination: Almaty · Quantity of Adults: 2".
QString rowChoices(const SectionEntries &entries, const GridRow &row, base::Language language);

// Whether the user chose or typed anything in the row.
bool rowHasEntry(const SectionEntries &entries, const GridRow &row);

} // namespace torvane::model
