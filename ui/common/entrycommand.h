#pragma once

#include "ui/common/budgetcommand.h"

namespace torvane::ui::common {

// An option chosen or a quantity typed in one cell of a section. The
// keystrokes of one burst of typing in the cell make one step.
class EntryCommand : public BudgetCommand
{
public:
    // An option box's position.
    EntryCommand(model::Budget &budget, int section, int cell, int before, int after);
    // A quantity field's text.
    EntryCommand(model::Budget &budget, int section, int cell, const QString &before, const QString &after, int burst);

    void undo() override;
    void redo() override;
    int id() const override { return m_isText ? EntryTyping : NoMerge; }
    bool mergeWith(const QUndoCommand *other) override;

    QString describe(base::Language language) const override;
    BudgetPlace place() const override { return {BudgetPlace::Kind::Entry, m_section, m_cell}; }

private:
    void set(int position, const QString &text);

    int m_section;
    int m_cell;
    bool m_isText;
    int m_positionBefore = -1;
    int m_positionAfter = -1;
    QString m_textBefore;
    QString m_textAfter;
};

} // namespace torvane::ui::common
