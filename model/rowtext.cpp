#include "model/rowtext.h"

namespace torvane::model {

using namespace Qt::StringLiterals;

namespace {

QString columnName(const GroupSpec &group, int column, base::Language language)
{
    return column >= 1 && column <= int(group.columnHeaders.size())
        ? group.columnHeaders[std::size_t(column - 1)].text.in(language).simplified()
        : QString();
}

} // namespace

QString rowItem(const GridRow &row, const SectionCatalogue &catalogue, base::Language language)
{
    const GroupSpec &group = *row.group;
    for (int c = 1; c <= group.columnCount(); ++c) {
        const ColumnSpec &spec = group.columns[std::size_t(c - 1)];
        if (spec.role == ColumnRole::Name && spec.nameOfRow)
            return spec.nameOfRow(row.row).in(language).simplified();
    }
    const TabSpec &tab = catalogue.tabs[std::size_t(row.tab - 1)];
    const QString title = tab.title.in(language).simplified();
    if (tab.groups.size() < 2)
        return title;
    return title + u" — "_s + group.header.in(language).simplified();
}

QString rowChoices(const SectionEntries &entries, const GridRow &row, base::Language language)
{
    QStringList parts;
    const GroupSpec &group = *row.group;
    for (int i = row.firstCell; i < row.firstCell + row.cellCount; ++i) {
        const GridCell &cell = entries.grid().cell(i);
        QString value;
        if (cell.spec->role == ColumnRole::Choice) {
            const int position = entries.position(i);
            const OptionList options = cell.spec->optionsOfRow ? cell.spec->optionsOfRow(cell.row) : cell.spec->options;
            if (position >= 0 && position < int(options.size()))
                value = options[std::size_t(position)].in(language).simplified();
        } else if (cell.spec->role == ColumnRole::Quantity && !SectionEntries::isEmptyText(entries.text(i))) {
            value = entries.text(i);
        }
        if (value.isEmpty())
            continue;
        const QString name = columnName(group, cell.column, language);
        parts << (name.isEmpty() ? value : name + u": "_s + value);
    }
    return parts.join(u" · "_s);
}

bool rowHasEntry(const SectionEntries &entries, const GridRow &row)
{
    for (int i = row.firstCell; i < row.firstCell + row.cellCount; ++i) {
        const ColumnRole role = entries.grid().cell(i).spec->role;
        if ((role == ColumnRole::Choice && entries.position(i) >= 0)
            || (role == ColumnRole::Quantity && !SectionEntries::isEmptyText(entries.text(i))))
            return true;
    }
    return false;
}

} // namespace torvane::model
