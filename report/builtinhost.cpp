#include "report/builtinhost.h"

#include "base/decimalformat.h"
#include "base/safefile.h"
#include "report/hostconstants.h"
#include "report/biffwriter.h"
#include "report/ooxmlwriter.h"
#include "report/outputformat.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace torvane::report {

using namespace Qt::StringLiterals;

namespace {

// Whole numbers beyond this cannot be held exactly by a spreadsheet number.
constexpr qint64 kLargestExactInteger = qint64(1) << 53;
constexpr double kDefaultColumnWidth = 8.43;
constexpr double kLineHeight = 12.75; // points, for the default 10-point font
constexpr double kHighestRow = 409;   // points

// Reports are written as .xls too, so every cell must fit its smaller grid.
void checkCell(int row, int column)
{
    if (const QString problem = cellProblem(row, column, kXlsLimits); !problem.isEmpty())
        throw HostError(problem);
}

} // namespace

Cell cellFromText(const QString &text, QChar decimalPoint)
{
    Cell cell;
    static const QRegularExpression whole(u"^-?(0|[1-9][0-9]{0,17})$"_s);
    if (whole.match(text).hasMatch()) {
        bool ok = false;
        const qint64 value = text.toLongLong(&ok);
        if (ok && value <= kLargestExactInteger && value >= -kLargestExactInteger) {
            cell.kind = Cell::Kind::Number;
            cell.number = double(value);
            cell.style.numberFormat = u"0"_s;
            return cell;
        }
    }
    const QRegularExpression decimal(u"^-?(0|[1-9][0-9]*)%1([0-9]+)$"_s.arg(QRegularExpression::escape(QString(decimalPoint))));
    if (const QRegularExpressionMatch match = decimal.match(text); match.hasMatch() && text.size() <= 17) {
        QString plain = text;
        plain.replace(decimalPoint, u'.');
        bool ok = false;
        const double value = plain.toDouble(&ok);
        if (ok) {
            cell.kind = Cell::Kind::Number;
            cell.number = value;
            cell.style.numberFormat = u"0."_s + QString(match.captured(2).size(), u'0');
            return cell;
        }
    }
    cell.kind = Cell::Kind::Text;
    cell.text = text;
    return cell;
}

CellRange parseRangeAddress(const QString &address)
{
    static const QRegularExpression pattern(u"^([A-Za-z]{1,2})([0-9]{1,5}):([A-Za-z]{1,2})([0-9]{1,5})$"_s);
    const QRegularExpressionMatch match = pattern.match(address);
    if (!match.hasMatch())
        throw HostError(u"\"%1\" is not a cell range."_s.arg(address));
    const auto column = [](const QString &letters) {
        int c = 0;
        for (QChar ch : letters)
            c = c * 26 + (ch.toUpper().unicode() - u'A' + 1);
        return c;
    };
    CellRange range{match.captured(2).toInt(), column(match.captured(1)), match.captured(4).toInt(), column(match.captured(3))};
    if (range.firstRow > range.lastRow)
        std::swap(range.firstRow, range.lastRow);
    if (range.firstColumn > range.lastColumn)
        std::swap(range.firstColumn, range.lastColumn);
    checkCell(range.firstRow, range.firstColumn);
    checkCell(range.lastRow, range.lastColumn);
    return range;
}

namespace {

// Lines a text takes when wrapped into a width of so many characters.
int wrappedLines(const QString &text, double width, bool bold)
{
    const double room = std::max(1.0, width - 1.0);
    const double scale = bold ? 1.1 : 1.0;
    int lines = 0;
    for (const QString &paragraph : text.split(u'\n')) {
        ++lines;
        double used = 0;
        for (const QString &word : paragraph.split(u' ', Qt::SkipEmptyParts)) {
            const double length = word.size() * scale;
            if (used > 0 && used + 1 + length > room) {
                ++lines;
                used = 0;
            }
            if (length > room) {
                lines += int(std::ceil(length / room)) - 1;
                used = std::fmod(length, room);
            } else {
                used += (used > 0 ? 1 : 0) + length;
            }
        }
    }
    return std::max(lines, 1);
}

} // namespace

void fitRowHeights(Sheet &sheet)
{
    const auto width = [&](int column) {
        const auto it = sheet.columnWidths.find(column);
        return it == sheet.columnWidths.end() ? kDefaultColumnWidth : it->second;
    };
    std::map<int, int> lines;
    for (const auto &[position, cell] : sheet.cells) {
        if (cell.kind != Cell::Kind::Text || !cell.style.wrap)
            continue;
        const auto [row, column] = position;
        double room = width(column);
        for (const CellRange &merge : sheet.merges) {
            if (merge.firstRow <= row && row <= merge.lastRow && merge.firstColumn <= column && column <= merge.lastColumn) {
                room = 0;
                for (int c = merge.firstColumn; c <= merge.lastColumn; ++c)
                    room += width(c);
            }
        }
        lines[row] = std::max(lines[row], wrappedLines(cell.text, room, cell.style.bold));
    }
    // A row cannot be higher than 409 points; a longer text scrolls in its cell.
    for (const auto &[row, count] : lines)
        if (count > 1)
            sheet.rowHeights[row] = std::min(kLineHeight * count, kHighestRow);
}

