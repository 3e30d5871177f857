#include "model/budget.h"

#include "base/decimalformat.h"

namespace torvane::model {

Budget::Budget(QList<const SectionCatalogue *> catalogues, QObject *parent)
    : QObject(parent)
{
    m_sections.reserve(std::size_t(catalogues.size()));
    for (const SectionCatalogue *catalogue : catalogues)
        m_sections.push_back({SectionEntries(*catalogue), {}});
}

int Budget::indexOf(const SectionCatalogue &catalogue) const
{
    for (int i = 0; i < sectionCount(); ++i)
        if (&this->catalogue(i) == &catalogue)
            return i;
    return -1;
}

int Budget::indexOf(const QString &screenName) const
{
    for (int i = 0; i < sectionCount(); ++i)
        if (QStringView(catalogue(i).screenName) == screenName)
            return i;
    return -1;
}

const PassResult &Budget::figures(int section) const
{
    const Section &s = m_sections[std::size_t(section)];
    if (!s.figures)
        s.figures = recalculate(s.entries, base::DecimalFormat::regional());
    return *s.figures;
}

bool Budget::setPosition(int section, int cell, int position)
{
    if (!m_sections[std::size_t(section)].entries.setPosition(cell, position))
        return false;
    changed(section);
    emit entryChanged(section, cell);
    return true;
}

bool Budget::setText(int section, int cell, const QString &text)
{
    if (!m_sections[std::size_t(section)].entries.setText(cell, text))
        return false;
    changed(section);
    emit entryChanged(section, cell);
    return true;
}

void Budget::replaceEntries(int section, const SectionEntries &entries)
{
    Section &s = m_sections[std::size_t(section)];
    if (&entries.catalogue() != &s.entries.catalogue() || entries == s.entries)
        return;
    s.entries = entries;
    changed(section);
    emit sectionReplaced(section);
}

void Budget::clearSection(int section)
{
    replaceEntries(section, SectionEntries(catalogue(section)));
}

void Budget::setModified(bool modified)
{
    if (m_modified == modified)
        return;
    m_modified = modified;
    emit modifiedChanged(modified);
}

void Budget::changed(int section)
{
    m_sections[std::size_t(section)].figures.reset();
    setModified(true);
}

} // namespace torvane::model
