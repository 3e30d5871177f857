#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace torvane::base {

// The three languages of the program. The start screen keeps the choice as
// the decimal text of its hidden field ("0", "1", "2"), and screens copy it
// into an integer when they are shown; everything else passes a Language.
enum class Language : quint8 { French = 0, Russian = 1, English = 2 };
inline constexpr Language kLanguages[] = {Language::French, Language::Russian, Language::English};

inline bool isLanguage(int code) { return code >= 0 && code <= 2; }
// The language of a code, if it names one.
inline std::optional<Language> languageOf(int code)
{
    return isLanguage(code) ? std::optional(Language(code)) : std::nullopt;
}
// The language of a code, English for a code that names none.
inline Language languageOr(int code, Language fallback = Language::English)
{
    return languageOf(code).value_or(fallback);
}
inline int codeOf(Language language) { return int(language); }

// Picture folder of a language, relative to the executable's folder.
inline QString languageFolder(Language language)
{
    using namespace Qt::StringLiterals;
    switch (language) {
    case Language::French: return u"img/fr/"_s;
    case Language::Russian: return u"img/ru/"_s;
    case Language::English: return u"img/en/"_s;
    }
    return {};
}

// How a reader of the language writes dates and numbers.
QLocale localeOf(Language language);

// The language of the program's messages before the user chooses one on the
// start screen: the language of the budget opened at start, else the one
// chosen last time, else the system's when the program speaks it, else
// English.
Language startupLanguage(std::optional<Language> budgetLanguage, std::optional<Language> rememberedLanguage,
                         const QLocale &system);

} // namespace torvane::base
