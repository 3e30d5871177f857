#include "base/decimalformat.h"

#include <memory>

namespace torvane::base {

DecimalFormat::DecimalFormat(QLocale locale)
    : m_locale(std::move(locale))
{
    m_locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
}

QString DecimalFormat::toText(double value) const
{
    if (value == 0)
        return QStringLiteral("0"); // also for -0
    return m_locale.toString(value, 'g', 15);
}

double DecimalFormat::fromText(const QString &text, bool *ok) const
{
    return m_locale.toDouble(text, ok);
}

QChar DecimalFormat::decimalPoint() const
{
    const QString point = m_locale.decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point.front();
}

namespace {
std::unique_ptr<DecimalFormat> &regionalFormat()
{
    static std::unique_ptr<DecimalFormat> format;
    return format;
}
} // namespace

const DecimalFormat &DecimalFormat::regional()
{
    auto &format = regionalFormat();
    if (!format)
        format = std::make_unique<DecimalFormat>(QLocale::system());
    return *format;
}

void DecimalFormat::setRegionalForTesting(const QLocale &locale)
{
    regionalFormat() = std::make_unique<DecimalFormat>(locale);
}

} // namespace torvane::base
