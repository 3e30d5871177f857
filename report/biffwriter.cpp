// GLib headers come before Qt's so Qt's keyword macros cannot touch them.
#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-output.h>
#include <gsf/gsf-utils.h>

#include "report/writermodule.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace torvane::report {
namespace {

enum RecordType : quint16 {
    recEof = 0x000A,
    recHeader = 0x0014,
    recFooter = 0x0015,
    recHCenter = 0x0083,
    recVCenter = 0x0084,
    recSetup = 0x00A1,
    recDateMode = 0x0022,
    recFont = 0x0031,
    recContinue = 0x003C,
    recWindow1 = 0x003D,
    recCodePage = 0x0042,
    recDefColWidth = 0x0055,
    recColInfo = 0x007D,
    recWsBool = 0x0081,
    recBoundSheet = 0x0085,
    recMulBlank = 0x00BE,
    recXf = 0x00E0,
    recMergedCells = 0x00E5,
    recSst = 0x00FC,
    recLabelSst = 0x00FD,
    recExtSst = 0x00FF,
    recDimensions = 0x0200,
    recBlank = 0x0201,
    recNumber = 0x0203,
    recRow = 0x0208,
    recWindow2 = 0x023E,
    recStyle = 0x0293,
    recBof = 0x0809,
    recFormat = 0x041E,
    recPane = 0x0041,
    recName = 0x0018,
    recExternSheet = 0x0017,
    recSupBook = 0x01AE,
    recFormula = 0x0006,
    recString = 0x0207,
};

constexpr qsizetype maxRecordData = 8224;
constexpr int maxColumns = 256;
constexpr int maxFormatUnits = 255;
constexpr int maxXfCount = 4050;
constexpr int maxMergesPerRecord = 1026;
constexpr int rowsPerBlock = 32;
constexpr quint16 defaultCellXf = 15;
constexpr quint16 firstCellXf = 16;
constexpr quint16 firstCustomFormat = 164;
constexpr quint16 regularFont = 0;
constexpr quint16 boldFont = 5; // index 4 is skipped by every reader
constexpr quint16 defaultRowTwips = 255;
constexpr quint16 automaticColour = 64;
constexpr quint16 cellPatternColours = 0x20C0; // foreground 64, background 65

[[noreturn]] void fail(const QString &message)
{
    throw std::runtime_error(message.toStdString());
}

// Little-endian byte sink for record bodies and streams.
struct Bytes {
    QByteArray data;

    void u8(quint8 v) { data.append(char(v)); }
    void u16(quint16 v)
    {
        u8(quint8(v & 0xFF));
        u8(quint8(v >> 8));
    }
    void u32(quint32 v)
    {
        u16(quint16(v & 0xFFFF));
        u16(quint16(v >> 16));
    }
    void f64(double v)
    {
        quint64 bits = 0;
        std::memcpy(&bits, &v, sizeof bits);
        u32(quint32(bits & 0xFFFFFFFFu));
        u32(quint32(bits >> 32));
    }
    void patchU32(qsizetype at, quint32 v)
    {
        for (int i = 0; i < 4; ++i)
            data[at + i] = char((v >> (8 * i)) & 0xFF);
    }
    qsizetype size() const { return data.size(); }
};

void record(Bytes &out, quint16 type, const Bytes &body)
{
    if (body.size() > maxRecordData)
        fail(u"internal error: BIFF record 0x%1 holds %2 bytes"_s.arg(uint(type), 4, 16, QChar(u'0')).arg(body.size()));
    out.u16(type);
    out.u16(quint16(body.size()));
    out.data.append(body.data);
}

void emptyRecord(Bytes &out, quint16 type)
{
    record(out, type, Bytes{});
}

// Pure Latin-1 text may be stored one byte per unit; anything else takes two.
bool fitsLatin1(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() <= 0xFF; });
}

void characters(Bytes &out, const QString &text, qsizetype from, qsizetype count, bool compressed)
{
    for (qsizetype i = from; i < from + count; ++i) {
        const char16_t unit = text.at(i).unicode();
        if (compressed)
            out.u8(quint8(unit));
        else
            out.u16(unit);
    }
}

