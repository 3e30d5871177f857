#include "ui/sections/tabbutton.h"

#include "ui/common/clickablelabel.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace torvane::ui::sections {

namespace {
constexpr int kSideMargin = 5;  // left and right of the caption
constexpr int kBarHeight = 3;   // mark of the shown tab
constexpr int kVerticalMargin = 3;
constexpr int kTextFlags = Qt::AlignCenter | Qt::TextWordWrap;
} // namespace

TabButton::TabButton(QWidget *parent)
    : QPushButton(parent)
{
    setCheckable(true);
}

QFont TabButton::baseFont() const
{
    QFont font = QApplication::font(this);
    font.setBold(QPushButton::font().bold()); // a style sheet may set the weight
    return font;
}

TabButton::Fit TabButton::fitFor(int width, int height) const
{
    const QString caption = text().simplified();
    QFont font = baseFont();
    const qreal largest = std::max(font.pointSizeF(), kSmallestPointSize);
    for (qreal size = largest; size >= kSmallestPointSize; size -= 0.5) {
        font.setPointSizeF(size);
        const QFontMetrics metrics(font);
        const QRect needed = metrics.boundingRect(QRect(0, 0, width, 10000), kTextFlags, caption);
        const bool twoLines = needed.height() <= 2 * metrics.lineSpacing();
        if (needed.width() <= width && twoLines && (height <= 0 || needed.height() <= height))
            return {size, needed.height()};
    }
    font.setPointSizeF(kSmallestPointSize);
    return {kSmallestPointSize, QFontMetrics(font).boundingRect(QRect(0, 0, width, 10000), kTextFlags, caption).height()};
}

bool TabButton::wordsFit(int width) const
{
    QFont font = baseFont();
    font.setPointSizeF(kSmallestPointSize);
    const QFontMetrics metrics(font);
    for (const QString &word : text().split(u' ', Qt::SkipEmptyParts))
        if (metrics.horizontalAdvance(word) > width - 2 * kSideMargin)
            return false;
    return true;
}

int TabButton::neededHeight(int width) const
{
    const int room = width - 2 * kSideMargin;
    const int inside = kStandardHeight - 2 * kVerticalMargin - kBarHeight;
    const Fit standard = fitFor(room, inside);
    if (standard.textHeight <= inside)
        return kStandardHeight;
    // Two lines do not fit in the standard height even in the smallest font:
    // the button grows rather than cut the caption.
    const Fit any = fitFor(room, 0);
    return any.textHeight + 2 * kVerticalMargin + kBarHeight;
}

QRect TabButton::captionRect(const QRect &rect) const
{
    return rect.adjusted(kSideMargin, kVerticalMargin, -kSideMargin, -kVerticalMargin - kBarHeight);
}

void TabButton::fitCaption()
{
    const QRect room = captionRect(rect());
    QFont font = baseFont();
    font.setPointSizeF(fitFor(room.width(), room.height()).pointSize);
    if (font != QPushButton::font())
        setFont(font);
    update();
}

void TabButton::resizeEvent(QResizeEvent *event)
{
    QPushButton::resizeEvent(event);
    fitCaption();
}

void TabButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.state &= ~QStyle::State_HasFocus; // the ring below marks it
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    if (isChecked()) {
        // The sunken bevel alone is faint in some styles: a bar in the
        // highlight colour marks the shown tab.
        const QRect bar(3, height() - kBarHeight - 2, width() - 6, kBarHeight);
        painter.fillRect(bar, palette().color(QPalette::Highlight));
    }
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(captionRect(rect()), kTextFlags, text().simplified());
}

void TabButton::focusInEvent(QFocusEvent *event)
{
    QPushButton::focusInEvent(event);
    ui::common::FocusRing::around(this, event->reason());
}

void TabButton::focusOutEvent(QFocusEvent *event)
{
    QPushButton::focusOutEvent(event);
    ui::common::FocusRing::leave(this);
}

} // namespace torvane::ui::sections
