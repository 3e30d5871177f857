#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace torvane::model {

// Sheet columns by number: B = 2 ... F = 6.
enum Column : int { A = 1, B, C, D, E, F };

enum class TitleSource { None, TabButton, GroupHeader };

// How one row group of a section is written into its report, as a catalogue
// states it. Grid columns go to consecutive sheet columns that end in the
// section's last column; the column headers stand above them.
struct GroupPlan {
    TitleSource title = TitleSource::None;
    int titleColumn = 0;    // where the title text goes
    int mergeFrom = 0;      // the title row merges mergeFrom..mergeTo
    int mergeTo = 0;
    bool titleBordered = false;
    int gateColumn = 0;     // grid column whose text "0" leaves a row out
    int subtotalFrom = 0;   // last group of a tab: first column of the framed subtotal range (0: last column only)
};

// A plan resolved to control names, ready to be written.
struct ReportGroup {
    int tab = 0;
    int firstRow = 0;
    int lastRow = 0;
    int gridColumns = 0;
    QString titleControl; // empty: no title row
    int titleColumn = 0;
    int mergeFrom = 0;
    int mergeTo = 0;
    bool titleBordered = false;
    QStringList headerControls;
    int firstColumn = 0;
    int gateColumn = 0;
    bool lastOfTab = false;
    int subtotalFrom = 0;
};

struct ReportTab {
    QString sumEditControl;
    QVector<ReportGroup> groups;
};

struct ReportPlan {
    int lastColumn = F;
    QVector<ReportTab> tabs;
};

struct SectionCatalogue;

// The plan of a section's report, resolved to control names.
ReportPlan reportPlanOf(const SectionCatalogue &catalogue);

// What the export reads of a section: texts by control name, as its screen
// shows them.
class ReportSource
{
public:
    virtual ~ReportSource() = default;
    virtual QString caption() const = 0;
    virtual QString controlText(const QString &name) const = 0;
    virtual QString cellText(int tab, int row, int column) const = 0;
};

} // namespace torvane::model
