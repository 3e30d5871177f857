// Texts of a section screen in the language it was shown in: tab titles,
// headers, option lists and the fixed names of rows.

#include "ui/sections/sectionscreen.h"

#include "base/language.h"
#include "model/sectiontexts.h"
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
    // Every control the section's texts name shows its text: the tab
    // buttons, the headers and the rows' fixed names.
    const QHash<QString, QString> texts = sectionTexts(m_catalogue, L);
    for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
        QWidget *widget = control(it.key());
        if (auto *button = qobject_cast<QPushButton *>(widget)) {
            button->setText(*it);
            button->setToolTip(*it);
        } else if (auto *label = qobject_cast<QLabel *>(widget)) {
            label->setText(*it);
        } else if (auto *field = qobject_cast<QLineEdit *>(widget)) {
            const QSignalBlocker blocker(field);
            field->setText(*it);
            field->setCursorPosition(0);
            field->setToolTip(*it);
        }
    }

    bool selectionLost = false;
    const SectionGrid &grid = m_grid->grid();
    for (int i = 0; i < grid.cells().size(); ++i) {
        const GridCell &cell = grid.cell(i);
        const GroupSpec &group = *cell.group;
        const QString columnName = cell.column <= int(group.columnHeaders.size())
            ? texts.value(ControlName::columnHeader(cell.tab, group.columnHeaders[std::size_t(cell.column - 1)].label)) : QString();
        QWidget *widget = m_grid->widget(i);
        widget->setAccessibleName(u"%1, %2 %3"_s.arg(columnName, texts.value(ControlName::tabButton(cell.tab))).arg(cell.row));
        if (QComboBox *box = m_grid->comboBox(i)) {
            const QSignalBlocker blocker(box);
            const int position = box->currentIndex();
            box->clear();
            int widest = box->width();
            for (const base::LocalizedText &option : optionsOf(*cell.spec, cell.row)) {
                box->addItem(option.in(L));
                widest = std::max(widest, box->fontMetrics().horizontalAdvance(option.in(L)) + 40);
            }
            // Qt selects the first item of a filled box on its own: the
            // entry's position goes back instead (positions mean the same in
            // every language).
            const int entry = m_budget.entries(m_index).position(i);
            box->setCurrentIndex(entry < box->count() ? entry : -1);
            box->setToolTip(box->currentText());
            if (auto *options = qobject_cast<OptionBox *>(box))
                options->setPopupMinimumWidth(widest);
            else
                box->view()->setMinimumWidth(widest);
            selectionLost |= box->currentIndex() != position && position != -1;
        }
    }
    placeControls(); // headers took new texts
    showFailureTexts(); // a waiting figure's hint speaks the new language too
    showWaitingBoxes(); // and so does a waiting box's
    return selectionLost;
}

} // namespace torvane::ui::sections
