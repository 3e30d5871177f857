#include "ui/common/budgeteditor.h"

#include "ui/common/entrycommand.h"
#include "ui/common/followupcommand.h"
#include "ui/common/ownlinecommand.h"
#include "ui/common/sectionclearcommand.h"
#include "ui/common/settingscommand.h"
#include "ui/common/undotexts.h"

#include <QApplication>
#include <QScopedValueRollback>
#include <QUndoStack>
#include <QWidget>

#include <algorithm>
#include <chrono>

namespace torvane::ui::common {

using namespace Qt::StringLiterals;

namespace {

// What one key does to a text: at most one character comes in, in place
// of nothing, of one character or of a selection. A paste brings more, and
// is a step of its own.
bool isKeystroke(const QString &before, const QString &after)
{
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype prefix = 0;
    while (prefix < shorter && before[prefix] == after[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    return after.size() - prefix - suffix <= 1;
}

qint64 steadyMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

BudgetEditor &BudgetEditor::of(model::Budget &budget)
{
    if (auto *editor = budget.findChild<BudgetEditor *>(u"BudgetEditor"_s, Qt::FindDirectChildrenOnly))
        return *editor;
    return *new BudgetEditor(budget);
}

BudgetEditor::BudgetEditor(model::Budget &budget)
    : QObject(&budget)
    , m_budget(budget)
    , m_history(new QUndoStack(this))
    , m_clock(steadyMs)
{
    setObjectName(u"BudgetEditor"_s);
    m_history->setUndoLimit(kMaxSteps);
    connect(m_history, &QUndoStack::indexChanged, this, &BudgetEditor::historyChanged);

    // The modified mark follows the history: the step that was saved is the
    // clean one, and coming back to it is coming back to the file.
    connect(m_history, &QUndoStack::cleanChanged, this, [this](bool clean) {
        if (clean && !m_starting && m_budget.isModified()) {
            m_budget.setModified(false);
            emit backAtSaved();
        }
    });
    connect(&m_budget, &model::Budget::modifiedChanged, this, [this](bool modified) {
        if (m_starting)
            return;
        if (!modified)
            m_history->setClean(); // saved
        else if (m_editing == 0)
            m_history->resetClean(); // changed behind the history: no step is the file any more
    });
    connect(&m_budget, &model::Budget::loaded, this, &BudgetEditor::startFresh);

    // Moving to another field ends the typing in the last one.
    if (auto *application = qobject_cast<QApplication *>(QCoreApplication::instance()))
        connect(application, &QApplication::focusChanged, this, &BudgetEditor::endTyping);
}

BudgetEditor::~BudgetEditor()
{
    // The history empties itself as it goes, after the budget's own data:
    // nobody is told.
    m_history->blockSignals(true);
}

void BudgetEditor::startFresh()
{
    {
        const QScopedValueRollback starting(m_starting, true);
        m_history->clear();
        // A restored copy differs from its file: no step of the new history is saved.
        if (m_budget.isModified())
            m_history->resetClean();
    }
    endTyping();
}

void BudgetEditor::setClockForTesting(Clock clock)
{
    m_clock = clock ? std::move(clock) : Clock(steadyMs);
}

int BudgetEditor::burstOf(Field field, bool keystroke)
{
    const qint64 now = m_clock();
    const bool continues = keystroke && m_typing && m_typingIn == field && now - m_lastKeystroke <= kTypingPauseMs;
    if (!continues)
        ++m_burst;
    m_typing = keystroke;
    m_typingIn = field;
    m_lastKeystroke = now;
    return keystroke ? m_burst : -1;
}

void BudgetEditor::push(BudgetCommand *command)
{
    const QScopedValueRollback editing(m_editing, m_editing + 1); // the editor's own change
    m_history->push(command);
}

void BudgetEditor::setPosition(int section, int cell, int position)
{
    const model::SectionEntries &entries = m_budget.entries(section);
    if (cell < 0 || cell >= entries.grid().cells().size() || entries.grid().cell(cell).spec->role != model::ColumnRole::Choice)
        return;
    position = std::max(position, -1);
    const int before = entries.position(cell);
    if (before == position)
        return;
    endTyping();
    push(new EntryCommand(m_budget, section, cell, before, position));
}

void BudgetEditor::setText(int section, int cell, const QString &text)
{
    const model::SectionEntries &entries = m_budget.entries(section);
    if (cell < 0 || cell >= entries.grid().cells().size() || entries.grid().cell(cell).spec->role != model::ColumnRole::Quantity)
        return;
    const QString before = entries.text(cell);
    if (before == text)
        return;
    const int burst = burstOf({section, cell}, isKeystroke(before, text));
    push(new EntryCommand(m_budget, section, cell, before, text, burst));
}

void BudgetEditor::clearSection(int section, bool followUpToo)
{
    const bool entries = !m_budget.entries(section).isEmpty();
    if (!entries && !(followUpToo && m_budget.hasFollowUp(section)))
        return;
    endTyping();
    push(new SectionClearCommand(m_budget, section, followUpToo));
}

void BudgetEditor::setSettings(const model::BudgetSettings &settings)
{
    const model::BudgetSettings before = m_budget.settings();
    if (settings == before)
        return;
    using Field = SettingsCommand::Field;
    const Field field = SettingsCommand::fieldOf(before, settings);
    bool keystroke = false;
    switch (field) {
    case Field::Title: keystroke = isKeystroke(before.title, settings.title); break;
    case Field::CurrencyCode: keystroke = isKeystroke(before.currencyCode, settings.currencyCode); break;
    case Field::CurrencyRate: keystroke = isKeystroke(before.currencyRate, settings.currencyRate); break;
    case Field::Contingency: keystroke = true; break; // typed or stepped, a burst is one step
    case Field::Several: break;
    }
    const int burst = burstOf({-1, int(field)}, keystroke);
    push(new SettingsCommand(m_budget, before, settings, burst));
}

void BudgetEditor::apply(const model::FollowUpModel::Change &change)
{
    model::FollowUpModel::Change before = change;
    if (change.kind == model::FollowUpLine::Kind::Own) {
        if (change.ownIndex < 0 || change.ownIndex >= int(m_budget.ownLines().size()))
            return;
        before.ownLine = m_budget.ownLines()[std::size_t(change.ownIndex)];
        if (before.ownLine == change.ownLine)
            return;
    } else {
        if (change.section < 0 || change.section >= m_budget.sectionCount())
            return;
        const auto &rows = m_budget.entries(change.section).grid().rows();
        if (std::none_of(rows.begin(), rows.end(), [&](const model::GridRow &r) { return r.tab == change.tab && r.row == change.row; }))
            return;
        before.followUp = m_budget.followUp(change.section, change.tab, change.row);
        if (before.followUp == change.followUp)
            return;
    }
    endTyping();
    push(new FollowUpCommand(m_budget, before, change));
}

int BudgetEditor::addOwnLine(const model::OwnLine &line, int at)
{
    const int count = int(m_budget.ownLines().size());
    const int index = at < 0 || at > count ? count : at;
    endTyping();
    push(new OwnLineCommand(m_budget, OwnLineCommand::Kind::Added, line, index));
    return index;
}

void BudgetEditor::removeOwnLine(int index)
{
    if (index < 0 || index >= int(m_budget.ownLines().size()))
        return;
    endTyping();
    push(new OwnLineCommand(m_budget, OwnLineCommand::Kind::Removed, m_budget.ownLines()[std::size_t(index)], index));
}

bool BudgetEditor::canUndo() const
{
    return m_history->canUndo();
}

bool BudgetEditor::canRedo() const
{
    return m_history->canRedo();
}

int BudgetEditor::stepCount() const
{
    return m_history->count();
}

const BudgetCommand *BudgetEditor::command(int index) const
{
    return static_cast<const BudgetCommand *>(m_history->command(index));
}

void BudgetEditor::undo()
{
    step(true);
}

void BudgetEditor::redo()
{
    step(false);
}

void BudgetEditor::step(bool back)
{
    if (back ? !canUndo() : !canRedo())
        return;
    endTyping();
    const BudgetPlace place = command(back ? m_history->index() - 1 : m_history->index())->place();
    {
        const QScopedValueRollback editing(m_editing, m_editing + 1); // the editor's own change
        if (back)
            m_history->undo();
        else
            m_history->redo();
    }
    emit actedOn(place);
}

QString BudgetEditor::undoText(base::Language language) const
{
    if (!canUndo())
        return undotexts::kUndo.in(language);
    return undotexts::kUndoStep.in(language).arg(command(m_history->index() - 1)->describe(language));
}

QString BudgetEditor::redoText(base::Language language) const
{
    if (!canRedo())
        return undotexts::kRedo.in(language);
    return undotexts::kRedoStep.in(language).arg(command(m_history->index())->describe(language));
}

} // namespace torvane::ui::common
