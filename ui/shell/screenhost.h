#pragma once

#include <QWidget>

namespace torvane::ui::shell {

// What the inner screens take from the window they stand over: the language
// chosen, the client size their layouts use in place of their own, and word
// when that size changes. The start screen is one; a test can stand in for
// it with a few lines, so a screen can be made on its own. The inner screens
// are its child windows: they find each other through it and end with it.
class ScreenHost : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

    // The language code as chosen: 0, 1 or 2 (any other value names none).
    virtual int language() const = 0;
    QSize clientSize() const { return size(); }

signals:
    // The client size changed; inner screens re-place their controls.
    void clientResized();

protected:
    void resizeEvent(QResizeEvent *event) override;
};

} // namespace torvane::ui::shell
