#include "ui/common/entrycommand.h"

#include "ui/common/undotexts.h"

namespace torvane::ui::common {

EntryCommand::EntryCommand(model::Budget &budget, int section, int cell, int before, int after)
    : BudgetCommand(budget)
    , m_section(section)
    , m_cell(cell)
    , m_isText(false)
    , m_positionBefore(before)
    , m_positionAfter(after)
{
}

EntryCommand::EntryCommand(model::Budget &budget, int section, int cell, const QString &before, const QString &after, int burst)
    : BudgetCommand(budget, burst)
    , m_section(section)
    , m_cell(cell)
    , m_isText(true)
    , m_textBefore(before)
    , m_textAfter(after)
{
}

void EntryCommand::set(int position, const QString &text)
{
    if (m_isText)
        m_budget.setText(m_section, m_cell, text);
    else
        m_budget.setPosition(m_section, m_cell, position);
}

void EntryCommand::undo()
{
    set(m_positionBefore, m_textBefore);
}

void EntryCommand::redo()
{
    set(m_positionAfter, m_textAfter);
}

bool EntryCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const EntryCommand *>(other);
    if (!m_isText || !next->m_isText || next->m_section != m_section || next->m_cell != m_cell || !sameBurst(*next))
        return false;
    m_textAfter = next->m_textAfter;
    // Typed and taken back within the burst: nothing is left to undo.
    setObsolete(m_textAfter == m_textBefore);
    return true;
}

QString EntryCommand::describe(base::Language language) const
{
    const model::SectionCatalogue &catalogue = m_budget.catalogue(m_section);
    const model::GridCell &cell = m_budget.entries(m_section).grid().cell(m_cell);
    return undotexts::field(undotexts::columnHeader(catalogue, cell.tab, cell.row, cell.column, language), catalogue, cell.tab,
                            cell.row, language);
}

} // namespace torvane::ui::common
