#pragma once

#include <QColor>
#include <QLabel>
#include <QPointer>

namespace torvane::ui::common {

// The ring that marks the control holding the keyboard focus.
inline const QColor kFocusRing{0xff, 0x9f, 0x1c};

// The ring around the control that holds the keyboard focus, for controls
// that draw none of their own (pictures, labels, tiles, tab buttons). It
// stands just outside the control, so it never covers what the control shows.
class FocusRing : public QWidget
{
public:
    static constexpr int kMargin = 4;
    static void around(QWidget *target, Qt::FocusReason reason); // from the target's focusInEvent
    static void leave(QWidget *target);  // from its focusOutEvent

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    explicit FocusRing(QWidget *parent);
    static QPointer<FocusRing> &ring();
    static bool &keyboardInUse();
    void follow();

    QPointer<QWidget> m_target;
};

// A label that can be clicked and reports the pointer entering and leaving;
// reached with Tab and pressed with Space or Enter, it shows a focus ring.
// It also reports a leave when its window hides, or when another window
// comes in front of it, so a hover picture never stays behind.
class ClickableLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ClickableLabel(const QString &name, QWidget *parent = nullptr);

    void setClickable(bool clickable);
    bool isClickable() const { return m_clickable; }

signals:
    void clicked();
    void entered();
    void left();

protected:
    bool event(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // The pointer stands on this label, in front of every other window.
    bool pointerIsOver() const;
    void endHover();

    bool m_clickable = false;
    bool m_pressed = false;
    bool m_hovered = false;
};

} // namespace torvane::ui::common
