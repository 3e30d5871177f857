#include "ui/budget/followupproxy.h"

#include "model/followupmodel.h"

#include "base/language.h"

namespace torvane::ui::budget {

using Model = model::FollowUpModel;
using Kind = model::FollowUpModel::RowKind;

namespace {

Kind kindOf(const QAbstractItemModel *model, int row)
{
    return Kind(model->index(row, 0).data(Model::KindRole).toInt());
}

} // namespace

FollowUpProxy::FollowUpProxy(QObject *parent)
    : QSortFilterProxyModel(parent)
{
    setSortRole(Model::SortRole);
    setDynamicSortFilter(true);
    setLanguage(base::Language::English);
}

QString FollowUpProxy::headerLines(const QString &header)
{
    const qsizetype unit = header.lastIndexOf(u", ");
    return unit < 0 ? header : header.left(unit + 1) + u'\n' + header.mid(unit + 2);
}

QVariant FollowUpProxy::headerData(int section, Qt::Orientation orientation, int role) const
{
    const QVariant header = QSortFilterProxyModel::headerData(section, orientation, role);
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return headerLines(header.toString());
    return header;
}

void FollowUpProxy::setLanguage(base::Language language)
{
    m_collator = QCollator(base::localeOf(language));
    if (sortColumn() >= 0)
        invalidate();
}

void FollowUpProxy::filtersChanged()
{
    // Subtotals depend on their lines, so every row is weighed again.
    invalidateFilter();
}

void FollowUpProxy::setSection(int section)
{
    if (section == m_section)
        return;
    m_section = section;
    filtersChanged();
}

void FollowUpProxy::setOverEstimateOnly(bool on)
{
    if (on == m_overEstimate)
        return;
    m_overEstimate = on;
    filtersChanged();
}

void FollowUpProxy::setNotFullyPaidOnly(bool on)
{
    if (on == m_notFullyPaid)
        return;
    m_notFullyPaid = on;
    filtersChanged();
}

void FollowUpProxy::setSearch(const QString &text)
{
    const QString search = text.trimmed();
    if (search == m_search)
        return;
    m_search = search;
    filtersChanged();
}

void FollowUpProxy::widen()
{
    m_overEstimate = m_notFullyPaid = false;
    m_search.clear();
    filtersChanged();
}

bool FollowUpProxy::lineShown(int sourceRow) const
{
    const QAbstractItemModel *source = sourceModel();
    const QModelIndex first = source->index(sourceRow, 0);
    if (m_section != kAllSections && first.data(Model::SectionRole).toInt() != m_section)
        return false;
    if (m_overEstimate && !first.data(Model::OverEstimateRole).toBool())
        return false;
    if (m_notFullyPaid && !first.data(Model::NotFullyPaidRole).toBool())
        return false;
    if (m_search.isEmpty())
        return true;
    for (const int column : {Model::ItemColumn, Model::ChoicesColumn, Model::SupplierColumn, Model::NoteColumn})
        if (source->index(sourceRow, column).data(Qt::EditRole).toString().contains(m_search, Qt::CaseInsensitive))
            return true;
    return false;
}

bool FollowUpProxy::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    const QAbstractItemModel *source = sourceModel();
    switch (kindOf(source, sourceRow)) {
    case Kind::Line: return lineShown(sourceRow);
    case Kind::Total: return true;
    case Kind::Subtotal:
        // Its section's lines stand right above it in the source.
        for (int row = sourceRow - 1; row >= 0 && kindOf(source, row) == Kind::Line; --row)
            if (lineShown(row))
                return true;
        return false;
    }
    return false;
}

bool FollowUpProxy::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    // A descending sort asks lessThan(right, left); what must not turn with
    // the order (the sections' order, the subtotal under its lines, ties in
    // the budget's order) is answered so that it comes out the same.
    const bool ascending = sortOrder() == Qt::AscendingOrder;
    const auto fixed = [ascending](bool leftFirst) { return ascending ? leftFirst : !leftFirst; };
    const int leftGroup = left.data(Model::GroupRole).toInt();
    const int rightGroup = right.data(Model::GroupRole).toInt();
    if (leftGroup != rightGroup)
        return fixed(leftGroup < rightGroup);
    const Kind leftKind = Kind(left.data(Model::KindRole).toInt());
    const Kind rightKind = Kind(right.data(Model::KindRole).toInt());
    if (leftKind != rightKind)
        return fixed(leftKind == Kind::Line);
    const QVariant a = left.data(sortRole());
    const QVariant b = right.data(sortRole());
    int order = 0;
    if (a.typeId() == QMetaType::QString && b.typeId() == QMetaType::QString) {
        order = m_collator.compare(a.toString(), b.toString());
    } else {
        const QPartialOrdering compared = QVariant::compare(a, b);
        order = compared == QPartialOrdering::Less ? -1 : compared == QPartialOrdering::Greater ? 1 : 0;
    }
    if (order != 0)
        return order < 0;
    return fixed(left.row() < right.row());
}

} // namespace torvane::ui::budget
