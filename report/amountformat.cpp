#include "report/amountformat.h"

#include <QLocale>

namespace torvane::report {

using namespace Qt::StringLiterals;

namespace {

constexpr char16_t kNoBreakSpace = u'\u00A0';
constexpr char16_t kNarrowNoBreakSpace = u'\u202F';

QLocale localeOf(int language)
{
    switch (language) {
    case 0: return QLocale(QLocale::French, QLocale::France);
    case 1: return QLocale(QLocale::Russian, QLocale::Russia);
    default: return QLocale(QLocale::English, QLocale::UnitedStates);
    }
}

// Digits of a magnitude with the language's grouping; unsigned so that the
// most negative amount still has one.
QString groupedMagnitude(quint64 magnitude, int language)
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
QChar unitSpace(int language)
{
    return QChar(language == 0 ? kNarrowNoBreakSpace : kNoBreakSpace);
}

} // namespace

QString groupedNumber(qint64 value, int language)
{
    const QString digits = groupedMagnitude(magnitudeOf(value), language);
    return value < 0 ? u'-' + digits : digits;
}

QString tengeAmount(qint64 tenge, int language)
{
    const QString sign = tenge < 0 ? u"-"_s : QString();
    const QString digits = groupedMagnitude(magnitudeOf(tenge), language);
    switch (language) {
    case 0: return sign + digits + QChar(kNoBreakSpace) + u"\u20B8"_s;
    case 1: return sign + digits + QChar(kNoBreakSpace) + u"тг"_s;
    default: return sign + u"\u20B8"_s + digits;
    }
}

QString shareText(int tenths, int language)
{
    const quint64 magnitude = magnitudeOf(tenths);
    const QString number = (tenths < 0 ? u"-"_s : QString()) + groupedMagnitude(magnitude / 10, language)
        + localeOf(language).decimalPoint() + QString::number(magnitude % 10);
    return language == 2 ? number + u'%' : number + unitSpace(language) + u'%';
}

QString currencyAmount(qint64 hundredths, const QString &code, int language)
{
    const quint64 magnitude = magnitudeOf(hundredths);
    const quint64 cents = magnitude % 100;
    return (hundredths < 0 ? u"-"_s : QString()) + groupedMagnitude(magnitude / 100, language)
        + localeOf(language).decimalPoint() + (cents < 10 ? u"0"_s : QString()) + QString::number(cents)
        + QChar(kNoBreakSpace) + code;
}

QString groupedAmountText(const QString &text, int language)
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

} // namespace torvane::report
