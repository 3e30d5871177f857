#pragma once

#include "model/followupmodel.h"
#include "ui/common/budgetcommand.h"

namespace torvane::ui::common {

// One follow-up edit from the table: a catalogue row's follow-up, or an own
// line's item, estimate or follow-up. Each edit the table commits is a step.
class FollowUpCommand : public BudgetCommand
{
public:
    // before: the same line as it stood.
    FollowUpCommand(model::Budget &budget, const model::FollowUpModel::Change &before, const model::FollowUpModel::Change &after);

    void undo() override { apply(m_before); }
    void redo() override { apply(m_after); }

    QString describe(base::Language language) const override;
    BudgetPlace place() const override;

private:
    void apply(const model::FollowUpModel::Change &change);

    model::FollowUpModel::Change m_before;
    model::FollowUpModel::Change m_after;
};

} // namespace torvane::ui::common