void fitColumnWidths(Sheet &sheet, double least, double greatest)
{
    constexpr double padding = 2;    // a character each side, so no text touches its border
    constexpr double boldScale = 1.15;
    std::map<int, double> longest;
    for (const auto &[position, cell] : sheet.cells) {
        const auto [row, column] = position;
        const bool merged = std::any_of(sheet.merges.cbegin(), sheet.merges.cend(), [&](const CellRange &m) {
            return m.firstRow <= row && row <= m.lastRow && m.firstColumn <= column && column <= m.lastColumn;
        });
        if (merged)
            continue;
        QString shown;
        if (cell.kind == Cell::Kind::Text)
            shown = cell.text;
        else if (cell.kind == Cell::Kind::Number)
            shown = QString::number(cell.number, 'f', cell.number == std::floor(cell.number) ? 0 : 2);
        double length = 0;
        for (const QStringView line : QStringView(shown).split(u'\n'))
            length = std::max(length, double(line.size()));
        if (length > 0)
            longest[column] = std::max(longest[column], length * (cell.style.bold ? boldScale : 1.0));
    }
    for (const auto &[column, length] : longest)
        sheet.columnWidths[column] = std::clamp(std::ceil(length + padding), least, greatest);
}

class BuiltinWorkbook::Sheet : public HostWorksheet
{
public:
    Sheet(Workbook &book, std::size_t index) : m_book(book), m_index(index) {}

    report::Sheet &model() { return m_book.sheets[m_index]; }

    void setName(const QString &name) override
    {
        QStringList others;
        for (std::size_t i = 0; i < m_book.sheets.size(); ++i)
            if (i != m_index)
                others << m_book.sheets[i].name;
        if (const QString problem = sheetNameProblem(name, others); !problem.isEmpty())
            throw HostError(u"The sheet cannot be renamed: %1."_s.arg(problem));
        model().name = name;
    }

    void Cells(int row, int column, const QString &value) override
    {
        checkCell(row, column);
        Cell &cell = model().cells[{row, column}];
        // A new value keeps the cell's look; only its number format follows the value.
        Cell typed = cellFromText(value, base::DecimalFormat::regional().decimalPoint());
        const QString format = typed.style.numberFormat;
        typed.style = cell.style;
        typed.style.numberFormat = format;
        cell = typed;
    }

    std::unique_ptr<HostRange> Range(const QString &address) override;

private:
    Workbook &m_book;
    std::size_t m_index;
};

namespace {

class BuiltinRange : public HostRange, public HostFont, public HostBorders
{
public:
    BuiltinRange(Sheet &sheet, CellRange range) : m_sheet(sheet), m_range(range) {}

    void Merge() override
    {
        for (const CellRange &other : m_sheet.merges) {
            const bool apart = other.lastRow < m_range.firstRow || m_range.lastRow < other.firstRow
                || other.lastColumn < m_range.firstColumn || m_range.lastColumn < other.firstColumn;
            if (other == m_range)
                return;
            if (!apart)
                throw HostError(u"Cells %1 overlap a merged range."_s.arg(address()));
        }
        if (m_range.firstRow == m_range.lastRow && m_range.firstColumn == m_range.lastColumn)
            return;
        m_sheet.merges.push_back(m_range);
        // Only the first cell keeps a value, as in every spreadsheet program.
        forEach([&](int row, int column, Cell &cell) {
            if (row != m_range.firstRow || column != m_range.firstColumn) {
                cell.kind = Cell::Kind::Blank;
                cell.text.clear();
            }
        });
    }
    HostFont &Font() override { return *this; }
    HostBorders &Borders() override { return *this; }
    void setBold(bool bold) override
    {
        forEach([&](int, int, Cell &cell) { cell.style.bold = bold; });
    }
    void setHorizontalAlignment(int alignment) override
    {
        forEach([&](int, int, Cell &cell) { cell.style.horizontalCentre = alignment == kAlignCentre; });
    }
    void setVerticalAlignment(int alignment) override
    {
        forEach([&](int, int, Cell &cell) { cell.style.verticalCentre = alignment == kAlignMiddle; });
    }
    void setColumnWidth(int width) override
    {
        for (int column = m_range.firstColumn; column <= m_range.lastColumn; ++column)
            m_sheet.columnWidths[column] = width;
    }
    void setWrapText(bool wrap) override
    {
        forEach([&](int, int, Cell &cell) { cell.style.wrap = wrap; });
    }
    void setLineStyle(int style) override
    {
        forEach([&](int, int, Cell &cell) { cell.style.border = style == kLineContinuous; });
    }

private:
    template<typename F>
    void forEach(F &&apply)
    {
        for (int row = m_range.firstRow; row <= m_range.lastRow; ++row)
            for (int column = m_range.firstColumn; column <= m_range.lastColumn; ++column)
                apply(row, column, m_sheet.cells[{row, column}]);
    }
    QString address() const
    {
        return cellName(m_range.firstRow, m_range.firstColumn) + u':' + cellName(m_range.lastRow, m_range.lastColumn);
    }

