#include "model/typedinput.h"

#include <algorithm>

namespace torvane::model {

using namespace Qt::StringLiterals;

std::variant<int, PercentProblem> parseContingencyTenths(QStringView text)
{
    QStringView rest = text.trimmed();
    if (rest.endsWith(u'%'))
        rest = rest.chopped(1).trimmed();
    qint64 whole = 0;
    int digits = 0;
    int decimals = 0;
    int tenth = 0;
    bool mark = false;
    for (const QChar ch : rest) {
        if (ch == u'.' || ch == u',') {
            if (mark || digits == 0)
                return PercentProblem::NotANumber;
            mark = true;
        } else if (ch >= u'0' && ch <= u'9') {
            if (mark) {
                if (++decimals == 1)
                    tenth = ch.unicode() - u'0';
                else if (ch != u'0')
                    return PercentProblem::TooManyDecimals;
            } else {
                whole = std::min<qint64>(whole * 10 + (ch.unicode() - u'0'), 1000000);
                ++digits;
            }
        } else {
            return PercentProblem::NotANumber;
        }
    }
    if (digits == 0)
        return PercentProblem::NotANumber;
    const qint64 tenths = whole * 10 + tenth;
    if (tenths > kMaxContingencyTenths)
        return PercentProblem::OutOfRange;
    return int(tenths);
}

namespace {

bool isBlank(QChar ch)
{
    return ch == u' ' || ch == QChar(0x00A0) || ch == QChar(0x202F) || ch == QChar(0x2009);
}

// Digits in groups of three after the first, split by one kind of separator.
bool validGroups(QStringView digits, QChar separator)
{
    const QList<QStringView> groups = digits.split(separator);
    for (qsizetype i = 0; i < groups.size(); ++i) {
        const qsizetype size = groups[i].size();
        if (size == 0 || size > 3 || (i > 0 && size != 3))
            return false;
    }
    return true;
}

} // namespace

TypedAmount parseAmount(QStringView text, base::Language language)
{
    using Status = TypedAmount::Status;
    TypedAmount result;
    QStringView rest = text.trimmed();
    if (rest.isEmpty())
        return result;
    // The tenge sign may stand on either side.
    if (rest.startsWith(QChar(0x20B8)))
        rest = rest.mid(1).trimmed();
    else if (rest.endsWith(QChar(0x20B8)))
        rest = rest.chopped(1).trimmed();
    result.status = Status::NotANumber;
    if (rest.contains(u'-') || rest.contains(QChar(0x2212)))
        return {Status::Negative, 0};
    if (rest.isEmpty())
        return result;
    for (const QChar ch : rest)
        if (!ch.isDigit() && ch != u'.' && ch != u',' && !isBlank(ch))
            return result;
    for (const QChar ch : rest)
        if (ch.isDigit() && (ch < u'0' || ch > u'9'))
            return result;

    // The decimal mark is the last point or comma, unless it is the
    // language's grouping and what follows it is a group of three.
    // Asked of the locale once per language: amounts are read by the thousand.
    static const QChar groups[] = {
        [] {
            const QString separator = base::localeOf(base::Language::French).groupSeparator();
            return separator.size() == 1 ? separator.front() : QChar(u' ');
        }(),
        [] {
            const QString separator = base::localeOf(base::Language::Russian).groupSeparator();
            return separator.size() == 1 ? separator.front() : QChar(u' ');
        }(),
        [] {
            const QString separator = base::localeOf(base::Language::English).groupSeparator();
            return separator.size() == 1 ? separator.front() : QChar(u' ');
        }(),
    };
    const QChar group = groups[base::codeOf(language)];
    QStringView whole = rest;
    QStringView fraction;
    const qsizetype mark = std::max(rest.lastIndexOf(u'.'), rest.lastIndexOf(u','));
    if (mark >= 0) {
        const QStringView after = rest.mid(mark + 1);
        const bool allDigits = !after.isEmpty() && std::all_of(after.begin(), after.end(), [](QChar c) { return c.isDigit(); });
        if (!allDigits)
            return result;
        const bool grouping = rest[mark] == group && after.size() == 3;
        if (!grouping) {
            if (after.size() > 2)
                return {Status::TooManyDecimals, 0};
            whole = rest.left(mark);
            fraction = after;
        }
    }
    // What stands before the mark: plain digits, or groups of three split
    // by blanks or the language's own separator.
    QString digits;
    QChar separator;
    for (const QChar ch : whole) {
        if (ch.isDigit()) {
            digits += ch;
            continue;
        }
        const QChar kind = isBlank(ch) ? QChar(u' ') : ch;
        if (kind != u' ' && ch != group)
            return result;
        if (!separator.isNull() && separator != kind)
            return result;
        separator = kind;
    }
    if (digits.isEmpty())
        return result;
    if (!separator.isNull()) {
        QString normalised = whole.toString();
        for (QChar &ch : normalised)
            if (isBlank(ch))
                ch = u' ';
        if (!validGroups(normalised, separator))
            return result;
    }
    // 10^15 tenge has 16 digits: anything longer is too large before it is summed.
    QStringView significant = digits;
    while (significant.size() > 1 && significant.front() == u'0')
        significant = significant.mid(1);
    if (significant.size() > 16)
        return {Status::TooLarge, 0};
    const qint64 tenge = significant.toLongLong();
    const qint64 tiyn = tenge * 100 + (fraction.isEmpty() ? 0 : fraction.toString().leftJustified(2, u'0').toLongLong());
    if (tiyn > kMaxAmountTiyn)
        return {Status::TooLarge, 0};
    return {Status::Ok, tiyn};
}

} // namespace torvane::model
