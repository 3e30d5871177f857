#pragma once

// Shared fixtures of the model tests: inputs of the pure pass given as a
// table, and the checks of single-row price tables. Qt Core and Qt Test only.

#include "base/decimalformat.h"
#include "model/catalogue.h"
#include "model/recalculationpass.h"
#include "model/sectionentries.h"
#include "model/sectiongrid.h"

#include <QHash>
#include <QLocale>
#include <QTest>

namespace torvane::test {

using namespace Qt::StringLiterals;

// Inputs of the pass, given as a table: positions and field texts by cell.
class TableInputs
{
public:
    TableInputs &choose(int tab, int row, int column, int position)
    {
        m_positions.insert(key(tab, row, column), position);
        return *this;
    }
    TableInputs &type(int tab, int row, int column, const QString &text)
    {
        m_texts.insert(key(tab, row, column), text);
        return *this;
    }
    // The entries of a section holding this table.
    model::SectionEntries entries(const model::SectionCatalogue &catalogue) const
    {
        model::SectionEntries entries(catalogue);
        const model::SectionGrid &grid = entries.grid();
        for (auto it = m_positions.cbegin(); it != m_positions.cend(); ++it)
            entries.setPosition(grid.indexOf(it.key() / 1000, it.key() / 10 % 100, it.key() % 10), it.value());
        for (auto it = m_texts.cbegin(); it != m_texts.cend(); ++it)
            entries.setText(grid.indexOf(it.key() / 1000, it.key() / 10 % 100, it.key() % 10), it.value());
        return entries;
    }

private:
    static int key(int tab, int row, int column) { return (tab * 100 + row) * 10 + column; }
    QHash<int, int> m_positions;
    QHash<int, QString> m_texts;
};

inline model::PassResult recalculateTable(const model::SectionCatalogue &catalogue, const TableInputs &inputs,
                                          const base::DecimalFormat &format)
{
    return model::recalculate(inputs.entries(catalogue), format);
}

// The figures of a pass that must succeed.
inline model::SectionFigures priced(const model::SectionCatalogue &catalogue, const TableInputs &inputs,
                                    const base::DecimalFormat &format = base::DecimalFormat(QLocale::c()))
{
    const model::PassResult result = recalculateTable(catalogue, inputs, format);
    if (const auto *failure = std::get_if<model::PassFailure>(&result)) {
        qWarning("unexpected failure on %s", qUtf8Printable(failure->text));
        return {};
    }
    return std::get<model::SectionFigures>(result);
}

// The sum text of row r of tab t in a pass's figures ("" if the row is not priced there).
inline QString rowSum(const model::SectionFigures &figures, int tab, int row)
{
    for (const model::RowFigure &figure : figures.rows)
        if (figure.cell.tab == tab && figure.cell.row == row)
            return figure.text;
    return {};
}

// One row's inputs: option positions and quantity texts by column 1..n; a
// null text leaves its field untouched (empty).
inline TableInputs rowInputs(int tab, int row, const QList<int> &positions, const QStringList &quantities)
{
    TableInputs inputs;
    for (int c = 1; c <= int(positions.size()); ++c)
        inputs.choose(tab, row, c, positions[c - 1]);
    for (int c = 1; c <= int(quantities.size()); ++c)
        if (!quantities[c - 1].isNull())
            inputs.type(tab, row, c, quantities[c - 1]);
    return inputs;
}

// A table of single-row price cases: the row's sum, its tab's subtotal and
// the section total must all read the expected text.
inline void addRowPriceColumns()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("row");
    QTest::addColumn<QList<int>>("positions");   // by column 1..n, -1 = none
    QTest::addColumn<QStringList>("quantities"); // by column 1..n, null = untouched
    QTest::addColumn<QString>("sum");
}

inline void checkRowPrice(const model::SectionCatalogue &catalogue)
{
    QFETCH(int, tab);
    QFETCH(int, row);
    QFETCH(QList<int>, positions);
    QFETCH(QStringList, quantities);
    QFETCH(QString, sum);
    const model::SectionFigures figures = priced(catalogue, rowInputs(tab, row, positions, quantities));
    QCOMPARE(rowSum(figures, tab, row), sum);
    QCOMPARE(figures.subtotals.value(tab - 1), sum);
    QCOMPARE(figures.total, sum);
}

} // namespace torvane::test
