#include "model/sectionentries.h"

namespace torvane::model {

SectionEntries::SectionEntries(const SectionCatalogue &catalogue)
    : m_grid(&SectionGrid::of(catalogue))
{
    clear();
}

bool SectionEntries::setPosition(int cell, int position)
{
    if (cell < 0 || cell >= m_positions.size() || m_grid->cell(cell).spec->role != ColumnRole::Choice)
        return false;
    if (position < -1)
        position = -1;
    if (m_positions[cell] == position)
        return false;
    m_positions[cell] = position;
    return true;
}

bool SectionEntries::setText(int cell, const QString &text)
{
    if (cell < 0 || cell >= m_texts.size() || m_grid->cell(cell).spec->role != ColumnRole::Quantity)
        return false;
    if (m_texts[cell] == text)
        return false;
    m_texts[cell] = text;
    return true;
}

void SectionEntries::clear()
{
    const auto &cells = m_grid->cells();
    m_positions = QVector<int>(cells.size(), -1);
    m_texts = QStringList();
    m_texts.reserve(cells.size());
    for (const GridCell &cell : cells)
        m_texts.append(cell.spec->role == ColumnRole::Quantity ? QStringLiteral("0") : QString());
}

bool SectionEntries::isEmpty() const
{
    for (int i = 0; i < m_positions.size(); ++i) {
        if (m_positions[i] >= 0 || !isEmptyText(m_texts[i]))
            return false;
    }
    return true;
}

} // namespace torvane::model