void shortUnicodeString(Bytes &out, const QString &text)
{
    const bool compressed = fitsLatin1(text);
    out.u8(quint8(text.size()));
    out.u8(compressed ? 0 : 1);
    characters(out, text, 0, text.size(), compressed);
}

void unicodeString(Bytes &out, const QString &text)
{
    const bool compressed = fitsLatin1(text);
    out.u16(quint16(text.size()));
    out.u8(compressed ? 0 : 1);
    characters(out, text, 0, text.size(), compressed);
}

void bof(Bytes &out, quint16 substream)
{
    Bytes body;
    body.u16(0x0600); // BIFF8
    body.u16(substream);
    body.u16(0x0DBB); // build and year of the first BIFF8 release
    body.u16(0x07CC);
    body.u32(0);      // file history flags
    body.u32(0x0006); // lowest BIFF version that can read the file
    record(out, recBof, body);
}

// Distinct cell styles become XF records from index 16; the default style
// shares XF 15 with unformatted cells.
class StyleTable {
public:
    quint16 xfFor(const CellStyle &style)
    {
        if (style == CellStyle{})
            return defaultCellXf;
        const auto found = std::find(m_styles.cbegin(), m_styles.cend(), style);
        if (found != m_styles.cend())
            return quint16(firstCellXf + (found - m_styles.cbegin()));
        if (firstCellXf + qsizetype(m_styles.size()) >= maxXfCount)
            fail(u"the workbook has more distinct cell styles than an .xls file can hold"_s);
        const QString &format = style.numberFormat;
        if (!format.isEmpty() && !m_formats.contains(format)) {
            if (format.size() > maxFormatUnits)
                fail(u"number format \"%1\" is longer than %2 characters"_s.arg(format).arg(maxFormatUnits));
            m_formats.append(format);
        }
        m_styles.push_back(style);
        return quint16(firstCellXf + m_styles.size() - 1);
    }

    void writeFonts(Bytes &out) const
    {
        for (int i = 0; i < 4; ++i)
            font(out, false);
        font(out, true);
    }

    void writeFormats(Bytes &out) const
    {
        for (qsizetype i = 0; i < m_formats.size(); ++i) {
            Bytes body;
            body.u16(quint16(firstCustomFormat + i));
            unicodeString(body, m_formats.at(i));
            record(out, recFormat, body);
        }
    }

    void writeXfs(Bytes &out) const
    {
        constexpr quint16 styleXf = 0xFFF5;     // locked, style XF, no parent
        constexpr quint8 bottomAligned = 0x20;  // general horizontal, bottom vertical
        constexpr quint8 styleIgnoresAllButFont = 0xF4;
        xf(out, regularFont, 0, styleXf, bottomAligned, 0x00, false);
        for (int i = 1; i < 15; ++i) {
            const quint16 font = i <= 2 ? 1 : i <= 4 ? 2 : 0;
            xf(out, font, 0, styleXf, bottomAligned, styleIgnoresAllButFont, false);
        }
        constexpr quint16 cellXfOfNormal = 0x0001; // locked, cell XF, parent XF 0
        xf(out, regularFont, 0, cellXfOfNormal, bottomAligned, 0x00, false);
        for (const CellStyle &style : m_styles) {
            const quint16 font = style.bold ? boldFont : regularFont;
            const quint16 format = style.numberFormat.isEmpty()
                ? 0
                : quint16(firstCustomFormat + m_formats.indexOf(style.numberFormat));
            const quint8 horizontal = style.horizontalCentre ? 2 : 0;
            const quint8 vertical = style.verticalCentre ? 1 : 2;
            const quint8 alignment = quint8(horizontal | (style.wrap ? 0x08 : 0) | (vertical << 4));
            // Mark what differs from the Normal style, as readers may take
            // unmarked attributes from the parent.
            quint8 used = 0;
            if (format != 0)
                used |= 0x04;
            if (font != regularFont)
                used |= 0x08;
            if (alignment != bottomAligned)
                used |= 0x10;
            if (style.border)
                used |= 0x20;
            xf(out, font, format, cellXfOfNormal, alignment, used, style.border);
        }
    }

private:
    static void font(Bytes &out, bool bold)
    {
        Bytes body;
        body.u16(200);    // 10 pt in twips
        body.u16(bold ? 0x0001 : 0); // the old bold bit, still read by some readers
        body.u16(0x7FFF); // window text colour
        body.u16(bold ? 700 : 400);
        body.u16(0); // no super- or subscript
        body.u8(0);  // no underline
        body.u8(0);  // family: any
        body.u8(1);  // character set: system default
        body.u8(0);
        shortUnicodeString(body, u"Arial"_s);
        record(out, recFont, body);
    }

