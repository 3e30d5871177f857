#pragma once

#include "base/language.h"
#include "model/budgetfile.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>
#include <optional>
#include <utility>

class QLockFile;

namespace torvane::ui::budget {

class BudgetDocument;

// The recovery copy of a budget with unsaved changes, written every 30 s,
// and the copy an ended run left behind, offered back. Each running copy of
// the program holds a slot of its own (a lock file), so two runs never write
// over each other's copy.
class BudgetRecovery : public QObject
{
    Q_OBJECT
public:
    explicit BudgetRecovery(BudgetDocument &document, QObject *parent = nullptr);
    ~BudgetRecovery() override;

    // This run's own copy.
    QString path() const { return m_path; }
    void write(); // also done by the timer every 30 s while modified

    // What an ended run left behind.
    bool hasOffer() const;
    QDateTime offerTime() const;
    // The offered budget as the offer names it: its title, else the name of
    // the file it was made from; empty for an untitled budget or a damaged copy.
    QString offerName() const;
    // Back into the file it was made from where it can be; a damaged copy
    // is set aside and never offered again.
    bool restore();
    void discardOffer();

    // The program ends: a clean end removes this run's copy.
    void programEnds(bool discardedUnsaved);
    // Stops the writes and lets go of the slot's lock file, which a process
    // ending without destructors would otherwise leave behind.
    void releaseLock();

signals:
    void recoveryChanged();

private:
    base::Language language() const;
    void takeSlot();
    void setAsideDamaged(const model::budgetfile::ReadResult &read);

    BudgetDocument &m_document;
    std::unique_ptr<QLockFile> m_slotLock;
    QString m_path;        // this run's own
    QString m_offeredPath; // what an ended run left behind
    // The offer's name, read once per copy: the bar asks at every refresh.
    mutable std::optional<std::pair<QDateTime, QString>> m_offerName;
    QTimer m_timer;
};

} // namespace torvane::ui::budget
