#pragma once

#include "base/language.h"

#include <QWidget>

#include <optional>
#include <vector>

namespace torvane::ui::budget {

// The overview's chart: a row a section, its estimate as a bar with its
// share of the budget and, once any actual amount is known, the actual
// beside it with how much of the estimate it comes to (red past it).
// Texts keep a readable size; the rows share the height.
class BudgetChartView : public QWidget
{
public:
    struct Bar {
        QString caption;
        int colour = 0; // the section's colour, as on paper
        qint64 estimateTiyn = 0;
        std::optional<qint64> actualTiyn;
        int shareTenths = 0; // of all estimates
    };

    using QWidget::QWidget;

    // Draws these bars from now on.
    void setBars(std::vector<Bar> bars, base::Language language);
    const std::vector<Bar> &bars() const { return m_bars; }
    bool showsActual() const;

    // Height that keeps every row's text readable.
    int readableHeight() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    int legendHeight() const;
    QRectF rowRect(int row) const;

    std::vector<Bar> m_bars;
    base::Language m_language = base::Language::English;
};

} // namespace torvane::ui::budget
