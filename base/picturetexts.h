#pragma once

#include "base/localizedtext.h"

#include <QSize>

#include <array>

// What the picture generator draws and the screens show: the words on the
// picture buttons and their sizes, stated once for both.
namespace torvane::base::pictures {

// Navigation bar buttons menu1..menu5.
inline constexpr std::array<LocalizedText, 5> kNavigation{{
    {u"Menu principal", u"Главное меню", u"Main menu"},
    {u"Consultant", u"Консультант", u"Consultant"},
    {u"FAQ", u"Вопросы и ответы", u"FAQ"},
    {u"Ouvrage de référence", u"Справочник", u"Reference book"},
    {u"Quitter", u"Выход", u"Exit"},
}};

// Main menu tiles calcmenu1..calcmenu8, in the tiles' order.
inline constexpr std::array<LocalizedText, 8> kTiles{{
    {u"Logistique et transport", u"Логистика и транспорт", u"Logistics and transport"},
    {u"Construction et réparation", u"Строительство и ремонт", u"Construction and repair"},
    {u"Hébergement", u"Размещение и проживание", u"Accommodation"},
    {u"Restauration et loisirs", u"Питание и досуг", u"Food and leisure"},
    {u"Charges d’exploitation", u"Операционные расходы", u"Running expenses"},
    {u"Événements", u"Организация мероприятий", u"Events and entertainment"},
    {u"Publicité", u"Реклама", u"Advertising"},
    {u"Services aux entreprises", u"Услуги для бизнеса", u"Business services"},
}};

// The save button of every section (savexcel).
inline constexpr LocalizedText kSaveButton{u"Enregistrer en Excel", u"Сохранить в Excel", u"Save to Excel"};

inline constexpr QSize kNavigationSize{200, 44};
inline constexpr QSize kTileSize{300, 90};
inline constexpr QSize kSaveButtonSize{150, 26};
inline constexpr QSize kEnterButtonSize{200, 50};
// The built-in left panel; the arka pictures share its width.
inline constexpr QSize kPanelSize{292, 760};
// Screen heights from which arka1..arka7 are shown.
inline constexpr std::array<int, 7> kPanelHeights{768, 800, 864, 900, 1024, 1050, 1080};

} // namespace torvane::base::pictures
