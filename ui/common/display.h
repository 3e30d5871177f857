#pragma once

class QWidget;

namespace torvane::ui::common {

// Height of the screen a window stands on, in logical pixels (high-DPI
// displays are scaled, so a 2160-pixel panel at 200 % counts as 1080).
class Display
{
public:
    static int screenHeight(const QWidget *window);
    static void setScreenHeightForTesting(int height); // 0 restores the real value
};

} // namespace torvane::ui::common

namespace torvane::ui::common {

// Shows a window maximised. It is first given the screen's whole available
// area, so it also fills the screen where no window manager maximises it.
void showMaximizedOnScreen(QWidget *window);

} // namespace torvane::ui::common