    static void xf(Bytes &out, quint16 font, quint16 format, quint16 typeAndParent, quint8 alignment,
                   quint8 used, bool border)
    {
        Bytes body;
        body.u16(font);
        body.u16(format);
        body.u16(typeAndParent);
        body.u8(alignment);
        body.u8(0); // no rotation
        body.u8(0); // no indent, shrink or reading order
        body.u8(used);
        if (border) {
            constexpr quint32 thin = 1;
            body.u32(thin | thin << 4 | thin << 8 | thin << 12 | quint32(automaticColour) << 16
                     | quint32(automaticColour) << 23);
            body.u32(quint32(automaticColour) | quint32(automaticColour) << 7);
        } else {
            body.u32(0);
            body.u32(0);
        }
        body.u16(cellPatternColours);
        record(out, recXf, body);
    }

    std::vector<CellStyle> m_styles;
    QStringList m_formats;
};

class SharedStrings {
public:
    quint32 indexOf(const QString &text)
    {
        ++m_references;
        const auto found = m_index.constFind(text);
        if (found != m_index.cend())
            return found.value();
        const auto index = quint32(m_strings.size());
        m_index.insert(text, index);
        m_strings.append(text);
        return index;
    }

    // SST, its CONTINUE records and EXTSST. `out` must start at stream offset
    // 0, as EXTSST holds absolute positions.
    void write(Bytes &out) const
    {
        const qsizetype count = m_strings.size();
        const quint16 perBucket = quint16(std::max<qsizetype>(8, (count + 127) / 128));
        struct Bucket {
            quint32 streamPosition;
            quint16 recordOffset;
        };
        std::vector<Bucket> buckets;

        Bytes rec;
        quint16 type = recSst;
        rec.u32(m_references);
        rec.u32(quint32(count));
        const auto flush = [&] {
            record(out, type, rec);
            rec = Bytes{};
            type = recContinue;
        };

        for (qsizetype i = 0; i < count; ++i) {
            const QString &text = m_strings.at(i);
            const bool compressed = fitsLatin1(text);
            const qsizetype unitSize = compressed ? 1 : 2;
            // The length and flags stay in one record with the first character.
            const qsizetype firstUnits = text.isEmpty() ? 0 : text.at(0).isHighSurrogate() && text.size() > 1 ? 2 : 1;
            if (rec.size() + 3 + firstUnits * unitSize > maxRecordData)
                flush();
            if (i % perBucket == 0) {
                const qsizetype inRecord = 4 + rec.size(); // counted from the record header
                buckets.push_back({quint32(out.size() + inRecord), quint16(inRecord)});
            }
            rec.u16(quint16(text.size()));
            rec.u8(compressed ? 0 : 1);
            qsizetype done = 0;
            while (done < text.size()) {
                const qsizetype left = text.size() - done;
                qsizetype n = std::min((maxRecordData - rec.size()) / unitSize, left);
                // Readers decode each piece on its own: keep surrogate pairs whole.
                if (n > 0 && n < left && text.at(done + n - 1).isHighSurrogate())
                    --n;
                if (n == 0) {
                    flush();
                    rec.u8(compressed ? 0 : 1); // each continuation restates the width
                    continue;
                }
                characters(rec, text, done, n, compressed);
                done += n;
            }
        }
        flush();

        Bytes ext;
        ext.u16(perBucket);
        for (const Bucket &bucket : buckets) {
            ext.u32(bucket.streamPosition);
            ext.u16(bucket.recordOffset);
            ext.u16(0);
        }
        record(out, recExtSst, ext);
    }

private:
    QHash<QString, quint32> m_index;
    QStringList m_strings;
    quint32 m_references = 0;
};

struct Entry {
    Cell::Kind kind = Cell::Kind::Blank;
    quint16 xf = defaultCellXf;
    quint32 sst = 0;
    double number = 0;
    QByteArray tokens;       // Formula: its parsed expression
    const Cell *cell = nullptr; // Formula: its computed text
};

