#pragma once

#include "report/budgetreport.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>

#include <vector>

class QPaintDevice;
class QPainter;

namespace torvane::report {

// Horizontal bars of the summary's lines (the sections in the document's
// order, then the other costs), one row a line: its name, its bar or bars,
// its figure. Either each line's share of the estimate, or its estimate and
// its actual side by side under a legend, the figure then saying how much of
// the estimate the actual reaches. Sizes follow the rectangle, so a page and
// a screen draw the very same chart; a name too long to stand beside its
// bars stands above them, so it is never shrunk past reading.
class BudgetChart
{
public:
    enum class Bars {
        Auto,              // estimate and actual when any actual is known, else the shares
        Shares,            // one bar a line: its share of the estimate
        EstimateAndActual, // two bars a line, the lines that have either
    };

    void paint(QPainter &painter, const QRectF &area, const BudgetReport &document, Bars bars = Bars::Auto) const;

    // Whether the bars compare estimate and actual, and which of the
    // summary's rows they draw, in order (indexes into document.summary).
    static bool compares(const BudgetReport &document, Bars bars = Bars::Auto);
    static std::vector<int> drawnRows(const BudgetReport &document, Bars bars = Bars::Auto);
    // The summary row drawn at point when painted in area with this font on
    // this device; -1 on the legend or outside.
    static int rowAt(const QFont &font, const QPaintDevice *device, const QRectF &area, const BudgetReport &document, QPointF point,
                     Bars bars = Bars::Auto);

    // One colour a line, told apart in print and on screen.
    static QColor colourOf(int line);
    static QColor estimateColour() { return QColor(0xa9, 0xbc, 0xd0); }
    static QColor actualColour() { return QColor(0x00, 0x6d, 0x77); }
    static QColor overColour() { return QColor(0xc6, 0x28, 0x28); }
};

} // namespace torvane::report
