#pragma once

#include "model/followup.h"
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
// from them, what arrived since for each line (quotes, invoices, payments),
// the user's own lines, and whether anything changed since the budget was
// last opened or saved. Every edit goes through here, so views and the
// overview follow.
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
    // Empties a section's entries; its rows' follow-up too when asked.
    void clearSection(int section, bool followUpToo = false);

    // The follow-up of catalogue rows, by section and (tab, row): empty for
    // a row that has none.
    const FollowUp &followUp(int section, int tab, int row) const;
    const RowFollowUps &followUps(int section) const { return m_sections[std::size_t(section)].followUps; }
    bool hasFollowUp(int section) const { return !followUps(section).empty(); }
    // Returns whether anything changed; a row the section does not have takes nothing.
    bool setFollowUp(int section, int tab, int row, const FollowUp &followUp);

    // The user's own lines, in their order.
    const std::vector<OwnLine> &ownLines() const { return m_ownLines; }
    // Inserts a line at a position (the end for -1); returns where it stands.
    int addOwnLine(const OwnLine &line, int at = -1);
    void removeOwnLine(int index);
    bool setOwnLine(int index, const OwnLine &line);

    const BudgetSettings &settings() const { return m_settings; }
    void setSettings(const BudgetSettings &settings);

    // Everything at once, as a file holds it: every section and the settings.
    struct Content {
        std::vector<SectionEntries> sections;
        BudgetSettings settings;
        std::vector<RowFollowUps> followUps; // by section, like sections; may be empty
        std::vector<OwnLine> ownLines;
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
    void followUpChanged(int section, int tab, int row);
    void ownLineChanged(int index);
    void ownLineAdded(int index);
    void ownLineRemoved(int index);
    // Follow-up data and own lines replaced as a whole (opened, new, restored).
    void followUpReplaced();
    // A whole budget was taken over (opened, new, restored): after the
    // signals of what it replaced.
    void loaded();

private:
    struct Section {
        SectionEntries entries;
        mutable std::optional<PassResult> figures;
        RowFollowUps followUps;
    };
    void changed(int section);
    static bool hasRow(const SectionGrid &grid, int tab, int row);

    std::vector<Section> m_sections;
    std::vector<OwnLine> m_ownLines;
    BudgetSettings m_settings;
    bool m_modified = false;
};

} // namespace torvane::model
