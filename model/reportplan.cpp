#include "model/reportplan.h"

#include "model/catalogue.h"

namespace torvane::model {

ReportPlan reportPlanOf(const SectionCatalogue &catalogue)
{
    ReportPlan plan;
    plan.lastColumn = catalogue.reportLastColumn;
    for (int t = 1; t <= catalogue.tabCount(); ++t) {
        const TabSpec &tab = catalogue.tabs[t - 1];
        ReportTab reportTab;
        reportTab.sumEditControl = ControlName::subtotal(t);
        for (std::size_t i = 0; i < tab.groups.size(); ++i) {
            const GroupSpec &group = tab.groups[i];
            ReportGroup g;
            g.tab = t;
            g.firstRow = group.firstRow;
            g.lastRow = group.lastRow;
            g.gridColumns = group.columnCount();
            switch (group.report.title) {
            case TitleSource::None: break;
            case TitleSource::TabButton: g.titleControl = ControlName::tabButton(t); break;
            case TitleSource::GroupHeader: g.titleControl = ControlName::groupHeader(t, group.number); break;
            }
            g.titleColumn = group.report.titleColumn;
            g.mergeFrom = group.report.mergeFrom;
            g.mergeTo = group.report.mergeTo;
            g.titleBordered = group.report.titleBordered;
            for (const ColumnHeader &header : group.columnHeaders)
                g.headerControls << ControlName::columnHeader(t, header.label);
            g.firstColumn = plan.lastColumn - g.gridColumns + 1;
            g.gateColumn = group.report.gateColumn;
            g.lastOfTab = i + 1 == tab.groups.size();
            g.subtotalFrom = group.report.subtotalFrom ? group.report.subtotalFrom : plan.lastColumn;
            reportTab.groups.append(g);
        }
        plan.tabs.append(reportTab);
    }
    return plan;
}

} // namespace torvane::model
