#include "report/budgetworkbook.h"

#include "base/localizedtext.h"
#include "base/amountformat.h"
#include "report/budgetwords.h"
#include "report/builtinhost.h"
#include "report/outputformat.h"
#include "report/reportexport.h"
#include "report/biffwriter.h"
#include "report/ooxmlwriter.h"
#include "model/followupmodel.h"

#include <QLocale>

#include <array>
#include <optional>

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
const QString kGroupedTiyn = u"#,##0.00"_s;
const QString kDateFormat = u"yyyy-mm-dd"_s;

// A spreadsheet number shows 15 significant digits: amounts in tiyn below
// 10^15 keep every digit, larger ones are written as text.
constexpr qint64 kLargestExactTiyn = qint64(1000000000000000);

bool exact(qint64 tiyn)
{
    return tiyn > -kLargestExactTiyn && tiyn < kLargestExactTiyn;
}

// Whole tenge, or tenge and tiyn when any amount has them; a variance above
// the estimate shows red.
struct AmountFormats {
    QString amount;
    QString variance;

    explicit AmountFormats(bool tiyn)
        : amount(tiyn ? kGroupedTiyn : kGrouped)
        , variance(u"[Red]%1;-%1;%1"_s.arg(amount))
    {
    }
};

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

Cell framedBlank(bool bold = false)
{
    Cell cell;
    cell.style.border = true;
    cell.style.bold = bold;
    cell.style.verticalCentre = true;
    return cell;
}

// An amount known in tiyn: a number when a spreadsheet holds it exactly;
// a framed blank when it is not known.
Cell amountCell(const std::optional<qint64> &tiyn, const QString &format, base::Language language, bool bold = false)
{
    if (!tiyn)
        return framedBlank(bold);
    if (!exact(*tiyn)) {
        Cell text = textCell(base::tiynText(*tiyn, language), bold, true);
        text.style.wrap = false;
        return text;
    }
    return numberCell(double(*tiyn) / 100.0, format, bold);
}

Cell formulaCell(const QString &formula, qint64 tiyn, const QString &format, bool bold = false)
{
    Cell cell = numberCell(double(tiyn) / 100.0, format, bold);
    cell.kind = Cell::Kind::Formula;
    cell.formula = formula;
    return cell;
}

bool hasTiyn(const std::optional<qint64> &tiyn)
{
    return tiyn && *tiyn % 100 != 0;
}

bool hasTiyn(const FollowUpFigures &f)
{
    return hasTiyn(f.estimate) || hasTiyn(f.actual) || hasTiyn(f.variance) || hasTiyn(f.paid) || hasTiyn(f.toPay);
}

using Column = model::FollowUpModel::Column;
// The follow-up table's amounts, in the order of FollowUpFigures.
constexpr std::array kAmountColumns{Column::EstimateColumn, Column::ActualColumn, Column::VarianceColumn,
                                    Column::PaidColumn, Column::ToPayColumn};

