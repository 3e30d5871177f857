#pragma once

#include "ui/common/budgetcommand.h"
#include "ui/shell/screenframe.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QVBoxLayout;

namespace torvane::model {
class Budget;
class FollowUpModel;
}

namespace torvane::ui::budget {

class BudgetActions;
class FollowUpDelegate;
class FollowUpProxy;
class FollowUpView;

// The budget from estimate to invoice, line by line: what each line was
// estimated at, what it costs in fact, what is paid and to whom, when it
// is due and a note; each section's subtotal and the budget's total. An
// inner screen like the others, made the first time it is opened. Every
// edit goes through the budget's editor.
class FollowUpWindow : public shell::ScreenFrame
{
    Q_OBJECT
public:
    FollowUpWindow(shell::ScreenHost *login, model::Budget &budget, BudgetActions &actions);

    // The screen of the start screen's budget, made on first use.
    static FollowUpWindow *of(shell::ScreenHost *login, model::Budget &budget, BudgetActions &actions);

    FollowUpView *FollowUpTable;
    QComboBox *FollowUpSection;
    QLineEdit *FollowUpSearch;
    QCheckBox *FollowUpOverEstimate;
    QCheckBox *FollowUpNotFullyPaid;
    QPushButton *AddLine;
    QPushButton *RemoveLine;
    QToolButton *ExportCsv;

    model::FollowUpModel &tableModel() const { return *m_model; }
    FollowUpProxy &proxy() const { return *m_proxy; }
    FollowUpDelegate &delegate() const { return *m_delegate; }

    void Timer1Timer();
    void AddLineClick();
    void RemoveLineClick();

protected:
    void showContent() override;
    void relayout() override { Timer1Timer(); }

private:
    void retranslate();
    void fillSections();
    void fitColumns();
    // Rows of the tools for the card's width: as many on a row as fit.
    void arrangeTools(int width);
    void updateRemovable();
    void showPlace(const common::BudgetPlace &place);

    model::Budget &m_budget;
    model::FollowUpModel *m_model;
    FollowUpProxy *m_proxy;
    FollowUpDelegate *m_delegate;
    QFrame *m_card;
    QLabel *m_heading;
    QLabel *m_sectionCaption;
    QVBoxLayout *m_toolRows;
    int m_arrangedFor = -1;
    bool m_growPending = false;
};

} // namespace torvane::ui::budget
