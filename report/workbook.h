#pragma once

#include <QString>
#include <QStringList>

#include <map>
#include <optional>
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
    enum class Kind { Blank, Text, Number, Formula };
    Kind kind = Kind::Blank;
    QString text;      // Kind::Text; a formula's computed text when it yields one
    double number = 0; // Kind::Number; a formula's computed number
    CellStyle style;
    // Kind::Formula: without its "=", one that parseFormula() reads. Its
    // computed value is stored beside it, so viewers that do not calculate
    // still show it.
    QString formula;
    bool textResult = false; // the formula yields text (in text), not a number
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
    // Filter buttons on the first row of the range, filtering the rows below
    // it; the .xls writer leaves them out.
    std::optional<CellRange> autoFilter;
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

// A formula as the writers store it, in reverse Polish order. The formulas
// are the few the outputs use: cells added and subtracted, and SUM over cells
// and ranges of the same sheet ("E2-D2", "SUM(D2:D9)", "SUM(D10,D20)+E4").
struct FormulaToken {
    enum class Kind { Reference, Add, Subtract, Sum };
    Kind kind = Kind::Reference;
    CellRange range;        // Reference: one cell, or a range (only as an argument of SUM)
    bool area = false;      // Reference: written as a range, even of one cell ("G13:G13")
    bool argument = false;  // Reference: an argument of SUM
    int argumentCount = 0;  // Sum
};
inline constexpr int kMaxFormulaArguments = 30; // what an .xls function takes
inline constexpr int kMaxFormulaResultUnits = 4000; // a text result, in UTF-16 units

// The tokens of a formula; empty with the reason in problem when it is not
// one of those.
std::vector<FormulaToken> parseFormula(const QString &formula, QString *problem = nullptr);

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
// can be stored, formulas the writers can write whose cells lie inside the
// grid, merges, column widths, row heights, frozen and repeated rows, the
// filter range.
// Empty when the book can be written; else what stands in the way.
QString workbookProblem(const Workbook &book, const WorkbookLimits &limits);
QString cellProblem(int row, int column, const WorkbookLimits &limits, const QString &sheet = {});

} // namespace torvane::report
