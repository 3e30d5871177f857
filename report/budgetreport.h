#pragma once

#include "base/language.h"
#include "model/reportplan.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>
#include <optional>

namespace torvane::report {

// The whole pavilion budget as the budget outputs read it: plain data, filled
// by whoever holds the figures.

struct BudgetRowData {  // one priced row of a section
    QString tab;        // tab title
    QString item;       // what the row is (model::rowItem)
    QString choices;    // its choices and quantities, each named by its column, zero quantities left out
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
    QString totalText;           // the section total as the section shows it
    QVector<BudgetTabData> tabs; // only tabs with a non-zero subtotal
    model::ReportPlan plan;             // the section's own report layout, for its sheet
    std::shared_ptr<const model::ReportSource> source;
};

// Amounts of a line of the follow-up, or of a group of lines, in tiyn; none
// where nothing is known yet (or a sum is too large to hold: the row's texts
// then say so).
struct FollowUpFigures {
    std::optional<qint64> estimate;
    std::optional<qint64> actual;
    std::optional<qint64> variance; // actual - estimate
    std::optional<qint64> paid;
    std::optional<qint64> toPay;    // actual - paid
};

// One row of the follow-up table, as the table shows it: a line, a
// section's subtotal, or the budget's total.
struct FollowUpRowData {
    enum class Kind { Line, Subtotal, Total };
    Kind kind = Kind::Line;
    QStringList texts; // each column as the table shows it (model::FollowUpModel's columns)
    FollowUpFigures figures;
    QDate due;         // Line: when it is due; invalid: not set
    QString note;      // Line: the whole note, with its line breaks
    bool overEstimate = false;
};

// The follow-up table as the outputs write it: the table's headers, then
// its rows (lines, section subtotals, the total last).
struct FollowUpTable {
    QStringList headers;
    QVector<FollowUpRowData> rows;
};

// One line of the summary: a section, or the other costs (the user's own
// lines that belong to no section), with what arrived since the estimate.
struct BudgetSummaryRow {
    QString caption;
    bool empty = true;       // nothing entered and no line of its own
    qint64 estimateTiyn = 0; // its catalogue rows as the section totals them, and its own lines
    int shareTenths = 0;     // of the estimate, in tenths of a percent; shares add up to 1000
    FollowUpFigures figures; // of its lines: actual, paid, variance
};

struct BudgetReport {
    QString title;
    QDateTime date;
    base::Language language = base::Language::English;
    QVector<BudgetSectionData> sections; // in the main menu's tile order
    QVector<BudgetSummaryRow> summary;   // the sections in the same order, then the other costs when there are any
    qint64 estimateTiyn = 0;             // every section and every own line
    int contingencyTenths = 0; // 0..500: 0 to 50.0 %
    qint64 contingency = 0;    // whole tenge
    qint64 grandTotalTiyn = 0; // estimate and contingency
    QString currencyCode;          // e.g. "EUR"
    qint64 currencyHundredths = -1; // grand total in that currency; -1: no currency line
    QString currencyRateText;       // tenge per unit, as the user typed it
    FollowUpTable followUp; // the budget line by line, as the follow-up table has it
    // Why the budget must not be written now (a section that cannot be
    // priced leaves its figures out): nothing is written while it is set.
    QString refusal;

    bool hasCurrencyLine() const { return currencyCode.size() > 0 && currencyHundredths >= 0; }
    // Whether any line has an actual amount or a payment; an actual amount.
    bool hasFollowUpFigures() const;
    bool hasActualAmounts() const;
    bool hasFollowUpLines() const;
    bool nothingToWrite() const;
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
