#pragma once

#include "model/recalculationpass.h"
#include "model/sectiongrid.h"

#include <QHash>
#include <QObject>
#include <QVector>

class QComboBox;
class QLineEdit;
class QValidator;

namespace torvane::ui::sections {

// The named controls of one section's grid, one per cell of the grid walk,
// created row by row and left to right inside each tab's container (which is
// also the keyboard order). It shows entries and figures and reports the
// user's edits; it holds no entry of its own.
class SectionGridView : public QObject
{
    Q_OBJECT
public:
    SectionGridView(const model::SectionGrid &grid, const QVector<QWidget *> &tabContents, QObject *parent);

    const model::SectionGrid &grid() const { return m_grid; }
    QWidget *widget(int cell) const { return cell >= 0 && cell < m_widgets.size() ? m_widgets[cell] : nullptr; }
    QComboBox *comboBox(int cell) const;
    QLineEdit *edit(int cell) const;

    // Puts entries into the controls without reporting them as edits, and
    // "0" into the row sums when asked (a pass writes them); returns whether
    // any control changed.
    bool showEntries(const model::SectionEntries &entries, bool resetSums);
    void showFigures(const model::SectionFigures &figures);
    // Row sums that are not current: a muted look and the reason.
    void markFigures(bool stale, const QString &why);

    void markInvalid(const QVector<model::CellRef> &cells, const QString &why);
    void clearInvalid();

    // Option boxes their rows wait for, by cell, with what each waits for:
    // marked (not in the red of a refused quantity) and hinted; every other
    // box shows as usual.
    void markWaiting(const QHash<int, QString> &hints);

signals:
    void entryEdited(int cell); // the user changed an option box or a quantity
    void otherEdited();         // the user typed into a field that is no entry (a row sum)

private:
    void create(int cell, QWidget *parent, QValidator *digits);

    const model::SectionGrid &m_grid;
    QVector<QWidget *> m_widgets;
    QVector<QLineEdit *> m_invalid;
    QVector<QLineEdit *> m_sums;
    QHash<int, QString> m_waiting;
};

} // namespace torvane::ui::sections
