#include "report/budgetchart.h"

#include "base/amountformat.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace torvane::report {

QColor BudgetChart::colourOf(int section)
{
    static const QColor colours[] = {
        QColor(0x1f, 0x77, 0xb4), QColor(0xff, 0x7f, 0x0e), QColor(0x2c, 0xa0, 0x2c), QColor(0xd6, 0x27, 0x28),
        QColor(0x94, 0x67, 0xbd), QColor(0x8c, 0x56, 0x4b), QColor(0xe3, 0x77, 0xc2), QColor(0x17, 0xbe, 0xcf),
    };
    return colours[std::size_t(section) % std::size(colours)];
}

void BudgetChart::paint(QPainter &painter, const QRectF &area, const BudgetReport &document) const
{
    const auto &sections = document.sections;
    if (sections.isEmpty() || area.isEmpty())
        return;
    painter.save();
    const qreal rowHeight = area.height() / sections.size();
    // Rows share the height, but the text never grows past the painter's own
    // size, and shrinks a little before a caption would be cut.
    QFont font = painter.font();
    const QFontMetricsF own(font, painter.device());
    const qreal largestText = own.height() * 0.8;
    qreal pixels = std::min(rowHeight * 0.42, largestText);
    qreal widest = 0;
    for (const BudgetSectionData &section : sections)
        widest = std::max(widest, own.horizontalAdvance(section.caption) * pixels / largestText);
    if (widest > area.width() * 0.45)
        pixels = std::max(pixels * 0.75, pixels * area.width() * 0.45 / widest);
    font.setPixelSize(std::max(1, int(pixels)));
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const qreal gap = metrics.height() * 0.5;

    qreal labelWidth = 0;
    int largest = 1;
    for (const BudgetSectionData &section : sections) {
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(section.caption));
        largest = std::max(largest, section.shareTenths);
    }
    labelWidth = std::min(labelWidth + gap, area.width() * 0.45);
    const qreal valueWidth = metrics.horizontalAdvance(shareText(1000, document.language)) + gap;
    const qreal barRoom = std::max<qreal>(0, area.width() - labelWidth - valueWidth);

    // The longest bar fills the room; the others are in proportion to it.
    const QPen axisPen(QColor(0x80, 0x80, 0x80), 0);
    for (int i = 0; i < sections.size(); ++i) {
        const BudgetSectionData &section = sections[i];
        const QRectF row(area.left(), area.top() + i * rowHeight, area.width(), rowHeight);
        const QRectF label(row.left(), row.top(), labelWidth - gap, row.height());
        painter.setPen(Qt::black);
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter,
                         metrics.elidedText(section.caption, Qt::ElideRight, label.width()));
        const qreal length = barRoom * section.shareTenths / largest;
        const QRectF bar(row.left() + labelWidth, row.top() + rowHeight * 0.18, length, rowHeight * 0.64);
        if (length > 0)
            painter.fillRect(bar, colourOf(i));
        painter.drawText(QRectF(bar.right() + gap * 0.5, row.top(), valueWidth, row.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, shareText(section.shareTenths, document.language));
    }
    painter.setPen(axisPen);
    painter.drawLine(QPointF(area.left() + labelWidth, area.top()), QPointF(area.left() + labelWidth, area.bottom()));
    painter.restore();
}

} // namespace torvane::report
