#pragma once

#include "model/recalculationpass.h"

#include <QString>

namespace torvane::model {

struct SectionCatalogue;

// What a section that cannot be priced says, in a language. Fields are
// named as the user sees them: by their column's header, their row and
// their tab.
namespace passmessages {

// The message of a failed pass. A text that is not a quantity keeps its
// historical wording in every language.
QString failure(const PassFailure &failure, const SectionCatalogue &catalogue, base::Language language);
// Hint of a figure that waits for a field to be corrected.
QString waitingFor(const PassFailure &failure, const SectionCatalogue &catalogue, base::Language language);
// A section's report refused while it cannot be priced.
QString reportRefused(const PassFailure &failure, const SectionCatalogue &catalogue, base::Language language);
// The whole budget refused (workbook, PDF, print) while a section cannot be
// priced, on one line: the section, the field by column, row and tab, and
// the text.
QString budgetRefused(const PassFailure &failure, const SectionCatalogue &catalogue, base::Language language);
// The budget's total itself is beyond what the program can hold.
QString budgetTooLarge(base::Language language);

// Hint of an option box its row waits for: the row holds a quantity, but
// is priced only once an option is chosen there.
QString waitingForOption(const CellRef &box, const SectionCatalogue &catalogue, base::Language language);

// "“Quantity of Adults”, row 1 of the tab “Flights”"
QString fieldName(const CellRef &cell, const SectionCatalogue &catalogue, base::Language language);

} // namespace passmessages
} // namespace torvane::model
