#pragma once

#include "base/language.h"

#include <QByteArray>

namespace torvane::model {
class Budget;
}

namespace torvane::ui::budget {

// The follow-up table for other tools: RFC 4180 CSV in UTF-8, one record
// a row of the table (the lines, each section's subtotal, the budget's
// total) under the table's headers in the language; amounts as plain
// numbers in tenge with a point and two decimals, dates as YYYY-MM-DD.
QByteArray followUpCsv(const model::Budget &budget, base::Language language);

} // namespace torvane::ui::budget
