#pragma once

#include "report/reportplan.h"

namespace torvane::report {

// Writes a section's priced rows as a formatted workbook beside the program,
// named after the section's caption, and opens it for the user. A section
// whose subtotals are all "0" writes nothing.
void exportSection(const ReportPlan &plan, const ReportSource &source);

} // namespace torvane::report
