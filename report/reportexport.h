#pragma once

#include "report/reportplan.h"
#include "report/spreadsheethost.h"

namespace torvane::report {

// Writes a section's priced rows as a formatted workbook beside the program,
// named after the section's caption, and opens it for the user. A section
// whose subtotals are all "0" writes nothing.
// Writes the priced tabs of a section from firstRow down, then the section
// total; returns the row of that total.
int writeSectionBlocks(HostWorksheet &sheet, const ReportPlan &plan, const ReportSource &source, int firstRow);

void exportSection(const ReportPlan &plan, const ReportSource &source);

} // namespace torvane::report
