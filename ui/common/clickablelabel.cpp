#include "ui/common/clickablelabel.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace torvane::ui::common {

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

void ClickableLabel::focusInEvent(QFocusEvent *event)
{
    QLabel::focusInEvent(event);
    FocusRing::around(this, event->reason());
}

void ClickableLabel::focusOutEvent(QFocusEvent *event)
{
    QLabel::focusOutEvent(event);
    FocusRing::leave(this);
}

FocusRing::FocusRing(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("FocusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

QPointer<FocusRing> &FocusRing::ring()
{
    static QPointer<FocusRing> ring;
    return ring;
}

bool &FocusRing::keyboardInUse()
{
    static bool inUse = false;
    return inUse;
}

void FocusRing::around(QWidget *target, Qt::FocusReason reason)
{
    // Shown once the keyboard moves the focus, not for the focus a window
    // gives its first control when it opens, which a pointer user never asked for.
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason)
        keyboardInUse() = true;
    else if (reason == Qt::MouseFocusReason)
        keyboardInUse() = false;
    if (!target->parentWidget() || !keyboardInUse())
        return;
    QPointer<FocusRing> &shown = ring();
    if (!shown || shown->parentWidget() != target->parentWidget()) {
        delete shown.data();
        shown = new FocusRing(target->parentWidget());
    }
    if (shown->m_target)
        shown->m_target->removeEventFilter(shown);
    shown->m_target = target;
    target->installEventFilter(shown);
    shown->follow();
    shown->show();
}

void FocusRing::leave(QWidget *target)
{
    if (FocusRing *shown = ring(); shown && shown->m_target == target) {
        target->removeEventFilter(shown);
        shown->m_target = nullptr;
        shown->hide();
    }
}

void FocusRing::follow()
{
    if (!m_target)
        return;
    setGeometry(m_target->geometry().marginsAdded(QMargins(kMargin, kMargin, kMargin, kMargin)));
    setVisible(m_target->isVisible());
    raise();
}

bool FocusRing::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_target) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide: follow(); break;
        default: break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::paintEvent(QPaintEvent *)
{
    // Seen on the dark panel as on the white cards: an amber ring with a
    // dark edge inside it, around the control rather than over it.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    painter.setPen(QPen(kFocusRing, 3));
    painter.drawRoundedRect(outer, 5, 5);
    painter.setPen(QPen(QColor(0x0b, 0x25, 0x45), 1));
    painter.drawRoundedRect(outer.adjusted(2, 2, -2, -2), 4, 4);
}

void ClickableLabel::enterEvent(QEnterEvent *event)
{
    QLabel::enterEvent(event);
    // Qt may send a hidden label the enter of a pointer that stood on it.
    if (m_hovered || !isVisible())
        return;
    m_hovered = true;
    emit entered();
}

void ClickableLabel::leaveEvent(QEvent *event)
{
    QLabel::leaveEvent(event);
    // A hover picture of another size resizes the control under the pointer;
    // the leave that this causes is not a real one. One caused by a window
    // opened in front of it is.
    if (pointerIsOver())
        return;
    endHover();
}

bool ClickableLabel::pointerIsOver() const
{
    const QPoint global = QCursor::pos();
    if (!isVisible() || !rect().contains(mapFromGlobal(global)))
        return false;
    const QWidget *front = QApplication::widgetAt(global);
    return front == this || isAncestorOf(front);
}

void ClickableLabel::endHover()
{
    if (!m_hovered)
        return;
    m_hovered = false;
    emit left();
}

void ClickableLabel::hideEvent(QHideEvent *event)
{
    // Its window hid (or the label itself): it comes back without its hover picture.
    endHover();
    QLabel::hideEvent(event);
}

bool ClickableLabel::event(QEvent *event)
{
    // The window changed under a still pointer (another came in front, this
    // one came back, its layout moved the label away): no leave need
    // follow, so the pointer is asked.
    switch (event->type()) {
    case QEvent::WindowDeactivate:
    case QEvent::WindowActivate:
    case QEvent::Move:
        if (m_hovered && !pointerIsOver())
            endHover();
        break;
    default: break;
    }
    return QLabel::event(event);
}

} // namespace torvane::ui::common
