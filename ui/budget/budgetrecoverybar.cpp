#include "ui/budget/budgetrecoverybar.h"

#include "ui/budget/budgetrecovery.h"
#include "ui/budget/budgettexts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace torvane::ui::budget {

using namespace Qt::StringLiterals;

BudgetRecoveryBar::BudgetRecoveryBar(BudgetRecovery &recovery, QWidget *parent)
    : QFrame(parent)
    , m_recovery(recovery)
{
    setObjectName(u"RecoveryBar"_s);
    setStyleSheet(u"#RecoveryBar { background: #fff4d6; border: 1px solid #e0b44c; border-radius: 6px; }"_s);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 2, 4, 2);
    m_text = new QLabel(this);
    m_text->setWordWrap(true);
    m_restore = new QToolButton(this);
    m_restore->setObjectName(u"RestoreRecovery"_s);
    m_discard = new QToolButton(this);
    m_discard->setObjectName(u"DiscardRecovery"_s);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_restore);
    layout->addWidget(m_discard);
    connect(m_restore, &QToolButton::clicked, this, [this] { m_recovery.restore(); });
    connect(m_discard, &QToolButton::clicked, this, [this] { m_recovery.discardOffer(); });
}

void BudgetRecoveryBar::retranslate(base::Language language)
{
    m_restore->setText(budgettexts::kRestore.in(language));
    m_discard->setText(budgettexts::kDiscard.in(language));
}

void BudgetRecoveryBar::refresh(base::Language language)
{
    const bool offered = m_recovery.hasOffer();
    setVisible(offered);
    if (offered)
        m_text->setText(budgettexts::recoveryOffer(m_recovery.offerName(), m_recovery.offerTime(), language));
}

} // namespace torvane::ui::budget
