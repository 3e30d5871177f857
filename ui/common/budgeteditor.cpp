#include "ui/common/budgeteditor.h"

namespace torvane::ui::common {

using namespace Qt::StringLiterals;

BudgetEditor &BudgetEditor::of(model::Budget &budget)
{
    if (auto *editor = budget.findChild<BudgetEditor *>(u"BudgetEditor"_s, Qt::FindDirectChildrenOnly))
        return *editor;
    return *new BudgetEditor(budget);
}

BudgetEditor::BudgetEditor(model::Budget &budget)
    : QObject(&budget)
    , m_budget(budget)
{
    setObjectName(u"BudgetEditor"_s);
}

void BudgetEditor::setPosition(int section, int cell, int position)
{
    m_budget.setPosition(section, cell, position);
}

void BudgetEditor::setText(int section, int cell, const QString &text)
{
    m_budget.setText(section, cell, text);
}

void BudgetEditor::clearSection(int section, bool followUpToo)
{
    m_budget.clearSection(section, followUpToo);
}

void BudgetEditor::setSettings(const model::BudgetSettings &settings)
{
    m_budget.setSettings(settings);
}

void BudgetEditor::apply(const model::FollowUpModel::Change &change)
{
    if (change.kind == model::FollowUpLine::Kind::Own)
        m_budget.setOwnLine(change.ownIndex, change.ownLine);
    else
        m_budget.setFollowUp(change.section, change.tab, change.row, change.followUp);
}

int BudgetEditor::addOwnLine(const model::OwnLine &line, int at)
{
    return m_budget.addOwnLine(line, at);
}

void BudgetEditor::removeOwnLine(int index)
{
    m_budget.removeOwnLine(index);
}

} // namespace torvane::ui::common
