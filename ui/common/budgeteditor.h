#pragma once

#include "model/budget.h"
#include "model/followupmodel.h"
#include "ui/common/budgetcommand.h"

#include <QObject>

#include <functional>
#include <utility>

class QUndoStack;

namespace torvane::ui::common {

// Every change the user makes to the budget passes through its editor: a
// choice or a quantity on a section screen, a cleared section, the budget's
// settings on the main menu, a follow-up edit, an own line added or removed.
// Each is a step of the budget's one history, which undo and redo walk;
// reading stays with the budget itself. One editor per budget, made with
// it: every screen that holds the budget reaches the same one.
class BudgetEditor : public QObject
{
    Q_OBJECT
public:
    static constexpr int kMaxSteps = 1000;
    // Keystrokes further apart than this are steps of their own.
    static constexpr qint64 kTypingPauseMs = 2000;

    static BudgetEditor &of(model::Budget &budget);
    ~BudgetEditor() override;

    model::Budget &budget() const { return m_budget; }

    void setPosition(int section, int cell, int position);
    void setText(int section, int cell, const QString &text);
    void clearSection(int section, bool followUpToo);
    void setSettings(const model::BudgetSettings &settings);
    // A follow-up edit as the table checked it.
    void apply(const model::FollowUpModel::Change &change);
    int addOwnLine(const model::OwnLine &line, int at = -1);
    void removeOwnLine(int index);

    bool canUndo() const;
    bool canRedo() const;
    void undo();
    void redo();
    // "Undo: Quantity of Adults in Logistics and Transportation, Flights,
    // row 2", or the bare word when there is nothing to undo.
    QString undoText(base::Language language) const;
    QString redoText(base::Language language) const;
    int stepCount() const;

    // The typing in a field is over (the focus moved): the next keystroke
    // starts a step of its own.
    void endTyping() { m_typing = false; }
    // Milliseconds from any fixed start; tests step it by hand.
    using Clock = std::function<qint64()>;
    void setClockForTesting(Clock clock);

signals:
    // An undo or redo changed the budget there; the views show the place.
    void actedOn(const torvane::ui::common::BudgetPlace &place);
    // What undo and redo would do has changed.
    void historyChanged();
    // An undo or redo brought the budget back to what was last saved.
    void backAtSaved();

private:
    explicit BudgetEditor(model::Budget &budget);
    // A field being typed into: a section's cell, or a setting (section -1).
    using Field = std::pair<int, int>;
    // The burst of typing a keystroke belongs to; -1 for an edit that is no keystroke.
    int burstOf(Field field, bool keystroke);
    void push(BudgetCommand *command);
    void step(bool back);
    const BudgetCommand *command(int index) const;
    void startFresh();

    model::Budget &m_budget;
    QUndoStack *m_history;
    Clock m_clock;
    bool m_typing = false;
    Field m_typingIn{-1, -1};
    qint64 m_lastKeystroke = 0;
    int m_burst = 0;
    int m_editing = 0;     // inside the editor's own change of the budget
    bool m_starting = false; // a fresh history is being set up
};

} // namespace torvane::ui::common
