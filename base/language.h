#pragma once

#include <QLocale>
#include <QString>

namespace torvane::base {

// The language lives as the decimal text of the start screen's hidden field;
// screens copy it into an integer when they are shown.
enum Language : int { French = 0, Russian = 1, English = 2 };

inline bool isLanguage(int code) { return code >= French && code <= English; }

// Picture folder of a language, relative to the executable's folder; empty for
// a code outside 0..2.
inline QString languageFolder(int code)
{
    using namespace Qt::StringLiterals;
    switch (code) {
    case French: return u"img/fr/"_s;
    case Russian: return u"img/ru/"_s;
    case English: return u"img/en/"_s;
    default: return {};
    }
}

// How a reader of the language writes dates and numbers; English for a code
// outside 0..2.
QLocale localeOf(int language);

// The language of the program's messages before the user chooses one on the
// start screen: the language of the budget opened at start, else the one
// chosen last time, else the system's when the program speaks it, else
// English. -1 stands for "none" in the first two.
Language startupLanguage(int budgetLanguage, int rememberedLanguage, const QLocale &system);

} // namespace torvane::base