    Sheet &m_sheet;
    CellRange m_range;
};

} // namespace

std::unique_ptr<HostRange> BuiltinWorkbook::Sheet::Range(const QString &address)
{
    return std::make_unique<BuiltinRange>(model(), parseRangeAddress(address));
}

BuiltinWorkbook::BuiltinWorkbook()
{
    addWorkSheet();
}

HostWorksheet &BuiltinWorkbook::WorkSheets(int index)
{
    if (index < 1 || index > int(m_sheets.size()))
        throw HostError(u"The workbook has no sheet %1."_s.arg(index));
    return *m_sheets[std::size_t(index - 1)];
}

HostWorksheet &BuiltinWorkbook::addWorkSheet()
{
    report::Sheet sheet;
    sheet.name = u"Sheet%1"_s.arg(m_model.sheets.size() + 1);
    m_model.sheets.push_back(std::move(sheet));
    m_sheets.push_back(std::make_unique<Sheet>(m_model, m_model.sheets.size() - 1));
    return *m_sheets.back();
}

void BuiltinWorkbook::SaveAs(const QString &path)
{
    const OutputFormat format = outputFormatOf(path);
    if (!isWorkbook(format))
        throw HostError(u"Cannot save \"%1\": only .xls and .xlsx workbooks can be written."_s.arg(path));
    Workbook book = m_model;
    for (report::Sheet &sheet : book.sheets) {
        fitRowHeights(sheet);
        // Reports print across the page, every column on one page width.
        sheet.printLandscape = true;
        sheet.printFitToWidth = true;
    }
    QByteArray bytes;
    try {
        bytes = format == OutputFormat::Xls ? BiffWriter::write(book) : OoxmlWriter::write(book);
    } catch (const std::exception &e) {
        throw HostError(HostError::Kind::Save, path, QString::fromUtf8(e.what()),
                        u"Cannot save \"%1\": %2"_s.arg(path, QString::fromUtf8(e.what())));
    }
    // Written aside and moved into place only when complete, so a failed save
    // never leaves a damaged file where the previous report was.
    if (const base::WriteResult written = base::writeFileAtomically(path, bytes); !written)
        throw HostError(HostError::Kind::Save, path, written.reason, u"Cannot save \"%1\": %2"_s.arg(path, written.reason));
}

namespace {

class BuiltinWorkbooks : public HostWorkbooks
{
public:
    HostWorkbook &Add() override
    {
        m_books.push_back(std::make_unique<BuiltinWorkbook>());
        m_active = m_books.back().get();
        return *m_active;
    }
    HostWorkbook &Item(int index) override
    {
        if (index < 1 || index > int(m_books.size()))
            throw HostError(u"There is no workbook %1."_s.arg(index));
        return *m_books[std::size_t(index - 1)];
    }
    void Open(const QString &path) override
    {
        if (!QFileInfo(path).isReadable())
            throw HostError(HostError::Kind::OpenMissing, path, {},
                            u"Cannot open \"%1\": the file does not exist or cannot be read."_s.arg(path));
        if (!SpreadsheetHost::open(path))
            throw HostError(HostError::Kind::OpenNoViewer, path, {},
                            u"Cannot open \"%1\": no program to show spreadsheets was found on this desktop."_s.arg(path));
    }
    HostWorkbook *active() const { return m_active; }

private:
    std::vector<std::unique_ptr<BuiltinWorkbook>> m_books;
    HostWorkbook *m_active = nullptr;
};

class BuiltinApplication : public SpreadsheetApplication
{
public:
    void setVisible(bool) override {}
    HostWorkbooks &WorkBooks() override { return m_books; }
    void setDisplayAlerts(bool) override {} // nothing here ever asks the user
    HostWorkbook &ActiveWorkBook() override
    {
        if (!m_books.active())
            throw HostError(u"There is no active workbook."_s);
        return *m_books.active();
    }
    void Quit() override {}

private:
    BuiltinWorkbooks m_books;
};

} // namespace

std::unique_ptr<SpreadsheetApplication> makeBuiltinApplication()
{
    return std::make_unique<BuiltinApplication>();
}

} // namespace torvane::report
