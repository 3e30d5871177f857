#include "ui/budget/shortcutkeeper.h"

#include <QKeyEvent>

namespace torvane::ui::budget {

void ShortcutKeeper::keep(const QKeySequence &keys)
{
    if (keys.count() == 1)
        m_keys.insert(keys[0].toCombined());
}

bool ShortcutKeeper::eventFilter(QObject *, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const QKeyCombination typed(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key()));
    return m_keys.contains(typed.toCombined());
}

} // namespace torvane::ui::budget
