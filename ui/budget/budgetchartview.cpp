#include "ui/budget/budgetchartview.h"

#include "base/amountformat.h"
#include "report/budgetchart.h"
#include "ui/budget/budgetlook.h"
#include "ui/budget/budgettexts.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace torvane::ui::budget {

using namespace Qt::StringLiterals;

namespace {

// The smallest text the chart draws, in pixels: a caption stays readable
// on a small screen.
constexpr int kLeastText = 11;

QString ratioText(qint64 actual, qint64 estimate, base::Language language)
{
    if (estimate <= 0)
        return {};
    const qint64 percent = (actual * 100 + estimate / 2) / estimate;
    return base::groupedNumber(percent, language) + (language == base::Language::English ? u"%"_s : u"\u00a0%"_s);
}

} // namespace

void BudgetChartView::setBars(std::vector<Bar> bars, base::Language language)
{
    const bool taller = bars.size() != m_bars.size() || (showsActual() != std::any_of(bars.begin(), bars.end(), [](const Bar &b) {
                                                              return b.actualTiyn.has_value();
                                                          }));
    m_bars = std::move(bars);
    m_language = language;
    if (taller)
        updateGeometry();
    update();
}

bool BudgetChartView::showsActual() const
{
    return std::any_of(m_bars.begin(), m_bars.end(), [](const Bar &b) { return b.actualTiyn.has_value(); });
}

int BudgetChartView::legendHeight() const
{
    return showsActual() ? QFontMetrics(font()).height() + 2 : 0;
}

int BudgetChartView::readableHeight() const
{
    const int row = kLeastText + (showsActual() ? 8 : 6);
    return legendHeight() + int(std::max<std::size_t>(m_bars.size(), 1)) * row;
}

QRectF BudgetChartView::rowRect(int row) const
{
    const qreal top = legendHeight();
    const qreal height = (this->height() - top) / qreal(std::max<std::size_t>(m_bars.size(), 1));
    return {0, top + row * height, qreal(width()), height};
}

void BudgetChartView::paintEvent(QPaintEvent *)
{
    if (m_bars.empty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool actuals = showsActual();
    const qreal rowHeight = rowRect(0).height();
    QFont font = this->font();
    // The widget's own text size, smaller only when the rows are low.
    const int pixels = std::clamp(int(rowHeight * (actuals ? 0.62 : 0.7)), kLeastText, std::max(kLeastText, QFontMetrics(font).ascent() + 2));
    font.setPixelSize(pixels);
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const qreal gap = metrics.height() * 0.4;

    if (actuals) {
        // The legend: a light bar the estimate, a full one the actual.
        qreal x = 0;
        const qreal y = 2;
        const qreal swatch = metrics.height() * 0.7;
        const QString estimate = budgettexts::kEstimateLegend.in(m_language);
        const QString actual = budgettexts::kActualLegend.in(m_language);
        QColor light = look::kNavy;
        light.setAlpha(90);
        painter.fillRect(QRectF(x, y + 2, swatch * 1.6, swatch), light);
        x += swatch * 1.6 + gap * 0.6;
        painter.setPen(look::kNavy);
        painter.drawText(QPointF(x, y + metrics.ascent()), estimate);
        x += metrics.horizontalAdvance(estimate) + gap * 2;
        painter.fillRect(QRectF(x, y + 2, swatch * 1.6, swatch), look::kNavy);
        x += swatch * 1.6 + gap * 0.6;
        painter.drawText(QPointF(x, y + metrics.ascent()), actual);
    }

    qreal labelWidth = 0;
    qint64 largest = 1;
    for (const Bar &bar : m_bars) {
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(bar.caption));
        largest = std::max({largest, bar.estimateTiyn, bar.actualTiyn.value_or(0)});
    }
    labelWidth = std::min(labelWidth + gap, width() * 0.58);
    const qreal valueWidth = metrics.horizontalAdvance(actuals ? u"1 000 %"_s : base::shareText(1000, m_language)) + gap;
    const qreal barRoom = std::max<qreal>(0, width() - labelWidth - valueWidth - gap);
    const QPen axis(QColor(0x9a, 0xa8, 0xb6), 1);

    for (int i = 0; i < int(m_bars.size()); ++i) {
        const Bar &bar = m_bars[std::size_t(i)];
        const QRectF row = rowRect(i);
        painter.setPen(look::kNavy);
        const QRectF label(row.left(), row.top(), labelWidth - gap, row.height());
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, metrics.elidedText(bar.caption, Qt::ElideRight, label.width()));
        const QColor colour = report::BudgetChart::colourOf(bar.colour);
        const qreal left = row.left() + labelWidth;
        const qreal inner = row.height() * (actuals ? 0.8 : 0.62);
        const qreal top = row.top() + (row.height() - inner) / 2;
        const auto length = [&](qint64 tiyn) { return barRoom * qreal(tiyn) / qreal(largest); };
        if (!actuals) {
            const QRectF shape(left, top, length(bar.estimateTiyn), inner);
            if (shape.width() > 0)
                painter.fillRect(shape, colour);
            painter.setPen(look::kNavy);
            painter.drawText(QRectF(shape.right() + gap * 0.5, row.top(), valueWidth, row.height()), Qt::AlignLeft | Qt::AlignVCenter,
                             base::shareText(bar.shareTenths, m_language));
            continue;
        }
        const qreal half = inner / 2;
        QColor light = colour;
        light.setAlpha(95);
        const QRectF estimate(left, top, length(bar.estimateTiyn), half - 1);
        if (estimate.width() > 0)
            painter.fillRect(estimate, light);
        if (bar.actualTiyn) {
            const QRectF actual(left, top + half, length(*bar.actualTiyn), half - 1);
            if (actual.width() > 0)
                painter.fillRect(actual, colour);
            const bool over = *bar.actualTiyn > bar.estimateTiyn;
            painter.setPen(over ? look::kOver : look::kNavy);
            const qreal end = std::max(estimate.right(), actual.right());
            painter.drawText(QRectF(end + gap * 0.5, row.top(), valueWidth, row.height()), Qt::AlignLeft | Qt::AlignVCenter,
                             ratioText(*bar.actualTiyn, bar.estimateTiyn, m_language));
        }
    }
    painter.setPen(axis);
    painter.drawLine(QPointF(labelWidth, rowRect(0).top()), QPointF(labelWidth, height()));
}

bool BudgetChartView::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && !m_bars.empty()) {
        const auto *help = static_cast<QHelpEvent *>(event);
        for (int i = 0; i < int(m_bars.size()); ++i) {
            if (!rowRect(i).contains(help->pos()))
                continue;
            const Bar &bar = m_bars[std::size_t(i)];
            QToolTip::showText(help->globalPos(),
                               budgettexts::chartTip(bar.caption, budgettexts::tiynAmount(bar.estimateTiyn, m_language),
                                                     bar.actualTiyn ? budgettexts::tiynAmount(*bar.actualTiyn, m_language) : QString(),
                                                     m_language),
                               this);
            return true;
        }
        QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

} // namespace torvane::ui::budget
