#include "calc/recalculationpass.h"

#include "calc/decimalformat.h"
#include "calc/quantity.h"

namespace torvane::calc {

int optionCount(const ColumnSpec &column, int row)
{
    if (column.role != ColumnRole::Choice)
        return 0;
    return int(column.optionsOfRow ? column.optionsOfRow(row).size() : column.options.size());
}

namespace {

// The quantity a failure is pinned on when an amount cannot be computed: the
// largest one involved, which is what the user has to bring down.
struct Culprit {
    qint64 value = -1;
    CellRef cell;
    QString text;

    void consider(qint64 v, const CellRef &where, const QString &t)
    {
        if (v >= value) {
            value = v;
            cell = where;
            text = t;
        }
    }
    PassFailure failure(QVector<CellRef> cells) const
    {
        if (cells.isEmpty())
            cells.append(cell);
        return {text, invalidQuantityMessage(text), std::move(cells)};
    }
};

} // namespace

PassResult recalculate(const SectionCatalogue &catalogue, const SectionInputs &inputs, const DecimalFormat &format)
{
    SectionFigures figures;
    const bool decimal = catalogue.arithmetic == Arithmetic::Decimal;
    Money total = 0;
    double totalDecimal = 0;
    Culprit sectionCulprit;

    for (int t = 1; t <= catalogue.tabCount(); ++t) {
        const TabSpec &tab = catalogue.tabs[t - 1];
        Money subtotal = 0;
        double subtotalDecimal = 0;
        Culprit tabCulprit;
        for (const GroupSpec &group : tab.groups) {
            for (int r = group.firstRow; r <= group.lastRow; ++r) {
                RowInput row;
                row.row = r;
                Culprit rowCulprit;
                QVector<CellRef> quantityCells;
                for (int c = 1; c <= group.columnCount(); ++c) {
                    const ColumnSpec &column = group.columns[c - 1];
                    const CellRef cell{t, r, c};
                    if (column.role == ColumnRole::Choice) {
                        const int position = inputs.position(t, r, c);
                        // A position outside the list prices nothing, like no selection.
                        row.positions[c] = (position >= 0 && position < optionCount(column, r)) ? position : -1;
                    } else if (column.role == ColumnRole::Quantity) {
                        const QString text = inputs.text(t, r, c);
                        const std::optional<qint32> value = parseQuantity(text);
                        if (!value)
                            return PassFailure{text, invalidQuantityMessage(text), {cell}};
                        row.quantities[c] = *value;
                        if (*value != 0)
                            quantityCells.append(cell);
                        rowCulprit.consider(*value, cell, text);
                        tabCulprit.consider(*value, cell, text);
                        sectionCulprit.consider(*value, cell, text);
                    }
                }
                const Amount amount = group.rule ? group.rule(row) : Amount();
                RowFigure figure{{t, r, group.sumColumn}, {}};
                if (decimal) {
                    figure.text = format.toText(amount.isDecimal ? amount.decimal : double(amount.money.value()));
                    subtotalDecimal += format.fromText(figure.text);
                } else {
                    if (amount.money.overflow())
                        return rowCulprit.failure(quantityCells);
                    figure.text = QString::number(amount.money.value());
                    subtotal += amount.money;
                    if (subtotal.overflow())
                        return tabCulprit.failure({});
                }
                figures.rows.append(figure);
            }
        }
        if (decimal) {
            const QString text = format.toText(subtotalDecimal);
            figures.subtotals.append(text);
            totalDecimal = format.fromText(format.toText(totalDecimal + format.fromText(text)));
        } else {
            figures.subtotals.append(QString::number(subtotal.value()));
            total += subtotal;
            if (total.overflow())
                return sectionCulprit.failure({});
        }
    }
    figures.total = decimal ? format.toText(totalDecimal) : QString::number(total.value());
    return figures;
}

} // namespace torvane::calc
