#include "base/amountformat.h"

namespace torvane::base {

using namespace Qt::StringLiterals;

QString tiynText(qint64 tiyn, Language language)
{
    QLocale locale = localeOf(language);
    locale.setNumberOptions(QLocale::DefaultNumberOptions);
    // Unsigned, so that the most negative amount still has a magnitude.
    const quint64 magnitude = tiyn < 0 ? quint64(0) - quint64(tiyn) : quint64(tiyn);
    QString text = locale.toString(qulonglong(magnitude / 100));
    if (const quint64 cents = magnitude % 100; cents != 0)
        text += locale.decimalPoint() + (cents < 10 ? u"0"_s : QString()) + QString::number(cents);
    return tiyn < 0 ? u'-' + text : text;
}

} // namespace torvane::base
