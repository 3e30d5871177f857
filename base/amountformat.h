#pragma once

#include "base/language.h"

#include <QString>

namespace torvane::base {

// An amount in tiyn (hundredths of a tenge) as a reader of the language
// expects it: grouped digits, and the two decimals only when there are any
// ("1 234 567,50", "63 000", "1,234,567.50").
QString tiynText(qint64 tiyn, Language language);

} // namespace torvane::base
