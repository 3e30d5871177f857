#include "ui/common/display.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace torvane::ui::common {

namespace {
int heightOverride = 0;
}

int Display::screenHeight(const QWidget *window)
{
    if (heightOverride > 0)
        return heightOverride;
    const QScreen *screen = window ? window->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() : 0;
}

void Display::setScreenHeightForTesting(int height)
{
    heightOverride = height;
}

} // namespace torvane::ui::common

namespace torvane::ui::common {

void showMaximizedOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen && !window->isVisible())
        window->setGeometry(screen->availableGeometry());
    window->showMaximized();
}

} // namespace torvane::ui::common
