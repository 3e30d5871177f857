#include "model/budget.h"

#include "base/decimalformat.h"

#include <algorithm>

namespace torvane::model {

Budget::Budget(QList<const SectionCatalogue *> catalogues, QObject *parent)
    : QObject(parent)
{
    m_sections.reserve(std::size_t(catalogues.size()));
    for (const SectionCatalogue *catalogue : catalogues)
        m_sections.push_back({SectionEntries(*catalogue), {}, {}});
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

void Budget::clearSection(int section, bool followUpToo)
{
    replaceEntries(section, SectionEntries(catalogue(section)));
    if (!followUpToo)
        return;
    const RowFollowUps rows = followUps(section);
    for (const auto &[key, followUp] : rows)
        setFollowUp(section, key.first, key.second, {});
}

const FollowUp &Budget::followUp(int section, int tab, int row) const
{
    static const FollowUp none;
    const RowFollowUps &rows = m_sections[std::size_t(section)].followUps;
    const auto found = rows.find({tab, row});
    return found == rows.end() ? none : found->second;
}

bool Budget::setFollowUp(int section, int tab, int row, const FollowUp &followUp)
{
    if (section < 0 || section >= sectionCount() || !hasRow(entries(section).grid(), tab, row))
        return false;
    RowFollowUps &rows = m_sections[std::size_t(section)].followUps;
    const auto found = rows.find({tab, row});
    if (followUp.isEmpty()) {
        if (found == rows.end())
            return false;
        rows.erase(found);
    } else if (found != rows.end()) {
        if (found->second == followUp)
            return false;
        found->second = followUp;
    } else {
        rows.emplace(RowKey{tab, row}, followUp);
    }
    setModified(true);
    emit followUpChanged(section, tab, row);
    return true;
}

int Budget::addOwnLine(const OwnLine &line, int at)
{
    const int index = at < 0 || at > int(m_ownLines.size()) ? int(m_ownLines.size()) : at;
    OwnLine taken = line;
    if (taken.section < -1 || taken.section >= sectionCount())
        taken.section = -1;
    m_ownLines.insert(m_ownLines.begin() + index, taken);
    setModified(true);
    emit ownLineAdded(index);
    return index;
}

void Budget::removeOwnLine(int index)
{
    if (index < 0 || index >= int(m_ownLines.size()))
        return;
    m_ownLines.erase(m_ownLines.begin() + index);
    setModified(true);
    emit ownLineRemoved(index);
}

bool Budget::setOwnLine(int index, const OwnLine &line)
{
    if (index < 0 || index >= int(m_ownLines.size()) || m_ownLines[std::size_t(index)] == line)
        return false;
    m_ownLines[std::size_t(index)] = line;
    if (line.section < -1 || line.section >= sectionCount())
        m_ownLines[std::size_t(index)].section = -1;
    setModified(true);
    emit ownLineChanged(index);
    return true;
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
    for (const Section &section : m_sections) {
        content.sections.push_back(section.entries);
        content.followUps.push_back(section.followUps);
    }
    content.settings = m_settings;
    content.ownLines = m_ownLines;
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
    bool followUpSame = m_ownLines == content.ownLines;
    for (int i = 0; i < sectionCount(); ++i) {
        RowFollowUps rows = i < int(content.followUps.size()) ? content.followUps[std::size_t(i)] : RowFollowUps();
        std::erase_if(rows, [&](const auto &row) {
            return row.second.isEmpty() || !hasRow(entries(i).grid(), row.first.first, row.first.second);
        });
        followUpSame &= m_sections[std::size_t(i)].followUps == rows;
        m_sections[std::size_t(i)].followUps = std::move(rows);
    }
    m_ownLines = content.ownLines;
    for (OwnLine &line : m_ownLines)
        if (line.section < -1 || line.section >= sectionCount())
            line.section = -1;
    if (!followUpSame)
        emit followUpReplaced();
    m_modified = !modified; // so that the signal always follows
    setModified(modified);
    emit loaded();
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
    if (!m_ownLines.empty())
        return false;
    for (const Section &section : m_sections)
        if (!section.entries.isEmpty() || !section.followUps.empty())
            return false;
    return true;
}

bool Budget::hasRow(const SectionGrid &grid, int tab, int row)
{
    return std::any_of(grid.rows().begin(), grid.rows().end(), [&](const GridRow &r) { return r.tab == tab && r.row == row; });
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
