#pragma once

// A small catalogue for the engine tests. Two tabs: a priced row with a
// choice and a quantity, a row priced by its choice alone, and a tab of
// fixed named rows.

#include "model/catalogue.h"

namespace torvane::test::fixture {

using base::Amount;
using base::LocalizedText;
using base::Money;
using model::ColumnHeader;
using model::ColumnSpec;
using model::GroupSpec;
using model::RowInput;
using model::SectionCatalogue;
using model::TabSpec;

inline constexpr LocalizedText kSizes[] = {{u"petit", u"малый", u"small"}, {u"grand", u"большой", u"large"}};
inline Amount perPiece(const RowInput &in)
{
    if (in.pos(1) == -1 || in.qty(2) == 0)
        return 0;
    return Money(in.pos(1) == 0 ? 100 : 1000) * in.qty(2);
}
inline Amount fixedPrice(const RowInput &in)
{
    return in.pos(1) == -1 ? 0 : 150000;
}
inline Amount perNamedRow(const RowInput &in)
{
    return Money(in.row * 10) * in.qty(2);
}
inline LocalizedText rowName(int row)
{
    static constexpr LocalizedText names[] = {{u"un", u"один", u"one"}, {u"deux", u"два", u"two"}};
    return names[row - 1];
}

inline constexpr ColumnSpec kPieces[] = {model::choice(kSizes), model::quantity(), model::sum()};
inline constexpr ColumnSpec kFixed[] = {model::choice(kSizes), model::sum()};
inline constexpr ColumnHeader kPieceHeaders[] = {{1, {u"Taille", u"Размер", u"Size"}}, {2, {u"Nombre", u"Число", u"Number"}}, {3, {u"Somme", u"Сумма", u"Sum"}}};
inline constexpr ColumnHeader kFixedHeaders[] = {{4, {u"Taille", u"Размер", u"Size"}}, {5, {u"Somme", u"Сумма", u"Sum"}}};
inline constexpr GroupSpec kTab1[] = {
    {1, {u"Pièces", u"Штуки", u"Pieces"}, 1, 3, kPieces, kPieceHeaders, perPiece, 3},
    {2, {u"Forfait", u"Пакет", u"Package"}, 4, 5, kFixed, kFixedHeaders, fixedPrice, 2, {220, 250, 100}},
};
inline constexpr ColumnSpec kNamed[] = {model::name(rowName), model::quantity(), model::sum()};
inline constexpr GroupSpec kTab2[] = {{1, {u"Noms", u"Имена", u"Names"}, 1, 2, kNamed, {}, perNamedRow, 3}};
inline constexpr TabSpec kTabs[] = {{{u"Un", u"Один", u"One"}, kTab1, 300}, {{u"Deux", u"Два", u"Two"}, kTab2, 250}};

inline constexpr SectionCatalogue kFixture{
    .screenName = u"Form_fixture",
    .caption = {u"Essai", u"Проба", u"Trial"},
    .tabs = kTabs,
    .totalsPanel = u"ScrollBox3",
};
inline constexpr SectionCatalogue kSilentFixture{
    .screenName = u"Form_silent",
    .caption = {u"Essai", u"Проба", u"Trial"},
    .tabs = kTabs,
    .totalsPanel = u"ScrollBox3",
    .firstLayoutIsSilent = true,
};

} // namespace torvane::test::fixture
