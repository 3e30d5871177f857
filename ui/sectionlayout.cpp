// Where every control of a section screen stands, from the start screen's size.

#include "ui/sectionscreen.h"

#include "ui/sectiongridview.h"
#include "ui/shell/picture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>

namespace torvane::ui {

using namespace model;

void SectionScreen::placeControls()
{
    ww = W() - Background2->width();
    layoutFrame();
    const int T = m_catalogue.tabCount();
    const int left = Background2->width() + 50;

    QVector<int> rows(m_catalogue.buttonRows.begin(), m_catalogue.buttonRows.end());
    if (rows.isEmpty())
        rows.append(T);
    int t = 0;
    for (int i = 0; i < rows.size(); ++i) {
        const int width = (ww - 100) / rows[i];
        const int top = 80 - 30 * (int(rows.size()) - 1 - i);
        for (int k = 0; k < rows[i] && t < T; ++k, ++t)
            Button[t]->setGeometry(left + width * k, top, std::max(width, 0), 30);
    }

    const int boxWidth = std::max(ww - 100, 0);
    const int boxHeight = std::max(H() - 220, 0);
    for (QScrollArea *box : std::as_const(ScrollBox))
        box->setGeometry(left, 110, boxWidth, boxHeight);

    for (int tab = 1; tab <= T; ++tab) {
        const int Wt = ScrollBox[tab - 1]->width();
        const TabSpec &spec = m_catalogue.tabs[tab - 1];
        for (const GroupSpec &group : spec.groups)
            placeGroup(tab, group, Wt);
        QLineEdit *subtotal = SumEdit[tab - 1];
        subtotal->setGeometry((Wt / 4) * 3 - 50, spec.sumEditTop, Wt / 4, 25);
        QWidget *content = ScrollBox[tab - 1]->widget();
        content->setMinimumSize(0, content->childrenRect().bottom() + 20);
    }
    fitTotal();
}

void SectionScreen::placeGroup(int tab, const GroupSpec &group, int Wt)
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

    if (QWidget *header = control(ControlName::groupHeader(tab, group.number))) {
        header->adjustSize();
        header->move(10, layout.headerTop);
    }
    for (int k = 1; k <= int(group.columnHeaders.size()); ++k) {
        auto *label = qobject_cast<QLabel *>(control(ControlName::columnHeader(tab, group.columnHeaders[k - 1].label)));
        if (!label)
            continue;
        const CellPlace at = place(k, h);
        // A header keeps its natural size unless it is wider than its column;
        // then the label wraps it at word boundaries and stands higher, so that
        // it never runs into the first row or the next header.
        const int room = std::max(at.width, 20);
        const bool fits = label->fontMetrics().horizontalAdvance(label->text()) <= room;
        label->setWordWrap(!fits);
        label->setToolTip(fits ? QString() : label->text());
        if (fits)
            label->adjustSize();
        else
            label->resize(room, label->heightForWidth(room));
        const int rise = std::max(0, label->height() - 24);
        label->move(at.left, layout.columnHeaderTop - rise);
    }
    const SectionGrid &grid = m_grid->grid();
    for (int r = group.firstRow; r <= group.lastRow; ++r) {
        for (int c = 1; c <= n; ++c) {
            if (QWidget *widget = m_grid->widget(grid.indexOf(tab, r, c))) {
                const CellPlace at = place(c, w);
                widget->setGeometry(at.left, 35 * r + layout.rowBase, std::max(at.width, 0), 25);
            }
        }
    }
}

} // namespace torvane::ui
