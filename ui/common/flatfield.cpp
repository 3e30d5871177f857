#include "ui/common/flatfield.h"

#include <QPainter>

namespace torvane::ui::common {

FlatField::FlatField(QColor ground, QColor border, QColor text, QWidget *parent)
    : QLineEdit(parent)
    , m_border(border)
{
    setReadOnly(true);
    setFocusPolicy(Qt::ClickFocus);
    setFrame(false);
    setTextMargins(2, 1, 2, 1);
    QPalette colours = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Base, ground);
        colours.setColor(group, QPalette::Text, text);
    }
    setPalette(colours);
}

void FlatField::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    if (!styleSheet().isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(m_border);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace torvane::ui::common
