#include "ui/common/sectionclearcommand.h"

#include "ui/common/undotexts.h"

namespace torvane::ui::common {

SectionClearCommand::SectionClearCommand(model::Budget &budget, int section, bool followUpToo)
    : BudgetCommand(budget)
    , m_section(section)
    , m_followUpToo(followUpToo)
    , m_before(budget.entries(section))
{
    if (followUpToo)
        m_followUpsBefore = budget.followUps(section);
    for (int cell = 0; cell < m_before.grid().cells().size(); ++cell)
        if (m_before.position(cell) >= 0 || !model::SectionEntries::isEmptyText(m_before.text(cell))) {
            m_firstEntry = cell;
            break;
        }
}

void SectionClearCommand::undo()
{
    m_budget.replaceEntries(m_section, m_before);
    for (const auto &[key, followUp] : m_followUpsBefore)
        m_budget.setFollowUp(m_section, key.first, key.second, followUp);
}

void SectionClearCommand::redo()
{
    m_budget.clearSection(m_section, m_followUpToo);
}

QString SectionClearCommand::describe(base::Language language) const
{
    return undotexts::cleared(m_budget.catalogue(m_section), language);
}

} // namespace torvane::ui::common
