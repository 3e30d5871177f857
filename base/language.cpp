#include "base/language.h"

namespace torvane::base {

QLocale localeOf(int language)
{
    switch (language) {
    case French: return QLocale(QLocale::French, QLocale::France);
    case Russian: return QLocale(QLocale::Russian, QLocale::Russia);
    default: return QLocale(QLocale::English, QLocale::UnitedStates);
    }
}

Language startupLanguage(int budgetLanguage, int rememberedLanguage, const QLocale &system)
{
    if (isLanguage(budgetLanguage))
        return Language(budgetLanguage);
    if (isLanguage(rememberedLanguage))
        return Language(rememberedLanguage);
    switch (system.language()) {
    case QLocale::French: return French;
    case QLocale::Russian: return Russian;
    default: return English;
    }
}

} // namespace torvane::base
