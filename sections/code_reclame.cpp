#include "sections/code_reclame.h"

namespace torvane::sections {

using namespace calc;

namespace {

// Grid shape only; texts, options, prices and rules still to come.
constexpr ColumnSpec kTab1Group1[] = {choice({}), quantity(), quantity(), sum()};
constexpr ColumnSpec kTab1Group2[] = {choice({}), choice({}), quantity(), sum()};
constexpr ColumnSpec kTab1Group3[] = {choice({}), choice({}), quantity(), sum()};
constexpr GroupSpec kTab1[] = {
    {1, {}, 1, 4, kTab1Group1, {}, nullptr, 4, {20, 50, 40}, {}},
    {2, {}, 5, 8, kTab1Group2, {}, nullptr, 4, {220, 250, 100}, {}},
    {3, {}, 9, 12, kTab1Group3, {}, nullptr, 4, {20, 50, 40}, {}},
};
constexpr ColumnSpec kTab2Group1[] = {choice({}), choice({}), quantity(), sum()};
constexpr ColumnSpec kTab2Group2[] = {choice({}), choice({}), quantity(), sum()};
constexpr ColumnSpec kTab2Group3[] = {choice({}), choice({}), quantity(), sum()};
constexpr ColumnSpec kTab2Group4[] = {choice({}), choice({}), sum()};
constexpr ColumnSpec kTab2Group5[] = {choice({}), quantity(), sum()};
constexpr GroupSpec kTab2[] = {
    {1, {}, 1, 3, kTab2Group1, {}, nullptr, 4, {20, 50, 40}, {}},
    {2, {}, 4, 6, kTab2Group2, {}, nullptr, 4, {220, 250, 100}, {}},
    {3, {}, 7, 9, kTab2Group3, {}, nullptr, 4, {20, 50, 40}, {}},
    {4, {}, 10, 12, kTab2Group4, {}, nullptr, 3, {20, 50, 40}, {}},
    {5, {}, 13, 15, kTab2Group5, {}, nullptr, 3, {20, 50, 40}, {}},
};
constexpr ColumnSpec kTab3Group1[] = {choice({}), choice({}), sum()};
constexpr ColumnSpec kTab3Group2[] = {choice({}), choice({}), sum()};
constexpr ColumnSpec kTab3Group3[] = {choice({}), choice({}), quantity(), sum()};
constexpr GroupSpec kTab3[] = {
    {1, {}, 1, 4, kTab3Group1, {}, nullptr, 3, {20, 50, 40}, {}},
    {2, {}, 5, 8, kTab3Group2, {}, nullptr, 3, {220, 250, 100}, {}},
    {3, {}, 9, 12, kTab3Group3, {}, nullptr, 4, {20, 50, 40}, {}},
};
constexpr ColumnSpec kTab4Group1[] = {choice({}), quantity(), sum()};
constexpr GroupSpec kTab4[] = {
    {1, {}, 1, 4, kTab4Group1, {}, nullptr, 3, {20, 50, 40}, {}},
};

constexpr TabSpec kTabs[] = {
    {{}, kTab1, 250},
    {{}, kTab2, 250},
    {{}, kTab3, 250},
    {{}, kTab4, 250},
};

constexpr SectionCatalogue kCatalogue{
    .screenName = u"Form_reclame",
    .tabs = kTabs,
    .totalsPanel = u"ScrollBox5",
    .timers = {10, 10, 10, false},
    .reportLastColumn = report::E,
};

} // namespace

const SectionCatalogue &reclameCatalogue()
{
    return kCatalogue;
}

} // namespace torvane::sections
