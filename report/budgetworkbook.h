#pragma once

#include "report/budgetreport.h"

namespace torvane::report {

// Writes the whole budget as one workbook: a summary sheet, then one sheet
// per section that has anything entered, laid out as that section's own
// report under its caption. The path's extension picks the format: ".xlsx"
// or ".xls".
BudgetWriteResult writeBudgetWorkbook(const BudgetReport &document, const QString &path);

} // namespace torvane::report
