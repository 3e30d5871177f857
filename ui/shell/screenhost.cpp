#include "ui/shell/screenhost.h"

namespace torvane::ui::shell {

void ScreenHost::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    emit clientResized();
}

} // namespace torvane::ui::shell
