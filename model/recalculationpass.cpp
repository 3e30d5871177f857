#include "model/recalculationpass.h"

#include "base/decimalformat.h"
#include "model/quantity.h"

namespace torvane::model {

QString invalidQuantityMessage(const QString &text)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}

namespace {

// The row a sum too large is pinned on: the one with the largest amount,
// which is what the user has to bring down.
struct Culprit {
    qint64 amount = -1;
    CellRef row;
    QVector<CellRef> cells;

    void consider(const Money &value, const CellRef &where, const QVector<CellRef> &fields)
    {
        const qint64 v = value.overflow() ? std::numeric_limits<qint64>::max() : value.value();
        if (v >= amount) {
            amount = v;
            row = where;
            cells = fields;
        }
    }
    PassFailure failure(PassFailure::Kind kind) const { return {kind, {}, row, cells}; }
};

} // namespace

PassResult recalculate(const SectionEntries &entries, const base::DecimalFormat &format)
{
    const SectionCatalogue &catalogue = entries.catalogue();
    const SectionGrid &grid = entries.grid();
    const bool decimal = catalogue.arithmetic == Arithmetic::Decimal;
    SectionFigures figures;
    figures.rows.reserve(grid.rows().size());
    Money total = 0;
    double totalDecimal = 0;
    Culprit sectionCulprit;

    int t = 0;
    Money subtotal = 0;
    double subtotalDecimal = 0;
    Culprit tabCulprit;
    const auto closeTab = [&] {
        if (t == 0)
            return true;
        if (decimal) {
            const QString text = format.toText(subtotalDecimal);
            figures.subtotals.append(text);
            totalDecimal = format.fromText(format.toText(totalDecimal + format.fromText(text)));
        } else {
            figures.subtotals.append(QString::number(subtotal.value()));
            total += subtotal;
            if (total.overflow())
                return false;
        }
        return true;
    };

    for (const GridRow &gridRow : grid.rows()) {
        if (gridRow.tab != t) {
            if (!closeTab())
                return sectionCulprit.failure(PassFailure::Kind::TotalTooLarge);
            t = gridRow.tab;
            subtotal = 0;
            subtotalDecimal = 0;
            tabCulprit = {};
        }
        RowInput row;
        row.row = gridRow.row;
        QVector<CellRef> quantityCells;
        for (int i = gridRow.firstCell; i < gridRow.firstCell + gridRow.cellCount; ++i) {
            const GridCell &cell = grid.cell(i);
            const CellRef ref{cell.tab, cell.row, cell.column};
            if (cell.spec->role == ColumnRole::Choice) {
                const int position = entries.position(i);
                // A position outside the list prices nothing, like no selection.
                row.positions[cell.column] = (position >= 0 && position < optionCount(*cell.spec, cell.row)) ? position : -1;
            } else if (cell.spec->role == ColumnRole::Quantity) {
                const QString text = entries.text(i);
                const std::optional<qint32> value = parseQuantity(text);
                if (!value)
                    return PassFailure{PassFailure::Kind::InvalidQuantity, text, ref, {ref}};
                row.quantities[cell.column] = *value;
                quantityCells.append(ref);
            }
        }
        const GroupSpec &group = *gridRow.group;
        const Amount amount = group.rule ? group.rule(row) : Amount();
        const CellRef rowRef{gridRow.tab, gridRow.row, 0};
        RowFigure figure{{gridRow.tab, gridRow.row, group.sumColumn}, {}};
        if (decimal) {
            figure.text = format.toText(amount.isDecimal ? amount.decimal : double(amount.money.value()));
            subtotalDecimal += format.fromText(figure.text);
        } else {
            if (amount.money.overflow())
                return PassFailure{PassFailure::Kind::RowTooLarge, {}, rowRef, quantityCells};
            figure.text = QString::number(amount.money.value());
            tabCulprit.consider(amount.money, rowRef, quantityCells);
            sectionCulprit.consider(amount.money, rowRef, quantityCells);
            subtotal += amount.money;
            if (subtotal.overflow())
                return tabCulprit.failure(PassFailure::Kind::SubtotalTooLarge);
        }
        figures.rows.append(figure);
    }
    if (!closeTab())
        return sectionCulprit.failure(PassFailure::Kind::TotalTooLarge);
    figures.total = decimal ? format.toText(totalDecimal) : QString::number(total.value());
    return figures;
}

} // namespace torvane::model
