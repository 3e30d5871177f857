#pragma once

#include <QPushButton>

namespace torvane::ui {

// A tab button whose caption is shortened with an ellipsis when the button is
// too narrow, while text() keeps the whole title for the report and the tooltip.
class TabButton : public QPushButton
{
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace torvane::ui
