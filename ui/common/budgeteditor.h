#pragma once

#include "model/budget.h"
#include "model/followupmodel.h"

#include <QObject>

namespace torvane::ui::common {

// Every change the user makes to the budget passes through its editor: a
// choice or a quantity on a section screen, a cleared section, the budget's
// settings on the main menu, a follow-up edit, an own line added or removed.
// Reading stays with the budget itself. One editor per budget, made with
// it: every screen that holds the budget reaches the same one.
class BudgetEditor : public QObject
{
    Q_OBJECT
public:
    static BudgetEditor &of(model::Budget &budget);

    model::Budget &budget() const { return m_budget; }

    void setPosition(int section, int cell, int position);
    void setText(int section, int cell, const QString &text);
    void clearSection(int section, bool followUpToo);
    void setSettings(const model::BudgetSettings &settings);
    // A follow-up edit as the table checked it.
    void apply(const model::FollowUpModel::Change &change);
    int addOwnLine(const model::OwnLine &line, int at = -1);
    void removeOwnLine(int index);

private:
    explicit BudgetEditor(model::Budget &budget);

    model::Budget &m_budget;
};

} // namespace torvane::ui::common
