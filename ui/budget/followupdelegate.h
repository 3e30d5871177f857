#pragma once

#include <QHash>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QStyledItemDelegate>

namespace torvane::model {
class Budget;
class FollowUpModel;
}

namespace torvane::ui::budget {

// How the follow-up table edits and draws its cells: amounts in a line
// edit, read and checked by the model when the edit ends; the due date in
// a date field with a calendar and a clear button; the note over several
// lines; an own line's section from a list. A variance over the estimate
// is red, a row emptied in its section and an estimate that waits are
// marked, subtotals and the total are bold on a tinted band, and a cell
// whose text was refused is marked until it takes a good one.
class FollowUpDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    FollowUpDelegate(model::Budget &budget, const model::FollowUpModel &model, QObject *parent = nullptr);

    // A cell of the table model whose typed text was refused, and why.
    void mark(const QModelIndex &sourceIndex, const QString &why);
    bool isMarked(const QModelIndex &sourceIndex) const;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    QWidget *makeEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const;
    QModelIndex sourceOf(const QModelIndex &index) const;
    void finish(QWidget *editor);

    // The budget ends before the window at the program's end, when an
    // editor still open would hand its text to it: then nothing is handed.
    QPointer<model::Budget> m_budget;
    const model::FollowUpModel &m_model;
    // Marked cells of the table model, with the reason; a mark lasts until
    // the cell takes a good text or the table is laid out anew.
    mutable QHash<QPersistentModelIndex, QString> m_marks;
};

} // namespace torvane::ui::budget
