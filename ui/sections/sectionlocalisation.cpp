// Texts of a section screen in the language it was shown in: tab titles,
// headers, option lists and the fixed names of rows.

#include "ui/sections/sectionscreen.h"

#include "base/language.h"
#include "ui/sections/optionbox.h"
#include "ui/sections/sectiongridview.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace torvane::ui::sections {

using namespace Qt::StringLiterals;
using namespace model;

bool SectionScreen::localise()
{
    if (!base::isLanguage(langin))
        return false;
    const base::Language L = base::Language(langin);
    for (int t = 1; t <= m_catalogue.tabCount(); ++t) {
        const TabSpec &tab = m_catalogue.tabs[t - 1];
        Button[t - 1]->setText(tab.title.in(L));
        Button[t - 1]->setToolTip(tab.title.in(L));
        for (const GroupSpec &group : tab.groups) {
            if (auto *header = qobject_cast<QLabel *>(control(ControlName::groupHeader(t, group.number))))
                header->setText(group.header.in(L));
            for (const ColumnHeader &columnHeader : group.columnHeaders)
                if (auto *label = qobject_cast<QLabel *>(control(ControlName::columnHeader(t, columnHeader.label))))
                    label->setText(columnHeader.text.in(L));
        }
    }

    bool selectionLost = false;
    const SectionGrid &grid = m_grid->grid();
    for (int i = 0; i < grid.cells().size(); ++i) {
        const GridCell &cell = grid.cell(i);
        const GroupSpec &group = *cell.group;
        const QString columnName = cell.column <= int(group.columnHeaders.size())
            ? group.columnHeaders[std::size_t(cell.column - 1)].text.in(L) : QString();
        QWidget *widget = m_grid->widget(i);
        widget->setAccessibleName(u"%1, %2 %3"_s.arg(columnName, m_catalogue.tabs[cell.tab - 1].title.in(L)).arg(cell.row));
        if (QComboBox *box = m_grid->comboBox(i)) {
            const QSignalBlocker blocker(box);
            const int position = box->currentIndex();
            box->clear();
            const OptionList options = cell.spec->optionsOfRow ? cell.spec->optionsOfRow(cell.row) : cell.spec->options;
            int widest = box->width();
            for (const base::LocalizedText &option : options) {
                box->addItem(option.in(L));
                widest = std::max(widest, box->fontMetrics().horizontalAdvance(option.in(L)) + 40);
            }
            // Qt selects the first item of a filled box on its own: the
            // entry's position goes back instead (positions mean the same in
            // every language).
            const int entry = m_budget.entries(m_index).position(i);
            box->setCurrentIndex(entry < box->count() ? entry : -1);
            if (auto *options = qobject_cast<OptionBox *>(box))
                options->setPopupMinimumWidth(widest);
            else
                box->view()->setMinimumWidth(widest);
            selectionLost |= box->currentIndex() != position && position != -1;
        } else if (cell.spec->role == ColumnRole::Name && cell.spec->nameOfRow) {
            QLineEdit *field = m_grid->edit(i);
            const QSignalBlocker blocker(field);
            field->setText(cell.spec->nameOfRow(cell.row).in(L));
            field->setCursorPosition(0);
            field->setToolTip(field->text());
        }
    }
    placeControls(); // headers took new texts
    showFailureTexts(); // a waiting figure's hint speaks the new language too
    return selectionLost;
}

} // namespace torvane::ui::sections