// The parsed expression of a formula, as a BIFF8 cell formula stores it.
// References keep the rows and columns they name, marked relative, so that a
// copied cell moves them as a typed formula would.
QByteArray formulaTokens(const QString &formula)
{
    enum : quint8 {
        ptgAdd = 0x03,
        ptgSub = 0x04,
        ptgFuncVarV = 0x42, // a function of so many arguments, giving a value
        ptgRefR = 0x24,     // a cell, as a reference (an argument of SUM)
        ptgRefV = 0x44,     // a cell, as its value (in arithmetic)
        ptgAreaR = 0x25,    // a range, as a reference
    };
    constexpr quint16 relative = 0xC000; // row and column relative
    constexpr quint16 functionSum = 0x0004;
    QString problem;
    const std::vector<FormulaToken> tokens = parseFormula(formula, &problem);
    if (tokens.empty())
        fail(problem);
    Bytes out;
    for (const FormulaToken &token : tokens) {
        const CellRange &r = token.range;
        switch (token.kind) {
        case FormulaToken::Kind::Reference:
            if (token.area) {
                out.u8(ptgAreaR);
                out.u16(quint16(r.firstRow - 1));
                out.u16(quint16(r.lastRow - 1));
                out.u16(quint16(r.firstColumn - 1) | relative);
                out.u16(quint16(r.lastColumn - 1) | relative);
            } else {
                out.u8(token.argument ? ptgRefR : ptgRefV);
                out.u16(quint16(r.firstRow - 1));
                out.u16(quint16(r.firstColumn - 1) | relative);
            }
            break;
        case FormulaToken::Kind::Add: out.u8(ptgAdd); break;
        case FormulaToken::Kind::Subtract: out.u8(ptgSub); break;
        case FormulaToken::Kind::Sum:
            out.u8(ptgFuncVarV);
            out.u8(quint8(token.argumentCount));
            out.u16(functionSum);
            break;
        }
    }
    return out.data;
}

// Cells keyed by 0-based (row, column), in row-major order.
using Entries = std::map<std::pair<int, int>, Entry>;

struct PreparedSheet {
    const Sheet *sheet = nullptr;
    Entries entries;
    std::vector<CellRange> merges;
};

PreparedSheet prepare(const Sheet &sheet, StyleTable &styles, SharedStrings &strings)
{
    PreparedSheet prepared;
    prepared.sheet = &sheet;
    for (const auto &[position, cell] : sheet.cells) {
        const auto [row, column] = position;
        Entry entry;
        entry.xf = styles.xfFor(cell.style);
        switch (cell.kind) {
        case Cell::Kind::Text:
            // An empty string reads as no value at all, so store a blank.
            if (!cell.text.isEmpty()) {
                entry.kind = Cell::Kind::Text;
                entry.sst = strings.indexOf(cell.text);
            }
            break;
        case Cell::Kind::Number:
            entry.kind = Cell::Kind::Number;
            entry.number = cell.number;
            break;
        case Cell::Kind::Blank:
            break;
        case Cell::Kind::Formula:
            entry.kind = Cell::Kind::Formula;
            entry.number = cell.number;
            entry.tokens = formulaTokens(cell.formula);
            entry.cell = &cell;
            break;
        }
        prepared.entries.emplace(std::pair{row - 1, column - 1}, entry);
    }

    for (const CellRange &range : sheet.merges) {
        if (range.firstRow == range.lastRow && range.firstColumn == range.lastColumn)
            continue; // a one-cell merge means nothing and upsets some readers
        prepared.merges.push_back(range);

        // Cells the model leaves out take the anchor's look, so its borders
        // run round the whole range.
        const auto anchor = prepared.entries.find({range.firstRow - 1, range.firstColumn - 1});
        if (anchor == prepared.entries.end() || anchor->second.xf == defaultCellXf)
            continue;
        const quint16 xf = anchor->second.xf;
        for (int r = range.firstRow - 1; r < range.lastRow; ++r) {
            for (int c = range.firstColumn - 1; c < range.lastColumn; ++c) {
                Entry blank;
                blank.xf = xf;
                prepared.entries.emplace(std::pair{r, c}, blank); // keeps cells already there
            }
        }
    }

    // Unformatted blanks carry nothing.
    std::erase_if(prepared.entries, [](const auto &item) {
        return item.second.kind == Cell::Kind::Blank && item.second.xf == defaultCellXf;
    });
    return prepared;
}

