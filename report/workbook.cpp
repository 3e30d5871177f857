#include "report/workbook.h"

#include <cmath>

namespace torvane::report {

using namespace Qt::StringLiterals;

QString columnLetters(int column)
{
    QString letters;
    for (int c = column; c > 0; c = (c - 1) / 26)
        letters.prepend(QChar(u'A' + (c - 1) % 26));
    return letters;
}

QString cellName(int row, int column)
{
    return columnLetters(column) + QString::number(row);
}

namespace {
constexpr int maxSheetNameUnits = 31;
const QString kForbiddenInSheetNames = u":\\/?*[]"_s;
} // namespace

QString sheetNameProblem(const QString &name, const QStringList &earlier)
{
    if (name.isEmpty() || name.size() > maxSheetNameUnits)
        return u"sheet name \"%1\" must have 1 to %2 characters"_s.arg(name).arg(maxSheetNameUnits);
    for (const QChar c : kForbiddenInSheetNames) {
        if (name.contains(c))
            return u"sheet name \"%1\" must not contain '%2'"_s.arg(name, c);
    }
    if (name.startsWith(u'\'') || name.endsWith(u'\''))
        return u"sheet name \"%1\" must not start or end with an apostrophe"_s.arg(name);
    for (const QString &other : earlier) {
        if (other.compare(name, Qt::CaseInsensitive) == 0)
            return u"sheet name \"%1\" is used twice"_s.arg(name);
    }
    return {};
}

QString sheetNameOf(const QString &text, const QStringList &earlier)
{
    QString whole = text;
    for (const QChar c : kForbiddenInSheetNames)
        whole.replace(c, u'-');
    whole = whole.simplified();
    const auto cut = [&whole](int room) {
        QString name = whole.left(room);
        if (!name.isEmpty() && name.back().isHighSurrogate())
            name.chop(1);
        name = name.trimmed();
        while (name.startsWith(u'\'') || name.endsWith(u'\''))
            name = (name.startsWith(u'\'') ? name.mid(1) : name.chopped(1)).trimmed();
        return name.isEmpty() ? u"-"_s : name;
    };
    QString name = cut(maxSheetNameUnits);
    for (int n = 2; !sheetNameProblem(name, earlier).isEmpty(); ++n) {
        const QString suffix = u" (%1)"_s.arg(n);
        name = cut(maxSheetNameUnits - int(suffix.size())) + suffix;
    }
    return name;
}

QString cellProblem(int row, int column, const WorkbookLimits &limits, const QString &sheet)
{
    if (row >= 1 && row <= limits.rows && column >= 1 && column <= limits.columns)
        return {};
    const QString where = sheet.isEmpty() ? QString() : u"sheet \"%1\": "_s.arg(sheet);
    return where + u"cell at row %1, column %2 lies outside the %3 x %4 grid of an %5 file"_s.arg(row).arg(column)
                       .arg(limits.rows).arg(limits.columns).arg(limits.format);
}

QString workbookProblem(const Workbook &book, const WorkbookLimits &limits)
{
    constexpr int maxTextUnits = 32767;
    if (book.sheets.empty())
        return u"a workbook needs at least one sheet"_s;
    QStringList names;
    for (const Sheet &sheet : book.sheets) {
        if (const QString problem = sheetNameProblem(sheet.name, names); !problem.isEmpty())
            return problem;
        names.append(sheet.name);
        const QString where = u"sheet \"%1\""_s.arg(sheet.name);
        for (const auto &[position, cell] : sheet.cells) {
            const auto [row, column] = position;
            if (QString problem = cellProblem(row, column, limits, sheet.name); !problem.isEmpty())
                return problem;
            if (cell.kind == Cell::Kind::Text && cell.text.size() > maxTextUnits)
                return u"%1, cell %2: text longer than %3 characters"_s.arg(where, cellName(row, column)).arg(maxTextUnits);
            if (cell.kind == Cell::Kind::Number && !std::isfinite(cell.number))
                return u"%1, cell %2: %3 cannot be stored"_s.arg(where, cellName(row, column)).arg(cell.number);
        }
        for (std::size_t i = 0; i < sheet.merges.size(); ++i) {
            const CellRange &range = sheet.merges[i];
            const QString name = cellName(range.firstRow, range.firstColumn) + u':' + cellName(range.lastRow, range.lastColumn);
            for (const QString &problem : {cellProblem(range.firstRow, range.firstColumn, limits, sheet.name),
                                           cellProblem(range.lastRow, range.lastColumn, limits, sheet.name)})
                if (!problem.isEmpty())
                    return problem;
            if (range.firstRow > range.lastRow || range.firstColumn > range.lastColumn)
                return u"%1: merged range %2 is reversed"_s.arg(where, name);
            for (std::size_t j = 0; j < i; ++j) {
                const CellRange &other = sheet.merges[j];
                const bool apart = other.lastRow < range.firstRow || range.lastRow < other.firstRow
                    || other.lastColumn < range.firstColumn || range.lastColumn < other.firstColumn;
                if (!apart && !(other == range && range.firstRow == range.lastRow && range.firstColumn == range.lastColumn))
                    return u"%1: merged range %2 overlaps another one"_s.arg(where, name);
            }
        }
        for (const auto &[column, width] : sheet.columnWidths) {
            if (column < 1 || column > limits.columns)
                return u"%1: column %2 is outside 1..%3"_s.arg(where).arg(column).arg(limits.columns);
            if (!std::isfinite(width) || width < 0 || width > 255)
                return u"%1: column %2 width %3 is outside 0..255"_s.arg(where).arg(column).arg(width);
        }
        for (const auto &[row, points] : sheet.rowHeights) {
            if (row < 1 || row > limits.rows)
                return u"%1: row %2 is outside 1..%3"_s.arg(where).arg(row).arg(limits.rows);
            if (!std::isfinite(points) || points < 0 || points > 409)
                return u"%1: row %2 height %3 pt is outside 0..409"_s.arg(where).arg(row).arg(points);
        }
        if (sheet.frozenRows < 0 || sheet.frozenRows >= limits.rows)
            return u"%1: cannot freeze %2 rows"_s.arg(where).arg(sheet.frozenRows);
        if (sheet.printTitleFirstRow > 0 && (sheet.printTitleLastRow < sheet.printTitleFirstRow || sheet.printTitleLastRow > limits.rows))
            return u"%1: rows %2 to %3 cannot repeat on printed pages"_s.arg(where).arg(sheet.printTitleFirstRow)
                .arg(sheet.printTitleLastRow);
    }
    return {};
}

} // namespace torvane::report
