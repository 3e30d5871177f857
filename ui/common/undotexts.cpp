#include "ui/common/undotexts.h"

#include "model/catalogue.h"

namespace torvane::ui::common::undotexts {

using namespace Qt::StringLiterals;

namespace {

// "“Insurance”", or "no. 3" for a line with no item yet.
QString lineName(const QString &item, int index, base::Language language)
{
    constexpr LocalizedText named{u"« %1 »", u"«%1»", u"“%1”"};
    constexpr LocalizedText numbered{u"nᵒ %1", u"№ %1", u"no. %1"};
    const QString simplified = item.simplified();
    return simplified.isEmpty() ? numbered.in(language).arg(index + 1) : named.in(language).arg(simplified);
}

} // namespace

QString field(const QString &header, const model::SectionCatalogue &catalogue, int tab, int row, base::Language language)
{
    constexpr LocalizedText withHeader{u"%1 dans %2, %3, ligne %4", u"%1 — %2, %3, строка %4", u"%1 in %2, %3, row %4"};
    constexpr LocalizedText without{u"%1, %2, ligne %3", u"%1, %2, строка %3", u"%1, %2, row %3"};
    const QString caption = catalogue.caption.in(language);
    const QString tabTitle = tab >= 1 && tab <= catalogue.tabCount() ? catalogue.tabs[tab - 1].title.in(language).simplified() : QString();
    if (header.isEmpty())
        return without.in(language).arg(caption, tabTitle, QString::number(row));
    // In one pass, so that a % in a text is never taken for a place.
    return withHeader.in(language).arg(header, caption, tabTitle, QString::number(row));
}

QString columnHeader(const model::SectionCatalogue &catalogue, int tab, int row, int column, base::Language language)
{
    if (tab < 1 || tab > catalogue.tabCount())
        return {};
    for (const model::GroupSpec &group : catalogue.tabs[tab - 1].groups)
        if (row >= group.firstRow && row <= group.lastRow && column >= 1 && column <= int(group.columnHeaders.size()))
            return group.columnHeaders[std::size_t(column - 1)].text.in(language).simplified();
    return {};
}

QString cleared(const model::SectionCatalogue &catalogue, base::Language language)
{
    constexpr LocalizedText text{u"effacement de « %1 »", u"очистка раздела «%1»", u"clearing of “%1”"};
    return text.in(language).arg(catalogue.caption.in(language));
}

QString ownLineEdited(const QString &header, const QString &item, int index, base::Language language)
{
    constexpr LocalizedText text{u"%1 de la ligne %2", u"%1 — строка %2", u"%1 of the line %2"};
    return text.in(language).arg(header, lineName(item, index, language));
}

QString ownLineAdded(const QString &item, int index, base::Language language)
{
    constexpr LocalizedText text{u"nouvelle ligne %1", u"новая строка %1", u"new line %1"};
    return text.in(language).arg(lineName(item, index, language));
}

QString ownLineRemoved(const QString &item, int index, base::Language language)
{
    constexpr LocalizedText text{u"suppression de la ligne %1", u"удаление строки %1", u"removal of the line %1"};
    return text.in(language).arg(lineName(item, index, language));
}

} // namespace torvane::ui::common::undotexts
