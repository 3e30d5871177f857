#pragma once

#include "model/budget.h"

#include <optional>
#include <vector>

namespace torvane::model {

// One line of the budget as it is followed: a catalogue row that holds an
// entry (or follow-up data), or one of the user's own lines. Amounts in
// tiyn; none where they are not known.
struct FollowUpLine {
    enum class Kind { Row, Own };
    Kind kind = Kind::Row;
    int section = -1;             // budget index; -1: other costs
    const GridRow *row = nullptr; // Row: the catalogue row
    int ownIndex = -1;            // Own: index among the budget's own lines
    std::optional<qint64> estimate;
    std::optional<qint64> actual;
    std::optional<qint64> paid;
    bool estimateWaits = false; // its section cannot be priced now: no estimate to show
    bool cleared = false;       // a catalogue row emptied since; kept for its follow-up

    std::optional<qint64> variance() const; // actual - estimate
    std::optional<qint64> toPay() const;    // actual - paid (nothing paid counts as 0)
    bool overEstimate() const { return variance().value_or(0) > 0; }
    bool fullyPaid() const { return actual && toPay().value_or(0) <= 0; }
};

// Sums of a group of lines: what is known, in tiyn.
struct FollowUpTotals {
    qint64 estimate = 0;
    qint64 actual = 0;
    qint64 paid = 0;
    qint64 variance = 0; // of the lines that have an actual
    qint64 toPay = 0;
    bool anyActual = false;
    bool anyPaid = false;
    bool estimateWaits = false; // a line's estimate is not known
    bool overflow = false;      // beyond what 64 bits hold: no figure to show

    void add(const FollowUpLine &line);
};

// The whole budget line by line: the sections in the main menu's order (the
// catalogue rows in their grid order, then the section's own lines), the
// other costs last; with each section's totals and the budget's.
struct FollowUpBook {
    struct Group {
        int section = -1; // -1: other costs
        int firstLine = 0;
        int lineCount = 0;
        FollowUpTotals totals;
    };
    std::vector<FollowUpLine> lines;
    std::vector<Group> groups; // only groups that have lines
    FollowUpTotals total;
};

// Amounts typed by the user are read as typed in the given language.
FollowUpBook followUpBook(const Budget &budget, base::Language language);

// Every section in the main menu's order, as followUpBook() lists them.
std::vector<int> sectionsInMenuOrder(const Budget &budget);

} // namespace torvane::model
