#include "base/amountformat.h"

#include <QLocale>

namespace torvane::base {

using namespace Qt::StringLiterals;

namespace {

constexpr char16_t kNoBreakSpace = u'\u00A0';
constexpr char16_t kNarrowNoBreakSpace = u'\u202F';

// Digits of a magnitude with the language's grouping; unsigned so that the
// most negative amount still has one.
QString groupedMagnitude(quint64 magnitude, Language language)
{
    QLocale locale = localeOf(language);
    locale.setNumberOptions(QLocale::DefaultNumberOptions);
    return locale.toString(qulonglong(magnitude));
}

quint64 magnitudeOf(qint64 value)
{
    return value < 0 ? quint64(0) - quint64(value) : quint64(value);
}

// Between a number and what follows it: unbreakable, so a wrapped line never
// leaves a mark or a percent sign alone.
QChar unitSpace(Language language)
{
    return QChar(language == Language::French ? kNarrowNoBreakSpace : kNoBreakSpace);
}

} // namespace

QString groupedNumber(qint64 value, Language language)
{
    const QString digits = groupedMagnitude(magnitudeOf(value), language);
    return value < 0 ? u'-' + digits : digits;
}

QString tengeAmount(qint64 tenge, Language language)
{
    const QString sign = tenge < 0 ? u"-"_s : QString();
    const QString digits = groupedMagnitude(magnitudeOf(tenge), language);
    switch (language) {
    case Language::French: return sign + digits + QChar(kNoBreakSpace) + u"\u20B8"_s;
    case Language::Russian: return sign + digits + QChar(kNoBreakSpace) + u"тг"_s;
    case Language::English: break;
    }
    return sign + u"\u20B8"_s + digits;
}

QString shareText(int tenths, Language language)
{
    const quint64 magnitude = magnitudeOf(tenths);
    const QString number = (tenths < 0 ? u"-"_s : QString()) + groupedMagnitude(magnitude / 10, language)
        + localeOf(language).decimalPoint() + QString::number(magnitude % 10);
    return language == Language::English ? number + u'%' : number + unitSpace(language) + u'%';
}

QString currencyAmount(qint64 hundredths, const QString &code, Language language)
{
    const quint64 magnitude = magnitudeOf(hundredths);
    const quint64 cents = magnitude % 100;
    return (hundredths < 0 ? u"-"_s : QString()) + groupedMagnitude(magnitude / 100, language)
        + localeOf(language).decimalPoint() + (cents < 10 ? u"0"_s : QString()) + QString::number(cents)
        + QChar(kNoBreakSpace) + code;
}

QString groupedAmountText(const QString &text, Language language)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok || text.isEmpty() || text.front() == u'+' || (text.size() > 1 && text.startsWith(u'0')))
        return text;
    for (const QChar c : text)
        if (c != u'-' && !c.isDigit())
            return text;
    return groupedNumber(value, language);
}

QString tiynText(qint64 tiyn, Language language)
{
    const quint64 magnitude = magnitudeOf(tiyn);
    QString text = groupedMagnitude(magnitude / 100, language);
    if (const quint64 cents = magnitude % 100; cents != 0)
        text += localeOf(language).decimalPoint() + (cents < 10 ? u"0"_s : QString()) + QString::number(cents);
    return tiyn < 0 ? u'-' + text : text;
}

QString tiynAmount(qint64 tiyn, Language language)
{
    QString digits = tiynText(tiyn, language);
    const QString sign = digits.startsWith(u'-') ? u"-"_s : QString();
    digits.remove(0, sign.size());
    switch (language) {
    case Language::French: return sign + digits + QChar(kNoBreakSpace) + u"\u20B8"_s;
    case Language::Russian: return sign + digits + QChar(kNoBreakSpace) + u"тг"_s;
    case Language::English: break;
    }
    return sign + u"\u20B8"_s + digits;
}

} // namespace torvane::base
