#include "report/workbook.h"

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

QString sheetNameProblem(const QString &name, const QStringList &earlier)
{
    constexpr int maxSheetNameUnits = 31;
    if (name.isEmpty() || name.size() > maxSheetNameUnits)
        return u"sheet name \"%1\" must have 1 to %2 characters"_s.arg(name).arg(maxSheetNameUnits);
    for (const QChar c : u":\\/?*[]"_s) {
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

} // namespace torvane::report
