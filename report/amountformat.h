#pragma once

#include "base/language.h"

#include <QString>

namespace torvane::report {

// Amounts as a reader of each language expects them, from whole numbers only so no amount ever passes through a
// double. Digits are grouped the way QLocale groups them for the language:
// a narrow no-break space in French, a no-break space in Russian, a comma in
// English.
//
// The tenge mark follows the number in French and Russian, as both write
// currencies ("1 234 567 ₸", "1 234 567 тг"), and leads it in English, as
// English writes currency symbols ("₸1,234,567").

QString groupedNumber(qint64 value, base::Language language);           // "1 234 567"
QString tengeAmount(qint64 tenge, base::Language language);             // "1 234 567 ₸"
QString shareText(int tenths, base::Language language);                 // "12,5 %", "12.5%"
QString currencyAmount(qint64 hundredths, const QString &code, base::Language language); // "1 234,56 EUR"

// A text the screen shows for an amount, grouped when it is a whole number;
// any other text is returned as it is.
QString groupedAmountText(const QString &text, base::Language language);

} // namespace torvane::report
