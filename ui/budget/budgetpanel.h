#pragma once

#include "base/language.h"

#include <QFrame>

#include <array>

class QGridLayout;
class QLabel;
class QLineEdit;

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
// budget's action buttons, a chart of the sections' shares, the
// contingency, the grand total and, at the user's own rate, the total in a
// reference currency; and each section's total on its tile. Every figure
// follows the sections as they change.
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
    QGridLayout *makeButtons(QWidget *content);
    QGridLayout *makeFigures(QWidget *content);
    void makeTileTotals();
    void refreshTileTotals(const model::BudgetSummary &summary, base::Language language);
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
    bool m_updating = false;
    bool m_figuresWaiting = false;
};

} // namespace torvane::ui::budget
