#pragma once

#include <QDate>
#include <QString>

#include <map>
#include <utility>

namespace torvane::model {

// What arrives for one line of the budget once the estimate is made: the
// quote or invoice, what has been paid, from whom, when it is due, and a
// note. Amounts are kept as the user typed them (model/typedinput.h reads
// them); an empty amount is not known yet, which is not 0.
struct FollowUp {
    QString actual;
    QString paid;
    QString supplier;
    QDate due; // invalid: none
    QString note;

    bool isEmpty() const
    {
        return actual.isEmpty() && paid.isEmpty() && supplier.isEmpty() && !due.isValid() && note.isEmpty();
    }
    friend bool operator==(const FollowUp &, const FollowUp &) = default;
};

inline constexpr int kMaxSupplierLength = 200;
inline constexpr int kMaxItemLength = 200;
inline constexpr int kMaxNoteLength = 10000;

// A catalogue row of a section's grid: its tab and its row number in the tab.
using RowKey = std::pair<int, int>;
// The follow-up of a section's rows that have any.
using RowFollowUps = std::map<RowKey, FollowUp>;

// A line no catalogue has (staff travel, a design agency, insurance): its
// section (-1: other costs), what it is, its estimate as typed, and its
// follow-up.
struct OwnLine {
    int section = -1;
    QString item;
    QString estimate;
    FollowUp followUp;

    friend bool operator==(const OwnLine &, const OwnLine &) = default;
};

} // namespace torvane::model
