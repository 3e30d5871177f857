#include "model/sections/expenses.h"

namespace torvane::model::sections {

using namespace model;
using model::TitleSource;
using enum model::Column;

namespace {

// Cleaning of premises, per square metre and day.
constexpr qint64 kCleaningPerSquareMetreDay = 150;

// Group 12: items to dry-clean, per item.
constexpr Priced kDryCleaning[] = {
    {{u"vêtements", u"Одежда", u"clothing"}, 5000},
    {{u"meubles", u"Мебель", u"furniture"}, 7000},
    {{u"voiture", u"Машина", u"car"}, 10000},
};

// Group 21: public utilities, per month.
constexpr Priced kUtilities[] = {
    {{u"eau", u"Вода", u"water"}, 2500},
    {{u"l énergie électrique", u"Электричество", u"electric power"}, 2500},
    {{u"chauffage", u"Отопление", u"heating"}, 13456},
};

// Groups 31 and 32: furniture per piece; purchase and rental cost the same.
constexpr Priced kFurniture[] = {
    {{u"maison", u"Для дома", u"house"}, 5000},
    {{u"bureau", u"Для офиса", u"office"}, 7000},
    {{u"pour les restaurants de", u"Для ресторация", u"for restaurants"}, 10000},
};
constexpr LocalizedText kFurnitureClasses[] = {
    {u"moyenne", u"Средний", u"average"},
};

// Group 41: consumables, per piece. The Russian "А4" has a Cyrillic А and
// the English item ends in a blank.
constexpr Priced kConsumables[] = {
    {{u"stylo", u"Ручка", u"pen"}, 120},
    {{u"crayon", u"Карандаш", u"pencil"}, 110},
    {{u"A4 de papier", u"Бумага А4", u"paper a4 "}, 720},
    {{u"ciseaux", u"Ножницы", u"scissors"}, 560},
    {{u"gomme", u"Резинка", u"eraser"}, 55},
};

constexpr auto kDryCleaningPrices = project(kDryCleaning, &Priced::price);
constexpr auto kUtilityPrices = project(kUtilities, &Priced::price);
constexpr auto kFurniturePrices = project(kFurniture, &Priced::price);
constexpr auto kConsumablePrices = project(kConsumables, &Priced::price);

constexpr auto kDryCleaningTexts = project(kDryCleaning, &Priced::text);
constexpr auto kUtilityTexts = project(kUtilities, &Priced::text);
constexpr auto kFurnitureTexts = project(kFurniture, &Priced::text);
constexpr auto kConsumableTexts = project(kConsumables, &Priced::text);

// Pricing rules. A row without its options or with a quantity of 0 costs nothing.
Amount cleaningRule(const RowInput &in)
{
    if (in.qty(1) == 0 || in.qty(2) == 0)
        return 0;
    return Money(in.qty(1)) * kCleaningPerSquareMetreDay * in.qty(2);
}

// Only the one class "average" is offered; it is priced at the type's price.
Amount furnitureRule(const RowInput &in)
{
    const int a = in.pos(1), b = in.pos(2);
    if (a == -1 || b != 0 || in.qty(3) == 0)
        return 0;
    return Money(in.qty(3)) * kFurniturePrices[a];
}

constexpr LocalizedText kSum{u"Somme", u"Сумма", u"The sum"};
constexpr LocalizedText kFurnitureType{u"Sélectionnez le type de meubles", u"Тип Мебели", u"Select the type of furniture"};
constexpr LocalizedText kFurnitureClass{u"Meubles Sélectionner une classe", u"Класс мебели", u"Select furniture Class"};
constexpr LocalizedText kNumber{u"Nombre", u"Количество", u"Number"};

// Tab 1: cleaning of premises (both inputs typed) and dry-cleaning. Their
// cells are narrower than the spacing of their column headers.
constexpr GroupLayout kTab1Top{20, 50, 40, 115, 95};
constexpr GroupLayout kTab1Bottom{220, 250, 100, 115, 95};
constexpr ColumnSpec kCleaningColumns[] = {quantity(), quantity(), sum()};
constexpr ColumnHeader kCleaningHeaders[] = {
    {1, {u"Entrez le carré des ", u"Квадратура", u"- Enter the square the premises"}},
    {2, {u"Le nombre de jours de nettoyage", u"Количество дней уборки", u"The number of cleaning days"}},
    {3, kSum},
};
constexpr ColumnSpec kDryCleaningColumns[] = {choice(kDryCleaningTexts), quantity(), sum()};
constexpr ColumnHeader kDryCleaningHeaders[] = {
    {4, {u"Sélectionnez l objet", u"Предмет", u"Select subject"}},
    {5, {u"Nombre", u"Количество", u"number"}},
    {6, kSum},
};
constexpr GroupSpec kTab1[] = {
    {1, {u"Nettoyage", u"Уборка помещения", u"Cleaning"}, 1, 4,
     kCleaningColumns, kCleaningHeaders, cleaningRule, 3, kTab1Top, {TitleSource::TabButton, C, C, E, false, 3}},
    {2, {u"Nettoyage à sec", u"Химчистка", u"dry-cleaning"}, 5, 8,
     kDryCleaningColumns, kDryCleaningHeaders, perUnitRule<kDryCleaningPrices>, 3, kTab1Bottom,
     {TitleSource::None, 0, 0, 0, false, 3, E}},
};

// Tab 2: public utilities.
constexpr ColumnSpec kUtilityColumns[] = {choice(kUtilityTexts), quantity(), sum()};
constexpr ColumnHeader kUtilityHeaders[] = {
    {1, {u"Sélectionnez le type de service", u"Вид услуги", u"Select the service type"}},
    {2, {u"Nombre (mois)", u"Количество месяцев", u"Number of months"}},
    {3, kSum},
};
constexpr GroupSpec kTab2[] = {
    {1, {u"Utilitaires", u"Коммунальные услуги", u"public utilities"}, 1, 5,
     kUtilityColumns, kUtilityHeaders, perUnitRule<kUtilityPrices>, 3, {20, 50, 40}, {TitleSource::TabButton, C, C, E, false, 3, E}},
};

// Tab 3: furniture purchase and rental.
constexpr ColumnSpec kFurnitureColumns[] = {choice(kFurnitureTexts), choice(kFurnitureClasses), quantity(), sum()};
constexpr ColumnHeader kPurchaseHeaders[] = {{1, kFurnitureType}, {2, kFurnitureClass}, {3, kNumber}, {4, kSum}};
constexpr ColumnHeader kRentalHeaders[] = {{5, kFurnitureType}, {6, kFurnitureClass}, {7, kNumber}, {8, kSum}};
constexpr GroupSpec kTab3[] = {
    {1, {u"Meubles d achat", u"Покупка мебели", u"Buying furniture"}, 1, 4,
     kFurnitureColumns, kPurchaseHeaders, furnitureRule, 4, {20, 50, 40}, {TitleSource::TabButton, B, B, E, false, 4}},
    {2, {u"Location de mobilier", u"Аренда мебели", u"Rental of furniture"}, 5, 8,
     kFurnitureColumns, kRentalHeaders, furnitureRule, 4, {220, 250, 100}, {TitleSource::None, 0, 0, 0, false, 4, E}},
};

// Tab 4: consumables and office supplies.
constexpr ColumnSpec kConsumableColumns[] = {choice(kConsumableTexts), quantity(), sum()};
constexpr ColumnHeader kConsumableHeaders[] = {
    {1, {u"Sélectionnez le type de consommable", u"Тип материала", u"Select the type of consumable"}},
    {2, kNumber},
    {3, kSum},
};
constexpr GroupSpec kTab4[] = {
    {1, {u"Consommables et Bureau", u"Расходные материалы и канцелярия", u"Consumables and Office"}, 1, 5,
     kConsumableColumns, kConsumableHeaders, perUnitRule<kConsumablePrices>, 3, {20, 50, 40},
     {TitleSource::TabButton, C, C, E, false, 3, E}},
};

constexpr TabSpec kTabs[] = {
    {{u"Nettoyage", u"Клиннинг", u"Cleaning"}, kTab1, 415},
    {{u"Utilitaires", u"Коммунальные услуги", u"Public utilities"}, kTab2, 250},
    {{u"Meubles", u"Мебель", u"Rental and purchase of furniture"}, kTab3, 415},
    {{u"Consommables et Bureau", u"Канцелярия", u"Consumables and Office"}, kTab4, 250},
};

QList<PriceLine> priceList()
{
    constexpr LocalizedText perSquareMetreDay{u"par mètre carré et jour", u"за кв. метр в день", u"per square meter per day"};
    constexpr LocalizedText perItem{u"par article", u"за предмет", u"per item"};
    constexpr LocalizedText perMonth{u"par mois", u"за месяц", u"per month"};
    constexpr LocalizedText perPiece{u"par pièce", u"за штуку", u"per piece"};
    constexpr LocalizedText perAveragePiece{u"classe moyenne, par pièce", u"класс средний, за штуку", u"class average, per piece"};
    QList<PriceLine> lines;
    lines.append({kTab1[0].header, kTabs[0].title, perSquareMetreDay, kCleaningPerSquareMetreDay});
    appendPrices(lines, kTab1[1], kDryCleaning, perItem);
    appendPrices(lines, kTab2[0], kUtilities, perMonth);
    appendPrices(lines, kTab3[0], kFurniture, perAveragePiece);
    appendPrices(lines, kTab3[1], kFurniture, perAveragePiece);
    appendPrices(lines, kTab4[0], kConsumables, perPiece);
    return lines;
}

constexpr SectionCatalogue kCatalogue{
    .screenName = u"Form_expenses",
    .caption = {u"Les charges d exploitation", u"Операционные расходы", u"Operating expenses"},
    .tabs = kTabs,
    .totalsPanel = u"ScrollBox5",
    .timers = {100, 1000, 100, true},
    .reportLastColumn = E,
    .priceList = priceList,
};

} // namespace

const SectionCatalogue &expensesCatalogue()
{
    return kCatalogue;
}

} // namespace torvane::model::sections
