#include "report/reportexport.h"

#include "app/errorreporter.h"
#include "report/hostsession.h"
#include "report/workbook.h"

#include <QDir>
#include <QRegularExpression>

namespace torvane::report {

using namespace Qt::StringLiterals;

namespace {

QString range(int fromColumn, int fromRow, int toColumn, int toRow)
{
    return cellName(fromRow, fromColumn) + u':' + cellName(toRow, toColumn);
}

// Spreadsheet programs refuse sheet names over 31 characters or holding
// : \ / ? * [ ]; the file keeps the full caption.
QString sheetNameOf(const QString &caption)
{
    static const QRegularExpression forbidden(u"[\\[\\]:*?/\\\\]"_s);
    QString name = caption;
    name.replace(forbidden, u"-"_s);
    name = name.left(31);
    if (!name.isEmpty() && name.back().isHighSurrogate())
        name.chop(1);
    name = name.trimmed();
    while (name.startsWith(u'\'') || name.endsWith(u'\''))
        name = name.startsWith(u'\'') ? name.mid(1) : name.chopped(1);
    return sheetNameProblem(name).isEmpty() ? name : u"Report"_s;
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
        title->setHorizontalAlignment(3);
        if (group.titleBordered)
            title->Borders().setLineStyle(1);
    }
    auto block = sheet.Range(range(c0, p, lastColumn, q));
    block->setColumnWidth(25);
    block->setWrapText(true);
    block->setVerticalAlignment(2);
    sheet.Range(range(c0, p, lastColumn, q - 1))->Borders().setLineStyle(1);
    if (group.lastOfTab) {
        auto subtotal = sheet.Range(range(group.subtotalFrom, q, lastColumn, q));
        subtotal->Borders().setLineStyle(1);
        subtotal->Font().setBold(true);
    }
    q += group.lastOfTab ? 2 : 1;
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
    sheet.Cells(q, L, source.controlText(u"Edit1"_s));
    auto total = sheet.Range(range(L, q, L, q));
    total->Borders().setLineStyle(1);
    total->Font().setBold(true);
    return q;
}

void exportSection(const ReportPlan &plan, const ReportSource &source)
{
    auto &reporter = app::ErrorReporter::instance();
    bool anything = false;
    for (const ReportTab &tab : plan.tabs)
        anything |= source.controlText(tab.sumEditControl) != u"0"_s;
    if (!anything) {
        reporter.report(u"There is nothing to save yet: every subtotal of this section is 0."_s,
                        app::ErrorReporter::Severity::Notice);
        return;
    }

    HostSession &s = HostSession::instance();
    s.AppProgID = u"Excel.Application"_s;
    s.ServerIsRunning = false;
    // The built-in host never has a running instance, so no workbook of the
    // user's is ever written into.
    if (SpreadsheetApplication *running = SpreadsheetHost::running(s.AppProgID); running == nullptr)
        s.App = SpreadsheetHost::create(s.AppProgID);
    bool movedToDocuments = false;
    const QString folder = reportFolder(&movedToDocuments);
    const QString caption = source.caption();
    s.ExelOtch = folder + fileNameOf(caption) + u".xls"_s;

    s.App->WorkBooks().Add();
    s.Ke = &s.App->WorkBooks().Item(1);
    s.Abc = &s.Ke->WorkSheets(1);
    s.Abc->setName(sheetNameOf(caption));

    writeSectionBlocks(*s.Abc, plan, source, 2);

    s.App->setDisplayAlerts(false);
    s.App->ActiveWorkBook().SaveAs(s.ExelOtch);
    if (!s.ServerIsRunning)
        s.App->Quit();
    s.reportApp = std::move(s.App);

    if (movedToDocuments)
        reporter.report(u"The program's folder cannot be written to, so the report was saved as \"%1\"."_s.arg(QDir::toNativeSeparators(s.ExelOtch)),
                        app::ErrorReporter::Severity::Notice);

    s.AppProgID = u"Excel.Application"_s;
    s.App = SpreadsheetHost::create(s.AppProgID);
    s.App->setVisible(true);
    s.ExelOtch = folder + fileNameOf(caption) + u".xls"_s;
    try {
        s.App->WorkBooks().Open(s.ExelOtch);
    } catch (const HostError &e) {
        throw HostError(u"The report was saved as \"%1\", but it could not be opened. %2"_s.arg(
            QDir::toNativeSeparators(s.ExelOtch), QString::fromUtf8(e.what())));
    }
}

} // namespace torvane::report
