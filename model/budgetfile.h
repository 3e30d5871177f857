#pragma once

#include "model/budget.h"

#include <QByteArray>
#include <QDateTime>
#include <QStringList>

namespace torvane::model {

// The budget file: UTF-8 JSON, one object with the format's name and
// version, when and in which language it was saved, the budget's own
// settings and, per section, only the cells that hold an entry. Keys are
// written sorted, so budgets compare well line by line.
namespace budgetfile {

// Version 2 adds the follow-up of rows ("rows" beside "cells") and the
// user's own lines ("lines"); a version-1 file reads as before.
inline constexpr int kVersion = 2;
// The ending of a budget file's name.
inline constexpr QStringView kSuffix = u".torvane";
// No budget comes near this; a larger file is refused before it is read.
inline constexpr qint64 kMaxBytes = 8 * 1024 * 1024;
// All eight sections hold about 1500 cells; far more is not a budget.
inline constexpr int kMaxCells = 100000;

// recoveryOf names the budget file a recovery copy belongs to; empty for a
// budget file itself.
QByteArray write(const Budget &budget, base::Language language, const QDateTime &saved = QDateTime::currentDateTimeUtc(),
                 const QString &recoveryOf = {});

struct ReadResult {
    enum class Status {
        Ok,
        Unreadable,    // the file cannot be opened: reason says why
        TooLarge,
        Empty,
        NotJson,       // invalid or cut-off JSON: reason says where
        NotABudget,    // JSON, but not a budget of this program
        BadVersion,    // a version that is not a whole number of at least 1: reason holds it as written
        NewerVersion,  // written by a later version of the program
        TooManyCells,
    };
    Status status = Status::Ok;
    QString reason;
    int version = 0;
    std::optional<base::Language> language; // none: not given
    Budget::Content content;
    QStringList skipped; // entries left out: an unknown section or cell, a position off its list, a wrong type
    QString recoveryOf;  // a recovery copy: the budget file it belongs to

    bool ok() const { return status == Status::Ok; }
};

// Reads a budget for the given sections (the eight, in their order).
ReadResult read(const QByteArray &bytes, const QList<const SectionCatalogue *> &catalogues);
ReadResult readFile(const QString &path, const QList<const SectionCatalogue *> &catalogues);

} // namespace budgetfile
} // namespace torvane::model
