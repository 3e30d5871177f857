#include "ui/budget/budgetchartview.h"

#include "base/amountformat.h"
#include "report/budgetchart.h"
#include "ui/budget/budgettexts.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace torvane::ui::budget {

namespace {

// The smallest text the chart draws, in pixels: a caption stays readable
// on a small screen.
constexpr int kLeastText = 11;

// Whether the drawing compares estimate and actual (it then leaves out the
// lines with neither).
bool compares(const report::BudgetReport &report) { return report.hasActualAmounts(); }

bool drawn(const report::BudgetReport &report, const report::BudgetSummaryRow &row)
{
    return !compares(report) || row.estimateTiyn > 0 || row.figures.actual;
}

} // namespace

void BudgetChartView::setReport(report::BudgetReport report)
{
    const bool taller = drawnLines() != 0 && (compares(report) != compares(m_report) || report.summary.size() != m_report.summary.size());
    m_report = std::move(report);
    if (taller)
        updateGeometry();
    update();
}

int BudgetChartView::drawnLines() const
{
    return int(std::count_if(m_report.summary.begin(), m_report.summary.end(),
                             [&](const report::BudgetSummaryRow &row) { return drawn(m_report, row); }));
}

int BudgetChartView::readableHeight() const
{
    // The drawing gives a row's text about six tenths of its height; the legend takes a row.
    const int row = kLeastText * 5 / 3;
    const int lines = std::max(drawnLines(), 1) + (compares(m_report) ? 1 : 0);
    return lines * row;
}

void BudgetChartView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    report::BudgetChart().paint(painter, QRectF(rect()), m_report);
}

bool BudgetChartView::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const int lines = drawnLines();
    if (lines == 0) {
        QToolTip::hideText();
        return true;
    }
    // The rows share the height under the legend, as the drawing lays them out.
    const qreal legend = compares(m_report) ? height() / qreal(lines + 1) * 0.7 : 0;
    const int at = int((help->pos().y() - legend) / ((height() - legend) / qreal(lines)));
    int line = 0;
    for (const report::BudgetSummaryRow &row : m_report.summary) {
        if (!drawn(m_report, row))
            continue;
        if (line++ != at)
            continue;
        const base::Language L = m_report.language;
        QToolTip::showText(help->globalPos(),
                           budgettexts::chartTip(row.caption, base::tiynAmount(row.estimateTiyn, L),
                                                 row.figures.actual ? base::tiynAmount(*row.figures.actual, L) : QString(), L),
                           this);
        return true;
    }
    QToolTip::hideText();
    return true;
}

} // namespace torvane::ui::budget
