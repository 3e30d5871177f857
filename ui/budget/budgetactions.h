#pragma once

#include "base/localizedtext.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <span>
#include <utility>

class QAction;
class QWidget;

namespace torvane::ui::shell {
class TForm_login;
}

namespace torvane::ui::budget {

class BudgetDocument;
class BudgetOutputs;
class ShortcutKeeper;

// The budget's actions, the same on every screen and behind the overview's
// buttons: one table gives each its object name, shortcut, text and what it
// does. Their texts speak the screens' language.
class BudgetActions : public QObject
{
    Q_OBJECT
public:
    enum class Id { New, Open, Save, SaveAs, Export, Print, Pdf, FollowUp, ExportFollowUpCsv, Undo, Redo };
    // The budget's file, what leaves it for a manager, its follow-up, or its history.
    enum class Group { File, Output, FollowUp, Edit };
    struct Entry {
        Id id;
        const char16_t *name; // the action's objectName
        const char16_t *keys; // its shortcuts, separated by "; "; empty: none
        const base::LocalizedText *text;
        Group group;
        void (*run)(BudgetActions &actions);
    };
    // Every action, in the order the overview shows them.
    static std::span<const Entry> entries();
    static const Entry &entry(Id id);

    BudgetActions(BudgetDocument &document, BudgetOutputs &outputs, ui::shell::TForm_login *login);

    // Gives a screen every action with its shortcut.
    void installOn(QWidget *screen);
    // The action of a screen given by installOn(); null before.
    static QAction *actionOf(const QWidget *screen, Id id);
    // The texts follow the screens' language.
    void retranslate();

private:
    base::Language language() const;
    void openFollowUp();
    // Undo and redo say what they would take back, and can only when there is something.
    void showHistory();

    BudgetDocument &m_document;
    BudgetOutputs &m_outputs;
    ui::shell::TForm_login *m_login;
    ShortcutKeeper *m_shortcuts;
    QList<std::pair<QPointer<QAction>, const Entry *>> m_actions;
};

} // namespace torvane::ui::budget
