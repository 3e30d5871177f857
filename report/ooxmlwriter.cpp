#include <xlsxwriter.h>

#include "report/writermodule.h"

#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cmath>
#include <map>
#include <set>
#include <stdexcept>
#include <tuple>
#include <vector>

using namespace Qt::StringLiterals;

namespace torvane::report {
namespace {


[[noreturn]] void fail(const QString &message)
{
    throw std::runtime_error(message.toStdString());
}

void check(lxw_error error, const QString &what)
{
    if (error != LXW_NO_ERROR)
        fail(u"%1: %2"_s.arg(what, QString::fromUtf8(lxw_strerror(error))));
}

// One lxw_format per distinct style; the workbook owns and frees them.
class Formats {
public:
    explicit Formats(lxw_workbook *book)
        : m_book(book)
    {
    }

    lxw_format *formatFor(const CellStyle &style)
    {
        if (style == CellStyle{})
            return nullptr;
        const auto key = std::tuple{style.bold, style.horizontalCentre, style.verticalCentre, style.wrap,
                                    style.border, style.numberFormat};
        const auto found = m_formats.find(key);
        if (found != m_formats.end())
            return found->second;
        lxw_format *format = workbook_add_format(m_book);
        if (!format)
            fail(u"libxlsxwriter could not create a cell format"_s);
        if (style.bold)
            format_set_bold(format);
        if (style.horizontalCentre)
            format_set_align(format, LXW_ALIGN_CENTER);
        if (style.verticalCentre)
            format_set_align(format, LXW_ALIGN_VERTICAL_CENTER);
        if (style.wrap)
            format_set_text_wrap(format);
        if (style.border)
            format_set_border(format, LXW_BORDER_THIN);
        if (!style.numberFormat.isEmpty())
            format_set_num_format(format, style.numberFormat.toUtf8().constData());
        m_formats.emplace(key, format);
        return format;
    }

private:
    lxw_workbook *m_book;
    std::map<std::tuple<bool, bool, bool, bool, bool, QString>, lxw_format *> m_formats;
};

// Frees the workbook unless workbook_close() has taken it over.
struct BookGuard {
    lxw_workbook *book;
    ~BookGuard()
    {
        if (book)
            lxw_workbook_free(book);
    }
};

void writeSheet(lxw_workbook *book, const Sheet &sheet, Formats &formats)
{
    const QByteArray name = sheet.name.toUtf8();
    check(workbook_validate_sheet_name(book, name.constData()), u"sheet name \"%1\""_s.arg(sheet.name));
    lxw_worksheet *worksheet = workbook_add_worksheet(book, name.constData());
    if (!worksheet)
        fail(u"libxlsxwriter could not add sheet \"%1\""_s.arg(sheet.name));

    worksheet_set_paper(worksheet, 9); // A4
    if (sheet.printLandscape)
        worksheet_set_landscape(worksheet);
    if (sheet.printFitToWidth)
        worksheet_fit_to_pages(worksheet, 1, 0);
    if (sheet.frozenRows > 0) {
        worksheet_freeze_panes(worksheet, lxw_row_t(sheet.frozenRows), 0);
    }
    if (sheet.printTitleFirstRow > 0) {
        check(worksheet_repeat_rows(worksheet, lxw_row_t(sheet.printTitleFirstRow - 1),
                                    lxw_row_t(sheet.printTitleLastRow - 1)),
              u"sheet \"%1\": repeated rows"_s.arg(sheet.name));
    }

    for (const auto &[column, width] : sheet.columnWidths) {
        const auto index = lxw_col_t(column - 1);
        check(worksheet_set_column(worksheet, index, index, width, nullptr),
              u"sheet \"%1\", column %2 width"_s.arg(sheet.name).arg(column));
    }
    for (const auto &[row, points] : sheet.rowHeights) {
        check(worksheet_set_row(worksheet, lxw_row_t(row - 1), points, nullptr),
              u"sheet \"%1\", row %2 height"_s.arg(sheet.name).arg(row));
    }

    // Merging first fills the range with the anchor's format; the cells
    // written after it keep their own look.
    std::set<std::pair<int, int>> textAnchors;
    for (const CellRange &range : sheet.merges) {
        const QString rangeName =
            cellName(range.firstRow, range.firstColumn) + u':' + cellName(range.lastRow, range.lastColumn);
        if (range.firstRow == range.lastRow && range.firstColumn == range.lastColumn)
            continue; // the library refuses one-cell merges

        QByteArray text;
        lxw_format *format = nullptr;
        const auto anchor = sheet.cells.find({range.firstRow, range.firstColumn});
        if (anchor != sheet.cells.end()) {
            format = formats.formatFor(anchor->second.style);
            if (anchor->second.kind == Cell::Kind::Text && !anchor->second.text.isEmpty()
                && anchor->second.text.size() <= 32767) {
                text = anchor->second.text.toUtf8();
                textAnchors.insert(anchor->first);
            }
        }
        check(worksheet_merge_range(worksheet, lxw_row_t(range.firstRow - 1), lxw_col_t(range.firstColumn - 1),
                                    lxw_row_t(range.lastRow - 1), lxw_col_t(range.lastColumn - 1),
                                    text.constData(), format),
              u"sheet \"%1\": merged range %2"_s.arg(sheet.name, rangeName));
    }

    for (const auto &[position, cell] : sheet.cells) {
        const auto [row, column] = position;
        if (textAnchors.contains(position))
            continue; // written by the merge
        const QString where = u"sheet \"%1\", cell %2"_s.arg(sheet.name, cellName(row, column));
        const auto r = lxw_row_t(row - 1);
        const auto c = lxw_col_t(column - 1);
        lxw_format *format = formats.formatFor(cell.style);
        switch (cell.kind) {
        case Cell::Kind::Text:
            // The library stores an empty string as a blank cell.
            check(worksheet_write_string(worksheet, r, c, cell.text.toUtf8().constData(), format), where);
            break;
        case Cell::Kind::Number:
            check(worksheet_write_number(worksheet, r, c, cell.number, format), where);
            break;
        case Cell::Kind::Blank:
            check(worksheet_write_blank(worksheet, r, c, format), where);
            break;
        case Cell::Kind::Formula: {
            const QByteArray formula = (u'=' + cell.formula).toUtf8();
            if (cell.textResult)
                check(worksheet_write_formula_str(worksheet, r, c, formula.constData(), format,
                                                  cell.text.toUtf8().constData()),
                      where);
            else
                check(worksheet_write_formula_num(worksheet, r, c, formula.constData(), format, cell.number), where);
            break;
        }
        }
    }
    if (const std::optional<CellRange> &filter = sheet.autoFilter) {
        check(worksheet_autofilter(worksheet, lxw_row_t(filter->firstRow - 1), lxw_col_t(filter->firstColumn - 1),
                                   lxw_row_t(filter->lastRow - 1), lxw_col_t(filter->lastColumn - 1)),
              u"sheet \"%1\": filter range"_s.arg(sheet.name));
    }
}

} // namespace

QByteArray writeXlsxBytes(const Workbook &book)
{
    if (const QString problem = workbookProblem(book, kXlsxLimits); !problem.isEmpty())
        fail(problem);

    // The library writes to a named file and needs scratch files of its own.
    QTemporaryDir dir;
    if (!dir.isValid())
        fail(u"cannot create a temporary folder: %1"_s.arg(dir.errorString()));
    const QString path = dir.filePath(u"book.xlsx"_s);
    QByteArray scratch = QFile::encodeName(dir.path());
    lxw_workbook_options options{};
    options.constant_memory = LXW_FALSE;
    options.tmpdir = scratch.data();

    BookGuard guard{workbook_new_opt(QFile::encodeName(path).constData(), &options)};
    if (!guard.book)
        fail(u"libxlsxwriter could not create a workbook"_s);
    Formats formats(guard.book);
    for (const Sheet &sheet : book.sheets)
        writeSheet(guard.book, sheet, formats);

    lxw_workbook *closing = guard.book;
    guard.book = nullptr; // closed or not, workbook_close frees it
    check(workbook_close(closing), u"cannot write the .xlsx file"_s);

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(u"cannot read back %1: %2"_s.arg(path, file.errorString()));
    return file.readAll();
}

} // namespace torvane::report