quint16 columnWidthUnits(double width)
{
    // Excel adds five pixels of padding to the width in digits of a 7-pixel font.
    return width == 0 ? 0 : quint16(std::lround((width + 5.0 / 7.0) * 256.0));
}

void writeColumns(Bytes &out, const Sheet &sheet)
{
    struct Span {
        int first;
        int last;
        quint16 units;
    };
    std::vector<Span> spans;
    for (const auto &[column, width] : sheet.columnWidths) {
        const quint16 units = columnWidthUnits(width);
        if (!spans.empty() && spans.back().last == column - 2 && spans.back().units == units)
            spans.back().last = column - 1;
        else
            spans.push_back({column - 1, column - 1, units});
    }
    for (const Span &span : spans) {
        Bytes body;
        body.u16(quint16(span.first));
        body.u16(quint16(span.last));
        body.u16(span.units);
        body.u16(defaultCellXf);
        body.u16(span.units == 0 ? 0x0003 : 0x0002); // user set, hidden when zero wide
        body.u16(0);
        record(out, recColInfo, body);
    }
}

struct RowInfo {
    int firstColumn = 0;
    int lastColumn = -1;
    bool custom = false;
    quint16 twips = defaultRowTwips;
    bool hidden = false;
};

std::map<int, RowInfo> rowInfos(const PreparedSheet &prepared)
{
    const Sheet &sheet = *prepared.sheet;
    std::map<int, RowInfo> rows;
    for (const auto &[position, entry] : prepared.entries) {
        RowInfo &info = rows[position.first];
        if (info.lastColumn < 0)
            info.firstColumn = position.second;
        info.lastColumn = position.second;
    }
    for (const auto &[row, points] : sheet.rowHeights) {
        RowInfo &info = rows[row - 1];
        info.custom = true;
        info.twips = quint16(std::lround(points * 20));
        if (info.twips == 0) {
            info.hidden = true;
            info.twips = defaultRowTwips;
        }
    }
    return rows;
}

void writeRow(Bytes &out, int row, const RowInfo &info)
{
    Bytes body;
    body.u16(quint16(row));
    body.u16(quint16(info.firstColumn));
    body.u16(quint16(info.lastColumn + 1));
    body.u16(info.twips);
    body.u16(0);
    body.u16(0);
    // Bit 8 is always set; bits 16-27 name XF 15 as the row's default.
    quint32 flags = 0x00000100u | quint32(defaultCellXf) << 16;
    if (info.hidden)
        flags |= 0x20;
    if (info.custom)
        flags |= 0x40;
    body.u32(flags);
    record(out, recRow, body);
}

void writeBlanks(Bytes &out, int row, const std::vector<std::pair<int, quint16>> &run)
{
    Bytes body;
    body.u16(quint16(row));
    body.u16(quint16(run.front().first));
    if (run.size() == 1) {
        body.u16(run.front().second);
        record(out, recBlank, body);
        return;
    }
    for (const auto &blank : run)
        body.u16(blank.second);
    body.u16(quint16(run.back().first));
    record(out, recMulBlank, body);
}

// A FORMULA record with its computed value; a text value follows in a
// STRING record of its own.
void writeFormula(Bytes &out, Bytes &body, const Entry &entry)
{
    const bool text = entry.cell->textResult;
    const QString &result = entry.cell->text;
    if (!text) {
        body.f64(entry.number);
    } else {
        // A value that is no number: its kind in the first byte, 0xFFFF in the last two.
        body.u8(result.isEmpty() ? 0x03 : 0x00); // an empty text, or a text in a STRING record
        for (int i = 0; i < 5; ++i)
            body.u8(0);
        body.u16(0xFFFF);
    }
    body.u16(0); // calculated when the reader calculates
    body.u32(0);
    body.u16(quint16(entry.tokens.size()));
    body.data.append(entry.tokens);
    record(out, recFormula, body);
    if (text && !result.isEmpty()) {
        Bytes string;
        unicodeString(string, result);
        record(out, recString, string);
    }
}

