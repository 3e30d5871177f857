#include "report/budgetchart.h"

#include "base/amountformat.h"
#include "report/budgetwords.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <vector>

namespace torvane::report {

namespace {

struct ChartLine {
    QString name;
    QColor colour;
    int shareTenths = 0;
    qint64 estimate = 0;
    std::optional<qint64> actual;
    QString figure; // the share, or how much of the estimate the actual reaches
    bool over = false;
};

// How much of its estimate an actual reaches, as a share ("104.5%"); the
// amount itself when there is no estimate to compare with.
QString reached(qint64 estimate, qint64 actual, base::Language language)
{
    if (estimate <= 0)
        return base::tengeAmount((actual + 50) / 100, language);
    __extension__ typedef __int128 Wide;
    const Wide tenths = (Wide(actual) * 1000 + estimate / 2) / estimate;
    return base::shareText(int(std::min<Wide>(tenths, 99999)), language);
}

QFont sized(QFont font, qreal pixels)
{
    font.setPixelSize(std::max(1, int(pixels)));
    return font;
}

// Where the legend ends and the rows stand, sized by the font on its device.
struct Frame {
    qreal largest = 0;   // the tallest text, from the font's own size
    qreal lineRatio = 0; // line height per pixel of size
    qreal legendHeight = 0;
    QRectF rows;
    qreal rowHeight = 0;
};

constexpr qreal kAboveShare = 0.62; // of a row, for a name on a line of its own

Frame frameOf(const QFont &font, const QPaintDevice *device, const QRectF &area, bool compare, int lineCount)
{
    // The text never grows past the font's own size; rows share the height.
    Frame frame;
    frame.largest = QFontMetricsF(font, device).height() * 0.8;
    frame.lineRatio = QFontMetricsF(sized(font, 100), device).height() / 100;
    const qreal firstGuess = std::min(frame.largest, area.height() / qreal(lineCount + (compare ? 1 : 0)) * kAboveShare / frame.lineRatio);
    frame.legendHeight = compare ? std::min(area.height() * 0.16, firstGuess * frame.lineRatio * 1.15) : 0;
    frame.rows = area.adjusted(0, frame.legendHeight, 0, 0);
    frame.rowHeight = frame.rows.height() / qreal(std::max(lineCount, 1));
    return frame;
}

} // namespace

bool BudgetChart::compares(const BudgetReport &document, Bars bars)
{
    return bars == Bars::EstimateAndActual || (bars == Bars::Auto && document.hasActualAmounts());
}

std::vector<int> BudgetChart::drawnRows(const BudgetReport &document, Bars bars)
{
    const bool compare = compares(document, bars);
    std::vector<int> drawn;
    for (int i = 0; i < document.summary.size(); ++i) {
        const BudgetSummaryRow &row = document.summary[i];
        if (compare && row.estimateTiyn <= 0 && !row.figures.actual)
            continue; // nothing to compare
        drawn.push_back(i);
    }
    return drawn;
}

int BudgetChart::rowAt(const QFont &font, const QPaintDevice *device, const QRectF &area, const BudgetReport &document, QPointF point,
                       Bars bars)
{
    const std::vector<int> drawn = drawnRows(document, bars);
    if (drawn.empty() || !area.contains(point))
        return -1;
    const Frame frame = frameOf(font, device, area, compares(document, bars), int(drawn.size()));
    if (point.y() < frame.rows.top())
        return -1; // the legend
    const int line = int((point.y() - frame.rows.top()) / frame.rowHeight);
    return line >= 0 && line < int(drawn.size()) ? drawn[std::size_t(line)] : -1;
}

QColor BudgetChart::colourOf(int line)
{
    static const QColor colours[] = {
        QColor(0x1f, 0x77, 0xb4), QColor(0xff, 0x7f, 0x0e), QColor(0x2c, 0xa0, 0x2c), QColor(0xd6, 0x27, 0x28),
        QColor(0x94, 0x67, 0xbd), QColor(0x8c, 0x56, 0x4b), QColor(0xe3, 0x77, 0xc2), QColor(0x17, 0xbe, 0xcf),
        QColor(0x7f, 0x7f, 0x7f),
    };
    return colours[std::size_t(line) % std::size(colours)];
}

void BudgetChart::paint(QPainter &painter, const QRectF &area, const BudgetReport &document, Bars bars) const
{
    if (area.isEmpty())
        return;
    const base::Language language = document.language;
    const bool compare = compares(document, bars);
    std::vector<ChartLine> lines;
    bool anyOver = false;
    for (const int i : drawnRows(document, bars)) {
        const BudgetSummaryRow &row = document.summary[i];
        const std::optional<qint64> &actual = row.figures.actual;
        ChartLine line{row.caption, colourOf(i), row.shareTenths, row.estimateTiyn, actual, {}, false};
        if (!compare)
            line.figure = base::shareText(row.shareTenths, language);
        else if (actual)
            line.figure = reached(row.estimateTiyn, *actual, language);
        line.over = actual && *actual > row.estimateTiyn;
        anyOver |= line.over;
        lines.push_back(line);
    }
    if (lines.empty())
        return;
    painter.save();

    const QFont base = painter.font();
    const Frame frame = frameOf(base, painter.device(), area, compare, int(lines.size()));
    const qreal largest = frame.largest;
    const qreal lineRatio = frame.lineRatio;
    const qreal legendHeight = frame.legendHeight;
    const QRectF rows = frame.rows;
    const qreal rowHeight = frame.rowHeight;
    const auto metricsOf = [&](qreal pixels) { return QFontMetricsF(sized(base, pixels), painter.device()); };

    // Names beside their bars when they fit in a good part of the width at
    // the size the row gives them, else on a line of their own above the
    // bars, the larger part of the row; whichever shows them larger.
    const qreal besideShare = 0.5;
    const auto widestName = [&](qreal px) {
        const QFontMetricsF m = metricsOf(px);
        qreal widest = 0;
        for (const ChartLine &line : lines)
            widest = std::max(widest, m.horizontalAdvance(line.name));
        return widest;
    };
    const qreal besideRoom = area.width() * 0.42;
    const qreal besidePixels = std::min(largest, rowHeight * besideShare / lineRatio);
    const qreal abovePixels = std::min(largest, rowHeight * kAboveShare / lineRatio);
    const bool beside = widestName(besidePixels) <= besideRoom && besidePixels >= abovePixels * 0.9;
    const qreal pixels = beside ? besidePixels : abovePixels;
    const QFont font = sized(base, pixels);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const qreal gap = metrics.height() * 0.5;
    qreal figureWidth = metrics.horizontalAdvance(base::shareText(1000, language));
    for (const ChartLine &line : lines)
        figureWidth = std::max(figureWidth, metrics.horizontalAdvance(line.figure));
    figureWidth += gap;

    if (compare) {
        // The legend: a swatch and its word for each kind of bar.
        std::vector<std::pair<QColor, QString>> keys{{estimateColour(), words::kEstimate.in(language)},
                                                     {actualColour(), words::kActual.in(language)}};
        if (anyOver)
            keys.emplace_back(overColour(), words::kOverEstimate.in(language));
        qreal legendPixels = std::min(pixels, legendHeight / lineRatio / 1.1);
        const auto legendWidth = [&](qreal px) {
            const QFontMetricsF m = metricsOf(px);
            qreal width = 0;
            for (const auto &key : keys)
                width += m.height() * 1.2 + m.horizontalAdvance(key.second) + m.height();
            return width;
        };
        if (legendWidth(legendPixels) > area.width())
            legendPixels = std::max(legendPixels * 0.85, legendPixels * area.width() / legendWidth(legendPixels));
        painter.setFont(sized(base, legendPixels));
        const QFontMetricsF m = metricsOf(legendPixels);
        qreal x = area.left();
        for (const auto &[colour, word] : keys) {
            const qreal swatch = m.height() * 0.7;
            painter.fillRect(QRectF(x, area.top() + (legendHeight - swatch) / 2, swatch, swatch), colour);
            x += swatch + m.height() * 0.3;
            const qreal width = std::min(m.horizontalAdvance(word), std::max<qreal>(0, area.right() - x));
            painter.setPen(Qt::black);
            painter.drawText(QRectF(x, area.top(), width + 1, legendHeight), Qt::AlignLeft | Qt::AlignVCenter,
                             m.elidedText(word, Qt::ElideRight, width + 1));
            x += width + m.height();
        }
        painter.setFont(font);
    }

    // The longest bar fills the room; the others are in proportion to it.
    qreal scale = 1;
    for (const ChartLine &line : lines)
        scale = std::max(scale, compare ? qreal(std::max(line.estimate, line.actual.value_or(0))) : qreal(line.shareTenths));
    const qreal nameWidth = beside ? std::min(widestName(pixels) + gap, besideRoom + gap) : 0;
    const qreal barLeft = rows.left() + nameWidth;
    const qreal barRoom = std::max<qreal>(0, rows.width() - nameWidth - (beside ? figureWidth : gap));
    const qreal textLine = beside ? 0 : std::min(metrics.height(), rowHeight * kAboveShare);

    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ChartLine &line = lines[i];
        const QRectF row(rows.left(), rows.top() + qreal(i) * rowHeight, rows.width(), rowHeight);
        const QRectF barArea = beside ? row : row.adjusted(0, textLine, 0, 0);
        painter.setPen(Qt::black);
        if (beside) {
            const QRectF label(row.left(), row.top(), nameWidth - gap, row.height());
            painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, metrics.elidedText(line.name, Qt::ElideRight, label.width()));
        } else {
            const QRectF label(row.left(), row.top(), row.width() - figureWidth, textLine);
            painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter, metrics.elidedText(line.name, Qt::ElideRight, label.width()));
        }

        qreal end = barLeft;
        const auto bar = [&](qreal value, qreal top, qreal height, const QColor &colour) {
            const qreal length = barRoom * value / scale;
            if (length > 0)
                painter.fillRect(QRectF(barLeft, barArea.top() + barArea.height() * top, length, barArea.height() * height), colour);
            end = std::max(end, barLeft + length);
        };
        if (compare) {
            bar(qreal(line.estimate), 0.12, 0.36, estimateColour());
            if (line.actual)
                bar(qreal(*line.actual), 0.52, 0.36, line.over ? overColour() : actualColour());
        } else {
            bar(line.shareTenths, beside ? 0.18 : 0.12, beside ? 0.64 : 0.76, line.colour);
        }

        painter.setPen(line.over ? overColour() : QColor(Qt::black));
        if (beside)
            painter.drawText(QRectF(end + gap * 0.5, row.top(), figureWidth, row.height()), Qt::AlignLeft | Qt::AlignVCenter,
                             line.figure);
        else
            painter.drawText(QRectF(row.right() - figureWidth, row.top(), figureWidth, textLine),
                             Qt::AlignRight | Qt::AlignVCenter, line.figure);
    }
    if (beside) {
        painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 0));
        painter.drawLine(QPointF(barLeft, rows.top()), QPointF(barLeft, rows.bottom()));
    }
    painter.restore();
}

} // namespace torvane::report
