#pragma once

#include "model/recalculationpass.h"
#include "model/sectionentries.h"
#include "model/sectionlist.h"

#include <QJsonObject>
#include <QObject>

#include <optional>
#include <vector>

namespace torvane::model {

// The budget's own settings, kept in its file beside the sections.
struct BudgetSettings {
    QString title;
    int contingencyTenths = 0; // 0..500: 0 to 50.0 % of the sections' total
    QString currencyCode;      // reference currency, e.g. "EUR"; empty: none
    QString currencyRate;      // tenge per unit as the user typed it
    QJsonObject otherKeys;     // keys of a newer file, kept as they were

    friend bool operator==(const BudgetSettings &, const BudgetSettings &) = default;
};

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

    const BudgetSettings &settings() const { return m_settings; }
    void setSettings(const BudgetSettings &settings);

    // Everything at once, as a file holds it: every section and the settings.
    struct Content {
        std::vector<SectionEntries> sections;
        BudgetSettings settings;
    };
    Content content() const;
    // Takes over a whole budget (opened, restored or new); marks it as given.
    void load(const Content &content, bool modified);
    // A new, empty budget.
    void clearAll();
    bool isEmpty() const;

    bool isModified() const { return m_modified; }
    void setModified(bool modified);

signals:
    void entryChanged(int section, int cell);
    void sectionReplaced(int section);
    void settingsChanged();
    void modifiedChanged(bool modified);

private:
    struct Section {
        SectionEntries entries;
        mutable std::optional<PassResult> figures;
    };
    void changed(int section);

    std::vector<Section> m_sections;
    BudgetSettings m_settings;
    bool m_modified = false;
};

} // namespace torvane::model
