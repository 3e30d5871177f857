#pragma once

#include "report/budgetreport.h"

#include <QColor>
#include <QRectF>

class QPainter;

namespace torvane::report {

// Horizontal bars of the sections' shares of the budget, one row a section in
// the document's order: the caption, the bar, the share. Sizes follow the
// rectangle, so a page and a screen draw the very same chart.
class BudgetChart
{
public:
    void paint(QPainter &painter, const QRectF &area, const BudgetReport &document) const;

    // One colour a section, told apart in print and on screen.
    static QColor colourOf(int section);
};

} // namespace torvane::report
