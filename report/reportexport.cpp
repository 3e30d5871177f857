#include "report/reportexport.h"

#include "model/gridname.h"
#include "report/hostconstants.h"
#include "report/hostsession.h"
#include "report/outputformat.h"
#include "report/reportfolder.h"
#include "report/workbook.h"

namespace torvane::report {

using namespace Qt::StringLiterals;
using namespace model;

namespace {

QString range(int fromColumn, int fromRow, int toColumn, int toRow)
{
    return cellName(fromRow, fromColumn) + u':' + cellName(toRow, toColumn);
}

QString fileNameOf(const QString &caption)
{
    QString name = caption;
    name.replace(u'/', u'-');
    name.replace(QChar(0), u' ');
    return name.trimmed().isEmpty() ? u"Report"_s : name;
}

void writeGroup(HostWorksheet &sheet, const ReportGroup &group, const ReportTab &tab, const ReportSource &source,
                int lastColumn, int &q)
{
    const int p = q;
    const int c0 = group.firstColumn;
    const bool titled = !group.titleControl.isEmpty();
    if (titled) {
        // A merge keeps only its first cell: the title goes there.
        const int column = group.mergeFrom > 0 ? std::min(group.titleColumn, group.mergeFrom) : group.titleColumn;
        sheet.Cells(q, column, source.controlText(group.titleControl));
        ++q;
    }
    for (int k = 0; k < group.headerControls.size(); ++k)
        sheet.Cells(q, c0 + k, source.controlText(group.headerControls[k]));
    ++q;
    for (int r = group.firstRow; r <= group.lastRow; ++r) {
        if (source.cellText(group.tab, r, group.gateColumn) == u"0"_s)
            continue;
        for (int c = 1; c <= group.gridColumns; ++c)
            sheet.Cells(q, c0 + c - 1, source.cellText(group.tab, r, c));
        ++q;
    }
    if (group.lastOfTab)
        sheet.Cells(q, lastColumn, source.controlText(tab.sumEditControl));

    if (titled) {
        auto title = sheet.Range(range(group.mergeFrom, p, group.mergeTo, p));
        title->Merge();
        title->Font().setBold(true);
        title->setHorizontalAlignment(kAlignCentre);
        if (group.titleBordered)
            title->Borders().setLineStyle(kLineContinuous);
    }
    auto block = sheet.Range(range(c0, p, lastColumn, q));
    block->setColumnWidth(kReportColumnWidth);
    block->setWrapText(true);
    block->setVerticalAlignment(kAlignMiddle);
    sheet.Range(range(c0, p, lastColumn, q - 1))->Borders().setLineStyle(kLineContinuous);
    if (group.lastOfTab) {
        auto subtotal = sheet.Range(range(group.subtotalFrom, q, lastColumn, q));
        subtotal->Borders().setLineStyle(kLineContinuous);
        subtotal->Font().setBold(true);
    }
    q += group.lastOfTab ? 2 : 1;
}

// A section whose subtotals all read "0" has nothing to report.
bool anythingToExport(const ReportPlan &plan, const ReportSource &source)
{
    for (const ReportTab &tab : plan.tabs) {
        if (source.controlText(tab.sumEditControl) != u"0"_s)
            return true;
    }
    return false;
}

} // namespace

int writeSectionBlocks(HostWorksheet &sheet, const ReportPlan &plan, const ReportSource &source, int firstRow)
{
    int q = firstRow;
    const int L = plan.lastColumn;
    for (const ReportTab &tab : plan.tabs) {
        if (source.controlText(tab.sumEditControl) == u"0"_s)
            continue;
        for (const ReportGroup &group : tab.groups)
            writeGroup(sheet, group, tab, source, L, q);
    }
    sheet.Cells(q, L, source.controlText(ControlName::total()));
    auto total = sheet.Range(range(L, q, L, q));
    total->Borders().setLineStyle(kLineContinuous);
    total->Font().setBold(true);
    return q;
}

ExportOutcome exportSection(const ReportPlan &plan, const ReportSource &source)
{
    ExportOutcome outcome;
    if (!anythingToExport(plan, source)) {
        outcome.status = ExportOutcome::Status::NothingToExport;
        return outcome;
    }

    const ReportFolder folder = reportFolder();
    const QString caption = source.caption();
    outcome.path = folder.path + fileNameOf(caption) + suffixOf(OutputFormat::Xls);
    outcome.inDocuments = folder.inDocuments;
    if (!folder.unmade.isEmpty()) {
        outcome.unmadeFolder = folder.unmade;
        outcome.reason = folder.reason;
        return outcome;
    }

    HostSession session;
    try {
        HostWorksheet &sheet = session.addWorkbook();
        // The file keeps the whole caption; the sheet takes what a sheet name can hold.
        sheet.setName(sheetNameOf(caption));
        writeSectionBlocks(sheet, plan, source, 2);
        session.saveWorkbook(outcome.path);
    } catch (const HostError &e) {
        outcome.reason = e.kind() == HostError::Kind::Save ? e.reason() : QString::fromUtf8(e.what());
        return outcome;
    }
    outcome.status = ExportOutcome::Status::Saved;

    try {
        session.show(outcome.path);
        outcome.opened = true;
    } catch (const HostError &e) {
        outcome.viewerMissing = e.kind() == HostError::Kind::OpenNoViewer;
        outcome.reason = QString::fromUtf8(e.what());
    }
    return outcome;
}

} // namespace torvane::report
