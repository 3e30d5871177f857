#include "report/budgetworkbook.h"

#include "base/localizedtext.h"
#include "base/amountformat.h"
#include "report/budgetwords.h"
#include "report/builtinhost.h"
#include "report/outputformat.h"
#include "report/reportexport.h"
#include "report/biffwriter.h"
#include "report/ooxmlwriter.h"

#include <QLocale>

namespace torvane::report {

using namespace Qt::StringLiterals;
using base::LocalizedText;
using namespace words;

namespace {

constexpr int kSummaryHeaderRow = 5;

constexpr LocalizedText kNoFormat{u"Seuls les classeurs .xlsx et .xls peuvent être écrits.",
                                  u"Можно записать только книги .xlsx и .xls.",
                                  u"Only .xlsx and .xls workbooks can be written."};

const QString kGrouped = u"#,##0"_s;
const QString kGroupedDecimals = u"#,##0.0##"_s;

Cell textCell(const QString &text, bool bold = false, bool border = false)
{
    Cell cell;
    cell.kind = Cell::Kind::Text;
    cell.text = text;
    cell.style.bold = bold;
    cell.style.border = border;
    cell.style.wrap = true;
    cell.style.verticalCentre = true;
    return cell;
}

Cell numberCell(double value, const QString &format, bool bold = false)
{
    Cell cell;
    cell.kind = Cell::Kind::Number;
    cell.number = value;
    cell.style.numberFormat = format;
    cell.style.bold = bold;
    cell.style.border = true;
    cell.style.verticalCentre = true;
    return cell;
}

// Amounts are whole tenge far below 2^53, so a spreadsheet number holds them exactly.
Sheet summarySheet(const BudgetReport &d)
{
    const base::Language lang = d.language;
    Sheet sheet;
    sheet.name = kSummary.in(lang);
    sheet.cells[{1, 1}] = textCell(d.title, true);
    sheet.cells[{2, 1}] = textCell(kDate.in(lang));
    const QLocale locale = base::localeOf(lang);
    sheet.cells[{2, 2}] = textCell(locale.toString(d.date, QLocale::ShortFormat));
    sheet.cells[{3, 1}] = textCell(kLanguageLabel.in(lang));
    sheet.cells[{3, 2}] = textCell(kLanguageName.in(lang));

    int row = kSummaryHeaderRow;
    sheet.cells[{row, 1}] = textCell(kSection.in(lang), true, true);
    sheet.cells[{row, 2}] = textCell(kTotalTenge.in(lang), true, true);
    sheet.cells[{row, 3}] = textCell(kShare.in(lang), true, true);
    for (int c = 1; c <= 3; ++c)
        sheet.cells[{row, c}].style.horizontalCentre = true;
    for (const BudgetSectionData &section : d.sections) {
        ++row;
        sheet.cells[{row, 1}] = textCell(section.caption, false, true);
        sheet.cells[{row, 2}] = numberCell(double(section.total), kGrouped);
        sheet.cells[{row, 3}] = numberCell(section.shareTenths / 1000.0, u"0.0%"_s);
    }
    ++row;
    sheet.cells[{row, 1}] = textCell(kSectionsTotal.in(lang), true, true);
    sheet.cells[{row, 2}] = numberCell(double(d.sectionsTotal), kGrouped, true);
    ++row;
    sheet.cells[{row, 1}] = textCell(kContingencyOf.in(lang).arg(shareText(d.contingencyTenths, lang)), false, true);
    sheet.cells[{row, 2}] = numberCell(double(d.contingency), kGrouped);
    sheet.cells[{row, 3}] = numberCell(d.contingencyTenths / 1000.0, u"0.0%"_s);
    ++row;
    sheet.cells[{row, 1}] = textCell(kGrandTotal.in(lang), true, true);
    sheet.cells[{row, 2}] = numberCell(double(d.grandTotal), kGrouped, true);
    // The share column stays framed where it has nothing to say.
    for (const int framed : {row - 2, row}) {
        Cell &blank = sheet.cells[{framed, 3}];
        blank.style.border = true;
    }
    if (d.hasCurrencyLine()) {
        row += 2;
        sheet.cells[{row, 1}] = textCell(kCurrencyLine.in(lang).arg(d.currencyCode, d.currencyRateText), false, true);
        // Hundredths to units is a division by a power of ten: exact to the cent for any budget.
        sheet.cells[{row, 2}] = numberCell(double(d.currencyHundredths) / 100.0,
                                           u"#,##0.00\" %1\""_s.arg(QString(d.currencyCode).remove(u'"')), true);
    }
    sheet.columnWidths = {{1, 48}, {2, 20}, {3, 10}};
    sheet.frozenRows = kSummaryHeaderRow;
    sheet.printTitleFirstRow = sheet.printTitleLastRow = kSummaryHeaderRow;
    return sheet;
}

// The section's own report, written by the same calls, with its caption above.
Sheet sectionSheet(const BudgetSectionData &section, const QString &name)
{
    BuiltinWorkbook book;
    HostWorksheet &host = book.WorkSheets(1);
    host.Cells(1, 1, section.caption);
    host.Range(u"A1:A1"_s)->Font().setBold(true);
    writeSectionBlocks(host, section.plan, *section.source, 2);
    Sheet sheet = book.model().sheets.front();
    sheet.name = name;
    // The caption is text whatever it reads like.
    Cell &caption = sheet.cells[{1, 1}];
    caption.kind = Cell::Kind::Text;
    caption.text = section.caption;
    caption.style.numberFormat.clear();
    // Amounts read more easily grouped.
    for (auto &[position, cell] : sheet.cells) {
        if (cell.kind != Cell::Kind::Number)
            continue;
        cell.style.numberFormat = cell.style.numberFormat == u"0"_s ? kGrouped : kGroupedDecimals;
    }
    sheet.frozenRows = 1;
    sheet.printTitleFirstRow = sheet.printTitleLastRow = 1;
    return sheet;
}

} // namespace

BudgetWriteResult writeBudgetWorkbook(const BudgetReport &document, const QString &path)
{
    BudgetWriteResult result;
    result.path = path;
    const OutputFormat format = outputFormatOf(path);
    if (!isWorkbook(format)) {
        result.reason = kNoFormat.in(document.language);
        return result;
    }
    if (const BudgetWriteResult allowed = mayWrite(document, path); !allowed.ok())
        return allowed;
    QByteArray bytes;
    try {
        Workbook book;
        book.sheets.push_back(summarySheet(document));
        QStringList names{book.sheets.front().name};
        for (const BudgetSectionData &section : document.sections) {
            if (section.empty || !section.source)
                continue;
            names << sheetNameOf(section.caption, names);
            book.sheets.push_back(sectionSheet(section, names.back()));
        }
        for (Sheet &sheet : book.sheets) {
            fitRowHeights(sheet);
            sheet.printLandscape = true;
            sheet.printFitToWidth = true;
        }
        bytes = format == OutputFormat::Xls ? BiffWriter::write(book) : OoxmlWriter::write(book);
    } catch (const std::exception &e) {
        result.reason = QString::fromUtf8(e.what());
        return result;
    }
    return saveWhole(path, bytes);
}

} // namespace torvane::report
