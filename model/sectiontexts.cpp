#include "model/sectiontexts.h"

#include "model/sectiongrid.h"

namespace torvane::model {

QHash<QString, QString> sectionTexts(const SectionCatalogue &catalogue, base::Language language)
{
    QHash<QString, QString> texts;
    for (int t = 1; t <= catalogue.tabCount(); ++t) {
        const TabSpec &tab = catalogue.tabs[t - 1];
        texts.insert(ControlName::tabButton(t), tab.title.in(language));
        for (const GroupSpec &group : tab.groups) {
            texts.insert(ControlName::groupHeader(t, group.number), group.header.in(language));
            for (const ColumnHeader &header : group.columnHeaders)
                texts.insert(ControlName::columnHeader(t, header.label), header.text.in(language));
        }
    }
    for (const GridCell &cell : SectionGrid::of(catalogue).cells()) {
        if (cell.spec->role == ColumnRole::Name && cell.spec->nameOfRow)
            texts.insert(cell.name, cell.spec->nameOfRow(cell.row).in(language));
    }
    return texts;
}

OptionList optionsOf(const ColumnSpec &column, int row)
{
    if (column.role != ColumnRole::Choice)
        return {};
    return column.optionsOfRow ? column.optionsOfRow(row) : column.options;
}

} // namespace torvane::model