void writeCells(Bytes &out, Entries::const_iterator from, Entries::const_iterator to)
{
    std::vector<std::pair<int, quint16>> blanks; // run of adjacent blanks in one row
    int blankRow = -1;
    const auto flushBlanks = [&] {
        if (!blanks.empty())
            writeBlanks(out, blankRow, blanks);
        blanks.clear();
    };
    for (auto it = from; it != to; ++it) {
        const auto [row, column] = it->first;
        const Entry &entry = it->second;
        if (entry.kind == Cell::Kind::Blank) {
            if (!blanks.empty() && (blankRow != row || blanks.back().first != column - 1))
                flushBlanks();
            blankRow = row;
            blanks.emplace_back(column, entry.xf);
            continue;
        }
        flushBlanks();
        Bytes body;
        body.u16(quint16(row));
        body.u16(quint16(column));
        body.u16(entry.xf);
        if (entry.kind == Cell::Kind::Formula) {
            writeFormula(out, body, entry);
        } else if (entry.kind == Cell::Kind::Text) {
            body.u32(entry.sst);
            record(out, recLabelSst, body);
        } else {
            body.f64(entry.number);
            record(out, recNumber, body);
        }
    }
    flushBlanks();
}

// Page setup block: no header or footer, not centred, A4, and the sheet's
// orientation and fitting.
void writePageSetup(Bytes &out, const Sheet &sheet)
{
    emptyRecord(out, recHeader);
    emptyRecord(out, recFooter);
    Bytes centre;
    centre.u16(0);
    record(out, recHCenter, centre);
    record(out, recVCenter, centre);
    Bytes setup;
    setup.u16(9);   // A4
    setup.u16(100); // scale, unused when fitting
    setup.u16(1);   // first page number
    setup.u16(sheet.printFitToWidth ? 1 : 0); // pages wide
    setup.u16(0);                              // pages tall: as many as needed
    setup.u16(sheet.printLandscape ? 0x0000 : 0x0002); // portrait flag; settings valid
    setup.u16(600); // horizontal resolution
    setup.u16(600); // vertical resolution
    setup.f64(0.5); // header margin, inches
    setup.f64(0.5); // footer margin
    setup.u16(1);   // copies
    record(out, recSetup, setup);
}

QByteArray sheetStream(const PreparedSheet &prepared, bool active)
{
    const Sheet &sheet = *prepared.sheet;
    const Entries &entries = prepared.entries;
    Bytes out;
    bof(out, 0x0010);

    Bytes wsBool;
    // Automatic page breaks, outline symbols below and right; fit to pages when asked.
    wsBool.u16(sheet.printFitToWidth ? 0x05C1 : 0x04C1);
    record(out, recWsBool, wsBool);
    writePageSetup(out, sheet);
    Bytes defColWidth;
    defColWidth.u16(8);
    record(out, recDefColWidth, defColWidth);
    writeColumns(out, sheet);

    Bytes dimensions;
    if (entries.empty()) {
        dimensions.u32(0);
        dimensions.u32(0);
        dimensions.u16(0);
        dimensions.u16(0);
    } else {
        int firstColumn = maxColumns;
        int lastColumn = 0;
        for (const auto &item : entries) {
            firstColumn = std::min(firstColumn, item.first.second);
            lastColumn = std::max(lastColumn, item.first.second);
        }
        dimensions.u32(quint32(entries.begin()->first.first));
        dimensions.u32(quint32(entries.rbegin()->first.first + 1));
        dimensions.u16(quint16(firstColumn));
        dimensions.u16(quint16(lastColumn + 1));
    }
    dimensions.u16(0);
    record(out, recDimensions, dimensions);

    // Rows go in blocks of 32: the block's ROW records, then its cells.
    const std::map<int, RowInfo> rows = rowInfos(prepared);
    for (auto row = rows.cbegin(); row != rows.cend();) {
        const int block = row->first / rowsPerBlock;
        auto blockEnd = row;
        while (blockEnd != rows.cend() && blockEnd->first / rowsPerBlock == block) {
            writeRow(out, blockEnd->first, blockEnd->second);
            ++blockEnd;
        }
        const int nextBlockRow = (block + 1) * rowsPerBlock;
        writeCells(out, entries.lower_bound({block * rowsPerBlock, 0}), entries.lower_bound({nextBlockRow, 0}));
        row = blockEnd;
    }

    Bytes window2;
    // Grid, headers, zeros, automatic grid colour, outline symbols; the
    // first sheet is also selected and shown. Frozen rows are frozen panes
    // without a movable split.
    const bool frozen = sheet.frozenRows > 0;
    window2.u16(quint16((active ? 0x06B6 : 0x00B6) | (frozen ? 0x0108 : 0)));
    window2.u16(0);
    window2.u16(0);
    window2.u16(automaticColour);
    window2.u16(0);
    window2.u16(0);
    window2.u16(0);
    window2.u32(0);
    record(out, recWindow2, window2);
    if (frozen) {
        Bytes pane;
        pane.u16(0);                             // no frozen columns
        pane.u16(quint16(sheet.frozenRows));     // frozen rows
        pane.u16(quint16(sheet.frozenRows));     // first row shown below them
        pane.u16(0);                             // first column shown
        pane.u8(2);                              // the active pane is the lower one
        pane.u8(0);
        record(out, recPane, pane);
    }

    const std::vector<CellRange> &merges = prepared.merges;
    for (std::size_t first = 0; first < merges.size(); first += maxMergesPerRecord) {
        const std::size_t last = std::min(merges.size(), first + maxMergesPerRecord);
        Bytes body;
        body.u16(quint16(last - first));
        for (std::size_t i = first; i < last; ++i) {
            body.u16(quint16(merges[i].firstRow - 1));
            body.u16(quint16(merges[i].lastRow - 1));
            body.u16(quint16(merges[i].firstColumn - 1));
            body.u16(quint16(merges[i].lastColumn - 1));
        }
        record(out, recMergedCells, body);
    }

    emptyRecord(out, recEof);
    return out.data;
}

