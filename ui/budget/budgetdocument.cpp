#include "ui/budget/budgetdocument.h"

#include "base/safefile.h"
#include "model/budgetfile.h"
#include "ui/budget/budgetfilechooser.h"
#include "ui/budget/budgettexts.h"
#include "ui/common/errorreporter.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QWidget>

namespace torvane::ui::budget {

using namespace Qt::StringLiterals;
namespace texts = budgettexts;

namespace {

constexpr int kRecentCount = 8;

// The lock of a budget file stands beside it, hidden.
QString lockPathOf(const QString &path)
{
    const QFileInfo info(path);
    return info.absoluteDir().filePath(u"."_s + info.fileName() + u".lock"_s);
}

} // namespace

BudgetDocument::BudgetDocument(model::Budget &budget, QObject *parent)
    : QObject(parent)
    , m_budget(budget)
{
    setObjectName(u"BudgetDocument"_s);
    connect(&m_budget, &model::Budget::modifiedChanged, this, &BudgetDocument::documentChanged);
}

BudgetDocument::~BudgetDocument() = default;

base::Language BudgetDocument::language() const
{
    return common::ErrorReporter::instance().language();
}

QString BudgetDocument::displayName(base::Language language) const
{
    return m_path.isEmpty() ? texts::kUntitled.in(language) : QFileInfo(m_path).fileName();
}

QString BudgetDocument::budgetName(base::Language language) const
{
    const QString title = m_budget.settings().title.simplified();
    return title.isEmpty() ? displayName(language) : title;
}

QString BudgetDocument::suggestedName() const
{
    if (!m_path.isEmpty())
        return QFileInfo(m_path).fileName();
    const QString fromTitle = BudgetFileChooser::fileNameFrom(m_budget.settings().title);
    return (fromTitle.isEmpty() ? texts::kUntitled.in(language()) : fromTitle) + model::budgetfile::kSuffix.toString();
}

bool BudgetDocument::newBudget()
{
    if (!confirmDiscard())
        return false;
    m_budget.clearAll();
    m_lock.reset();
    setPath({});
    return true;
}

bool BudgetDocument::open()
{
    if (!confirmDiscard())
        return false;
    const QString path = BudgetFileChooser::choose(BudgetFileChooser::Kind::Budget, false, suggestedName());
    return !path.isEmpty() && openFile(path);
}

bool BudgetDocument::lock(const QString &path, std::unique_ptr<QLockFile> &held, QString *refusal)
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

bool BudgetDocument::openFile(const QString &path)
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

void BudgetDocument::rememberScreen()
{
    QWidget *active = QApplication::activeWindow();
    if (active && !qobject_cast<QDialog *>(active))
        m_screen = active;
}

bool BudgetDocument::save()
{
    rememberScreen();
    return m_path.isEmpty() ? saveAs() : saveTo(m_path);
}

bool BudgetDocument::saveAs()
{
    rememberScreen();
    const QString path = BudgetFileChooser::choose(BudgetFileChooser::Kind::Budget, true, suggestedName());
    return !path.isEmpty() && saveTo(path);
}

bool BudgetDocument::saveTo(const QString &chosen)
{
    QString path = QFileInfo(chosen).absoluteFilePath();
    if (!path.endsWith(model::budgetfile::kSuffix, Qt::CaseInsensitive))
        path += model::budgetfile::kSuffix;
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
    emit saved();
    emit documentChanged();
    // A budget is opened here, never by the desktop: its folder only.
    common::ErrorReporter::instance().tellWritten({path, common::WrittenFile::Shown::NotAsked, false, {}}, m_screen);
    return true;
}

bool BudgetDocument::adopt(const model::Budget::Content &content, const QString &path, QString *refusal)
{
    std::unique_ptr<QLockFile> held;
    if (!path.isEmpty() && !lock(path, held, refusal))
        return false;
    m_lock = std::move(held);
    m_budget.load(content, true);
    setPath(path);
    return true;
}

bool BudgetDocument::confirmDiscard(bool *discarded)
{
    rememberScreen();
    if (discarded)
        *discarded = false;
    if (!m_budget.isModified())
        return true;
    using Answer = common::ErrorReporter::Answer;
    const Answer answer = common::ErrorReporter::instance().ask(texts::saveChanges(budgetName(language()), language()),
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

void BudgetDocument::releaseLock()
{
    m_lock.reset();
}

void BudgetDocument::setPath(const QString &path)
{
    m_path = path;
    emit documentChanged();
}

void BudgetDocument::rememberRecent(const QString &path)
{
    QSettings settings;
    QStringList recent = settings.value(u"recentBudgets"_s).toStringList();
    recent.removeAll(path);
    recent.prepend(path);
    settings.setValue(u"recentBudgets"_s, recent.mid(0, kRecentCount));
}

QStringList BudgetDocument::recentFiles() const
{
    return QSettings().value(u"recentBudgets"_s).toStringList();
}

} // namespace torvane::ui::budget
