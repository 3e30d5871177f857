#pragma once

#include "report/budgetreport.h"

#include <QWidget>

namespace torvane::ui::budget {

// The chart of the overview: the same drawing as on paper.
class BudgetChartView : public QWidget
{
public:
    using QWidget::QWidget;

    // Draws these figures from now on.
    void setReport(report::BudgetReport report);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    report::BudgetReport m_report;
};

} // namespace torvane::ui::budget
