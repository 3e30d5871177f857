#pragma once

#include "report/budgetdocument.h"

class QPagedPaintDevice;

namespace torvane::report {

// Paints the whole budget on the pages of a device (a PDF writer, a
// printer): the summary with its chart, then the priced rows of every
// section that has any. Pages are counted before anything is painted, so
// every footer can say "n / N".
void paintBudget(QPagedPaintDevice &device, const BudgetDocumentData &document);

// The same pages as an A4 PDF file with its fonts embedded.
BudgetWriteResult writeBudgetPdf(const BudgetDocumentData &document, const QString &path);

} // namespace torvane::report
