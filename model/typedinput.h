#pragma once

#include "base/language.h"

#include <QString>

#include <variant>

namespace torvane::model {

// What a typed percentage cannot be, so the user can be told why.
enum class PercentProblem {
    NotANumber,      // letters, a sign, two marks, nothing but blanks
    TooManyDecimals, // more than one decimal
    OutOfRange,      // above the largest allowed
};

// A contingency as typed: 0 to 50 with at most one decimal, either decimal
// mark, blanks and a trailing "%" allowed ("7.5", "7,5 %", "12"). Returns
// tenths of a percent.
std::variant<int, PercentProblem> parseContingencyTenths(QStringView text);

inline constexpr int kMaxContingencyTenths = 500;

// Money as typed: tenge with up to two decimals, either decimal mark, with
// or without grouping (blanks, or the language's own separator:
// "1 234 567,50", "1,234,567.50", "63000"), read exactly into tiyn
// (hundredths of a tenge). Empty means "not known yet", not 0.
struct TypedAmount {
    enum class Status {
        Empty,
        Ok,
        NotANumber,      // letters, a misplaced separator, nothing but blanks
        Negative,        // a minus sign
        TooManyDecimals, // three decimals or more
        TooLarge,        // above 10^15 tenge
    };
    Status status = Status::Empty;
    qint64 tiyn = 0;

    bool isAmount() const { return status == Status::Ok; }
    bool isEmpty() const { return status == Status::Empty; }
    bool isRefused() const { return !isAmount() && !isEmpty(); }
};

inline constexpr qint64 kMaxAmountTiyn = qint64(1000000000000000) * 100; // 10^15 tenge

TypedAmount parseAmount(QStringView text, base::Language language);

} // namespace torvane::model
