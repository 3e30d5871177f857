#include "ui/budget/budgetrecovery.h"

#include "base/safefile.h"
#include "ui/budget/budgetdocument.h"
#include "ui/budget/budgettexts.h"
#include "ui/common/errorreporter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace torvane::ui::budget {

using namespace Qt::StringLiterals;
namespace texts = budgettexts;

namespace {
constexpr int kIntervalMs = 30000;
constexpr int kSlots = 9;
} // namespace

BudgetRecovery::BudgetRecovery(BudgetDocument &document, QObject *parent)
    : QObject(parent)
    , m_document(document)
{
    setObjectName(u"BudgetRecovery"_s);
    m_timer.setInterval(kIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, [this] { write(); });
    connect(&m_document.budget(), &model::Budget::modifiedChanged, this, [this](bool modified) {
        if (modified)
            m_timer.start();
        else
            m_timer.stop();
    });
    // Saved: the copy has nothing left to recover.
    connect(&m_document, &BudgetDocument::saved, this, [this] { QFile::remove(m_path); });
    takeSlot();
}

BudgetRecovery::~BudgetRecovery() = default;

base::Language BudgetRecovery::language() const
{
    return common::ErrorReporter::instance().language();
}

void BudgetRecovery::takeSlot()
{
    // Each running copy keeps its own recovery file; a slot whose lock is
    // free belongs to a copy that has ended.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u"/recovery"_s;
    QDir().mkpath(folder);
    const QString suffix = model::budgetfile::kSuffix.toString();
    for (int k = 1; k <= kSlots; ++k) {
        auto slot = std::make_unique<QLockFile>(folder + u"/slot-%1.lock"_s.arg(k));
        slot->setStaleLockTime(0);
        if (slot->tryLock(0)) {
            m_slotLock = std::move(slot);
            m_path = folder + u"/slot-%1"_s.arg(k) + suffix;
            // What an ended copy left here is offered back, and never
            // overwritten by this copy's own recovery writes.
            m_offeredPath = folder + u"/slot-%1-offered"_s.arg(k) + suffix;
            if (QFileInfo::exists(m_path)) {
                QFile::remove(m_offeredPath);
                QFile::rename(m_path, m_offeredPath);
            }
            return;
        }
    }
    m_path = folder + u"/slot-extra"_s + suffix;
}

bool BudgetRecovery::hasOffer() const
{
    return !m_offeredPath.isEmpty() && QFileInfo::exists(m_offeredPath);
}

QDateTime BudgetRecovery::offerTime() const
{
    return QFileInfo(m_offeredPath).lastModified();
}

QString BudgetRecovery::offerName() const
{
    if (!hasOffer())
        return {};
    const QDateTime made = offerTime();
    if (!m_offerName || m_offerName->first != made) {
        const model::budgetfile::ReadResult read = model::budgetfile::readFile(m_offeredPath, model::allCatalogues());
        const QString title = read.content.settings.title.simplified();
        const QString name = !read.ok()     ? QString()
            : !title.isEmpty()              ? title
            : !read.recoveryOf.isEmpty()    ? QFileInfo(read.recoveryOf).fileName()
                                            : QString();
        m_offerName = {made, name};
    }
    return m_offerName->second;
}

bool BudgetRecovery::restore()
{
    const model::budgetfile::ReadResult read = model::budgetfile::readFile(m_offeredPath, model::allCatalogues());
    if (!read.ok()) {
        setAsideDamaged(read);
        return false;
    }
    if (!m_document.confirmDiscard())
        return false;
    // The copy comes back into the file it was made from, so Save writes
    // there; unless that file is now another running copy's.
    const QString &owner = read.recoveryOf;
    bool intoOwner = false;
    if (!owner.isEmpty()) {
        QString refusal;
        if (!QFileInfo(owner).absoluteDir().exists())
            refusal = texts::folderGone(language());
        else
            intoOwner = m_document.adopt(read.content, owner, &refusal);
        if (!intoOwner)
            common::ErrorReporter::instance().report(texts::restoredUntitled(owner, refusal, language()),
                                                     common::ErrorReporter::Severity::Notice);
    }
    if (!intoOwner)
        m_document.adopt(read.content, {});
    // Kept as this copy's own recovery until the budget is saved.
    write();
    QFile::remove(m_offeredPath);
    emit recoveryChanged();
    return true;
}

void BudgetRecovery::setAsideDamaged(const model::budgetfile::ReadResult &read)
{
    // Never offered again, never deleted without a word: moved aside beside the others.
    const QDateTime made = offerTime();
    const QFileInfo offered(m_offeredPath);
    const QString aside = offered.absoluteDir().filePath(offered.completeBaseName().replace(u"-offered"_s, QString())
                                                         + u"-damaged-"_s + made.toString(u"yyyyMMdd-HHmmss"_s)
                                                         + model::budgetfile::kSuffix.toString());
    QFile::remove(aside);
    const bool moved = QFile::rename(m_offeredPath, aside);
    const QString reason = texts::readFailureReason(read, language());
    common::ErrorReporter::instance().report(texts::damagedRecovery(made, reason, moved ? aside : QString(), language()));
    m_offeredPath.clear();
    emit recoveryChanged();
}

void BudgetRecovery::discardOffer()
{
    QFile::remove(m_offeredPath);
    emit recoveryChanged();
}

void BudgetRecovery::write()
{
    const model::Budget &budget = m_document.budget();
    if (!budget.isModified() || m_path.isEmpty())
        return;
    // A recovery copy that cannot be written is not worth a message every 30 s.
    base::writeFileAtomically(m_path, model::budgetfile::write(budget, language(), QDateTime::currentDateTimeUtc(),
                                                               m_document.filePath()));
}

void BudgetRecovery::programEnds(bool discardedUnsaved)
{
    if (!discardedUnsaved)
        QFile::remove(m_path);
    releaseLock();
}

void BudgetRecovery::releaseLock()
{
    m_timer.stop();
    m_slotLock.reset();
}

} // namespace torvane::ui::budget
