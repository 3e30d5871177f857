#include "model/typedinput.h"

#include <algorithm>

namespace torvane::model {

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

} // namespace torvane::model
