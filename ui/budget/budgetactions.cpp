#include "ui/budget/budgetactions.h"

#include "report/budgetreport.h"
#include "ui/budget/budgetdocument.h"
#include "ui/budget/budgetfilechooser.h"
#include "ui/budget/budgetoutputs.h"
#include "ui/budget/budgettexts.h"
#include "ui/budget/followupwindow.h"
#include "ui/budget/shortcutkeeper.h"
#include "ui/common/budgeteditor.h"
#include "ui/common/errorreporter.h"
#include "ui/common/undotexts.h"
#include "ui/shell/code_login.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QFileInfo>
#include <QWidget>

namespace torvane::ui::budget {

using namespace Qt::StringLiterals;
namespace texts = budgettexts;

std::span<const BudgetActions::Entry> BudgetActions::entries()
{
    static constexpr Entry table[] = {
        {Id::New, u"actionNewBudget", u"Ctrl+N", &texts::kNew, Group::File, [](BudgetActions &a) { a.m_document.newBudget(); }},
        {Id::Open, u"actionOpenBudget", u"Ctrl+O", &texts::kOpen, Group::File, [](BudgetActions &a) { a.m_document.open(); }},
        {Id::Save, u"actionSaveBudget", u"Ctrl+S", &texts::kSave, Group::File, [](BudgetActions &a) { a.m_document.save(); }},
        {Id::SaveAs, u"actionSaveBudgetAs", u"Ctrl+Shift+S", &texts::kSaveAs, Group::File,
         [](BudgetActions &a) { a.m_document.saveAs(); }},
        {Id::Export, u"actionExportBudget", u"Ctrl+E", &texts::kExport, Group::Output,
         [](BudgetActions &a) { a.m_outputs.exportBudget(); }},
        {Id::Print, u"actionPrintBudget", u"Ctrl+P", &texts::kPrint, Group::Output, [](BudgetActions &a) { a.m_outputs.printBudget(); }},
        {Id::Pdf, u"actionPdfBudget", u"", &texts::kPdf, Group::Output, [](BudgetActions &a) { a.m_outputs.pdfBudget(); }},
        {Id::FollowUp, u"actionFollowUp", u"Ctrl+L", &texts::kFollowUp, Group::FollowUp, [](BudgetActions &a) { a.openFollowUp(); }},
        {Id::ExportFollowUpCsv, u"actionExportFollowUpCsv", u"", &texts::kExportFollowUpCsv, Group::FollowUp,
         [](BudgetActions &a) { a.m_outputs.followUpCsv(); }},
        {Id::Undo, u"actionUndo", u"Ctrl+Z", &common::undotexts::kUndo, Group::Edit,
         [](BudgetActions &a) { common::BudgetEditor::of(a.m_document.budget()).undo(); }},
        {Id::Redo, u"actionRedo", u"Ctrl+Shift+Z; Ctrl+Y", &common::undotexts::kRedo, Group::Edit,
         [](BudgetActions &a) { common::BudgetEditor::of(a.m_document.budget()).redo(); }},
    };
    return table;
}

const BudgetActions::Entry &BudgetActions::entry(Id id)
{
    for (const Entry &entry : entries())
        if (entry.id == id)
            return entry;
    Q_UNREACHABLE();
}

BudgetActions::BudgetActions(BudgetDocument &document, BudgetOutputs &outputs, ui::shell::TForm_login *login)
    : QObject(login)
    , m_document(document)
    , m_outputs(outputs)
    , m_login(login)
    , m_shortcuts(new ShortcutKeeper(this))
{
    setObjectName(u"BudgetActions"_s);
    qApp->installEventFilter(m_shortcuts);
    connect(&common::BudgetEditor::of(m_document.budget()), &common::BudgetEditor::historyChanged, this, &BudgetActions::showHistory);
}

base::Language BudgetActions::language() const
{
    return base::languageOr(m_login->language());
}

void BudgetActions::installOn(QWidget *screen)
{
    for (const Entry &entry : entries()) {
        auto *action = new QAction(entry.text->in(language()), screen);
        action->setObjectName(QString::fromUtf16(entry.name));
        const QList<QKeySequence> keys = QKeySequence::listFromString(QString::fromUtf16(entry.keys));
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        for (const QKeySequence &key : keys)
            m_shortcuts->keep(key);
        connect(action, &QAction::triggered, this, [this, run = entry.run] { common::guarded([&] { run(*this); }); });
        screen->addAction(action);
        m_actions.append({action, &entry});
    }
    showHistory();
}

QAction *BudgetActions::actionOf(const QWidget *screen, Id id)
{
    return screen->findChild<QAction *>(QString::fromUtf16(entry(id).name), Qt::FindDirectChildrenOnly);
}

void BudgetActions::retranslate()
{
    for (const auto &[action, entry] : std::as_const(m_actions))
        if (action)
            action->setText(entry->text->in(language()));
    showHistory();
}

void BudgetActions::showHistory()
{
    const common::BudgetEditor &editor = common::BudgetEditor::of(m_document.budget());
    const base::Language L = language();
    const QString undo = QString(editor.undoText(L)).replace(u'&', u"&&"_s);
    const QString redo = QString(editor.redoText(L)).replace(u'&', u"&&"_s);
    for (const auto &[action, entry] : std::as_const(m_actions)) {
        if (!action || (entry->id != Id::Undo && entry->id != Id::Redo))
            continue;
        const bool undoing = entry->id == Id::Undo;
        // A button shows the bare word; the action and its tooltip say what.
        action->setIconText(entry->text->in(L));
        action->setText(undoing ? undo : redo);
        action->setEnabled(undoing ? editor.canUndo() : editor.canRedo());
    }
}

void BudgetActions::openFollowUp()
{
    FollowUpWindow::of(m_login, m_document.budget(), *this)->present();
}

} // namespace torvane::ui::budget
