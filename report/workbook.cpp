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

namespace {

// Reads the formulas parseFormula() accepts:
//   expression := term (("+" | "-") term)*
//   term       := reference | "SUM(" argument ("," argument)* ")"
//   argument   := reference [":" reference]
class FormulaReader
{
public:
    explicit FormulaReader(const QString &text) : m_text(text) {}

    std::vector<FormulaToken> read(QString *problem)
    {
        term();
        while (m_problem.isEmpty() && !atEnd()) {
            const QChar sign = m_text.at(m_at);
            if (sign != u'+' && sign != u'-') {
                fail(u"'%1' where + or - was expected"_s.arg(sign));
                break;
            }
            ++m_at;
            term();
            m_tokens.push_back({sign == u'+' ? FormulaToken::Kind::Add : FormulaToken::Kind::Subtract, {}, false, false, 0});
        }
        if (m_problem.isEmpty() && m_tokens.empty())
            fail(u"nothing to compute"_s);
        if (!m_problem.isEmpty()) {
            if (problem)
                *problem = u"formula \"%1\": %2"_s.arg(m_text, m_problem);
            return {};
        }
        return m_tokens;
    }

private:
    bool atEnd() const { return m_at >= m_text.size(); }
    void fail(const QString &why)
    {
        if (m_problem.isEmpty())
            m_problem = why;
    }
    bool take(QStringView word)
    {
        if (!QStringView(m_text).mid(m_at).startsWith(word, Qt::CaseInsensitive))
            return false;
        m_at += word.size();
        return true;
    }

    void term()
    {
        if (take(u"SUM(")) {
            int count = 0;
            do {
                FormulaToken token{FormulaToken::Kind::Reference, {}, false, true, 0};
                if (!reference(token.range))
                    return;
                if (take(u":")) {
                    CellRange last;
                    if (!reference(last))
                        return;
                    token.area = true;
                    token.range.lastRow = last.firstRow;
                    token.range.lastColumn = last.firstColumn;
                    if (token.range.lastRow < token.range.firstRow || token.range.lastColumn < token.range.firstColumn)
                        return fail(u"a range runs backwards"_s);
                }
                m_tokens.push_back(token);
                ++count;
            } while (take(u","));
            if (!take(u")"))
                return fail(u"SUM( is not closed"_s);
            if (count > kMaxFormulaArguments)
                return fail(u"SUM of more than %1 arguments"_s.arg(kMaxFormulaArguments));
            m_tokens.push_back({FormulaToken::Kind::Sum, {}, false, false, count});
            return;
        }
        FormulaToken token{FormulaToken::Kind::Reference, {}, false, false, 0};
        if (reference(token.range))
            m_tokens.push_back(token);
    }

    // A cell such as "D12": one to three letters, then a row number.
    bool reference(CellRange &cell)
    {
        int column = 0;
        int letters = 0;
        while (!atEnd() && letters < 4) {
            const char16_t c = QChar::toUpper(m_text.at(m_at).unicode());
            if (c < u'A' || c > u'Z')
                break;
            column = column * 26 + (c - u'A' + 1);
            ++letters;
            ++m_at;
        }
        qint64 row = 0;
        int digits = 0;
        while (!atEnd() && m_text.at(m_at).isDigit() && m_text.at(m_at).unicode() < 128 && digits < 8) {
            if (digits == 0 && m_text.at(m_at) == u'0')
                break;
            row = row * 10 + (m_text.at(m_at).unicode() - u'0');
            ++digits;
            ++m_at;
        }
        if (letters == 0 || letters > 3 || digits == 0 || (!atEnd() && m_text.at(m_at).isLetterOrNumber())) {
            fail(u"not a cell at position %1"_s.arg(m_at + 1));
            return false;
        }
        cell = {int(row), column, int(row), column};
        return true;
    }

    QString m_text;
    qsizetype m_at = 0;
    QString m_problem;
    std::vector<FormulaToken> m_tokens;
};

} // namespace

std::vector<FormulaToken> parseFormula(const QString &formula, QString *problem)
{
    return FormulaReader(formula).read(problem);
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
            if (cell.kind == Cell::Kind::Formula) {
                const QString at = u"%1, cell %2: "_s.arg(where, cellName(row, column));
                QString problem;
                const std::vector<FormulaToken> tokens = parseFormula(cell.formula, &problem);
                if (tokens.empty())
                    return at + problem;
                for (const FormulaToken &token : tokens) {
                    if (token.kind != FormulaToken::Kind::Reference)
                        continue;
                    for (const QString &outside : {cellProblem(token.range.firstRow, token.range.firstColumn, limits),
                                                   cellProblem(token.range.lastRow, token.range.lastColumn, limits)})
                        if (!outside.isEmpty())
                            return at + u"formula \"%1\" refers to a "_s.arg(cell.formula) + outside;
                }
                if (cell.textResult ? cell.text.size() > kMaxFormulaResultUnits : !std::isfinite(cell.number))
                    return at + u"the computed value of \"%1\" cannot be stored"_s.arg(cell.formula);
            }
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
        if (const std::optional<CellRange> &filter = sheet.autoFilter) {
            for (const QString &problem : {cellProblem(filter->firstRow, filter->firstColumn, limits, sheet.name),
                                           cellProblem(filter->lastRow, filter->lastColumn, limits, sheet.name)})
                if (!problem.isEmpty())
                    return u"filter range: "_s + problem;
            if (filter->firstRow > filter->lastRow || filter->firstColumn > filter->lastColumn)
                return u"%1: the filter range is reversed"_s.arg(where);
        }
    }
    return {};
}

} // namespace torvane::report
