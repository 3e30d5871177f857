#include "ui/sections/waitingoptions.h"

#include "model/quantity.h"
#include "model/sectiontexts.h"

namespace torvane::ui::sections {

using namespace model;

namespace {

bool pricesNothing(const Amount &amount)
{
    return amount.isDecimal ? amount.decimal == 0 : !amount.money.overflow() && amount.money.value() == 0;
}

struct EmptyBox {
    int cell;
    int column;
    int options;
};

} // namespace

QVector<int> waitingOptionBoxes(const SectionEntries &entries)
{
    const SectionGrid &grid = entries.grid();
    QVector<int> waiting;
    for (const GridRow &gridRow : grid.rows()) {
        const PriceRule rule = gridRow.group->rule;
        if (!rule)
            continue;
        RowInput row;
        row.row = gridRow.row;
        bool quantity = false;
        bool unreadable = false;
        QVector<EmptyBox> empty;
        for (int i = gridRow.firstCell; i < gridRow.firstCell + gridRow.cellCount; ++i) {
            const GridCell &cell = grid.cell(i);
            if (cell.spec->role == ColumnRole::Choice) {
                const int count = optionCount(*cell.spec, cell.row);
                const int position = entries.position(i);
                const bool chosen = position >= 0 && position < count;
                row.positions[cell.column] = chosen ? position : -1;
                if (!chosen && count > 0)
                    empty.append({i, cell.column, count});
            } else if (cell.spec->role == ColumnRole::Quantity) {
                const std::optional<qint32> value = parseQuantity(entries.text(i));
                unreadable |= !value;
                row.quantities[cell.column] = value.value_or(0);
                quantity |= value.value_or(0) != 0;
            }
        }
        if (!quantity || unreadable || empty.isEmpty() || !pricesNothing(rule(row)))
            continue;
        for (const EmptyBox &box : std::as_const(empty)) {
            RowInput trial = row;
            for (const EmptyBox &other : std::as_const(empty))
                if (other.cell != box.cell)
                    trial.positions[other.column] = 0;
            // A box the row is priced without is not what it waits for.
            if (!pricesNothing(rule(trial)))
                continue;
            for (int position = 0; position < box.options; ++position) {
                trial.positions[box.column] = position;
                if (!pricesNothing(rule(trial))) {
                    waiting.append(box.cell);
                    break;
                }
            }
        }
    }
    return waiting;
}

} // namespace torvane::ui::sections
