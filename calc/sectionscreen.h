#pragma once

#include "calc/catalogue.h"
#include "calc/recalculationpass.h"
#include "report/reportplan.h"
#include "shell/screenframe.h"

#include <QHash>
#include <QVector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

namespace torvane::calc {

// The section engine: builds the tabs and the named grid of any catalogue,
// lays it out, localises it, recalculates it and exports it. Widgets only
// report changes; one pass computes; one place writes the results.
class SectionScreen : public shell::ScreenFrame, public report::ReportSource
{
    Q_OBJECT
public:
    SectionScreen(const SectionCatalogue &catalogue, shell::TForm_login *login);

    const SectionCatalogue &catalogue() const { return m_catalogue; }

    // Design-time controls, index t - 1 for tab t.
    QVector<QPushButton *> Button; // tab buttons: captions shortened when narrow, text() whole
    QVector<QScrollArea *> ScrollBox;
    QVector<QLineEdit *> SumEdit;
    QWidget *TotalsPanel;
    QLabel *Label1;       // caption of the total
    QLineEdit *Edit1;     // section total
    shell::Picture *Image1; // save button
    app::OneShotTimer *Timer2; // localisation
    app::OneShotTimer *Timer3; // recalculation
    int ww = 0;

    // Any control of the screen by its name ("ComboBox112", "SumEdit1", "Labelzag22").
    QWidget *control(const QString &name) const { return m_controls.value(name); }
    QComboBox *comboBox(int tab, int row, int column) const;
    QLineEdit *edit(int tab, int row, int column) const;
    int currentTab() const;

    void FormCreate();
    void FormShow() override;
    void Timer1Timer(); // layout
    void Timer2Timer(); // localisation
    void Timer3Timer(); // recalculation
    void ButtonClick(int tab);
    void EditChange();
    void Image1Click(); // report export

    // The last pass stopped on a quantity that is not valid.
    bool hasInvalidQuantity() const { return m_invalid; }
    int passCount() const { return m_passes; }

    // ReportSource
    QString caption() const override;
    QString controlText(const QString &name) const override;
    QString cellText(int tab, int row, int column) const override;

protected:
    void relayout() override { placeControls(); }

private:
    struct GridCell {
        int tab;
        int row;
        int column;
        const ColumnSpec *spec;
        QComboBox *box = nullptr;
        QLineEdit *edit = nullptr;
        QWidget *widget() const;
    };
    class Inputs;

    static int key(int tab, int row, int column) { return (tab * 100 + row) * 10 + column; }
    const GridCell *cell(int tab, int row, int column) const;
    void addControl(QWidget *widget);
    void buildGrid();
    void placeControls();
    void placeGroup(int tab, const GroupSpec &group, int Wt);
    bool resetGrid();
    bool localise();
    void writeFigures(const SectionFigures &figures);
    void markInvalid(const PassFailure &failure);
    void clearMarks();
    void fitTotal();

    const SectionCatalogue &m_catalogue;
    QVector<GridCell> m_cells;
    QHash<int, int> m_cellIndex;
    QHash<QString, QWidget *> m_controls;
    QVector<QLineEdit *> m_marked;
    QString m_lastFailure;
    QString m_failureText;
    bool m_invalid = false;
    int m_layouts = 0;
    int m_passes = 0;
};

} // namespace torvane::calc
