#include "model/quantity.h"

#include <limits>

namespace torvane::model {

std::optional<qint32> parseQuantity(QStringView text)
{
    if (text.isEmpty())
        return 0;
    qint64 value = 0;
    for (QChar ch : text) {
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (ch.unicode() - u'0');
        if (value > std::numeric_limits<qint32>::max())
            return std::nullopt;
    }
    return static_cast<qint32>(value);
}

} // namespace torvane::model
