#include "ui/common/ownundoblocker.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QChildEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

namespace torvane::ui::common {

using namespace Qt::StringLiterals;

namespace {

bool isUndoKey(const QKeyEvent *key)
{
    if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo))
        return true;
    const QKeyCombination typed(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key()));
    return typed == QKeyCombination(Qt::ControlModifier, Qt::Key_Y) || typed == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
}

// The window's own action for a standard key, found by its shortcut.
QAction *windowAction(const QWidget *field, QKeySequence::StandardKey key)
{
    const QList<QKeySequence> bindings = QKeySequence::keyBindings(key);
    for (QAction *action : field->window()->actions())
        for (const QKeySequence &shortcut : action->shortcuts())
            if (bindings.contains(shortcut))
                return action;
    return nullptr;
}

// A line edit's standard menu, made when it opens: its Undo and Redo
// become the window's. They are known by their name where Qt gives one,
// else by their text ("&Undo", then a tab and the keys).
void takeOver(QMenu *menu, const QWidget *field)
{
    const struct {
        const char16_t *name;
        QString text;
        QKeySequence::StandardKey key;
    } own[] = {{u"edit-undo", QLineEdit::tr("&Undo"), QKeySequence::Undo}, {u"edit-redo", QLineEdit::tr("&Redo"), QKeySequence::Redo}};
    for (QAction *action : menu->actions())
        for (const auto &[name, text, key] : own)
            if (action->objectName() == QStringView(name) || action->text().section(u'\t', 0, 0) == text) {
                if (QAction *budget = windowAction(field, key))
                    menu->insertAction(action, budget);
                menu->removeAction(action);
            }
}

} // namespace

void OwnUndoBlocker::installOnFieldsOf(QWidget *root)
{
    auto *blocker = new OwnUndoBlocker(root);
    for (QLineEdit *field : root->findChildren<QLineEdit *>())
        field->installEventFilter(blocker);
    for (QAbstractSpinBox *box : root->findChildren<QAbstractSpinBox *>())
        box->installEventFilter(blocker);
}

void OwnUndoBlocker::installOn(QWidget *field)
{
    auto *blocker = new OwnUndoBlocker(field);
    field->installEventFilter(blocker);
    for (QLineEdit *inner : field->findChildren<QLineEdit *>())
        inner->installEventFilter(blocker);
    if (auto *text = qobject_cast<QPlainTextEdit *>(field))
        text->setUndoRedoEnabled(false);
}

bool OwnUndoBlocker::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        return isUndoKey(static_cast<QKeyEvent *>(event));
    case QEvent::ChildPolished:
        // A spin box's menu is its line edit's too, made with the edit as parent.
        if (auto *menu = qobject_cast<QMenu *>(static_cast<QChildEvent *>(event)->child()); menu && qobject_cast<QLineEdit *>(watched))
            takeOver(menu, static_cast<QWidget *>(watched));
        break;
    default: break;
    }
    return false;
}

} // namespace torvane::ui::common
