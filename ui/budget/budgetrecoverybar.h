#pragma once

#include "base/language.h"

#include <QFrame>

class QLabel;
class QToolButton;

namespace torvane::ui::budget {

class BudgetRecovery;

// The overview's offer of what an ended run left behind: when it was made,
// Restore and Discard. Shown only while there is a copy to offer.
class BudgetRecoveryBar : public QFrame
{
public:
    BudgetRecoveryBar(BudgetRecovery &recovery, QWidget *parent);

    void retranslate(base::Language language);
    void refresh(base::Language language);

private:
    BudgetRecovery &m_recovery;
    QLabel *m_text;
    QToolButton *m_restore;
    QToolButton *m_discard;
};

} // namespace torvane::ui::budget
