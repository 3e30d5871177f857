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

void Budget::setSettings(const BudgetSettings &settings)
{
    if (settings == m_settings)
        return;
    m_settings = settings;
    setModified(true);
    emit settingsChanged();
}

Budget::Content Budget::content() const
{
    Content content;
    for (const Section &section : m_sections)
        content.sections.push_back(section.entries);
    content.settings = m_settings;
    return content;
}

void Budget::load(const Content &content, bool modified)
{
    for (int i = 0; i < sectionCount() && i < int(content.sections.size()); ++i) {
        Section &s = m_sections[std::size_t(i)];
        if (&content.sections[std::size_t(i)].catalogue() != &s.entries.catalogue())
            continue;
        const bool same = s.entries == content.sections[std::size_t(i)];
        s.entries = content.sections[std::size_t(i)];
        s.figures.reset();
        if (!same)
            emit sectionReplaced(i);
    }
    const bool settingsSame = m_settings == content.settings;
    m_settings = content.settings;
    if (!settingsSame)
        emit settingsChanged();
    m_modified = !modified; // so that the signal always follows
    setModified(modified);
}

void Budget::clearAll()
{
    Content empty;
    for (const Section &section : m_sections)
        empty.sections.push_back(SectionEntries(section.entries.catalogue()));
    load(empty, false);
}

bool Budget::isEmpty() const
{
    for (const Section &section : m_sections)
        if (!section.entries.isEmpty())
            return false;
    return true;
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
