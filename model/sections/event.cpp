#include "model/sections/event.h"

namespace torvane::model::sections {

using namespace model;
using model::TitleSource;
using enum model::Column;

namespace {

// Group 11: artists of Kazakhstan and Russia, per show.
constexpr Priced kArtists[] = {
    {{u"Ville", u"Городской", u"Urban"}, 100000},
    {{u"Régional", u"Региональный", u"Regional"}, 1400000},
    {{u"National", u"Национальный", u"National"}, 100000000},
};

// Group 21: shooting type, per hour; the recording level must be chosen but
// does not change the price. Its English list carries the Russian texts.
constexpr Priced kShooting[] = {
    {{u"Photo", u"Фото", u"Photo"}, 10000},
    {{u"Vidéo", u"Видео", u"Video"}, 15000},
};
constexpr LocalizedText kRecordingLevels[] = {
    {u"par heure", u"За час", u"За час"},
    {u"lors de l événement", u"За мероприятие", u"За мероприятие"},
};

// Group 31: artists from abroad, per show. The column is headed "$", but no
// exchange rate exists: the amounts add to the tenge totals as they are.
constexpr Priced kForeignArtists[] = {
    {{u"Chanteurs étrangers", u"Певцы", u"Foreign singers"}, 700000},
    {{u"Groupes étrangers", u"Музыкальные группы", u"Foreign bands"}, 900000},
    {{u"Top Star", u"Топ-звезды", u"Top Star"}, 1500000},
};

// Group 41: accessories, per piece.
constexpr Priced kAccessories[] = {
    {{u"fontaine de chocolat", u"Фонтан", u"Chocolate fountain"}, 20000},
    {{u"ballons à l hélium", u"Шарики гелиевые", u"helium Balloons"}, 500},
    {{u"feu d artifice", u"Фейрверк", u"Fireworks"}, 2000},
};

constexpr auto kArtistPrices = project(kArtists, &Priced::price);
constexpr auto kShootingPrices = project(kShooting, &Priced::price);
constexpr auto kForeignArtistPrices = project(kForeignArtists, &Priced::price);
constexpr auto kAccessoryPrices = project(kAccessories, &Priced::price);

constexpr auto kArtistTexts = project(kArtists, &Priced::text);
constexpr auto kShootingTexts = project(kShooting, &Priced::text);
constexpr auto kForeignArtistTexts = project(kForeignArtists, &Priced::text);
constexpr auto kAccessoryTexts = project(kAccessories, &Priced::text);

// Pricing rules. A row without its options or with a quantity of 0 costs nothing.
Amount shootingRule(const RowInput &in)
{
    const int a = in.pos(1);
    if (a == -1 || in.pos(2) == -1 || in.qty(3) == 0)
        return 0;
    return Money(in.qty(3)) * kShootingPrices[a];
}

constexpr LocalizedText kSum{u"Somme", u"Сумма", u"The sum"};
constexpr LocalizedText kEntertainer{u"Sélectionnez la catégorie Entertainer", u"Выберите класс", u"Select Class Entertainer"};
constexpr LocalizedText kShows{u"Nombre de spectacles", u"Количество номеров", u"Number of shows"};

// Tab 1: artists of Kazakhstan and Russia.
constexpr ColumnSpec kArtistColumns[] = {choice(kArtistTexts), quantity(), sum()};
constexpr ColumnHeader kArtistHeaders[] = {
    {1, kEntertainer},
    {2, kShows},
    {3, {u"Somme", u"Сумма тг", u"The sum"}},
};
constexpr GroupSpec kTab1[] = {
    {1, {u"Ordre des artistes du Kazakhstan et de la Russie", u"Заказ артистов Казахстана и России",
         u"Order of Artists of Kazakhstan and Russia"}, 1, 5,
     kArtistColumns, kArtistHeaders, perUnitRule<kArtistPrices>, 3, {20, 50, 40}, {TitleSource::TabButton, C, C, E, false, 3, E}},
};

// Tab 2: photo and video shooting.
constexpr ColumnSpec kShootingColumns[] = {choice(kShootingTexts), choice(kRecordingLevels), quantity(), sum()};
constexpr ColumnHeader kShootingHeaders[] = {
    {1, {u"Sélectionnez le type de prise de vue", u"Тип съемки", u"Select the type of shooting"}},
    {2, {u"Sélectionnez le niveau d enregistrement", u"Уровень съемки", u"Select the recording level"}},
    {3, {u"Nombre d heures", u"Количество часов", u"Number of hours"}},
    {4, kSum},
};
constexpr GroupSpec kTab2[] = {
    {1, {u"Photo et vidéo de tir", u"Услуги Видео и Фото съемки", u"Photo and video shooting"}, 1, 5,
     kShootingColumns, kShootingHeaders, shootingRule, 4, {20, 50, 40}, {TitleSource::TabButton, B, B, E, false, 4, E}},
};

// Tab 3: artists from abroad.
constexpr ColumnSpec kForeignArtistColumns[] = {choice(kForeignArtistTexts), quantity(), sum()};
constexpr ColumnHeader kForeignArtistHeaders[] = {
    {1, kEntertainer},
    {2, kShows},
    {3, {u"Somme $", u"Сумма $", u"The sum $"}},
};
constexpr GroupSpec kTab3[] = {
    {1, {u"Réservation artistes de l étranger", u"Заказ артистов из за рубежа", u"Booking artists from abroad "}, 1, 5,
     kForeignArtistColumns, kForeignArtistHeaders, perUnitRule<kForeignArtistPrices>, 3, {20, 50, 40},
     {TitleSource::TabButton, C, C, E, false, 3, E}},
};

// Tab 4: accessories; the subtotal is framed across C-E.
constexpr ColumnSpec kAccessoryColumns[] = {choice(kAccessoryTexts), quantity(), sum()};
constexpr ColumnHeader kAccessoryHeaders[] = {
    {1, {u"Sélectionnez le type d accessoire", u"Аксессуар", u"Select the type of accessory"}},
    {2, {u"Nombre de matériaux", u"Количество", u"Number of materials"}},
    {3, kSum},
};
constexpr GroupSpec kTab4[] = {
    {1, {u"Achat d accessoires et composants", u"Покупка Аксессуаров и комплектующих материалов",
         u"Purchase of accessories and component parts"}, 1, 5,
     kAccessoryColumns, kAccessoryHeaders, perUnitRule<kAccessoryPrices>, 3, {20, 50, 40},
     {TitleSource::TabButton, C, C, E, false, 3, C}},
};

// The French title of tab 3 ends in a TAB character.
constexpr TabSpec kTabs[] = {
    {{u"Artistes du Kazakhstan et de la Russie ", u"Артисты Казахстана и России", u"Artists of Kazakhstan and Russia"}, kTab1, 250},
    {{u"Photo et vidéo de tir", u"Фото и виедо съемка", u"Photo and video shooting"}, kTab2, 250},
    {{u"Réservation artistes de l étranger\t", u"Заказ зарубежных артистов", u"Booking artists from abroad "}, kTab3, 250},
    {{u"Achat d accessoires et composants", u"Покупка аксессуаров и комплектующих", u"Purchase of accessories and component parts"}, kTab4, 250},
};

QList<PriceLine> priceList()
{
    constexpr LocalizedText perShow{u"par spectacle", u"за номер", u"per show"};
    constexpr LocalizedText perHour{u"par heure", u"за час", u"per hour"};
    constexpr LocalizedText perPiece{u"par pièce", u"за штуку", u"per piece"};
    QList<PriceLine> lines;
    appendPrices(lines, kTab1[0], kArtists, perShow);
    appendPrices(lines, kTab2[0], kShooting, perHour);
    appendPrices(lines, kTab3[0], kForeignArtists, perShow);
    appendPrices(lines, kTab4[0], kAccessories, perPiece);
    return lines;
}

constexpr SectionCatalogue kCatalogue{
    .screenName = u"Form_event",
    .caption = {u"Planification d événements", u"Организация мероприятий", u"Organization of events"},
    .tabs = kTabs,
    .totalsPanel = u"ScrollBox5",
    .timers = {100, 1000, 100, true},
    .firstLayoutIsSilent = true, // the total stays empty until the user's first change
    .reportLastColumn = E,
    .priceList = priceList,
};

} // namespace

const SectionCatalogue &eventCatalogue()
{
    return kCatalogue;
}

} // namespace torvane::model::sections
