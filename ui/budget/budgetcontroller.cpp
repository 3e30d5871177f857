#include "ui/budget/budgetcontroller.h"

#include "base/programmodule.h"
#include "base/safefile.h"
#include "model/budgetfile.h"
#include "report/budgetoutput.h"
#include "report/budgetpdf.h"
#include "report/spreadsheethost.h"
#include "ui/budget/budgettexts.h"
#include "ui/common/errorreporter.h"
#include "ui/budget/printpreview.h"
#include "ui/shell/code_login.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QSet>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

namespace torvane::ui::budget {

using namespace Qt::StringLiterals;
namespace texts = budgettexts;

namespace {

constexpr int kRecentCount = 8;
constexpr int kRecoveryIntervalMs = 30000;
constexpr int kRecoverySlots = 9;
const QString kSuffix = u".torvane"_s;

BudgetController::FileChooser &fileChooser()
{
    static BudgetController::FileChooser chooser;
    return chooser;
}

// The lock of a budget file stands beside it, hidden.
QString lockPathOf(const QString &path)
{
    const QFileInfo info(path);
    return info.absoluteDir().filePath(u"."_s + info.fileName() + u".lock"_s);
}

QString documentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace

// The budget's shortcuts win over a focused field's own use of the keys
// (Ctrl+E moves a line edit's cursor to its end): the field is not offered
// the key first, so the shortcut fires on every screen whatever has the focus.
class BudgetController::ShortcutKeeper : public QObject
{
public:
    using QObject::QObject;
    void keep(const QKeySequence &keys)
    {
        if (keys.count() == 1)
            m_keys.insert(keys[0].toCombined());
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const QKeyCombination typed(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key()));
        return m_keys.contains(typed.toCombined());
    }

private:
    QSet<int> m_keys;
};

BudgetController::BudgetController(model::Budget &budget, ui::shell::TForm_login *login)
    : QObject(login)
    , m_budget(budget)
    , m_login(login)
{
    setObjectName(u"BudgetController"_s);
    m_shortcuts = new ShortcutKeeper(this);
    qApp->installEventFilter(m_shortcuts);
    m_recoveryTimer.setInterval(kRecoveryIntervalMs);
    connect(&m_recoveryTimer, &QTimer::timeout, this, [this] { writeRecovery(); });
    connect(&m_budget, &model::Budget::modifiedChanged, this, [this](bool modified) {
        if (modified)
            m_recoveryTimer.start();
        else
            m_recoveryTimer.stop();
        emit documentChanged();
    });
    takeRecoverySlot();
}

BudgetController::~BudgetController() = default;

base::Language BudgetController::language() const
{
    return common::ErrorReporter::instance().language();
}

base::Language BudgetController::screenLanguage() const
{
    return base::languageOr(m_login->language());
}

QString BudgetController::displayName(base::Language language) const
{
    return m_path.isEmpty() ? texts::kUntitled.in(language) : QFileInfo(m_path).fileName();
}

void BudgetController::installActions(QWidget *screen)
{
    struct Entry {
        const char16_t *name;
        QKeySequence keys;
        const base::LocalizedText *text;
        std::function<void()> run;
    };
    const Entry entries[] = {
        {u"actionNewBudget", QKeySequence(u"Ctrl+N"_s), &texts::kNew, [this] { newBudget(); }},
        {u"actionOpenBudget", QKeySequence(u"Ctrl+O"_s), &texts::kOpen, [this] { open(); }},
        {u"actionSaveBudget", QKeySequence(u"Ctrl+S"_s), &texts::kSave, [this] { save(); }},
        {u"actionSaveBudgetAs", QKeySequence(u"Ctrl+Shift+S"_s), &texts::kSaveAs, [this] { saveAs(); }},
        {u"actionExportBudget", QKeySequence(u"Ctrl+E"_s), &texts::kExport, [this] { exportBudget(); }},
        {u"actionPrintBudget", QKeySequence(u"Ctrl+P"_s), &texts::kPrint, [this] { printBudget(); }},
        {u"actionPdfBudget", QKeySequence(), &texts::kPdf, [this] { pdfBudget(); }},
    };
    for (const Entry &entry : entries) {
        auto *action = new QAction(entry.text->in(screenLanguage()), screen);
        action->setObjectName(QString::fromUtf16(entry.name));
        action->setShortcut(entry.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        m_shortcuts->keep(entry.keys);
        connect(action, &QAction::triggered, this, [run = entry.run] { common::guarded(run); });
        screen->addAction(action);
        m_actions.append({action, entry.text});
    }
}

void BudgetController::retranslate()
{
    for (const auto &[action, text] : std::as_const(m_actions))
        if (action)
            action->setText(text->in(screenLanguage()));
    emit documentChanged();
}

QString BudgetController::chooseFile(FileKind kind, bool save, const QString &name)
{
    QSettings settings;
    const QString key = kind == FileKind::Budget ? u"lastBudgetFolder"_s : u"lastExportFolder"_s;
    QString folder = settings.value(key).toString();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = documentsFolder();
    QString suggested = name;
    if (suggested.isEmpty())
        suggested = m_path.isEmpty() ? texts::kUntitled.in(language()) + kSuffix : QFileInfo(m_path).fileName();
    suggested = QDir(folder).filePath(suggested);
    QString path;
    if (fileChooser()) {
        path = fileChooser()(kind, save, folder, suggested);
    } else {
        QWidget *parent = QApplication::activeWindow();
        const base::Language L = language();
        const QString filter = kind == FileKind::Budget ? texts::kFilter.in(L)
            : kind == FileKind::Workbook                ? texts::kWorkbookFilter.in(L)
                                                        : texts::kPdfFilter.in(L);
        const QString title = kind == FileKind::Budget ? (save ? texts::kSaveTitle : texts::kOpenTitle).in(L)
                                                       : texts::kExportTitle.in(L);
        path = save ? QFileDialog::getSaveFileName(parent, title, suggested, filter)
                    : QFileDialog::getOpenFileName(parent, title, folder, filter);
    }
    if (!path.isEmpty())
        settings.setValue(key, QFileInfo(path).absolutePath());
    return path;
}

QString BudgetController::outputName(const QString &suffix) const
{
    // From the title and the date: "Astana pavilion 2026-12-10.xlsx".
    QString title = m_budget.settings().title.trimmed();
    if (title.isEmpty())
        title = m_path.isEmpty() ? texts::kBudgetWord.in(language()) : QFileInfo(m_path).completeBaseName();
    title.replace(u'/', u'-');
    return title + u' ' + QDate::currentDate().toString(Qt::ISODate) + suffix;
}

bool BudgetController::exportBudget()
{
    const QString path = chooseFile(FileKind::Workbook, true, outputName(u".xlsx"_s));
    return !path.isEmpty() && exportTo(path);
}

bool BudgetController::pdfBudget()
{
    const QString path = chooseFile(FileKind::Pdf, true, outputName(u".pdf"_s));
    return !path.isEmpty() && exportTo(path);
}

bool BudgetController::exportTo(const QString &chosen)
{
    QString path = QFileInfo(chosen).absoluteFilePath();
    QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != u"xlsx"_s && suffix != u"xls"_s && suffix != u"pdf"_s) {
        path += u".xlsx"_s;
        suffix = u"xlsx"_s;
    }
    const base::Language L = language();
    const report::BudgetReport document = report::budgetReport(m_budget, L);
    const report::BudgetWriteResult written = report::writeBudget(document, path);
    if (!written.ok()) {
        common::ErrorReporter::instance().report(written.message(L), written.status == report::BudgetWriteResult::Status::NothingToWrite
                                                                 ? common::ErrorReporter::Severity::Notice
                                                                 : common::ErrorReporter::Severity::Error);
        return false;
    }
    // Shown to the user like a section report.
    if (!report::SpreadsheetHost::open(path))
        common::ErrorReporter::instance().report(written.message(L), common::ErrorReporter::Severity::Notice);
    return true;
}

void BudgetController::printBudget()
{
    const report::BudgetReport document = report::budgetReport(m_budget, language());
    if (!document.refusal.isEmpty()) {
        common::ErrorReporter::instance().report(document.refusal);
        return;
    }
    if (document.nothingToWrite()) {
        report::BudgetWriteResult nothing;
        nothing.status = report::BudgetWriteResult::Status::NothingToWrite;
        common::ErrorReporter::instance().report(nothing.message(language()), common::ErrorReporter::Severity::Notice);
        return;
    }
    try {
        const auto &print = base::programModule<PrintModule>(kPrintModuleName, kPrintModuleEntry, kPrintModuleVersion);
        print.preview(QApplication::activeWindow(), texts::kPrint.in(language()), outputName({}).trimmed(),
                      [&document](QPagedPaintDevice &device) { report::paintBudget(device, document); });
    } catch (const std::exception &failure) {
        common::ErrorReporter::instance().report(texts::printUnavailable(QString::fromStdString(failure.what()), language()));
    }
}

bool BudgetController::newBudget()
{
    if (!confirmDiscard())
        return false;
    m_budget.clearAll();
    m_lock.reset();
    setPath({});
    return true;
}

bool BudgetController::open()
{
    if (!confirmDiscard())
        return false;
    const QString path = chooseFile(FileKind::Budget, false);
    return !path.isEmpty() && openFile(path);
}

bool BudgetController::lock(const QString &path, std::unique_ptr<QLockFile> &held, QString *refusal)
{
    if (m_lock && QFileInfo(path) == QFileInfo(m_path)) {
        held = std::move(m_lock);
        return true;
    }
    auto candidate = std::make_unique<QLockFile>(lockPathOf(path));
    candidate->setStaleLockTime(0);
    if (candidate->tryLock(0)) {
        held = std::move(candidate);
        return true;
    }
    if (candidate->error() == QLockFile::LockFailedError) {
        qint64 pid = 0;
        QString host, application;
        candidate->getLockInfo(&pid, &host, &application);
        const QString message = texts::lockedElsewhere(path, pid, host, application, language());
        if (refusal)
            *refusal = message;
        else
            common::ErrorReporter::instance().report(message);
        return false;
    }
    // A folder we cannot write to holds no lock; nobody can save there either.
    held.reset();
    return true;
}

bool BudgetController::openFile(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const model::budgetfile::ReadResult read = model::budgetfile::readFile(absolute, model::allCatalogues());
    if (!read.ok()) {
        common::ErrorReporter::instance().report(texts::readFailure(read, absolute, language()));
        return false;
    }
    std::unique_ptr<QLockFile> held;
    if (!lock(absolute, held))
        return false;
    m_budget.load(read.content, false);
    m_lock = std::move(held);
    setPath(absolute);
    rememberRecent(absolute);
    if (!read.skipped.isEmpty())
        common::ErrorReporter::instance().report(texts::skipped(read.skipped, absolute, language()),
                                         common::ErrorReporter::Severity::Notice);
    return true;
}

bool BudgetController::save()
{
    return m_path.isEmpty() ? saveAs() : saveTo(m_path);
}

bool BudgetController::saveAs()
{
    const QString path = chooseFile(FileKind::Budget, true);
    return !path.isEmpty() && saveTo(path);
}

bool BudgetController::saveTo(const QString &chosen)
{
    QString path = QFileInfo(chosen).absoluteFilePath();
    if (!path.endsWith(kSuffix, Qt::CaseInsensitive))
        path += kSuffix;
    std::unique_ptr<QLockFile> held;
    if (!lock(path, held))
        return false;
    const base::WriteResult written = base::writeFileAtomically(path, model::budgetfile::write(m_budget, language()));
    if (!written) {
        if (QFileInfo(path) == QFileInfo(m_path))
            m_lock = std::move(held); // still ours
        common::ErrorReporter::instance().report(texts::saveFailure(path, written.reason, language()));
        return false;
    }
    m_lock = std::move(held);
    setPath(path);
    rememberRecent(path);
    m_budget.setModified(false);
    // Saved: the recovery copy has nothing left to recover.
    QFile::remove(m_recoveryPath);
    emit documentChanged();
    return true;
}

bool BudgetController::confirmDiscard(bool *discarded)
{
    if (discarded)
        *discarded = false;
    if (!m_budget.isModified())
        return true;
    using Answer = common::ErrorReporter::Answer;
    const Answer answer = common::ErrorReporter::instance().ask(texts::saveChanges(displayName(language()), language()),
                                                        {Answer::Save, Answer::Discard, Answer::Cancel}, Answer::Save);
    switch (answer) {
    case Answer::Save: return save();
    case Answer::Discard:
        if (discarded)
            *discarded = true;
        return true;
    default: return false;
    }
}

void BudgetController::programEnds(bool discardedUnsaved)
{
    if (!discardedUnsaved)
        QFile::remove(m_recoveryPath);
    releaseLocks();
}

void BudgetController::releaseLocks()
{
    m_recoveryTimer.stop();
    m_lock.reset();
    m_recoveryLock.reset();
}

void BudgetController::setPath(const QString &path)
{
    m_path = path;
    emit documentChanged();
}

void BudgetController::rememberRecent(const QString &path)
{
    QSettings settings;
    QStringList recent = settings.value(u"recentBudgets"_s).toStringList();
    recent.removeAll(path);
    recent.prepend(path);
    settings.setValue(u"recentBudgets"_s, recent.mid(0, kRecentCount));
}

QStringList BudgetController::recentFiles() const
{
    return QSettings().value(u"recentBudgets"_s).toStringList();
}

void BudgetController::takeRecoverySlot()
{
    // Each running copy keeps its own recovery file; a slot whose lock is
    // free belongs to a copy that has ended.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u"/recovery"_s;
    QDir().mkpath(folder);
    for (int k = 1; k <= kRecoverySlots; ++k) {
        auto slot = std::make_unique<QLockFile>(folder + u"/slot-%1.lock"_s.arg(k));
        slot->setStaleLockTime(0);
        if (slot->tryLock(0)) {
            m_recoveryLock = std::move(slot);
            m_recoveryPath = folder + u"/slot-%1.torvane"_s.arg(k);
            // What an ended copy left here is offered back, and never
            // overwritten by this copy's own recovery writes.
            m_offeredPath = folder + u"/slot-%1-offered.torvane"_s.arg(k);
            if (QFileInfo::exists(m_recoveryPath)) {
                QFile::remove(m_offeredPath);
                QFile::rename(m_recoveryPath, m_offeredPath);
            }
            return;
        }
    }
    m_recoveryPath = folder + u"/slot-extra.torvane"_s;
}

bool BudgetController::hasRecovery() const
{
    return !m_offeredPath.isEmpty() && QFileInfo::exists(m_offeredPath);
}

QDateTime BudgetController::recoveryTime() const
{
    return QFileInfo(m_offeredPath).lastModified();
}

bool BudgetController::restoreRecovery()
{
    const model::budgetfile::ReadResult read = model::budgetfile::readFile(m_offeredPath, model::allCatalogues());
    if (!read.ok()) {
        setAsideDamagedRecovery(read);
        return false;
    }
    if (!confirmDiscard())
        return false;
    // The copy comes back into the file it was made from, so Save writes
    // there; unless that file is now another running copy's.
    QString owner = read.recoveryOf;
    std::unique_ptr<QLockFile> held;
    if (!owner.isEmpty()) {
        QString refusal;
        if (!QFileInfo(owner).absoluteDir().exists()) {
            common::ErrorReporter::instance().report(texts::restoredUntitled(owner, texts::folderGone(language()), language()),
                                             common::ErrorReporter::Severity::Notice);
            owner.clear();
        } else if (!lock(owner, held, &refusal)) {
            common::ErrorReporter::instance().report(texts::restoredUntitled(owner, refusal, language()),
                                             common::ErrorReporter::Severity::Notice);
            owner.clear();
        }
    }
    m_lock = std::move(held);
    m_budget.load(read.content, true);
    setPath(owner);
    // Kept as this copy's own recovery until the budget is saved.
    writeRecovery();
    QFile::remove(m_offeredPath);
    emit recoveryChanged();
    return true;
}

void BudgetController::setAsideDamagedRecovery(const model::budgetfile::ReadResult &read)
{
    // Never offered again, never deleted without a word: moved aside beside the others.
    const QDateTime made = recoveryTime();
    const QFileInfo offered(m_offeredPath);
    const QString aside = offered.absoluteDir().filePath(
        offered.completeBaseName().replace(u"-offered"_s, QString()) + u"-damaged-"_s
        + made.toString(u"yyyyMMdd-HHmmss"_s) + kSuffix);
    QFile::remove(aside);
    const bool moved = QFile::rename(m_offeredPath, aside);
    const QString reason = texts::readFailureReason(read, language());
    common::ErrorReporter::instance().report(texts::damagedRecovery(made, reason, moved ? aside : QString(), language()));
    m_offeredPath.clear();
    emit recoveryChanged();
}

void BudgetController::discardRecovery()
{
    QFile::remove(m_offeredPath);
    emit recoveryChanged();
}

void BudgetController::writeRecovery()
{
    if (!m_budget.isModified() || m_recoveryPath.isEmpty())
        return;
    // A recovery copy that cannot be written is not worth a message every 30 s.
    base::writeFileAtomically(m_recoveryPath,
                              model::budgetfile::write(m_budget, language(), QDateTime::currentDateTimeUtc(), m_path));
}

void BudgetController::setFileChooserForTesting(FileChooser chooser)
{
    fileChooser() = std::move(chooser);
}

} // namespace torvane::ui::budget
