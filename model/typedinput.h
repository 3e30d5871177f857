#pragma once

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

} // namespace torvane::model
