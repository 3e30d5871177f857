#pragma once

#include "base/language.h"

#include <QFrame>

#include <array>

class QLabel;
class QLineEdit;
class QToolButton;

namespace torvane::ui::common {
class PercentBox;
}
namespace torvane::ui::shell {
class TForm_main;
}

namespace torvane::ui::budget {

class BudgetChartView;
class BudgetController;

// The whole budget on the main menu: its title, file and modified mark, the
// document's buttons, a chart of the sections' shares, the contingency, the
// grand total and, at the user's own rate, the total in a reference
// currency; and each section's total on its tile. Every figure follows the
// sections as they change.
class BudgetPanel : public QFrame
{
    Q_OBJECT
public:
    BudgetPanel(BudgetController &document, ui::shell::TForm_main *menu);

    QLineEdit *BudgetTitle;
    QLabel *BudgetFileName;
    common::PercentBox *ContingencyPercent;
    QLabel *ContingencyAmount;
    QLineEdit *BudgetTotal;
    QLineEdit *CurrencyCode;
    QLineEdit *CurrencyRate;
    QLabel *CurrencyTotal;
    std::array<QLabel *, 8> TileTotal; // on the tiles, in the tiles' order
    QFrame *RecoveryBar;

    // Places the panel below or beside the tiles and the totals on them.
    void place();
    // Figures and texts from the budget: now while the menu is on screen,
    // else at its next show.
    void refresh();
    void retranslate();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool besideTiles() const;
    void applySettings();
    base::Language language() const;

    BudgetController &m_document;
    ui::shell::TForm_main *m_menu;
    BudgetChartView *m_chart;
    QLabel *m_titleCaption;
    QLabel *m_contingencyCaption;
    QLabel *m_totalCaption;
    QLabel *m_currencyCaption;
    QLabel *m_rateCaption;
    QLabel *m_recoveryText;
    QToolButton *m_restore;
    QToolButton *m_discard;
    std::array<QToolButton *, 7> m_buttons;
    bool m_updating = false;
    bool m_figuresWaiting = false;
    bool m_styled = false;
};

} // namespace torvane::ui::budget
