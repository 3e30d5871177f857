#pragma once

#include "base/language.h"
#include "model/budget.h"
#include "report/budgetreport.h"

#include <QByteArray>

namespace torvane::report {

// The follow-up table as RFC 4180 CSV in UTF-8, for other tools: a header
// row with the table's headers, then a record for each row of the table.
// Amounts are plain numbers with a point and two decimals ("1234567.50"),
// dates YYYY-MM-DD, a note whole with its line breaks; a section's subtotal
// and the budget's total say so in the Section column. Fields holding a
// comma, a quote or a line break are quoted; records end in CRLF.
QByteArray followUpCsv(const model::Budget &budget, base::Language language);
QByteArray followUpCsv(const FollowUpTable &table);

} // namespace torvane::report
