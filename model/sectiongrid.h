#pragma once

#include "model/catalogue.h"

#include <QHash>
#include <QVector>

namespace torvane::model {

// One cell of a section's grid, with the control name it is reached by.
struct GridCell {
    int tab = 0;
    int row = 0;
    int column = 0;
    const GroupSpec *group = nullptr;
    const ColumnSpec *spec = nullptr;
    QString name;

    CellKind kind() const { return spec->kind(); }
    // What the user chooses or types; the other cells are written by the program.
    bool isEntry() const { return spec->role == ColumnRole::Choice || spec->role == ColumnRole::Quantity; }
};

// One row of a group: its cells are consecutive in the walk.
struct GridRow {
    int tab = 0;
    int row = 0;
    const GroupSpec *group = nullptr;
    int firstCell = 0;
    int cellCount = 0;
};

// The one walk over a section's grid: tabs, then groups, rows and columns in
// their order, which is also the order controls are created and focused in.
class SectionGrid
{
public:
    static const SectionGrid &of(const SectionCatalogue &catalogue);

    const SectionCatalogue &catalogue() const { return *m_catalogue; }
    const QVector<GridCell> &cells() const { return m_cells; }
    const QVector<GridRow> &rows() const { return m_rows; }
    const GridCell &cell(int index) const { return m_cells[index]; }

    // -1 when the section has no such cell.
    int indexOf(int tab, int row, int column) const { return m_byPlace.value(key(tab, row, column), -1); }
    int indexOf(const QString &name) const { return m_byName.value(name, -1); }

    explicit SectionGrid(const SectionCatalogue &catalogue);

private:
    static int key(int tab, int row, int column) { return (tab * 100 + row) * 10 + column; }

    const SectionCatalogue *m_catalogue;
    QVector<GridCell> m_cells;
    QVector<GridRow> m_rows;
    QHash<int, int> m_byPlace;
    QHash<QString, int> m_byName;
};

} // namespace torvane::model
