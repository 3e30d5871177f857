#pragma once

#include "ui/common/budgetcommand.h"

namespace torvane::ui::common {

// The budget's settings changed: its title, its contingency, or its
// reference currency and rate. Typing in one of them makes one step.
class SettingsCommand : public BudgetCommand
{
public:
    // What a change touched; Several when more than one setting changed.
    enum class Field { Title, Contingency, CurrencyCode, CurrencyRate, Several };
    static Field fieldOf(const model::BudgetSettings &before, const model::BudgetSettings &after);

    SettingsCommand(model::Budget &budget, const model::BudgetSettings &before, const model::BudgetSettings &after, int burst);

    void undo() override { m_budget.setSettings(m_before); }
    void redo() override { m_budget.setSettings(m_after); }
    int id() const override { return SettingsTyping; }
    bool mergeWith(const QUndoCommand *other) override;

    QString describe(base::Language language) const override;
    BudgetPlace place() const override { return {BudgetPlace::Kind::Settings}; }

private:
    model::BudgetSettings m_before;
    model::BudgetSettings m_after;
    Field m_field;
};

} // namespace torvane::ui::common
