#include "report/reportexport.h"

namespace torvane::report {

void exportSection(const ReportPlan &, const ReportSource &) {}

} // namespace torvane::report
