#include "ui/budget/budgetchartview.h"

#include "report/budgetchart.h"

#include <QPainter>

namespace torvane::ui::budget {

void BudgetChartView::setReport(report::BudgetReport report)
{
    m_report = std::move(report);
    update();
}

void BudgetChartView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    report::BudgetChart().paint(painter, QRectF(rect()), m_report);
}

} // namespace torvane::ui::budget