struct GObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
template<typename T>
using GObjectPtr = std::unique_ptr<T, GObjectUnref>;

[[noreturn]] void failGsf(GsfOutput *output, const QString &what)
{
    const GError *error = gsf_output_error(output);
    fail(u"%1: %2"_s.arg(what, error ? QString::fromUtf8(error->message) : u"unknown libgsf error"_s));
}

QByteArray compoundFile(const QByteArray &workbookStream)
{
    static const bool initialised = [] {
        gsf_init();
        return true;
    }();
    Q_UNUSED(initialised);

    GObjectPtr<GsfOutput> sink(gsf_output_memory_new());
    if (!sink)
        fail(u"libgsf could not create a memory output"_s);
    GObjectPtr<GsfOutfile> ole(gsf_outfile_msole_new(sink.get()));
    if (!ole)
        fail(u"libgsf could not create a compound file"_s);
    GObjectPtr<GsfOutput> stream(gsf_outfile_new_child(ole.get(), "Workbook", FALSE));
    if (!stream)
        fail(u"libgsf could not create the Workbook stream"_s);

    const bool written = gsf_output_write(stream.get(), std::size_t(workbookStream.size()),
                                          reinterpret_cast<const guint8 *>(workbookStream.constData()));
    const bool streamClosed = gsf_output_close(stream.get());
    if (!written || !streamClosed)
        failGsf(stream.get(), u"cannot write the Workbook stream"_s);
    if (!gsf_output_close(GSF_OUTPUT(ole.get())))
        failGsf(GSF_OUTPUT(ole.get()), u"cannot finish the compound file"_s);
    if (!gsf_output_is_closed(sink.get()) && !gsf_output_close(sink.get()))
        failGsf(sink.get(), u"cannot finish the compound file"_s);

    const gsf_off_t size = gsf_output_size(sink.get());
    const guint8 *bytes = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(sink.get()));
    if (size <= 0 || !bytes)
        fail(u"libgsf produced an empty compound file"_s);
    return QByteArray(reinterpret_cast<const char *>(bytes), qsizetype(size));
}

