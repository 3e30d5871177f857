#include "report/sectionsource.h"

#include "model/sectiontexts.h"

namespace torvane::report {

using namespace model;

SectionSource::SectionSource(const SectionEntries &entries, const SectionFigures &figures, base::Language language)
    : m_entries(entries)
    , m_language(language)
{
    m_controls = sectionTexts(entries.catalogue(), language);
    for (int t = 1; t <= entries.catalogue().tabCount(); ++t)
        m_controls.insert(ControlName::subtotal(t), figures.subtotals.value(t - 1, QStringLiteral("0")));
    m_controls.insert(ControlName::total(), figures.total);
    for (const RowFigure &row : figures.rows)
        m_sums.insert(entries.grid().indexOf(row.cell.tab, row.cell.row, row.cell.column), row.text);
}

QString SectionSource::caption() const
{
    return m_entries.catalogue().caption.in(m_language);
}

QString SectionSource::controlText(const QString &name) const
{
    return m_controls.value(name);
}

QString SectionSource::cellText(int tab, int row, int column) const
{
    const int index = m_entries.grid().indexOf(tab, row, column);
    if (index < 0)
        return {};
    const GridCell &cell = m_entries.grid().cell(index);
    switch (cell.spec->role) {
    case ColumnRole::Choice: {
        const int position = m_entries.position(index);
        const OptionList options = optionsOf(*cell.spec, row);
        return position >= 0 && position < int(options.size()) ? options[std::size_t(position)].in(m_language) : QString();
    }
    case ColumnRole::Quantity: return m_entries.text(index);
    case ColumnRole::Sum: return m_sums.value(index, QStringLiteral("0"));
    case ColumnRole::Name: return m_controls.value(cell.name);
    }
    return {};
}

} // namespace torvane::report
