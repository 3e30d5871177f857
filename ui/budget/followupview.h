#pragma once

#include <QTableView>

namespace torvane::ui::budget {

// The follow-up table's view: one row a line, sortable by its headers (a
// third click returns to the budget's order), each column wide enough for
// its header in every language and for what it holds. The figures stand
// right after the item; the choices follow them.
class FollowUpView : public QTableView
{
    Q_OBJECT
public:
    explicit FollowUpView(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;

    // Widths from the headers in every language and from the rows' texts;
    // a column only grows while the window stays open, so figures that
    // change do not make the table jump.
    void fitColumns(const QList<QStringList> &headersByLanguage, const QStringList &sectionNames);
    // Again from the rows' texts (after a change of the figures).
    void growToContents();

private:
    int widestFor(int column) const;
    int contentWidth(int column) const;

    QList<int> m_least; // per column: what the headers and names need
};

} // namespace torvane::ui::budget
