#pragma once

namespace torvane::app {

// torvane --export BUDGET.torvane OUT.xlsx|OUT.xls|OUT.pdf: writes the
// whole-budget workbook or PDF without opening any window. Returns the
// process's exit status, each failure with a one-line message on stderr:
//   0  written (entries of the budget that were skipped are listed on one line)
//   2  wrong usage, or an output name that is not .xlsx, .xls or .pdf
//   3  the budget cannot be read
//   4  the output cannot be written, or there is nothing to write
//   5  refused: a section holds a quantity that is not one (or an amount too large)
int exportFromCommandLine(int argc, char **argv);

} // namespace torvane::app
