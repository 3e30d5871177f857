#pragma once

#include "report/budgetreport.h"

namespace torvane::report {

// Writes the whole budget as one workbook: a summary sheet, then one sheet
// per section that has anything entered, laid out as that section's own
// report under its caption. The path's extension picks the format: ".xlsx"
// or ".xls".
BudgetWriteResult writeBudgetWorkbook(const BudgetReport &document, const QString &path);

// A caption made fit to name a sheet: at most 31 characters, none of
// : \ / ? * [ ], no apostrophe at either end, and unlike every earlier name
// whatever the case.
QString budgetSheetName(const QString &caption, const QStringList &earlier);

} // namespace torvane::report
