#pragma once

#include "base/language.h"
#include "model/followupbook.h"

#include <QAbstractTableModel>

#include <functional>

namespace torvane::model {

// The budget line by line as a table, for following it from estimate to
// invoice: each section's lines, then its subtotal row; the other costs;
// the budget's total row last. Figures are computed from the budget on
// every change, never kept apart from it. Edits are read and checked here,
// then handed to the apply function (the budget itself unless told
// otherwise), so that a history of edits can stand in between.
class FollowUpModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column {
        SectionColumn,
        ItemColumn,
        ChoicesColumn,
        EstimateColumn,
        ActualColumn,
        VarianceColumn,
        PaidColumn,
        ToPayColumn,
        SupplierColumn,
        DueColumn,
        NoteColumn,
        ColumnCount
    };
    enum class RowKind { Line, Subtotal, Total };
    enum Role {
        KindRole = Qt::UserRole + 1, // RowKind as int
        GroupRole,                   // order of the row's group (section), the total last
        SortRole,                    // the value a column sorts by: amounts in tiyn, dates, texts
        OverEstimateRole,            // bool: the actual passes the estimate
        WaitsRole,                   // bool: the estimate waits for a section to be corrected
        ClearedRole,                 // bool: a catalogue row emptied since, kept for its follow-up
        NotFullyPaidRole,            // bool: an actual is known and not all of it is paid
        SectionRole,                 // the budget section of the row; -1: other costs, -2: the total
        OwnLineRole,                 // the own line's index; -1 for other rows
    };

    // One edit, checked, ready to apply: the new follow-up of a catalogue
    // row, or the new state of an own line.
    struct Change {
        FollowUpLine::Kind kind = FollowUpLine::Kind::Row;
        int section = -1;
        int tab = 0;
        int row = 0;
        FollowUp followUp; // Row
        int ownIndex = -1; // Own
        OwnLine ownLine;   // Own
        Column column = SectionColumn;
    };
    using Apply = std::function<void(const Change &change)>;

    explicit FollowUpModel(Budget &budget, QObject *parent = nullptr);
    // The same table for reading only, in a language: what the outputs
    // write. Nothing in it can be edited.
    FollowUpModel(const Budget &budget, base::Language language, QObject *parent = nullptr);

    // Texts, amounts and dates as a reader of the language expects them;
    // typed amounts are read in it too.
    void setLanguage(base::Language language);
    base::Language language() const { return m_language; }
    void setApply(Apply apply);

    const FollowUpBook &book() const { return m_book; }
    RowKind kindOf(int row) const;
    // The line a row shows; null for a subtotal or the total.
    const FollowUpLine *lineAt(int row) const;
    // The table row of the budget's own line; -1 when it has none.
    int rowOfOwnLine(int ownIndex) const;
    int rowOfCatalogueRow(int section, int tab, int row) const;

    // The name of a section in the table; "Other costs" for -1.
    QString sectionName(int section) const;
    // A column's header in a language.
    // What the lines of no section are called.
    static QString otherCostsName(base::Language language);
    static QString columnTitle(int column, base::Language language);
    // The same without its unit, to name the column in a sentence ("Actual").
    static QString columnName(int column, base::Language language);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // Reads the budget again (done on every change it signals).
    void refresh();

signals:
    // What was typed cannot be taken; the cell keeps its last good value.
    void refused(const QModelIndex &index, const QString &typed, const QString &why);

private:
    struct Row {
        RowKind kind = RowKind::Line;
        int line = -1;  // into m_book.lines
        int group = -1; // into m_book.groups; -1 for the total
    };
    // Rows of the table in order, from the book.
    void layOut();
    QVariant display(const Row &row, int column) const;
    QVariant sortValue(const Row &row, int column) const;
    const FollowUpTotals &totalsOf(const Row &row) const;
    const FollowUp &followUpOf(const FollowUpLine &line) const;
    QString amountText(const std::optional<qint64> &tiyn) const;
    QString totalText(qint64 tiyn, bool known, const FollowUpTotals &totals) const;
    bool refuse(const QModelIndex &index, const QString &typed, const QString &why);

    const Budget &m_budget;
    base::Language m_language = base::Language::English;
    Apply m_apply;
    FollowUpBook m_book;
    std::vector<Row> m_rows;
};

} // namespace torvane::model
