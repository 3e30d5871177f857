#pragma once

#include "base/language.h"

#include <QCollator>
#include <QSortFilterProxyModel>

namespace torvane::ui::budget {

// The follow-up table as the window shows it: sorted by any column while
// each section's lines stay together above their subtotal and the budget's
// total stays last; filtered by section, by lines over their estimate or
// not fully paid, and by a text in the item, choices, supplier or note. A
// subtotal shows while its section shows a line; the total always shows.
class FollowUpProxy : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    static constexpr int kAllSections = -3;

    explicit FollowUpProxy(QObject *parent = nullptr);

    // A header over two lines, its unit under its name ("Paid,\n₸"), so
    // the columns of amounts stay narrow.
    static QString headerLines(const QString &header);
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Texts sort as the reader's alphabet orders them ("é" beside "e").
    void setLanguage(base::Language language);

    // A budget section, -1 for the other costs, or kAllSections.
    void setSection(int section);
    int section() const { return m_section; }
    void setOverEstimateOnly(bool on);
    void setNotFullyPaidOnly(bool on);
    void setSearch(const QString &text);
    // Whether a filter other than the section hides lines.
    bool narrowed() const { return m_overEstimate || m_notFullyPaid || !m_search.isEmpty(); }
    // Drops every filter but the section.
    void widen();

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    bool lineShown(int sourceRow) const;
    void filtersChanged();

    QCollator m_collator;
    int m_section = kAllSections;
    bool m_overEstimate = false;
    bool m_notFullyPaid = false;
    QString m_search;
};

} // namespace torvane::ui::budget
