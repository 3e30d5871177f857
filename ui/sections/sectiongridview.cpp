#include "ui/sections/sectiongridview.h"

#include "ui/common/flatfield.h"
#include "ui/sections/optionbox.h"
#include "ui/sections/quantityedit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>

namespace torvane::ui::sections {

using namespace Qt::StringLiterals;
using namespace model;

namespace {
const QString kInvalidStyle = u"QLineEdit { background: #ffe1e1; border: 1px solid #c62828; }"_s;
// A box its row waits for: an amber dashed frame, never the red of a refused quantity.
const QString kWaitingStyle = u"QComboBox { background: #fff8e6; border: 2px dashed #d08a00; border-radius: 3px; padding-left: 3px; }"_s;
const QString kStaleStyle = u"QLineEdit { background: #f4f4f4; border: 1px dashed #b0892c; color: #8a8a8a; font-style: italic; }"_s;
} // namespace

SectionGridView::SectionGridView(const SectionGrid &grid, const QVector<QWidget *> &tabContents, QObject *parent)
    : QObject(parent)
    , m_grid(grid)
{
    auto *digits = new QRegularExpressionValidator(QRegularExpression(u"[0-9]*"_s), this);
    m_widgets.resize(grid.cells().size());
    for (int i = 0; i < grid.cells().size(); ++i)
        create(i, tabContents[grid.cell(i).tab - 1], digits);
}

void SectionGridView::create(int index, QWidget *parent, QValidator *digits)
{
    const GridCell &cell = m_grid.cell(index);
    QWidget *widget = nullptr;
    switch (cell.spec->role) {
    case ColumnRole::Choice: {
        // Not editable: the priced position always matches the shown text.
        auto *box = new OptionBox(parent);
        box->setEditable(false);
        box->setFocusPolicy(Qt::StrongFocus);
        box->setCurrentIndex(-1);
        connect(box, &QComboBox::currentIndexChanged, this, [this, index] { emit entryEdited(index); });
        // A narrow box may cut its choice; the tooltip shows it whole.
        connect(box, &QComboBox::currentTextChanged, box, &QWidget::setToolTip);
        widget = box;
        break;
    }
    case ColumnRole::Quantity: {
        auto *field = new QuantityEdit(parent);
        connect(field, &QLineEdit::textChanged, this, [this, index] { emit entryEdited(index); });
        widget = field;
        break;
    }
    case ColumnRole::Sum: {
        auto *field = new QLineEdit(parent);
        field->setValidator(digits);
        field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        connect(field, &QLineEdit::textChanged, this, &SectionGridView::otherEdited);
        m_sums.append(field);
        widget = field;
        break;
    }
    case ColumnRole::Name: {
        // Fields the user cannot type into look like text on a tinted ground.
        widget = new common::FlatField(QColor(0xee, 0xf2, 0xf6), QColor(0xd3, 0xdb, 0xe3), QColor(0x1b, 0x2b, 0x3a), parent);
        break;
    }
    }
    widget->setObjectName(cell.name);
    m_widgets[index] = widget;
}

QComboBox *SectionGridView::comboBox(int cell) const
{
    return qobject_cast<QComboBox *>(widget(cell));
}

QLineEdit *SectionGridView::edit(int cell) const
{
    return qobject_cast<QLineEdit *>(widget(cell));
}

bool SectionGridView::showEntries(const SectionEntries &entries, bool resetSums)
{
    bool changed = false;
    for (int i = 0; i < m_widgets.size(); ++i) {
        const GridCell &cell = m_grid.cell(i);
        const QSignalBlocker blocker(m_widgets[i]);
        if (cell.spec->role == ColumnRole::Choice) {
            auto *box = static_cast<QComboBox *>(m_widgets[i]);
            const int position = entries.position(i) < box->count() ? entries.position(i) : -1;
            changed |= box->currentIndex() != position;
            box->setCurrentIndex(position);
            box->setToolTip(box->currentText());
        } else if (cell.spec->role == ColumnRole::Quantity) {
            auto *field = static_cast<QLineEdit *>(m_widgets[i]);
            changed |= field->text() != entries.text(i);
            field->setText(entries.text(i));
        } else if (cell.spec->role == ColumnRole::Sum && resetSums) {
            // Sums start from "0" too; the pass that follows writes them.
            auto *field = static_cast<QLineEdit *>(m_widgets[i]);
            changed |= field->text() != u"0"_s;
            field->setText(u"0"_s);
        }
    }
    return changed;
}

void SectionGridView::showFigures(const SectionFigures &figures)
{
    for (const RowFigure &row : figures.rows) {
        if (QLineEdit *field = edit(m_grid.indexOf(row.cell.tab, row.cell.row, row.cell.column))) {
            const QSignalBlocker blocker(field);
            field->setText(row.text);
        }
    }
}

void SectionGridView::markFigures(bool stale, const QString &why)
{
    for (QLineEdit *field : std::as_const(m_sums)) {
        if (m_invalid.contains(field))
            continue;
        field->setStyleSheet(stale ? kStaleStyle : QString());
        field->setToolTip(stale ? why : QString());
    }
}

void SectionGridView::markInvalid(const QVector<CellRef> &cells, const QString &why)
{
    clearInvalid();
    for (const CellRef &ref : cells) {
        if (QLineEdit *field = edit(m_grid.indexOf(ref.tab, ref.row, ref.column))) {
            field->setStyleSheet(kInvalidStyle);
            field->setToolTip(why);
            m_invalid.append(field);
        }
    }
}

void SectionGridView::markWaiting(const QHash<int, QString> &hints)
{
    for (auto it = m_waiting.cbegin(); it != m_waiting.cend(); ++it) {
        if (hints.contains(it.key()))
            continue;
        if (QComboBox *box = comboBox(it.key())) {
            box->setStyleSheet(QString());
            box->setToolTip(box->currentText());
            box->setAccessibleDescription(QString());
        }
    }
    for (auto it = hints.cbegin(); it != hints.cend(); ++it) {
        if (QComboBox *box = comboBox(it.key())) {
            if (!m_waiting.contains(it.key()))
                box->setStyleSheet(kWaitingStyle);
            box->setToolTip(it.value());
            box->setAccessibleDescription(it.value());
        }
    }
    m_waiting = hints;
}

void SectionGridView::clearInvalid()
{
    for (QLineEdit *field : std::as_const(m_invalid)) {
        field->setStyleSheet(QString());
        field->setToolTip(QString());
    }
    m_invalid.clear();
}

} // namespace torvane::ui::sections
