#include "report/referenceworkbook.h"

namespace torvane::report {

void openReferenceWorkbook() {}

} // namespace torvane::report