// Rows repeated on printed pages are the built-in name Print_Titles of their
// sheet, an area reference that goes through the workbook's own SUPBOOK and
// one EXTERNSHEET entry per sheet.
void writePrintTitles(Bytes &out, const Workbook &book)
{
    const auto titled = [](const Sheet &sheet) { return sheet.printTitleFirstRow > 0; };
    if (std::none_of(book.sheets.cbegin(), book.sheets.cend(), titled))
        return;
    const auto sheetCount = quint16(book.sheets.size());
    Bytes supBook;
    supBook.u16(sheetCount);
    supBook.u16(0x0401); // this workbook's own sheets
    record(out, recSupBook, supBook);
    Bytes externSheet;
    externSheet.u16(sheetCount);
    for (quint16 i = 0; i < sheetCount; ++i) {
        externSheet.u16(0); // the SUPBOOK above
        externSheet.u16(i);
        externSheet.u16(i);
    }
    record(out, recExternSheet, externSheet);

    for (quint16 i = 0; i < sheetCount; ++i) {
        const Sheet &sheet = book.sheets[i];
        if (!titled(sheet))
            continue;
        Bytes formula;
        formula.u8(0x3B); // tArea3d, reference class
        formula.u16(i);   // EXTERNSHEET entry of the sheet
        formula.u16(quint16(sheet.printTitleFirstRow - 1));
        formula.u16(quint16(sheet.printTitleLastRow - 1));
        formula.u16(0);    // every column, absolute
        formula.u16(0xFF);
        Bytes name;
        name.u16(0x0020); // built-in name
        name.u8(0);       // no keyboard shortcut
        name.u8(1);       // one character: the built-in code
        name.u16(quint16(formula.size()));
        name.u16(0);
        name.u16(quint16(i + 1)); // local to its sheet, 1-based
        name.u8(0);
        name.u8(0);
        name.u8(0);
        name.u8(0);
        name.u8(0);    // compressed characters
        name.u8(0x07); // Print_Titles
        name.data.append(formula.data);
        record(out, recName, name);
    }
}

} // namespace

QByteArray writeXlsBytes(const Workbook &book)
{
    if (const QString problem = workbookProblem(book, kXlsLimits); !problem.isEmpty())
        fail(problem);

    StyleTable styles;
    SharedStrings strings;
    std::vector<PreparedSheet> prepared;
    QStringList names;
    for (const Sheet &sheet : book.sheets) {
        names.append(sheet.name);
        prepared.push_back(prepare(sheet, styles, strings));
    }
    std::vector<QByteArray> sheets;
    for (std::size_t i = 0; i < prepared.size(); ++i)
        sheets.push_back(sheetStream(prepared[i], i == 0));

    Bytes globals;
    bof(globals, 0x0005);
    Bytes codePage;
    codePage.u16(1200); // UTF-16
    record(globals, recCodePage, codePage);

    Bytes window1;
    window1.u16(0);      // position
    window1.u16(0);
    window1.u16(15000);  // size in twips
    window1.u16(9000);
    window1.u16(0x0038); // scroll bars and sheet tabs shown
    window1.u16(0);      // active sheet
    window1.u16(0);      // first visible tab
    window1.u16(1);      // selected tabs
    window1.u16(600);    // tab bar width, per mille
    record(globals, recWindow1, window1);

    Bytes dateMode;
    dateMode.u16(0); // 1900 date system
    record(globals, recDateMode, dateMode);

    styles.writeFonts(globals);
    styles.writeFormats(globals);
    styles.writeXfs(globals);

    Bytes normalStyle;
    normalStyle.u16(0x8000); // built-in style on XF 0
    normalStyle.u8(0);       // Normal
    normalStyle.u8(0xFF);
    record(globals, recStyle, normalStyle);

    std::vector<qsizetype> sheetOffsetAt;
    for (const Sheet &sheet : book.sheets) {
        Bytes body;
        body.u32(0); // stream offset of the sheet's BOF, set below
        body.u8(0);  // visible
        body.u8(0);  // worksheet
        shortUnicodeString(body, sheet.name);
        sheetOffsetAt.push_back(globals.size() + 4);
        record(globals, recBoundSheet, body);
    }

    writePrintTitles(globals, book);
    strings.write(globals);
    emptyRecord(globals, recEof);

    qsizetype offset = globals.size();
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        globals.patchU32(sheetOffsetAt[i], quint32(offset));
        offset += sheets[i].size();
    }
    QByteArray stream = std::move(globals.data);
    for (const QByteArray &sheet : sheets)
        stream.append(sheet);
    return compoundFile(stream);
}

} // namespace torvane::report
