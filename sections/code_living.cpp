#include "sections/code_living.h"

namespace torvane::sections {

using namespace calc;

namespace {

// Grid shape only; texts, options, prices and rules still to come.
constexpr ColumnSpec kTab1Group1[] = {choice({}), choice({}), quantity(), sum()};
constexpr GroupSpec kTab1[] = {
    {1, {}, 1, 5, kTab1Group1, {}, nullptr, 4, {20, 50, 40}, {}},
};
constexpr ColumnSpec kTab2Group1[] = {choice({}), quantity(), quantity(), sum()};
constexpr GroupSpec kTab2[] = {
    {1, {}, 1, 5, kTab2Group1, {}, nullptr, 4, {20, 50, 40}, {}},
};
constexpr ColumnSpec kTab3Group1[] = {choice({}), quantity(), sum()};
constexpr GroupSpec kTab3[] = {
    {1, {}, 1, 5, kTab3Group1, {}, nullptr, 3, {20, 50, 40}, {}},
};
constexpr ColumnSpec kTab4Group1[] = {choice({}), quantity(), sum()};
constexpr GroupSpec kTab4[] = {
    {1, {}, 1, 5, kTab4Group1, {}, nullptr, 3, {20, 50, 40}, {}},
};
constexpr ColumnSpec kTab5Group1[] = {choice({}), quantity(), sum()};
constexpr GroupSpec kTab5[] = {
    {1, {}, 1, 5, kTab5Group1, {}, nullptr, 3, {20, 50, 40}, {}},
};

constexpr TabSpec kTabs[] = {
    {{}, kTab1, 250},
    {{}, kTab2, 250},
    {{}, kTab3, 250},
    {{}, kTab4, 250},
    {{}, kTab5, 250},
};

constexpr SectionCatalogue kCatalogue{
    .screenName = u"Form_living",
    .tabs = kTabs,
    .totalsPanel = u"ScrollBox6",
    .timers = {100, 1000, 100, true},
    .reportLastColumn = report::E,
};

} // namespace

const SectionCatalogue &livingCatalogue()
{
    return kCatalogue;
}

} // namespace torvane::sections
