#include "ui/common/followupcommand.h"

#include "ui/common/undotexts.h"

namespace torvane::ui::common {

using Kind = model::FollowUpLine::Kind;

FollowUpCommand::FollowUpCommand(model::Budget &budget, const model::FollowUpModel::Change &before,
                                 const model::FollowUpModel::Change &after)
    : BudgetCommand(budget)
    , m_before(before)
    , m_after(after)
{
}

void FollowUpCommand::apply(const model::FollowUpModel::Change &change)
{
    if (change.kind == Kind::Own)
        m_budget.setOwnLine(change.ownIndex, change.ownLine);
    else
        m_budget.setFollowUp(change.section, change.tab, change.row, change.followUp);
}

QString FollowUpCommand::describe(base::Language language) const
{
    const QString header = model::FollowUpModel::columnName(m_after.column, language);
    if (m_after.kind == Kind::Own)
        return undotexts::ownLineEdited(header, m_after.ownLine.item, m_after.ownIndex, language);
    return undotexts::field(header, m_budget.catalogue(m_after.section), m_after.tab, m_after.row, language);
}

BudgetPlace FollowUpCommand::place() const
{
    if (m_after.kind == Kind::Own)
        return {BudgetPlace::Kind::OwnLine, m_after.ownLine.section, -1, 0, 0, m_after.ownIndex, int(m_after.column)};
    return {BudgetPlace::Kind::FollowUp, m_after.section, -1, m_after.tab, m_after.row, -1, int(m_after.column)};
}

} // namespace torvane::ui::common
