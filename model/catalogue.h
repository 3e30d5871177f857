#pragma once

#include "base/localizedtext.h"
#include "model/gridname.h"
#include "base/money.h"
#include "model/reportplan.h"

#include <QList>

#include <array>
#include <span>

namespace torvane::model {

using base::Amount;
using base::LocalizedText;
using base::Money;

// What a pricing rule sees of one row: the 0-based option positions (-1 for
// no selection) and the quantities of its columns, by 1-based column number.
struct RowInput {
    int row = 0; // row number within the tab
    std::array<int, 6> positions{-1, -1, -1, -1, -1, -1};
    std::array<qint64, 6> quantities{};

    int pos(int column) const { return positions[column]; }
    qint64 qty(int column) const { return quantities[column]; }
};

using PriceRule = Amount (*)(const RowInput &);
using OptionList = std::span<const LocalizedText>;

enum class ColumnRole {
    Choice,   // option box
    Quantity, // number typed by the user
    Sum,      // the row's amount, written by the pass
    Name,     // fixed text written by localisation, read-only
};

struct ColumnSpec {
    ColumnRole role = ColumnRole::Quantity;
    OptionList options{};                  // Choice: the list every row of the group offers
    OptionList (*optionsOfRow)(int row) = nullptr; // Choice: a list that depends on the row
    LocalizedText (*nameOfRow)(int row) = nullptr; // Name: the row's fixed text

    constexpr CellKind kind() const { return role == ColumnRole::Choice ? CellKind::Option : CellKind::Number; }
};

// Shorthands that keep catalogues reading like their tables.
constexpr ColumnSpec choice(OptionList options) { return {ColumnRole::Choice, options}; }
constexpr ColumnSpec choiceByRow(OptionList (*list)(int)) { return {ColumnRole::Choice, {}, list}; }
constexpr ColumnSpec quantity() { return {ColumnRole::Quantity}; }
constexpr ColumnSpec sum() { return {ColumnRole::Sum}; }
constexpr ColumnSpec name(LocalizedText (*text)(int)) { return {ColumnRole::Name, {}, nullptr, text}; }

// Column header label "Label<tab><label>" and its text.
struct ColumnHeader {
    int label = 0;
    LocalizedText text;
};

struct CellPlace {
    int left = 0;
    int width = 0;
};

// Placement of a group within its tab's container of width Wt. Cells of
// column c are w wide at left (w + 10) * c - w, with w = (Wt - cellMargin) / n;
// headers use their own spacing where headerMargin differs.
struct GroupLayout {
    int headerTop = 20;
    int columnHeaderTop = 50;
    int rowBase = 40;     // row r stands at 35 * r + rowBase
    int cellMargin = 0;   // 0: 65 + 10 * n
    int headerMargin = 0; // 0: as cellMargin
    CellPlace (*place)(int Wt, int column) = nullptr; // a section's own column geometry
};

struct GroupSpec {
    int number = 1; // g of the header "Labelzag<tab><g>"
    LocalizedText header;
    int firstRow = 1;
    int lastRow = 1;
    std::span<const ColumnSpec> columns;
    std::span<const ColumnHeader> columnHeaders;
    PriceRule rule = nullptr;
    int sumColumn = 0;
    GroupLayout layout;
    GroupPlan report;

    constexpr int columnCount() const { return int(columns.size()); }
};

struct TabSpec {
    LocalizedText title;
    std::span<const GroupSpec> groups;
    int sumEditTop = 250;
};

struct TimerPlan {
    int layoutMs = 100;
    int localiseMs = 100;
    int recalcMs = 100;
    bool localiseOnAtCreation = false;
};

enum class Arithmetic { Whole, Decimal };

// An option and the price it carries: per unit of its row's quantity, or the
// fixed amount of a row that has none.
struct Priced {
    LocalizedText text;
    qint64 price = 0;
};

// One priced option of a section as the reference workbook lists it.
struct PriceLine {
    LocalizedText group;  // what is priced (a group header)
    LocalizedText item;   // the option or row
    LocalizedText detail; // what the price is for ("per adult", a unit); may be empty
    qint64 price = 0;     // tenge
};

// Everything that makes one section: the engine builds, lays out, localises,
// prices and exports any catalogue.
struct SectionCatalogue {
    const char16_t *screenName = u"";
    LocalizedText caption;
    std::span<const TabSpec> tabs;
    const char16_t *totalsPanel = u"";
    std::span<const int> buttonRows; // tab buttons per row, top row first; empty: one row
    TimerPlan timers;
    Arithmetic arithmetic = Arithmetic::Whole;
    bool firstLayoutIsSilent = false; // the first layout starts no pass
    int reportLastColumn = F;
    QList<PriceLine> (*priceList)() = nullptr; // every price the section applies

    constexpr int tabCount() const { return int(tabs.size()); }
};

// One field of every row of a table, as an array: the option texts of a list
// whose rows also carry prices, or one price column.
template<typename Row, std::size_t N, typename Field>
constexpr auto project(const Row (&rows)[N], Field Row::*field)
{
    std::array<Field, N> out{};
    for (std::size_t i = 0; i < N; ++i)
        out[i] = rows[i].*field;
    return out;
}

// The commonest rule: an option in column 1 and a quantity in column 2; the
// row costs the quantity times the option's price, nothing while either is
// missing.
template<const auto &prices>
Amount perUnitRule(const RowInput &in)
{
    const int a = in.pos(1);
    if (a == -1 || in.qty(2) == 0)
        return 0;
    return Money(in.qty(2)) * prices[a];
}

// Appends one reference line per option of a priced list.
void appendPrices(QList<PriceLine> &lines, const GroupSpec &group, std::span<const Priced> options,
                  const LocalizedText &detail);

} // namespace torvane::model
