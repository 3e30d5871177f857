#pragma once

#include "ui/common/budgetcommand.h"

namespace torvane::ui::common {

// A section emptied at once, with its rows' follow-up when asked; undone,
// every entry (and follow-up) comes back as it was.
class SectionClearCommand : public BudgetCommand
{
public:
    SectionClearCommand(model::Budget &budget, int section, bool followUpToo);

    void undo() override;
    void redo() override;

    QString describe(base::Language language) const override;
    // The first entry the clearing took.
    BudgetPlace place() const override { return {BudgetPlace::Kind::Entry, m_section, m_firstEntry}; }

private:
    int m_section;
    bool m_followUpToo;
    model::SectionEntries m_before;
    model::RowFollowUps m_followUpsBefore;
    int m_firstEntry = -1;
};

} // namespace torvane::ui::common
