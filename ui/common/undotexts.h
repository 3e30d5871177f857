#pragma once

#include "base/localizedtext.h"

namespace torvane::model {
struct SectionCatalogue;
}

namespace torvane::ui::common::undotexts {

using base::LocalizedText;

// The budget's undo and redo, alone and with what they would take back.
inline constexpr LocalizedText kUndo{u"Annuler", u"Отменить", u"Undo"};
inline constexpr LocalizedText kRedo{u"Rétablir", u"Повторить", u"Redo"};
inline constexpr LocalizedText kUndoStep{u"Annuler : %1", u"Отменить: %1", u"Undo: %1"};
inline constexpr LocalizedText kRedoStep{u"Rétablir : %1", u"Повторить: %1", u"Redo: %1"};

// What one step changed.
inline constexpr LocalizedText kTitle{u"titre du budget", u"название бюджета", u"budget title"};
inline constexpr LocalizedText kContingency{u"réserve pour imprévus", u"резерв на непредвиденное", u"contingency"};
inline constexpr LocalizedText kCurrency{u"devise de référence", u"валюта для сравнения", u"reference currency"};
inline constexpr LocalizedText kRate{u"taux de la devise de référence", u"курс валюты для сравнения",
                                     u"rate of the reference currency"};
inline constexpr LocalizedText kSettings{u"réglages du budget", u"настройки бюджета", u"budget settings"};

// "Quantity of Adults in Logistics and Transportation, Flights, row 2": a
// field by its column's header (what stands over it, on the section screen
// or in the follow-up table), its section, its tab and its row.
QString field(const QString &header, const model::SectionCatalogue &catalogue, int tab, int row, base::Language language);
// The header over a column of a section's grid, on one line.
QString columnHeader(const model::SectionCatalogue &catalogue, int tab, int row, int column, base::Language language);
// "clearing of “Logistics and Transportation”"
QString cleared(const model::SectionCatalogue &catalogue, base::Language language);
// An own line by its item, or by its place when it has none.
QString ownLineEdited(const QString &header, const QString &item, int index, base::Language language);
QString ownLineAdded(const QString &item, int index, base::Language language);
QString ownLineRemoved(const QString &item, int index, base::Language language);

} // namespace torvane::ui::common::undotexts
