#include "ui/tabbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace torvane::ui {

void TabButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const int room = width() - 2 * style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this) - 4;
    option.text = fontMetrics().elidedText(text().simplified(), Qt::ElideRight, std::max(room, 0));
    painter.drawControl(QStyle::CE_PushButton, option);
}

} // namespace torvane::ui
