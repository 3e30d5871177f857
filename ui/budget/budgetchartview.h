#pragma once

#include "report/budgetreport.h"

#include <QWidget>

namespace torvane::ui::budget {

// The overview's chart: the same drawing as on paper (each section's share,
// or estimate beside actual once an actual amount is known), with each
// row's figures as its tooltip. It asks for the height that keeps every
// row's text readable.
class BudgetChartView : public QWidget
{
public:
    using QWidget::QWidget;

    // Draws these figures from now on.
    void setReport(report::BudgetReport report);
    const report::BudgetReport &report() const { return m_report; }

    // Height that keeps every row's text readable.
    int readableHeight() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    report::BudgetReport m_report;
};

} // namespace torvane::ui::budget
