#pragma once

namespace torvane::report {

// Opens the reference workbook shipped beside the program in the desktop's
// spreadsheet application.
void openReferenceWorkbook();

} // namespace torvane::report