Sheet summarySheet(const BudgetReport &d)
{
    const base::Language lang = d.language;
    const QStringList &headers = d.followUp.headers;
    bool tiyn = hasTiyn(std::optional(d.estimateTiyn)) || hasTiyn(std::optional(d.grandTotalTiyn));
    for (const BudgetSummaryRow &row : d.summary)
        tiyn = tiyn || hasTiyn(std::optional(row.estimateTiyn)) || hasTiyn(row.figures);
    const FollowUpFigures total = d.followUp.rows.isEmpty() ? FollowUpFigures{} : d.followUp.rows.back().figures;
    tiyn = tiyn || hasTiyn(total);
    const AmountFormats formats(tiyn);

    Sheet sheet;
    sheet.name = kSummary.in(lang);
    sheet.cells[{1, 1}] = textCell(d.title, true);
    sheet.cells[{2, 1}] = textCell(kDate.in(lang));
    const QLocale locale = base::localeOf(lang);
    sheet.cells[{2, 2}] = textCell(locale.toString(d.date, QLocale::ShortFormat));
    sheet.cells[{3, 1}] = textCell(kLanguageLabel.in(lang));
    sheet.cells[{3, 2}] = textCell(kLanguageName.in(lang));

    int row = kSummaryHeaderRow;
    const QStringList header{kSection.in(lang), kTotalTenge.in(lang), kShare.in(lang), headers.value(Column::ActualColumn),
                             headers.value(Column::PaidColumn), headers.value(Column::VarianceColumn)};
    for (int c = 1; c <= int(header.size()); ++c) {
        sheet.cells[{row, c}] = textCell(header[c - 1], true, true);
        sheet.cells[{row, c}].style.horizontalCentre = true;
    }
    const auto followUp = [&](int at, const FollowUpFigures &figures, bool bold) {
        sheet.cells[{at, 4}] = amountCell(figures.actual, formats.amount, lang, bold);
        sheet.cells[{at, 5}] = amountCell(figures.paid, formats.amount, lang, bold);
        sheet.cells[{at, 6}] = amountCell(figures.variance, formats.variance, lang, bold);
    };
    for (const BudgetSummaryRow &line : d.summary) {
        ++row;
        sheet.cells[{row, 1}] = textCell(line.caption, false, true);
        sheet.cells[{row, 2}] = amountCell(line.estimateTiyn, formats.amount, lang);
        sheet.cells[{row, 3}] = numberCell(line.shareTenths / 1000.0, u"0.0%"_s);
        followUp(row, line.figures, false);
    }
    ++row;
    sheet.cells[{row, 1}] = textCell(kEstimateTotal.in(lang), true, true);
    sheet.cells[{row, 2}] = amountCell(d.estimateTiyn, formats.amount, lang, true);
    sheet.cells[{row, 3}] = framedBlank();
    followUp(row, total, true);
    ++row;
    sheet.cells[{row, 1}] = textCell(kContingencyOf.in(lang).arg(shareText(d.contingencyTenths, lang)), false, true);
    sheet.cells[{row, 2}] = amountCell(d.contingency * 100, formats.amount, lang);
    sheet.cells[{row, 3}] = numberCell(d.contingencyTenths / 1000.0, u"0.0%"_s);
    ++row;
    sheet.cells[{row, 1}] = textCell(kGrandTotal.in(lang), true, true);
    sheet.cells[{row, 2}] = amountCell(d.grandTotalTiyn, formats.amount, lang, true);
    sheet.cells[{row, 3}] = framedBlank();
    // The follow-up columns stay framed where they have nothing to say.
    for (const int framed : {row - 1, row})
        for (int c = 4; c <= 6; ++c)
            sheet.cells[{framed, c}] = framedBlank();
    if (d.hasCurrencyLine()) {
        row += 2;
        sheet.cells[{row, 1}] = textCell(kCurrencyLine.in(lang).arg(d.currencyCode, d.currencyRateText), false, true);
        // Hundredths to units is a division by a power of ten: exact to the cent for any budget.
        sheet.cells[{row, 2}] = numberCell(double(d.currencyHundredths) / 100.0,
                                           u"#,##0.00\" %1\""_s.arg(QString(d.currencyCode).remove(u'"')), true);
    }
    sheet.columnWidths = {{1, 48}, {2, 20}, {3, 10}, {4, 18}, {5, 18}, {6, 18}};
    sheet.frozenRows = kSummaryHeaderRow;
    sheet.printTitleFirstRow = sheet.printTitleLastRow = kSummaryHeaderRow;
    return sheet;
}

// Whether every amount of the table can be a spreadsheet number: none past
// what a number holds exactly, none the table shows as too large.
bool numbersHold(const FollowUpTable &table)
{
    for (const FollowUpRowData &row : table.rows) {
        const FollowUpFigures &f = row.figures;
        const std::array figures{&f.estimate, &f.actual, &f.variance, &f.paid, &f.toPay};
        for (std::size_t i = 0; i < figures.size(); ++i) {
            const std::optional<qint64> &figure = *figures[i];
            if (figure ? !exact(*figure) : !row.texts.value(kAmountColumns[i]).isEmpty())
                return false;
        }
    }
    return true;
}

