#pragma once

#include "ui/common/budgetcommand.h"

namespace torvane::ui::common {

// An own line added to the budget or removed from it, at its place.
class OwnLineCommand : public BudgetCommand
{
public:
    enum class Kind { Added, Removed };
    OwnLineCommand(model::Budget &budget, Kind kind, const model::OwnLine &line, int index);

    void undo() override;
    void redo() override;

    QString describe(base::Language language) const override;
    // The line where it stands; after a removal, the line that took its place.
    BudgetPlace place() const override { return {BudgetPlace::Kind::OwnLine, m_line.section, -1, 0, 0, m_index}; }

private:
    void add() { m_budget.addOwnLine(m_line, m_index); }
    void remove() { m_budget.removeOwnLine(m_index); }

    Kind m_kind;
    model::OwnLine m_line;
    int m_index;
};

} // namespace torvane::ui::common
