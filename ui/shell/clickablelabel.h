#pragma once

#include <QLabel>

namespace torvane::shell {

// A label that can be clicked and reports the pointer entering and leaving.
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

private:
    bool m_clickable = false;
    bool m_pressed = false;
    bool m_hovered = false;
};

} // namespace torvane::shell
