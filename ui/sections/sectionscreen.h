#pragma once

#include "model/budget.h"
#include "ui/shell/screenframe.h"

#include <QHash>
#include <QVector>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

namespace torvane::ui::common {
class OneShotTimer;
}

namespace torvane::ui::sections {

class SectionGridView;

// One section of the budget as a screen of named controls: the tabs and the
// grid of any catalogue, laid out, localised and recalculated. Widgets only
// report edits into the budget; one pass computes from the entries; one
// place writes the figures.
class SectionScreen : public ui::shell::ScreenFrame
{
    Q_OBJECT
public:
    SectionScreen(const model::SectionCatalogue &catalogue, ui::shell::ScreenHost *login, model::Budget &budget);

    const model::SectionCatalogue &catalogue() const { return m_catalogue; }
    model::Budget &budget() const { return m_budget; }
    int budgetIndex() const { return m_index; }

    // Design-time controls, index t - 1 for tab t.
    QVector<QPushButton *> Button; // tab buttons: text() is the whole title
    QVector<QScrollArea *> ScrollBox;
    QVector<QLineEdit *> SumEdit;
    QWidget *TotalsPanel;
    QLabel *Label1;         // caption of the total
    QLineEdit *Edit1;       // section total
    ui::common::Picture *Image1; // save button
    QPushButton *ClearSection; // empties this section's entries
    common::OneShotTimer *Timer2;   // localisation
    common::OneShotTimer *Timer3;   // recalculation
    int ww = 0;

    // Any control of the screen by its name ("ComboBox112", "SumEdit1", "Labelzag22").
    QWidget *control(const QString &name) const { return m_controls.value(name); }
    QComboBox *comboBox(int tab, int row, int column) const;
    QLineEdit *edit(int tab, int row, int column) const;
    int currentTab() const;

    void FormCreate();
    void Timer1Timer(); // layout
    void Timer2Timer(); // localisation
    void Timer3Timer(); // recalculation
    void ButtonClick(int tab);
    void EditChange();
    void Image1Click(); // report export
    void ClearSectionClick();

    // The last pass could not price the section (a quantity that is not one,
    // or an amount too large); its figures wait for a correction.
    bool hasInvalidQuantity() const { return m_failure.has_value(); }
    int passCount() const { return m_passes; }

    QString caption() const { return windowTitle(); }
    // The whole text a control shows (a column header or a tab title may wrap).
    QString controlText(const QString &name) const;
    QString cellText(int tab, int row, int column) const;

protected:
    void showContent() override;
    void relayout() override { placeControls(); }

private:
    void addControl(QWidget *widget);
    void buildDesignControls();
    void buildTotalsPanel();
    void placeControls();                                   // sectionlayout.cpp
    // Places one group below what stands above it; returns the group's bottom.
    int placeGroup(int tab, const model::GroupSpec &group, int Wt, int &shift, int above);
    bool localise();                                        // sectionlocalisation.cpp
    void showFailure(const model::PassFailure &failure);
    // The marks and hints of a failure, in the screen's language.
    void showFailureTexts();
    void clearFailure();
    // Marks the option boxes rows wait for, with hints in the screen's language.
    void showWaitingBoxes();
    void fitTotal();
    // The tabs' subtotals and the section's total.
    QVector<QLineEdit *> amountFields() const { return SumEdit + QVector<QLineEdit *>{Edit1}; }

    const model::SectionCatalogue &m_catalogue;
    model::Budget &m_budget;
    int m_index;
    SectionGridView *m_grid = nullptr;
    QHash<QString, QWidget *> m_controls;
    std::optional<model::PassFailure> m_failure;
    QVector<int> m_waitingBoxes; // option boxes rows wait for, by cell of the grid walk
    QString m_lastReported;
    int m_layouts = 0;
    int m_passes = 0;
};

} // namespace torvane::ui::sections
