#pragma once

#include "base/language.h"
#include "model/budget.h"

#include <QUndoCommand>

namespace torvane::ui::common {

// Where a step of the budget's history acted, for the views to show it.
struct BudgetPlace {
    enum class Kind { Entry, Settings, FollowUp, OwnLine };
    Kind kind = Kind::Entry;
    int section = -1; // Entry, FollowUp
    int cell = -1;    // Entry: the cell in the section's grid walk; -1: the section as a whole
    int tab = 0;      // FollowUp: the catalogue row
    int row = 0;
    int ownIndex = -1; // OwnLine: the line as it stands after the step
    int column = -1;   // FollowUp, OwnLine: the follow-up table's column; -1: none
};

// One step of the budget's history. Its text is made in the language of
// the moment it is shown, so a history outlives a change of language.
// Keystrokes of one burst of typing (the editor numbers them) make one step.
class BudgetCommand : public QUndoCommand
{
public:
    // Steps of these kinds take the keystrokes that follow them.
    enum MergeId { NoMerge = -1, EntryTyping = 1, SettingsTyping = 2 };

    explicit BudgetCommand(model::Budget &budget, int burst = -1)
        : m_budget(budget)
        , m_burst(burst)
    {
    }

    virtual QString describe(base::Language language) const = 0;
    virtual BudgetPlace place() const = 0;

protected:
    // The other step is the next keystroke of this one's burst.
    bool sameBurst(const BudgetCommand &other) const { return m_burst >= 0 && other.m_burst == m_burst; }

    model::Budget &m_budget;

private:
    int m_burst;
};

} // namespace torvane::ui::common
