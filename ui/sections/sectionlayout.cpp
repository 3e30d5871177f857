// Where every control of a section screen stands, from the start screen's size.
// The fixed rules give every position; a text that needs more room than they
// leave wraps, and what stands below it moves down by the difference.

#include "ui/sections/sectionscreen.h"

#include "ui/sections/sectiongridview.h"
#include "ui/common/picture.h"
#include "ui/sections/tabbutton.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>

#include <algorithm>

namespace torvane::ui::sections {

using namespace model;

namespace {

constexpr qreal kSmallestHeaderPointSize = 6.5;
constexpr int kGap = 2; // between a header and what stands under it

QFont baseHeaderFont(const QLabel *label)
{
    QFont font = QApplication::font(label);
    font.setBold(true);
    return font;
}

int widestWord(const QFontMetrics &metrics, const QString &text)
{
    int widest = 0;
    for (const QString &word : text.split(u' ', Qt::SkipEmptyParts))
        widest = std::max(widest, metrics.horizontalAdvance(word));
    return widest;
}

// The point size at which a column header's words each fit its column: the
// standard one, or a little smaller for a word wider than the column.
qreal headerPointSize(const QLabel *label, int room)
{
    QFont font = baseHeaderFont(label);
    if (QFontMetrics(font).horizontalAdvance(label->text()) <= room)
        return font.pointSizeF();
    qreal size = font.pointSizeF();
    for (; size > kSmallestHeaderPointSize; size -= 0.5) {
        font.setPointSizeF(size);
        if (widestWord(QFontMetrics(font), label->text()) <= room)
            break;
    }
    return std::max(size, kSmallestHeaderPointSize);
}

// A column header within its column at that size: whole, wrapped at word
// boundaries when one line is not enough.
void fitColumnHeader(QLabel *label, int room, qreal pointSize)
{
    QFont font = baseHeaderFont(label);
    font.setPointSizeF(pointSize);
    label->setFont(font);
    const bool oneLine = label->fontMetrics().horizontalAdvance(label->text()) <= room;
    label->setWordWrap(!oneLine);
    label->setToolTip(oneLine ? QString() : label->text());
    if (oneLine) {
        label->adjustSize();
    } else {
        const int width = std::max(room, widestWord(label->fontMetrics(), label->text()));
        label->resize(width, label->heightForWidth(width));
    }
}

// The narrowest column a header of the group gets at content width Wt.
int narrowestColumn(const GroupSpec &group, int Wt)
{
    const GroupLayout &layout = group.layout;
    const int n = group.columnCount();
    const int headerMargin = layout.headerMargin ? layout.headerMargin : (layout.cellMargin ? layout.cellMargin : 65 + 10 * n);
    const int h = (Wt - headerMargin) / n;
    int narrowest = INT_MAX;
    for (int k = 1; k <= int(group.columnHeaders.size()); ++k)
        narrowest = std::min(narrowest, layout.place ? layout.place(Wt, k).width : h);
    return narrowest;
}

} // namespace

void SectionScreen::placeControls()
{
    ww = W() - Background2->width();
    layoutFrame();
    const int T = m_catalogue.tabCount();
    // The tab buttons stand in rows across the content area's width, just
    // above it; a row beyond the first moves the area down by its height.
    const QRect area = contentRect();

    QVector<int> rows(m_catalogue.buttonRows.begin(), m_catalogue.buttonRows.end());
    if (rows.isEmpty())
        rows.append(T);
    const int firstTop = 80 - 30 * (int(rows.size()) - 1);
    // A caption word wider than its button even in the smallest font: the
    // rows split until every word fits, and stand one below the other.
    const auto wordsFit = [&](const QVector<int> &counts) {
        for (int i = 0, t = 0; i < counts.size(); ++i)
            for (int k = 0; k < counts[i] && t < T; ++k, ++t)
                if (auto *button = qobject_cast<TabButton *>(Button[t]); button && !button->wordsFit(area.width() / counts[i]))
                    return false;
        return true;
    };
    while (!wordsFit(rows) && *std::max_element(rows.begin(), rows.end()) > 1) {
        QVector<int> split;
        for (int count : std::as_const(rows))
            split << (count + 1) / 2 << count / 2;
        split.removeAll(0);
        rows = split;
    }
    // One height for every row of buttons: the standard one unless a caption
    // needs more even in two lines of a smaller font.
    int rowHeight = TabButton::kStandardHeight;
    for (int i = 0, t = 0; i < rows.size(); ++i) {
        const int width = area.width() / rows[i];
        for (int k = 0; k < rows[i] && t < T; ++k, ++t)
            if (auto *button = qobject_cast<TabButton *>(Button[t]))
                rowHeight = std::max(rowHeight, button->neededHeight(width));
    }
    int t = 0;
    for (int i = 0; i < rows.size(); ++i) {
        const int width = area.width() / rows[i];
        const int top = firstTop + rowHeight * i;
        for (int k = 0; k < rows[i] && t < T; ++k, ++t) {
            Button[t]->setGeometry(area.left() + width * k, top, width, rowHeight);
            if (auto *button = qobject_cast<TabButton *>(Button[t]))
                button->fitCaption();
        }
    }

    const int below = firstTop + rowHeight * int(rows.size()) - area.top(); // 0 by the rule
    const QRect boxes(area.left(), area.top() + below, area.width(), std::max(area.height() - below, 0));
    for (QScrollArea *box : std::as_const(ScrollBox))
        box->setGeometry(boxes);

    for (int tab = 1; tab <= T; ++tab) {
        const TabSpec &spec = m_catalogue.tabs[tab - 1];
        // Columns too narrow for a word of their header even in the smallest
        // font widen the content, which then scrolls sideways.
        int Wt = ScrollBox[tab - 1]->width();
        const auto widthFits = [&](int width) {
            for (const GroupSpec &group : spec.groups)
                for (const ColumnHeader &header : group.columnHeaders)
                    if (auto *label = qobject_cast<QLabel *>(control(ControlName::columnHeader(tab, header.label)))) {
                        QFont font = baseHeaderFont(label);
                        font.setPointSizeF(kSmallestHeaderPointSize);
                        if (widestWord(QFontMetrics(font), label->text()) > narrowestColumn(group, width))
                            return false;
                    }
            return true;
        };
        while (!widthFits(Wt) && Wt < 4000)
            Wt += 10;

        QVector<const GroupSpec *> groups;
        for (const GroupSpec &group : spec.groups)
            groups.append(&group);
        std::stable_sort(groups.begin(), groups.end(),
                         [](const GroupSpec *a, const GroupSpec *b) { return a->layout.headerTop < b->layout.headerTop; });
        int shift = 0;
        int bottom = 0;
        for (const GroupSpec *group : std::as_const(groups))
            bottom = placeGroup(tab, *group, Wt, shift, bottom);

        QLineEdit *subtotal = SumEdit[tab - 1];
        const int subtotalTop = std::max(spec.sumEditTop + shift, bottom + 5);
        subtotal->setGeometry((Wt / 4) * 3 - 50, subtotalTop, Wt / 4, 25);
        QWidget *content = ScrollBox[tab - 1]->widget();
        const int contentWidth = Wt > ScrollBox[tab - 1]->width() ? Wt : 0;
        content->setMinimumSize(contentWidth, content->childrenRect().bottom() + 20);
    }
    fitTotal();
}

int SectionScreen::placeGroup(int tab, const GroupSpec &group, int Wt, int &shift, int above)
{
    const GroupLayout &layout = group.layout;
    const int n = group.columnCount();
    const int cellMargin = layout.cellMargin ? layout.cellMargin : 65 + 10 * n;
    const int headerMargin = layout.headerMargin ? layout.headerMargin : cellMargin;
    const int w = (Wt - cellMargin) / n;
    const int h = (Wt - headerMargin) / n;
    const auto place = [&](int column, int width) -> CellPlace {
        if (layout.place)
            return layout.place(Wt, column);
        return {(width + 10) * column - width, width};
    };

    // Never over the rows of the group above.
    if (above > 0 && layout.headerTop + shift < above + 5)
        shift = above + 5 - layout.headerTop;
    int bottom = layout.headerTop + shift;
    if (auto *header = qobject_cast<QLabel *>(control(ControlName::groupHeader(tab, group.number)))) {
        // Within the part of the content a vertical scroll bar leaves visible.
        const int room = std::max(Wt - 20 - style()->pixelMetric(QStyle::PM_ScrollBarExtent), 40);
        header->setWordWrap(false);
        header->adjustSize();
        if (header->width() > room) {
            header->setWordWrap(true);
            header->resize(room, header->heightForWidth(room));
        }
        header->move(10, layout.headerTop + shift);
        if (!header->text().isEmpty())
            bottom = header->geometry().bottom() + 1;
    }

    QVector<QLabel *> labels;
    for (const ColumnHeader &columnHeader : group.columnHeaders)
        if (auto *label = qobject_cast<QLabel *>(control(ControlName::columnHeader(tab, columnHeader.label))))
            labels.append(label);
    // A header taller than the room above row 1 first rises towards the
    // group header (as it always did); only what is still missing moves the
    // rows, and everything below them, down.
    const int headerBottom = bottom;
    const int rowTop = 35 * group.firstRow + layout.rowBase + shift;
    int rowShift = std::max(0, headerBottom + kGap - rowTop);
    // The headers of a group share one size: the smallest any of them needs.
    qreal pointSize = 1000;
    for (int k = 1; k <= int(labels.size()); ++k)
        pointSize = std::min(pointSize, headerPointSize(labels[k - 1], std::max(place(k, h).width, 20)));
    for (int k = 1; k <= int(labels.size()); ++k) {
        QLabel *label = labels[k - 1];
        const CellPlace at = place(k, h);
        fitColumnHeader(label, std::max(at.width, 20), pointSize);
        const int columnTop = layout.columnHeaderTop + shift;
        const int rise = std::max(0, label->height() - (rowTop - columnTop - 1));
        const int top = std::max(columnTop - rise, headerBottom + kGap);
        label->move(at.left, top);
        if (!label->text().isEmpty())
            rowShift = std::max(rowShift, top + label->height() + 1 - rowTop);
    }
    shift += rowShift;

    const SectionGrid &grid = m_grid->grid();
    for (int r = group.firstRow; r <= group.lastRow; ++r) {
        for (int c = 1; c <= n; ++c) {
            if (QWidget *widget = m_grid->widget(grid.indexOf(tab, r, c))) {
                const CellPlace at = place(c, w);
                widget->setGeometry(at.left, 35 * r + layout.rowBase + shift, std::max(at.width, 0), 25);
                bottom = std::max(bottom, widget->geometry().bottom() + 1);
            }
        }
    }
    return bottom;
}

} // namespace torvane::ui::sections
