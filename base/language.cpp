#include "base/language.h"

namespace torvane::base {

QLocale localeOf(Language language)
{
    switch (language) {
    case Language::French: return QLocale(QLocale::French, QLocale::France);
    case Language::Russian: return QLocale(QLocale::Russian, QLocale::Russia);
    case Language::English: break;
    }
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

Language startupLanguage(std::optional<Language> budgetLanguage, std::optional<Language> rememberedLanguage,
                         const QLocale &system)
{
    if (budgetLanguage)
        return *budgetLanguage;
    if (rememberedLanguage)
        return *rememberedLanguage;
    switch (system.language()) {
    case QLocale::French: return Language::French;
    case QLocale::Russian: return Language::Russian;
    default: return Language::English;
    }
}

} // namespace torvane::base
