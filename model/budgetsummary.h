#pragma once

#include "model/budget.h"
#include "model/followupbook.h"

#include <optional>
#include <vector>

namespace torvane::model {

// What the whole budget comes to: each section's total in whole tenge, its
// share, the contingency and the grand total, and the grand total in a
// reference currency at the user's own rate. All in 64-bit integers.
struct BudgetSummary {
    struct Section {
        bool empty = true;  // nothing entered
        bool priced = true; // false: its figures wait for a correction
        qint64 tenge = 0;
    };
    std::vector<Section> sections; // in the budget's order
    std::vector<int> shareTenths;  // of the sections' total, in tenths of a percent; 1000 in all when anything costs
    qint64 sectionsTotal = 0;      // the catalogue rows of every section
    qint64 ownLinesTiyn = 0;       // the estimates of the user's own lines, in tiyn
    qint64 estimateTiyn = 0;       // both, in tiyn: what the contingency is a share of
    int contingencyTenths = 0;
    qint64 contingency = 0;        // whole tenge
    qint64 grandTotalTiyn = 0;     // estimate and contingency
    qint64 grandTotal = 0;         // the same in whole tenge (half a tenge up)
    bool priced = true; // every section could be priced and nothing overflowed
    std::optional<qint64> currencyHundredths;
    // What arrived since the estimate: quotes, invoices, payments (tiyn).
    FollowUpTotals followUp;
    bool rateInvalid = false; // a rate was typed but is not a positive number
};

// Amounts the user typed are read as typed in the language.
BudgetSummary summarize(const Budget &budget, base::Language language = base::Language::English);

// Shares of a whole that add up to exactly 1000 tenths as shown: each
// share rounded down, the tenths left over going to the largest remainders.
std::vector<int> largestRemainderTenths(const std::vector<qint64> &amounts);

// A rate as typed ("520.5", "520,5"): millionths of a tenge per unit; none
// when it is not a positive number.
std::optional<qint64> parseRate(const QString &text);

// Contingency of 0..500 tenths of a percent, rounded to whole tenge; none on overflow.
std::optional<qint64> contingencyOf(qint64 total, int tenths);

} // namespace torvane::model
