#include "ui/sections/quantityedit.h"

#include <QKeyEvent>

namespace torvane::ui::sections {

void QuantityEdit::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!command && !typed.isEmpty() && typed.front().isPrint()) {
        for (const QChar ch : typed) {
            if (ch < u'0' || ch > u'9') {
                event->ignore();
                return;
            }
        }
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace torvane::ui::sections
