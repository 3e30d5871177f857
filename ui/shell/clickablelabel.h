#pragma once

#include <QColor>
#include <QLabel>

class QPainter;

namespace torvane::shell {

// The ring that marks the control holding the keyboard focus.
inline const QColor kFocusRing{0xff, 0x9f, 0x1c};
void paintFocusRing(QPainter &painter, const QRect &area);

// A label that can be clicked and reports the pointer entering and leaving;
// reached with Tab, pressed with Space or Enter, it shows a focus ring.
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
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_clickable = false;
    bool m_pressed = false;
    bool m_hovered = false;
};

} // namespace torvane::shell
