#include "ui/budget/budgetchartview.h"

#include "base/amountformat.h"
#include "report/budgetchart.h"
#include "ui/budget/budgettexts.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace torvane::ui::budget {

using report::BudgetChart;

namespace {

// The smallest text the chart draws, in pixels: a caption stays readable
// on a small screen.
constexpr int kLeastText = 11;

} // namespace

void BudgetChartView::setReport(report::BudgetReport report)
{
    const bool taller = BudgetChart::compares(report) != BudgetChart::compares(m_report)
        || BudgetChart::drawnRows(report).size() != BudgetChart::drawnRows(m_report).size();
    m_report = std::move(report);
    if (taller)
        updateGeometry();
    update();
}

int BudgetChartView::readableHeight() const
{
    // The drawing gives a row's text about six tenths of its height; the legend takes a row.
    const int row = kLeastText * 5 / 3;
    const int lines = std::max(int(BudgetChart::drawnRows(m_report).size()), 1) + (BudgetChart::compares(m_report) ? 1 : 0);
    return lines * row;
}

void BudgetChartView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    BudgetChart().paint(painter, QRectF(rect()), m_report);
}

bool BudgetChartView::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    // The row under the pointer, laid out as the drawing lays it out.
    const int at = BudgetChart::rowAt(font(), this, QRectF(rect()), m_report, help->pos());
    if (at < 0) {
        QToolTip::hideText();
        return true;
    }
    const report::BudgetSummaryRow &row = m_report.summary[at];
    const base::Language L = m_report.language;
    QToolTip::showText(help->globalPos(),
                       budgettexts::chartTip(row.caption, base::tiynAmount(row.estimateTiyn, L),
                                             row.figures.actual ? base::tiynAmount(*row.figures.actual, L) : QString(), L),
                       this);
    return true;
}

} // namespace torvane::ui::budget