// The budget line by line, as the follow-up table has it: amounts as
// numbers, Variance and To pay as formulas over them, each section's
// subtotals and the budget's totals as sums, all with their computed
// values. Texts typed by the user stay texts, whatever they begin with.
Sheet followUpSheet(const BudgetReport &d, const QString &name)
{
    const base::Language lang = d.language;
    const FollowUpTable &table = d.followUp;
    bool tiyn = false;
    for (const FollowUpRowData &row : table.rows)
        tiyn = tiyn || hasTiyn(row.figures);
    const AmountFormats formats(tiyn);
    const bool numbers = numbersHold(table);

    Sheet sheet;
    sheet.name = name;
    constexpr int kColumns = Column::ColumnCount;
    for (int c = 0; c < kColumns; ++c) {
        Cell &cell = sheet.cells[{1, c + 1}] = textCell(table.headers.value(c), true, true);
        cell.style.horizontalCentre = true;
    }
    const auto column = [](Column c) { return int(c) + 1; };
    const auto letters = [&](Column c) { return columnLetters(column(c)); };
    const auto figureOf = [](const FollowUpFigures &f, Column c) -> const std::optional<qint64> & {
        switch (c) {
        case Column::ActualColumn: return f.actual;
        case Column::VarianceColumn: return f.variance;
        case Column::PaidColumn: return f.paid;
        case Column::ToPayColumn: return f.toPay;
        default: return f.estimate;
        }
    };
    const auto formatOf = [&](Column c) { return c == Column::VarianceColumn ? formats.variance : formats.amount; };

    int row = 1;
    int groupFirst = 2;
    std::vector<int> subtotalRows;
    int lastSubtotal = 1;
    for (const FollowUpRowData &data : table.rows) {
        const bool line = data.kind == FollowUpRowData::Kind::Line;
        const bool bold = !line;
        if (data.kind == FollowUpRowData::Kind::Total)
            ++row; // one empty row keeps the total below the filtered rows
        ++row;
        for (const Column c : {Column::SectionColumn, Column::ItemColumn, Column::ChoicesColumn, Column::SupplierColumn})
            sheet.cells[{row, column(c)}] = textCell(data.texts.value(c), bold, true);
        sheet.cells[{row, column(Column::NoteColumn)}] = textCell(line ? data.note : QString(), bold, true);
        if (data.due.isValid() && data.due >= QDate(1900, 3, 1)) {
            sheet.cells[{row, column(Column::DueColumn)}] =
                numberCell(double(QDate(1899, 12, 30).daysTo(data.due)), kDateFormat);
        } else {
            const QString due = line && data.due.isValid() ? data.due.toString(Qt::ISODate) : QString();
            sheet.cells[{row, column(Column::DueColumn)}] = textCell(due, false, true);
        }

        for (const Column c : kAmountColumns) {
            Cell &cell = sheet.cells[{row, column(c)}];
            const std::optional<qint64> &figure = figureOf(data.figures, c);
            if (!numbers) {
                cell = textCell(data.texts.value(c), bold, true);
                cell.style.wrap = false;
                continue;
            }
            if (!figure) {
                cell = framedBlank(bold);
                continue;
            }
            const QString me = letters(c);
            QString formula;
            if (line && c == Column::VarianceColumn)
                formula = u"%1%3-%2%3"_s.arg(letters(Column::ActualColumn), letters(Column::EstimateColumn)).arg(row);
            else if (line && c == Column::ToPayColumn)
                formula = u"%1%3-%2%3"_s.arg(letters(Column::ActualColumn), letters(Column::PaidColumn)).arg(row);
            else if (data.kind == FollowUpRowData::Kind::Subtotal)
                formula = u"SUM(%1%2:%1%3)"_s.arg(me).arg(groupFirst).arg(row - 1);
            else if (data.kind == FollowUpRowData::Kind::Total && !subtotalRows.empty()
                     && int(subtotalRows.size()) <= kMaxFormulaArguments) {
                QStringList cells;
                for (const int subtotal : subtotalRows)
                    cells << me + QString::number(subtotal);
                formula = u"SUM(%1)"_s.arg(cells.join(u','));
            }
            cell = formula.isEmpty() ? amountCell(figure, formatOf(c), lang, bold)
                                     : formulaCell(formula, *figure, formatOf(c), bold);
        }
        if (data.kind == FollowUpRowData::Kind::Subtotal) {
            subtotalRows.push_back(row);
            lastSubtotal = row;
            groupFirst = row + 1;
        }
    }
    sheet.columnWidths = {{1, 30}, {2, 36}, {3, 56}, {4, 15}, {5, 15}, {6, 15}, {7, 15}, {8, 15}, {9, 22}, {10, 12}, {11, 44}};
    sheet.frozenRows = 1;
    sheet.printTitleFirstRow = sheet.printTitleLastRow = 1;
    sheet.autoFilter = CellRange{1, 1, lastSubtotal, kColumns};
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
        if (document.hasFollowUpLines()) {
            names << sheetNameOf(kFollowUp.in(document.language), names);
            book.sheets.push_back(followUpSheet(document, names.back()));
        }
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
