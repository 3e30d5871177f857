#pragma once

#include "model/budget.h"
#include "model/budgetsummary.h"
#include "report/budgetreport.h"

namespace torvane::report {

// The whole budget as its workbook, its PDF and its print read it, in a
// language: the sections in the main menu's tile order, each with its
// priced rows, and the summary figures.
BudgetReport budgetReport(const model::Budget &budget, base::Language language,
                                  const QDateTime &date = QDateTime::currentDateTime());
// The same without the sections' rows and the follow-up table: what the
// overview and its chart show.
BudgetReport budgetOverview(const model::Budget &budget, const model::BudgetSummary &summary, base::Language language);
// The follow-up table alone, as the document holds it.
FollowUpTable followUpTable(const model::Budget &budget, base::Language language);

// Writes the document as the path's ending says: .pdf a PDF, .xlsx or .xls a workbook.
BudgetWriteResult writeBudget(const BudgetReport &document, const QString &path);

} // namespace torvane::report
