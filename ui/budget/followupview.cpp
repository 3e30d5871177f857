#include "ui/budget/followupview.h"

#include "model/followupmodel.h"
#include "ui/budget/followupproxy.h"

#include <QFontMetrics>
#include <QHeaderView>

#include <algorithm>

namespace torvane::ui::budget {

using namespace Qt::StringLiterals;
using Model = model::FollowUpModel;

namespace {

// The widest line of a header.
int headerWidth(const QFontMetrics &metrics, const QString &header)
{
    int widest = 0;
    for (const QString &line : FollowUpProxy::headerLines(header).split(u'\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

} // namespace

FollowUpView::FollowUpView(QWidget *parent)
    : QTableView(parent)
{
    setObjectName(u"FollowUpTable"_s);
    // The budget's own order until a header is clicked.
    horizontalHeader()->setSortIndicatorClearable(true);
    horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    setSortingEnabled(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    verticalHeader()->hide();
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed
                    | QAbstractItemView::SelectedClicked);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setAlternatingRowColors(false);
    setTabKeyNavigation(true);
    horizontalHeader()->setSectionsMovable(true);
}

void FollowUpView::setModel(QAbstractItemModel *model)
{
    QTableView::setModel(model);
    // The figures right after the item, so they stay in sight on a small
    // screen; the long text of the choices after them.
    QHeaderView *header = horizontalHeader();
    header->moveSection(header->visualIndex(Model::ChoicesColumn), header->visualIndex(Model::ToPayColumn));
}

int FollowUpView::widestFor(int column) const
{
    // Where a long text stops widening its column, so the amounts stay in
    // sight; the cell's tooltip (or its editor) shows the rest.
    const int room = std::max(viewport()->width(), 600);
    switch (column) {
    case Model::SectionColumn: return room * 20 / 100;
    case Model::ItemColumn: return room * 22 / 100;
    case Model::ChoicesColumn: return room * 22 / 100;
    case Model::SupplierColumn: return 220;
    case Model::NoteColumn: return 280;
    default: return 400;
    }
}

int FollowUpView::contentWidth(int column) const
{
    const QAbstractItemModel *data = model();
    if (!data)
        return 0;
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics plain(font());
    const QFontMetrics strong(bold);
    int widest = 0;
    for (int row = 0; row < data->rowCount(); ++row) {
        const QModelIndex index = data->index(row, column);
        const QString text = index.data(Qt::DisplayRole).toString();
        if (text.isEmpty())
            continue;
        // Subtotals, the total and a variance over the estimate are bold.
        const bool isBold = index.data(Model::KindRole).toInt() != int(Model::RowKind::Line)
            || (column == Model::VarianceColumn && index.data(Model::OverEstimateRole).toBool());
        widest = std::max(widest, (isBold ? strong : plain).horizontalAdvance(text));
        if (widest >= widestFor(column))
            break;
    }
    return std::min(widest + 2 * plain.averageCharWidth() + 4, widestFor(column));
}

void FollowUpView::fitColumns(const QList<QStringList> &headersByLanguage, const QStringList &sectionNames)
{
    // The headers are bold (the window's style sheet).
    QFont headerFont = horizontalHeader()->font();
    headerFont.setBold(true);
    const QFontMetrics header(headerFont);
    const QFontMetrics cells(font());
    m_least.clear();
    for (int column = 0; column < Model::ColumnCount; ++column) {
        int least = 0;
        for (const QStringList &headers : headersByLanguage)
            least = std::max(least, headerWidth(header, headers.value(column)));
        // Room for the sort arrow and the header's own margins.
        least += 3 * header.averageCharWidth() + 16;
        switch (column) {
        case Model::SectionColumn:
            for (const QString &name : sectionNames)
                least = std::max(least, std::min(cells.horizontalAdvance(name) + 16, widestFor(column)));
            break;
        case Model::EstimateColumn:
        case Model::ActualColumn:
        case Model::VarianceColumn:
        case Model::PaidColumn:
        case Model::ToPayColumn:
            // Ten million tenge with its tiyn without a cut.
            least = std::max(least, cells.horizontalAdvance(u"-99 999 999,99"_s) + 16);
            break;
        case Model::DueColumn: least = std::max(least, cells.horizontalAdvance(u"31.12.2017"_s) + 16); break;
        case Model::ItemColumn:
        case Model::ChoicesColumn: least = std::max(least, 14 * cells.averageCharWidth()); break;
        default: least = std::max(least, 10 * cells.averageCharWidth()); break;
        }
        m_least << least;
    }
    for (int column = 0; column < Model::ColumnCount; ++column)
        setColumnWidth(column, std::max(m_least[column], contentWidth(column)));
}

void FollowUpView::growToContents()
{
    if (m_least.size() != Model::ColumnCount)
        return;
    // What an edit can change: the figures and the follow-up's own texts.
    for (const int column : {Model::ItemColumn, Model::EstimateColumn, Model::ActualColumn, Model::VarianceColumn, Model::PaidColumn,
                             Model::ToPayColumn, Model::SupplierColumn, Model::DueColumn, Model::NoteColumn}) {
        const int wanted = std::max(m_least[column], contentWidth(column));
        if (wanted > columnWidth(column))
            setColumnWidth(column, wanted);
    }
}

} // namespace torvane::ui::budget
