#include "ui/shell/clickablelabel.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace torvane::shell {

ClickableLabel::ClickableLabel(const QString &name, QWidget *parent)
    : QLabel(parent)
{
    setObjectName(name);
}

void ClickableLabel::setClickable(bool clickable)
{
    m_clickable = clickable;
    setCursor(clickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
    setFocusPolicy(clickable ? Qt::TabFocus : Qt::NoFocus);
}

void ClickableLabel::keyPressEvent(QKeyEvent *event)
{
    // Picture buttons can be reached with Tab and pressed from the keyboard.
    if (m_clickable && (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickableLabel::mousePressEvent(QMouseEvent *event)
{
    if (m_clickable && event->button() == Qt::LeftButton) {
        m_pressed = true;
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void ClickableLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        paintFocusRing(painter, rect());
    }
}

void paintFocusRing(QPainter &painter, const QRect &area)
{
    // Seen on the dark panel as on the white cards: an amber ring with a dark edge inside it.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    const QRectF outer = QRectF(area).adjusted(1.5, 1.5, -1.5, -1.5);
    painter.setPen(QPen(kFocusRing, 3));
    painter.drawRoundedRect(outer, 4, 4);
    painter.setPen(QPen(QColor(0x0b, 0x25, 0x45), 1));
    painter.drawRoundedRect(outer.adjusted(2, 2, -2, -2), 3, 3);
    painter.restore();
}

void ClickableLabel::enterEvent(QEnterEvent *event)
{
    QLabel::enterEvent(event);
    if (m_hovered)
        return;
    m_hovered = true;
    emit entered();
}

void ClickableLabel::leaveEvent(QEvent *event)
{
    QLabel::leaveEvent(event);
    // A hover picture of another size resizes the control under the pointer;
    // the leave that this causes is not a real one.
    if (isVisible() && rect().contains(mapFromGlobal(QCursor::pos())))
        return;
    m_hovered = false;
    emit left();
}

} // namespace torvane::shell
