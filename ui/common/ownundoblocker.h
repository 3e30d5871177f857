#pragma once

#include <QObject>

class QWidget;

namespace torvane::ui::common {

// Switches off the own undo of text fields and spin boxes, so that undo
// means the budget's history alone: their undo and redo keys do nothing of
// their own (the window's budget actions take them first when there is a
// step to take back), and their context menus offer the window's undo and
// redo actions in place of the field's.
class OwnUndoBlocker : public QObject
{
    Q_OBJECT
public:
    // Every line edit and spin box inside root as it stands now.
    static void installOnFieldsOf(QWidget *root);
    // One field made later, such as a table's cell editor.
    static void installOn(QWidget *field);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};

} // namespace torvane::ui::common
