#pragma once

#include "base/language.h"
#include "model/reportplan.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>

namespace torvane::report {

// The whole pavilion budget as the budget outputs read it: plain data, filled
// by whoever holds the figures.

struct BudgetRowData {  // one priced row of a section
    QString tab;        // tab title
    QString group;      // group header (may be empty)
    QStringList cells;  // texts of the row's cells as shown: chosen option texts, quantities
    QString sum;        // the row's sum as the section shows it
};

struct BudgetTabData {
    QString title;
    QString subtotal; // as the section shows it
    QVector<BudgetRowData> rows;
};

struct BudgetSectionData {
    QString caption;             // in the document's language
    bool empty = true;           // nothing entered: no sheet, no pages
    qint64 total = 0;            // whole tenge, already rounded
    int shareTenths = 0;         // of the sections' sum, in tenths of a percent; shares add up to 1000
    QString totalText;           // the section total as the section shows it
    QVector<BudgetTabData> tabs; // only tabs with a non-zero subtotal
    model::ReportPlan plan;             // the section's own report layout, for its sheet
    std::shared_ptr<const model::ReportSource> source;
};

struct BudgetReport {
    QString title;
    QDateTime date;
    base::Language language = base::Language::English;
    QVector<BudgetSectionData> sections; // in the main menu's tile order
    qint64 sectionsTotal = 0;
    int contingencyTenths = 0; // 0..500: 0 to 50.0 %
    qint64 contingency = 0;
    qint64 grandTotal = 0;
    QString currencyCode;          // e.g. "EUR"
    qint64 currencyHundredths = -1; // grand total in that currency; -1: no currency line
    QString currencyRateText;       // tenge per unit, as the user typed it
    // Why the budget must not be written now (a section that cannot be
    // priced leaves its figures out): nothing is written while it is set.
    QString refusal;

    bool hasCurrencyLine() const { return currencyHundredths >= 0 && !currencyCode.isEmpty(); }
    bool nothingToWrite() const
    {
        for (const BudgetSectionData &section : sections)
            if (!section.empty)
                return false;
        return true;
    }
};

// How writing a budget document ended.
struct BudgetWriteResult {
    enum class Status {
        Written,
        NothingToWrite,
        Refused, // a section cannot be priced: reason names the field
        Failed,
    };
    Status status = Status::Failed;
    QString path;
    QString reason; // Failed: the system's or the writer's own words

    bool ok() const { return status == Status::Written; }
    // What to tell the user, in the document's language.
    QString message(base::Language language) const;
};

// Whether the document may be written now: Written (with the path) when it
// may, Refused when a section cannot be priced, NothingToWrite when nothing
// is entered yet.
BudgetWriteResult mayWrite(const BudgetReport &document, const QString &path);

// Writes bytes to path through a temporary file that replaces it only once
// every byte is written, so a failure leaves an earlier file as it was.
BudgetWriteResult saveWhole(const QString &path, const QByteArray &bytes);

} // namespace torvane::report
