#pragma once

#include "model/recalculationpass.h"
#include "model/sectionentries.h"
#include "model/sectionlist.h"

#include <QObject>

#include <optional>
#include <vector>

namespace torvane::model {

// The pavilion budget: the entries of every section, the figures computed
// from them, and whether anything changed since the budget was last opened
// or saved. Every edit goes through here, so views and the overview follow.
class Budget : public QObject
{
    Q_OBJECT
public:
    explicit Budget(QList<const SectionCatalogue *> catalogues = allCatalogues(), QObject *parent = nullptr);

    int sectionCount() const { return int(m_sections.size()); }
    const SectionCatalogue &catalogue(int section) const { return m_sections[std::size_t(section)].entries.catalogue(); }
    int indexOf(const SectionCatalogue &catalogue) const;
    int indexOf(const QString &screenName) const;

    const SectionEntries &entries(int section) const { return m_sections[std::size_t(section)].entries; }
    // The section's figures from its present entries, computed once per change.
    const PassResult &figures(int section) const;

    // One user edit; returns whether anything changed.
    bool setPosition(int section, int cell, int position);
    bool setText(int section, int cell, const QString &text);
    // Many cells at once (a cleared or loaded section): views reload from the entries.
    void replaceEntries(int section, const SectionEntries &entries);
    void clearSection(int section);

    bool isModified() const { return m_modified; }
    void setModified(bool modified);

signals:
    void entryChanged(int section, int cell);
    void sectionReplaced(int section);
    void modifiedChanged(bool modified);

private:
    struct Section {
        SectionEntries entries;
        mutable std::optional<PassResult> figures;
    };
    void changed(int section);

    std::vector<Section> m_sections;
    bool m_modified = false;
};

} // namespace torvane::model
