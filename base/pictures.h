#pragma once

#include "base/localizedtext.h"

#include <QSize>
#include <QString>

#include <array>

// What the picture generator draws and the screens show, stated once for
// both: each picture's file name beside its words and its size. Names are
// relative to the executable's folder; those of a language's folder are
// given without the folder (languageFolder(language) + name).
namespace torvane::base::pictures {

using namespace Qt::StringLiterals;

// A button's picture while the pointer is away from it, and while it is over it.
enum class Look { Normal, Highlighted };

// ---- the start screen

inline QString startBackgroundFile() { return u"img/gen/background.jpg"_s; }
inline QString logoFile() { return u"img/gen/logo.png"_s; }
inline QString languageBarFile() { return u"img/gen/lang.png"_s; }

inline QString enterButtonFile() { return u"img/gen/enter.png"_s; }
inline constexpr QSize kEnterButtonSize{200, 50};

// ---- the frame of every inner screen

inline QString innerBackgroundFile() { return u"img/gen/background1.jpg"_s; }
inline QString titleFile() { return u"img/gen/title.png"_s; }
inline QString logotypeFile() { return u"img/gen/logotype.png"_s; }

// The left panel: arka1..arka7, one for each screen height from which it is
// shown. They share the width of the built-in panel, shown below the first.
inline QString panelFile(int k) { return u"img/gen/arka%1.png"_s.arg(k); }
inline constexpr std::array<int, 7> kPanelHeights{768, 800, 864, 900, 1024, 1050, 1080};
inline constexpr QSize kPanelSize{292, 760};

// Navigation bar buttons menu1..menu5, in every language's folder.
inline QString navigationFile(int k, Look look = Look::Normal)
{
    return (look == Look::Highlighted ? u"menu%1c.png"_s : u"menu%1.png"_s).arg(k);
}
inline constexpr std::array<LocalizedText, 5> kNavigation{{
    {u"Menu principal", u"Главное меню", u"Main menu"},
    {u"Consultant", u"Консультант", u"Consultant"},
    {u"FAQ", u"Вопросы и ответы", u"FAQ"},
    {u"Ouvrage de référence", u"Справочник", u"Reference book"},
    {u"Quitter", u"Выход", u"Exit"},
}};
inline constexpr QSize kNavigationSize{200, 44};

// ---- the main menu

// Section tiles calcmenu1..calcmenu8, in every language's folder, in the tiles' order.
inline QString tileFile(int k, Look look = Look::Normal)
{
    return (look == Look::Highlighted ? u"calcmenu%1c.png"_s : u"calcmenu%1.png"_s).arg(k);
}
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
inline constexpr QSize kTileSize{300, 90};

// ---- the consultant screen

inline QString contactCardFile() { return u"img/gen/faqfon.png"_s; }

// ---- every section

// The save button, in every language's folder.
inline QString saveButtonFile() { return u"savexcel.png"_s; }
inline constexpr LocalizedText kSaveButton{u"Enregistrer en Excel", u"Сохранить в Excel", u"Save to Excel"};
inline constexpr QSize kSaveButtonSize{150, 26};

} // namespace torvane::base::pictures
