#pragma once

namespace torvane::app {

// torvane --export BUDGET.torvane OUT.xlsx|OUT.xls|OUT.pdf: writes the
// whole-budget workbook or PDF without opening any window. Returns the
// process's exit status: 0 when written, non-zero with a one-line message.
int exportFromCommandLine(int argc, char **argv);

} // namespace torvane::app
