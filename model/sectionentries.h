#pragma once

#include "model/sectiongrid.h"

#include <QStringList>
#include <QVector>

namespace torvane::model {

// What the user chose and typed in one section: per option box its position
// (-1 for none), per quantity field its text as typed, so that a text that is
// not a quantity can be kept and reported. Positions are the same in every
// language. Cells are addressed by their index in the section's grid walk.
class SectionEntries
{
public:
    explicit SectionEntries(const SectionCatalogue &catalogue);

    const SectionCatalogue &catalogue() const { return m_grid->catalogue(); }
    const SectionGrid &grid() const { return *m_grid; }

    int position(int cell) const { return m_positions.value(cell, -1); }
    QString text(int cell) const { return m_texts.value(cell); }
    int position(int tab, int row, int column) const { return position(m_grid->indexOf(tab, row, column)); }
    QString text(int tab, int row, int column) const { return text(m_grid->indexOf(tab, row, column)); }

    // Both return whether anything changed; cells that take no entry ignore them.
    bool setPosition(int cell, int position);
    bool setText(int cell, const QString &text);

    // The state of a section nobody has touched: no option chosen, every quantity "0".
    void clear();
    bool isEmpty() const;
    static bool isEmptyText(const QString &text) { return text.isEmpty() || text == QLatin1String("0"); }

    friend bool operator==(const SectionEntries &a, const SectionEntries &b)
    {
        return a.m_grid == b.m_grid && a.m_positions == b.m_positions && a.m_texts == b.m_texts;
    }

private:
    const SectionGrid *m_grid;
    QVector<int> m_positions;
    QStringList m_texts;
};

} // namespace torvane::model
