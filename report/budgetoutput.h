#pragma once

#include "model/budget.h"
#include "report/budgetdocument.h"

namespace torvane::report {

// The whole budget as its workbook, its PDF and its print read it, in a
// language: the sections in the main menu's tile order, each with its
// priced rows, and the summary figures.
BudgetDocumentData budgetDocument(const model::Budget &budget, int language,
                                  const QDateTime &date = QDateTime::currentDateTime());

} // namespace torvane::report
