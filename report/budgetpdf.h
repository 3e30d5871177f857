#pragma once

#include "report/budgetreport.h"

class QPagedPaintDevice;

namespace torvane::report {

// Paints the whole budget on the pages of a device (a PDF writer, a
// printer): the summary with its chart, then the priced rows of every
// section that has any. Pages are counted before anything is painted, so
// every footer can say "n / N".
void paintBudget(QPagedPaintDevice &device, const BudgetReport &document);

// The same pages as an A4 PDF file with its fonts embedded.
BudgetWriteResult writeBudgetPdf(const BudgetReport &document, const QString &path);

} // namespace torvane::report
