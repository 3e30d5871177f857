#include "sections/code_expenses.h"

namespace torvane::sections {

using namespace calc;

namespace {

// Grid shape only; texts, options, prices and rules still to come.
constexpr ColumnSpec kTab1Group1[] = {quantity(), quantity(), sum()};
constexpr ColumnSpec kTab1Group2[] = {choice({}), quantity(), sum()};
constexpr GroupSpec kTab1[] = {
    {1, {}, 1, 4, kTab1Group1, {}, nullptr, 3, {20, 50, 40}, {}},
    {2, {}, 5, 8, kTab1Group2, {}, nullptr, 3, {220, 250, 100}, {}},
};
constexpr ColumnSpec kTab2Group1[] = {choice({}), quantity(), sum()};
constexpr GroupSpec kTab2[] = {
    {1, {}, 1, 5, kTab2Group1, {}, nullptr, 3, {20, 50, 40}, {}},
};
constexpr ColumnSpec kTab3Group1[] = {choice({}), choice({}), quantity(), sum()};
constexpr ColumnSpec kTab3Group2[] = {choice({}), choice({}), quantity(), sum()};
constexpr GroupSpec kTab3[] = {
    {1, {}, 1, 4, kTab3Group1, {}, nullptr, 4, {20, 50, 40}, {}},
    {2, {}, 5, 8, kTab3Group2, {}, nullptr, 4, {220, 250, 100}, {}},
};
constexpr ColumnSpec kTab4Group1[] = {choice({}), quantity(), sum()};
constexpr GroupSpec kTab4[] = {
    {1, {}, 1, 5, kTab4Group1, {}, nullptr, 3, {20, 50, 40}, {}},
};

constexpr TabSpec kTabs[] = {
    {{}, kTab1, 250},
    {{}, kTab2, 250},
    {{}, kTab3, 250},
    {{}, kTab4, 250},
};

constexpr SectionCatalogue kCatalogue{
    .screenName = u"Form_expenses",
    .tabs = kTabs,
    .totalsPanel = u"ScrollBox5",
    .timers = {100, 1000, 100, true},
    .reportLastColumn = report::E,
};

} // namespace

const SectionCatalogue &expensesCatalogue()
{
    return kCatalogue;
}

} // namespace torvane::sections
