#include "sections/code_construct.h"

namespace torvane::sections {

using namespace calc;

namespace {

// Grid shape only; texts, options, prices and rules still to come.
constexpr ColumnSpec kTab1Group1[] = {name(nullptr), quantity(), choice({}), sum()};
constexpr GroupSpec kTab1[] = {
    {1, {}, 1, 14, kTab1Group1, {}, nullptr, 4, {20, 50, 40}, {}},
};
constexpr ColumnSpec kTab2Group1[] = {name(nullptr), quantity(), choice({}), sum()};
constexpr GroupSpec kTab2[] = {
    {1, {}, 1, 7, kTab2Group1, {}, nullptr, 4, {20, 50, 40}, {}},
};
constexpr ColumnSpec kTab3Group1[] = {name(nullptr), quantity(), choice({}), sum()};
constexpr GroupSpec kTab3[] = {
    {1, {}, 1, 10, kTab3Group1, {}, nullptr, 4, {20, 50, 40}, {}},
};
constexpr ColumnSpec kTab4Group1[] = {name(nullptr), quantity(), choice({}), sum()};
constexpr GroupSpec kTab4[] = {
    {1, {}, 1, 4, kTab4Group1, {}, nullptr, 4, {20, 50, 40}, {}},
};
constexpr ColumnSpec kTab5Group1[] = {name(nullptr), quantity(), choice({}), sum()};
constexpr GroupSpec kTab5[] = {
    {1, {}, 1, 5, kTab5Group1, {}, nullptr, 4, {20, 50, 40}, {}},
};
constexpr ColumnSpec kTab6Group1[] = {name(nullptr), quantity(), choice({}), sum()};
constexpr GroupSpec kTab6[] = {
    {1, {}, 1, 26, kTab6Group1, {}, nullptr, 4, {20, 50, 40}, {}},
};
constexpr ColumnSpec kTab7Group1[] = {name(nullptr), quantity(), choice({}), sum()};
constexpr GroupSpec kTab7[] = {
    {1, {}, 1, 17, kTab7Group1, {}, nullptr, 4, {20, 50, 40}, {}},
};
constexpr ColumnSpec kTab8Group1[] = {name(nullptr), quantity(), choice({}), sum()};
constexpr GroupSpec kTab8[] = {
    {1, {}, 1, 15, kTab8Group1, {}, nullptr, 4, {20, 50, 40}, {}},
};
constexpr ColumnSpec kTab9Group1[] = {name(nullptr), quantity(), choice({}), sum()};
constexpr GroupSpec kTab9[] = {
    {1, {}, 1, 12, kTab9Group1, {}, nullptr, 4, {20, 50, 40}, {}},
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
    {{}, kTab9, 250},
};

constexpr SectionCatalogue kCatalogue{
    .screenName = u"Form_construct",
    .tabs = kTabs,
    .totalsPanel = u"ScrollBox10",
    .timers = {100, 100, 100, false},
    .reportLastColumn = report::E,
};

} // namespace

const SectionCatalogue &constructCatalogue()
{
    return kCatalogue;
}

} // namespace torvane::sections
