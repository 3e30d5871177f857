#pragma once

#include "model/budget.h"
#include "report/budgetdocument.h"

namespace torvane::report {

// The whole budget as its workbook, its PDF and its print read it, in a
// language: the sections in the main menu's tile order, each with its
// priced rows, and the summary figures.
BudgetDocumentData budgetDocument(const model::Budget &budget, int language,
                                  const QDateTime &date = QDateTime::currentDateTime());
// The same without the sections' rows and sheets: what the overview and its chart show.
BudgetDocumentData budgetOverview(const model::Budget &budget, int language);

} // namespace torvane::report
