#pragma once

// The texts a section catalogue gives the controls of its screen, keyed by
// the names the screens, the report and the budget file know the controls
// by. The names are spelt out here, not taken from model::ControlName or
// model::GridName, so a test that finds a control by them also proves how
// the control is named.

#include "model/catalogue.h"
#include "model/sectionlist.h"

#include <QMap>
#include <QStringList>

namespace torvane::test {

using namespace Qt::StringLiterals;

struct CatalogueTexts {
    // Tab buttons "Button<t>", group headers "Labelzag<t><g>", column headers
    // "Label<t><label>" and the fixed names of rows "Edit<t><r><c>".
    QMap<QString, base::LocalizedText> texts;
    // Option boxes "ComboBox<t><r><c>".
    QMap<QString, model::OptionList> options;
};

inline CatalogueTexts catalogueTexts(const model::SectionCatalogue &catalogue)
{
    CatalogueTexts all;
    for (int t = 1; t <= catalogue.tabCount(); ++t) {
        const model::TabSpec &tab = catalogue.tabs[t - 1];
        all.texts.insert(u"Button%1"_s.arg(t), tab.title);
        for (const model::GroupSpec &group : tab.groups) {
            all.texts.insert(u"Labelzag%1%2"_s.arg(t).arg(group.number), group.header);
            for (const model::ColumnHeader &header : group.columnHeaders)
                all.texts.insert(u"Label%1%2"_s.arg(t).arg(header.label), header.text);
            for (int r = group.firstRow; r <= group.lastRow; ++r)
                for (int c = 1; c <= group.columnCount(); ++c) {
                    const model::ColumnSpec &column = group.columns[std::size_t(c - 1)];
                    if (column.role == model::ColumnRole::Name)
                        all.texts.insert(u"Edit%1%2%3"_s.arg(t).arg(r).arg(c), column.nameOfRow(r));
                    else if (column.role == model::ColumnRole::Choice)
                        all.options.insert(u"ComboBox%1%2%3"_s.arg(t).arg(r).arg(c),
                                           column.optionsOfRow ? column.optionsOfRow(r) : column.options);
                }
        }
    }
    return all;
}

inline QStringList textsIn(model::OptionList options, base::Language language)
{
    QStringList texts;
    for (const base::LocalizedText &option : options)
        texts << option.in(language);
    return texts;
}

// The section whose screen has this name; null for none.
inline const model::SectionCatalogue *catalogueNamed(const QString &screen)
{
    for (const model::SectionCatalogue *catalogue : model::allCatalogues())
        if (QString::fromUtf16(catalogue->screenName) == screen)
            return catalogue;
    return nullptr;
}

// Languages in tables by their short names, so that a row reads "fr", not 0.
inline base::Language languageNamed(const QString &name)
{
    if (name == u"fr"_s)
        return base::Language::French;
    if (name == u"ru"_s)
        return base::Language::Russian;
    if (name != u"en"_s)
        qFatal("no language is called %s", qUtf8Printable(name));
    return base::Language::English;
}

} // namespace torvane::test
