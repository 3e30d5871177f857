#pragma once

#include <QKeySequence>
#include <QObject>
#include <QSet>

namespace torvane::ui::budget {

// The budget's shortcuts win over a focused field's own use of the keys
// (Ctrl+E moves a line edit's cursor to its end): installed on the
// application, it keeps the field from being offered the key first, so the
// shortcut fires on every screen whatever has the focus.
class ShortcutKeeper : public QObject
{
public:
    using QObject::QObject;
    void keep(const QKeySequence &keys);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QSet<int> m_keys;
};

} // namespace torvane::ui::budget
