#pragma once

#include "base/language.h"

#include <QFrame>

#include <array>

class QGridLayout;
class QLabel;
class QLineEdit;
class QToolButton;

namespace torvane::model {
struct BudgetSummary;
}
namespace torvane::ui::common {
class PercentBox;
}
namespace torvane::ui::shell {
class TForm_main;
}

namespace torvane::ui::budget {

class BudgetActions;
class BudgetChartView;
class BudgetDocument;
class BudgetRecovery;
class BudgetRecoveryBar;

// The whole budget on the main menu: its title, file and modified mark, the
// budget's action buttons, a chart of the sections' estimates (and their
// actual amounts once known), the contingency, the grand total and, at the
// user's own rate, the total in a reference currency; what is known since
// the estimate (the actual total, what is paid, the variance) with the way
// to the follow-up; and each section's total on its tile. Every figure
// follows the budget as it changes.
class BudgetPanel : public QFrame
{
    Q_OBJECT
public:
    BudgetPanel(BudgetDocument &document, BudgetRecovery &recovery, BudgetActions &actions, ui::shell::TForm_main *menu);

    QLineEdit *BudgetTitle;
    QLabel *BudgetFileName;
    common::PercentBox *ContingencyPercent;
    QLabel *ContingencyAmount;
    QLineEdit *BudgetTotal;
    QLineEdit *CurrencyCode;
    QLineEdit *CurrencyRate;
    QLabel *CurrencyTotal;
    QLabel *ActualTotal;
    QLabel *PaidTotal;
    QLabel *VarianceTotal;
    QToolButton *OpenFollowUp;
    std::array<QLabel *, 8> TileTotal; // on the tiles, in the tiles' order
    BudgetRecoveryBar *RecoveryBar;

    // Places the panel below or beside the tiles and the totals on them.
    void place();
    // Figures and texts from the budget: now while the menu is on screen,
    // else at its next show.
    void refresh();
    void retranslate();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Arrangement { None, Wide, Medium, Narrow };
    QWidget *makeTitle(QWidget *content);
    QWidget *makeButtons(QWidget *content);
    QWidget *makeFigures(QWidget *content);
    QWidget *makeFollowUp(QWidget *content);
    void makeTileTotals();
    // The blocks of the panel for its width: the chart beside them on a
    // wide panel, under the figures on a narrow one.
    void arrange(int width);
    void arrangeButtons(int width);
    void keepCaptionsWhole();
    void refreshTileTotals(const model::BudgetSummary &summary, base::Language language);
    void refreshFollowUp(const model::BudgetSummary &summary, base::Language language);
    void refreshChart(const model::BudgetSummary &summary, base::Language language);
    bool besideTiles() const;
    void applySettings();
    base::Language language() const;

    BudgetDocument &m_document;
    BudgetActions &m_actions;
    ui::shell::TForm_main *m_menu;
    BudgetChartView *m_chart;
    QLabel *m_titleCaption;
    QLabel *m_contingencyCaption;
    QLabel *m_totalCaption;
    QLabel *m_currencyCaption;
    QLabel *m_rateCaption;
    QLabel *m_actualCaption;
    QLabel *m_paidCaption;
    QLabel *m_varianceCaption;
    QWidget *m_content;
    QGridLayout *m_grid;
    QWidget *m_titleBlock;
    QGridLayout *m_titleGrid;
    QWidget *m_buttonsBlock;
    QGridLayout *m_buttonGrid;
    QGridLayout *m_outputGrid;
    QList<QToolButton *> m_fileButtons;
    QList<QToolButton *> m_outputButtons;
    QList<QToolButton *> m_editButtons; // undo and redo, beside the title
    QWidget *m_figuresBlock;
    QWidget *m_followUpBlock;
    Arrangement m_arrangement = Arrangement::None;
    int m_fileColumns = 0;
    bool m_updating = false;
    bool m_figuresWaiting = false;
};

} // namespace torvane::ui::budget
