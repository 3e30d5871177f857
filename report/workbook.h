#pragma once

#include <QString>
#include <QStringList>

#include <map>
#include <utility>
#include <vector>

namespace torvane::report {

// Look of one cell as the host's range operations leave it.
struct CellStyle {
    bool bold = false;
    bool horizontalCentre = false;
    bool verticalCentre = false;
    bool wrap = false;
    bool border = false;  // thin line on all four edges
    QString numberFormat; // empty: General; otherwise e.g. "0" or "0.00"

    friend bool operator==(const CellStyle &, const CellStyle &) = default;
};

struct Cell {
    enum class Kind { Blank, Text, Number };
    Kind kind = Kind::Blank;
    QString text;      // Kind::Text
    double number = 0; // Kind::Number
    CellStyle style;
};

// 1-based, inclusive.
struct CellRange {
    int firstRow = 1;
    int firstColumn = 1;
    int lastRow = 1;
    int lastColumn = 1;

    friend bool operator==(const CellRange &, const CellRange &) = default;
};

struct Sheet {
    QString name;
    std::map<std::pair<int, int>, Cell> cells; // (row, column), 1-based
    std::vector<CellRange> merges;
    std::map<int, double> columnWidths; // column -> width in characters of the default font
    std::map<int, double> rowHeights;   // row -> height in points; rows not listed keep the default
    bool printLandscape = false;        // print across the page
    bool printFitToWidth = false;       // print all columns on one page width
    int frozenRows = 0;                 // rows 1..n stay in view while the rest scrolls
    int printTitleFirstRow = 0;         // rows repeated at the top of every printed page,
    int printTitleLastRow = 0;          // 1-based and inclusive; 0: none
};

struct Workbook {
    std::vector<Sheet> sheets;
};

// Column letters ("A", "Z", "AA") and cell names ("B2") of 1-based positions.
QString columnLetters(int column);
QString cellName(int row, int column);

// Why a name cannot name a sheet (1 to 31 characters, none of : \ / ? * [ ],
// no apostrophe at either end, not used by an earlier sheet whatever the
// case); empty when it can.
QString sheetNameProblem(const QString &name, const QStringList &earlier = {});

// A text made into a name that sheetNameProblem accepts: the characters a
// sheet name cannot hold become "-", runs of spaces one, it is cut to 31
// UTF-16 units without splitting a character, loses apostrophes at either
// end, and takes " (2)", " (3)" ... when an earlier sheet has that name
// whatever the case. "-" when nothing is left.
QString sheetNameOf(const QString &text, const QStringList &earlier = {});

// What a file format can hold.
struct WorkbookLimits {
    QString format; // ".xls", ".xlsx"
    int rows = 0;
    int columns = 0;
};
inline const WorkbookLimits kXlsLimits{QStringLiteral(".xls"), 65536, 256};
inline const WorkbookLimits kXlsxLimits{QStringLiteral(".xlsx"), 1048576, 16384};

// The one check of a workbook before it is written, for every writer and the
// host: sheets and their names, cells inside the grid, texts and numbers that
// can be stored, merges, column widths, row heights, frozen and repeated rows.
// Empty when the book can be written; else what stands in the way.
QString workbookProblem(const Workbook &book, const WorkbookLimits &limits);
QString cellProblem(int row, int column, const WorkbookLimits &limits, const QString &sheet = {});

} // namespace torvane::report
