#pragma once

#include "base/language.h"

#include <QString>

namespace torvane::base {

// Amounts as a reader of each language expects them, from whole numbers only so no amount ever passes through a
// double. Digits are grouped the way QLocale groups them for the language:
// a narrow no-break space in French, a no-break space in Russian, a comma in
// English.
//
// The tenge mark follows the number in French and Russian, as both write
// currencies ("1 234 567 ₸", "1 234 567 тг"), and leads it in English, as
// English writes currency symbols ("₸1,234,567").

QString groupedNumber(qint64 value, Language language);           // "1 234 567"
QString tengeAmount(qint64 tenge, Language language);             // "1 234 567 ₸"
QString shareText(int tenths, Language language);                 // "12,5 %", "12.5%"
QString currencyAmount(qint64 hundredths, const QString &code, Language language); // "1 234,56 EUR"

// A text the screen shows for an amount, grouped when it is a whole number;
// any other text is returned as it is.
QString groupedAmountText(const QString &text, Language language);

// An amount in tiyn (hundredths of a tenge) as a reader of the language
// expects it: grouped digits, and the two decimals only when there are any
// ("1 234 567,50", "63 000", "1,234,567.50").
QString tiynText(qint64 tiyn, Language language);
// The same with the tenge mark, placed as tengeAmount() places it ("1 234 567,50 ₸").
QString tiynAmount(qint64 tiyn, Language language);

} // namespace torvane::base
