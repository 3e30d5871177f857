#include "ui/budget/followupdelegate.h"

#include "model/budget.h"
#include "model/followup.h"
#include "model/followupbook.h"
#include "model/followupmodel.h"
#include "ui/budget/budgetlook.h"
#include "ui/budget/duedateedit.h"
#include "ui/budget/noteedit.h"
#include "ui/common/ownundoblocker.h"

#include <QAbstractItemView>
#include <QAbstractProxyModel>
#include <QComboBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPainter>
#include <QToolTip>

namespace torvane::ui::budget {

using namespace Qt::StringLiterals;
using Model = model::FollowUpModel;
using Kind = model::FollowUpModel::RowKind;

FollowUpDelegate::FollowUpDelegate(model::Budget &budget, const model::FollowUpModel &model, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_budget(&budget)
    , m_model(model)
{
    // A new layout of the table leaves no cell to mark.
    connect(&model, &QAbstractItemModel::modelReset, this, [this] { m_marks.clear(); });
}

QModelIndex FollowUpDelegate::sourceOf(const QModelIndex &index) const
{
    if (const auto *proxy = qobject_cast<const QAbstractProxyModel *>(index.model()))
        return proxy->mapToSource(index);
    return index;
}

void FollowUpDelegate::mark(const QModelIndex &sourceIndex, const QString &why)
{
    m_marks.insert(QPersistentModelIndex(sourceIndex), why);
}

bool FollowUpDelegate::isMarked(const QModelIndex &sourceIndex) const
{
    return m_marks.contains(QPersistentModelIndex(sourceIndex));
}

void FollowUpDelegate::finish(QWidget *editor)
{
    emit commitData(editor);
    emit closeEditor(editor, QAbstractItemDelegate::NoHint);
}

QWidget *FollowUpDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    // Ctrl+Z in an open cell is the budget's undo, as in every other field.
    QWidget *editor = makeEditor(parent, option, index);
    if (editor)
        common::OwnUndoBlocker::installOn(editor);
    return editor;
}

QWidget *FollowUpDelegate::makeEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const base::Language language = m_model.language();
    switch (index.column()) {
    case Model::DueColumn: {
        auto *editor = new DueDateEdit(language, parent);
        editor->setObjectName(u"DueEditor"_s);
        connect(editor, &DueDateEdit::clearedByUser, this, [this, editor] { const_cast<FollowUpDelegate *>(this)->finish(editor); });
        return editor;
    }
    case Model::NoteColumn: {
        auto *editor = new NoteEdit(language, parent);
        connect(editor, &NoteEdit::done, this, [this, editor] { const_cast<FollowUpDelegate *>(this)->finish(editor); });
        return editor;
    }
    case Model::SectionColumn: {
        auto *editor = new QComboBox(parent);
        editor->setObjectName(u"SectionEditor"_s);
        for (const int section : model::sectionsInMenuOrder(*m_budget))
            editor->addItem(m_model.sectionName(section), section);
        editor->addItem(m_model.sectionName(-1), -1);
        return editor;
    }
    case Model::ActualColumn:
    case Model::PaidColumn:
    case Model::EstimateColumn: {
        auto *editor = new QLineEdit(parent);
        editor->setObjectName(u"AmountEditor"_s);
        editor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // Room for any amount a user can mean, and a little more so that
        // a text too long is told rather than cut.
        editor->setMaxLength(40);
        return editor;
    }
    case Model::ItemColumn:
    case Model::SupplierColumn: {
        auto *editor = new QLineEdit(parent);
        editor->setObjectName(index.column() == Model::ItemColumn ? u"ItemEditor"_s : u"SupplierEditor"_s);
        editor->setMaxLength(index.column() == Model::ItemColumn ? model::kMaxItemLength : model::kMaxSupplierLength);
        return editor;
    }
    default: return QStyledItemDelegate::createEditor(parent, option, index);
    }
}

void FollowUpDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const QVariant value = index.data(Qt::EditRole);
    if (auto *due = qobject_cast<DueDateEdit *>(editor)) {
        // An empty date starts the calendar on today.
        due->setDue(value.toDate().isValid() ? value.toDate() : QDate::currentDate());
    } else if (auto *note = qobject_cast<NoteEdit *>(editor)) {
        note->setPlainText(value.toString());
        note->moveCursor(QTextCursor::End);
    } else if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        combo->setCurrentIndex(std::max(0, combo->findData(value.toInt())));
    } else if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        line->setText(value.toString());
        line->selectAll();
    } else {
        QStyledItemDelegate::setEditorData(editor, index);
    }
}

void FollowUpDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (!m_budget)
        return;
    QVariant value;
    if (auto *due = qobject_cast<DueDateEdit *>(editor))
        value = QVariant::fromValue(due->due());
    else if (auto *note = qobject_cast<NoteEdit *>(editor))
        value = note->toPlainText();
    else if (auto *combo = qobject_cast<QComboBox *>(editor))
        value = combo->currentData();
    else if (auto *line = qobject_cast<QLineEdit *>(editor))
        value = line->text();
    else
        return QStyledItemDelegate::setModelData(editor, model, index);
    // Nothing changed, nothing to tell: an unchanged cell stays as it is.
    const QPersistentModelIndex source(sourceOf(index));
    const QVariant before = index.data(Qt::EditRole);
    if (value == before || (value.typeId() == QMetaType::QDate && before.toDate() == value.toDate())) {
        m_marks.remove(source); // back to the good text it holds
        return;
    }
    if (model->setData(index, value, Qt::EditRole))
        m_marks.remove(source);
}

void FollowUpDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (qobject_cast<NoteEdit *>(editor)) {
        // Several lines of the note, within the table's visible part.
        const QWidget *viewport = editor->parentWidget();
        QRect area(option.rect.topLeft(), QSize(std::max(option.rect.width(), 320), std::max(option.rect.height() * 5, 120)));
        if (viewport) {
            if (area.right() > viewport->width())
                area.moveRight(viewport->width() - 1);
            if (area.bottom() > viewport->height())
                area.moveBottom(viewport->height() - 1);
            area.moveLeft(std::max(area.left(), 0));
            area.moveTop(std::max(area.top(), 0));
        }
        editor->setGeometry(area);
        return;
    }
    QRect area = option.rect;
    // A date field needs room for its calendar button and its clear button.
    if (qobject_cast<DueDateEdit *>(editor))
        area.setWidth(std::max(area.width(), editor->sizeHint().width()));
    editor->setGeometry(area);
    (void)index;
}

void FollowUpDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const auto kind = Kind(index.data(Model::KindRole).toInt());
    const int column = index.column();
    const auto textColour = [option](const QColor &colour) {
        option->palette.setColor(QPalette::Text, colour);
        option->palette.setColor(QPalette::HighlightedText, colour);
    };
    if (kind != Kind::Line) {
        option->font.setBold(true);
        option->backgroundBrush = kind == Kind::Total ? look::kTealBand : look::kTealGround;
        textColour(look::kNavy);
    } else if (index.data(Model::ClearedRole).toBool()) {
        option->font.setItalic(true);
        option->backgroundBrush = look::kWaitGround;
        textColour(look::kWaitText);
    }
    if (column == Model::EstimateColumn && index.data(Model::WaitsRole).toBool()) {
        option->font.setItalic(true);
        option->backgroundBrush = look::kWaitGround;
        textColour(look::kWaitText);
    }
    if (column == Model::VarianceColumn && index.data(Model::OverEstimateRole).toBool()) {
        option->font.setBold(true);
        textColour(look::kOver);
    }
    if (isMarked(sourceOf(index)))
        option->backgroundBrush = look::kRefusedGround;
}

void FollowUpDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    const auto kind = Kind(index.data(Model::KindRole).toInt());
    if (kind == Kind::Total) {
        painter->save();
        painter->setPen(QPen(look::kTeal, 2));
        painter->drawLine(option.rect.topLeft() + QPoint(0, 1), option.rect.topRight() + QPoint(0, 1));
        painter->restore();
    }
    if (isMarked(sourceOf(index))) {
        painter->save();
        painter->setPen(QPen(look::kOver, 2));
        painter->drawRect(option.rect.adjusted(1, 1, -1, -1));
        painter->restore();
    }
}

bool FollowUpDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                                 const QModelIndex &index)
{
    if (event->type() == QEvent::ToolTip) {
        if (const auto found = m_marks.constFind(QPersistentModelIndex(sourceOf(index))); found != m_marks.constEnd()) {
            QToolTip::showText(event->globalPos(), found.value(), view);
            return true;
        }
    }
    return QStyledItemDelegate::helpEvent(event, view, option, index);
}

} // namespace torvane::ui::budget
