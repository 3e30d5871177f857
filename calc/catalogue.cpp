#include "calc/catalogue.h"

namespace torvane::calc {

using namespace Qt::StringLiterals;

void appendPrices(QList<PriceLine> &lines, const GroupSpec &group, std::span<const Priced> options,
                  const LocalizedText &detail)
{
    for (const Priced &option : options)
        lines.append({group.header, option.text, detail, option.price});
}

report::ReportPlan reportPlanOf(const SectionCatalogue &catalogue)
{
    report::ReportPlan plan;
    plan.lastColumn = catalogue.reportLastColumn;
    for (int t = 1; t <= catalogue.tabCount(); ++t) {
        const TabSpec &tab = catalogue.tabs[t - 1];
        report::ReportTab reportTab;
        reportTab.sumEditControl = u"SumEdit%1"_s.arg(t);
        for (std::size_t i = 0; i < tab.groups.size(); ++i) {
            const GroupSpec &group = tab.groups[i];
            report::ReportGroup g;
            g.tab = t;
            g.firstRow = group.firstRow;
            g.lastRow = group.lastRow;
            g.gridColumns = group.columnCount();
            switch (group.report.title) {
            case report::TitleSource::None: break;
            case report::TitleSource::TabButton: g.titleControl = u"Button%1"_s.arg(t); break;
            case report::TitleSource::GroupHeader: g.titleControl = u"Labelzag%1%2"_s.arg(t).arg(group.number); break;
            }
            g.titleColumn = group.report.titleColumn;
            g.mergeFrom = group.report.mergeFrom;
            g.mergeTo = group.report.mergeTo;
            g.titleBordered = group.report.titleBordered;
            for (const ColumnHeader &header : group.columnHeaders)
                g.headerControls << u"Label%1%2"_s.arg(t).arg(header.label);
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

} // namespace torvane::calc
