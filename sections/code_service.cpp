#include "sections/code_service.h"

namespace torvane::sections {

using namespace calc;

namespace {

// Grid shape only; texts, options, prices and rules still to come.
constexpr ColumnSpec kTab1Group1[] = {choice({}), quantity(), sum()};
constexpr GroupSpec kTab1[] = {
    {1, {}, 1, 5, kTab1Group1, {}, nullptr, 3, {20, 50, 40}, {}},
};
constexpr ColumnSpec kTab2Group1[] = {choice({}), quantity(), sum()};
constexpr GroupSpec kTab2[] = {
    {1, {}, 1, 5, kTab2Group1, {}, nullptr, 3, {20, 50, 40}, {}},
};
constexpr ColumnSpec kTab3Group1[] = {choice({}), sum()};
constexpr ColumnSpec kTab3Group2[] = {choice({}), quantity(), sum()};
constexpr GroupSpec kTab3[] = {
    {1, {}, 1, 3, kTab3Group1, {}, nullptr, 2, {20, 50, 40}, {}},
    {2, {}, 4, 6, kTab3Group2, {}, nullptr, 3, {220, 250, 100}, {}},
};
constexpr ColumnSpec kTab4Group1[] = {choice({}), quantity(), sum()};
constexpr ColumnSpec kTab4Group2[] = {choice({}), quantity(), sum()};
constexpr GroupSpec kTab4[] = {
    {1, {}, 1, 4, kTab4Group1, {}, nullptr, 3, {20, 50, 40}, {}},
    {2, {}, 5, 8, kTab4Group2, {}, nullptr, 3, {220, 250, 100}, {}},
};
constexpr ColumnSpec kTab5Group1[] = {choice({}), quantity(), sum()};
constexpr GroupSpec kTab5[] = {
    {1, {}, 1, 5, kTab5Group1, {}, nullptr, 3, {20, 50, 40}, {}},
};
constexpr ColumnSpec kTab6Group1[] = {choice({}), choice({}), quantity(), quantity(), sum()};
constexpr ColumnSpec kTab6Group2[] = {choice({}), quantity(), sum()};
constexpr GroupSpec kTab6[] = {
    {1, {}, 1, 4, kTab6Group1, {}, nullptr, 5, {20, 50, 40}, {}},
    {2, {}, 5, 8, kTab6Group2, {}, nullptr, 3, {220, 250, 100}, {}},
};
constexpr ColumnSpec kTab7Group1[] = {choice({}), quantity(), sum()};
constexpr GroupSpec kTab7[] = {
    {1, {}, 1, 5, kTab7Group1, {}, nullptr, 3, {20, 50, 40}, {}},
};
constexpr ColumnSpec kTab8Group1[] = {choice({}), quantity(), sum()};
constexpr ColumnSpec kTab8Group2[] = {choice({}), quantity(), sum()};
constexpr GroupSpec kTab8[] = {
    {1, {}, 1, 4, kTab8Group1, {}, nullptr, 3, {20, 50, 40}, {}},
    {2, {}, 5, 8, kTab8Group2, {}, nullptr, 3, {220, 250, 100}, {}},
};

constexpr TabSpec kTabs[] = {
    {{}, kTab1, 250},
    {{}, kTab2, 250},
    {{}, kTab3, 250},
    {{}, kTab4, 250},
    {{}, kTab5, 250},
    {{}, kTab6, 250},
    {{}, kTab7, 250},
    {{}, kTab8, 250},
};

constexpr SectionCatalogue kCatalogue{
    .screenName = u"Form_service",
    .tabs = kTabs,
    .totalsPanel = u"ScrollBox9",
    .timers = {100, 100, 100, false},
    .reportLastColumn = report::F,
};

} // namespace

const SectionCatalogue &serviceCatalogue()
{
    return kCatalogue;
}

} // namespace torvane::sections
