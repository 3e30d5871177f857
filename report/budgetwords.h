#pragma once

#include "base/localizedtext.h"

// The words of the whole budget, stated once for everything that shows it:
// the main menu's panel, the workbook and the PDF.
namespace torvane::report::words {

using base::LocalizedText;

inline constexpr LocalizedText kSummary{u"Résumé", u"Сводка", u"Summary"};
inline constexpr LocalizedText kSection{u"Section", u"Раздел", u"Section"};
inline constexpr LocalizedText kTotal{u"Total", u"Итого", u"Total"};
inline constexpr LocalizedText kTotalTenge{u"Total, ₸", u"Итого, тг", u"Total, ₸"};
inline constexpr LocalizedText kShare{u"Part", u"Доля", u"Share"};
inline constexpr LocalizedText kEstimateTotal{u"Total de l’estimation", u"Итого по смете", u"Estimate total"};
// A contingency line, with its percentage.
inline constexpr LocalizedText kContingencyOf{u"Imprévus (%1)", u"Непредвиденные расходы (%1)", u"Contingency (%1)"};
inline constexpr LocalizedText kGrandTotal{u"Total général", u"Общий итог", u"Grand total"};
inline constexpr LocalizedText kCurrencyLine{u"Total général en %1, converti au taux saisi de %2 tenge pour 1 %1",
                                             u"Общий итог в %1 по курсу пользователя: %2 тенге за 1 %1",
                                             u"Grand total in %1, converted at the user's rate of %2 tenge per unit"};
inline constexpr LocalizedText kChart{u"Part de chaque section", u"Доля каждого раздела", u"Share of each section"};
inline constexpr LocalizedText kChartCompared{u"Estimation et réel par section", u"Смета и факт по разделам",
                                              u"Estimate and actual by section"};
// The chart's legend.
inline constexpr LocalizedText kEstimate{u"Estimation", u"Смета", u"Estimate"};
inline constexpr LocalizedText kActual{u"Réel", u"Факт", u"Actual"};
inline constexpr LocalizedText kOverEstimate{u"Au-delà de l’estimation", u"Выше сметы", u"Over the estimate"};
// The budget line by line, from estimate to invoice.
inline constexpr LocalizedText kFollowUp{u"Suivi", u"Исполнение", u"Follow-up"};
inline constexpr LocalizedText kDate{u"Date", u"Дата", u"Date"};
inline constexpr LocalizedText kLanguageLabel{u"Langue", u"Язык", u"Language"};
inline constexpr LocalizedText kLanguageName{u"Français", u"Русский", u"English"};

} // namespace torvane::report::words
