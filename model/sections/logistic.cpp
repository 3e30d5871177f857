#include "model/sections/logistic.h"

namespace torvane::model::sections {

using namespace model;
using model::TitleSource;
using enum model::Column;

namespace {

// Tab 1 destinations from Astana, price per adult and per child.
struct Fare {
    LocalizedText place;
    qint64 adult;
    qint64 child;
};

constexpr Fare kFlights[] = {
    {{u"Almaty", u"Алматы", u"Almaty"}, 25000, 13000},
    {{u"Abu-Dhabi", u"Абу-Даби", u"Abu-Dhabi"}, 120000, 62000},
    {{u"Moscou", u"Москва", u"Moscow"}, 140000, 55000},
    {{u"Saint-Pétersbourg", u"Санкт-Петербург", u"St.-Petersburg"}, 62000, 40000},
    {{u"Barcelona", u"Барселона", u"Barcelona"}, 400000, 25000},
    {{u"Paris", u"Париж", u"Paris"}, 85000, 15000},
    {{u"New York", u"Нью-Йорк", u"New York"}, 410000, 330000},
    {{u"Madrid", u"Мадрид", u"Madrid"}, 400000, 300000},
    {{u"Londres", u"Лондон", u"London"}, 185000, 100000},
    {{u"Pékin", u"Пекин", u"Beijing"}, 180000, 100000},
    {{u"Istanbul", u"Стамбул", u"Istanbul"}, 170000, 170000},
    {{u"Sydney", u"Сидней", u"Sydney"}, 280000, 220000},
    {{u"Delhi", u"Дели", u"Delhi"}, 190000, 120000},
    {{u"Milan", u"Милан", u"Milan"}, 450000, 380000},
    {{u"Rome", u"Рим", u"Rome"}, 450000, 380000},
    {{u"Prague", u"Прага", u"Prague"}, 300000, 220000},
    {{u"Séoul", u"Сеул", u"Seoul"}, 200000, 100000},
    {{u"Tel Aviv", u"Тель-Авив", u"Tel Aviv"}, 250000, 190000},
    {{u"Zurich", u"Цюрих", u"Zurich"}, 290000, 220000},
    {{u"Bangkok", u"Бангкок", u"Bangkok"}, 200000, 100000},
};

// Tab 2 rail destinations from Astana.
constexpr Fare kRail[] = {
    {{u"Almaty", u"Алматы", u"Almaty"}, 10000, 10000},
    {{u"Moscou", u"Москва", u"Moscow"}, 78000, 78000},
    {{u"Saint-Pétersbourg", u"Санкт-Петербург", u"St. Petersburg"}, 70000, 70000},
    {{u"Kiev", u"Киев", u"Kiev"}, 125000, 125000},
    {{u"Minsk", u"Минск", u"Minsk"}, 95000, 95000},
    {{u"Tashkent", u"Ташкент", u"Tashkent"}, 33000, 33000},
};

// Tab 3 transfer departure points, price per hour.
constexpr Priced kTransferPoints[] = {
    {{u"Aéroport Astana", u"Астана аэропорт", u"Astana airport"}, 2500},
    {{u"Astana ville", u"Астана город", u"Astana city"}, 5000},
    {{u"Almaty ville", u"Алматы город", u"Almaty city"}, 5000},
};

// Tab 4 car classes and driver choice, price per unit of rental duration.
constexpr Priced kCarClasses[] = {
    {{u"économie", u"Эконом", u"economy"}, 10000},
    {{u"moyenne", u"Средний", u"average"}, 50000},
    {{u"luxe", u"Люкс", u"luxury"}, 120000},
};
constexpr Priced kDriver[] = {
    {{u"Oui", u"Да", u"Yes"}, 500},
    {{u"non", u"Нет", u"No"}, 0},
};

// Freight and warehousing prices, the same for every option.
constexpr qint64 kRailFreightPerTonKm = 17340;
constexpr qint64 kRoadFreightPerTonKm = 26000;
constexpr qint64 kWarehousePerSquareMetre = 500;

constexpr auto masscen11 = project(kFlights, &Fare::adult);
constexpr auto masscen12 = project(kFlights, &Fare::child);
constexpr auto masscen21 = project(kRail, &Fare::adult);
constexpr auto masscen22 = project(kRail, &Fare::child);
constexpr auto masscen31 = project(kTransferPoints, &Priced::price);
constexpr auto masscen41 = project(kCarClasses, &Priced::price);
constexpr auto masscen42 = project(kDriver, &Priced::price);

constexpr auto kFlightPlaces = project(kFlights, &Fare::place);
constexpr auto kRailPlaces = project(kRail, &Fare::place);
constexpr auto kTransferPlaces = project(kTransferPoints, &Priced::text);
constexpr auto kCarClassTexts = project(kCarClasses, &Priced::text);
constexpr auto kDriverTexts = project(kDriver, &Priced::text);

constexpr LocalizedText kAstana[] = {{u"Astana", u"Астана", u"Astana"}};
constexpr LocalizedText kAstanaAlmaty[] = {{u"Astana", u"Астана", u"Astana"}, {u"Almaty", u"Алматы", u"Almaty"}};
constexpr LocalizedText kAlmatyAstana[] = {{u"Almaty", u"Алматы", u"Almaty"}, {u"Astana", u"Астана", u"Astana"}};
constexpr LocalizedText kCars[] = {
    {u"berline", u"Легковая", u"Sedan"},
    {u"SUV", u"Внедорожник", u"SUV"},
    {u"minibus", u"Микроавтобус", u"Minibus"},
};
constexpr LocalizedText kTrucks[] = {
    {u"wagon", u"Фура", u"wagon"},
    {u"gazel", u"Газель", u"gazeel"},
};

// Pricing rules. Positions are -1 without a selection; a rule that is not met gives 0.
Amount flightRule(const RowInput &in)
{
    const int d = in.pos(1), a = in.pos(2);
    if (d == -1 || in.qty(3) == 0 || a == -1 || d != 0)
        return 0;
    return Money(masscen11[a]) * in.qty(3) + Money(masscen12[a]) * in.qty(4);
}

Amount railPassengerRule(const RowInput &in)
{
    const int d = in.pos(1), a = in.pos(2);
    if (d == -1 || in.qty(3) == 0 || a == -1 || d != 0)
        return 0;
    return Money(masscen21[a]) * in.qty(3) + Money(masscen22[a]) * in.qty(4);
}

Amount railFreightRule(const RowInput &in)
{
    if (in.pos(1) == -1 || in.qty(3) == 0 || in.pos(2) == -1)
        return 0;
    return Money(in.qty(3)) * in.qty(4) * kRailFreightPerTonKm;
}

Amount transferRule(const RowInput &in)
{
    const int d = in.pos(1);
    if (d == -1 || in.qty(3) == 0 || in.pos(2) == -1)
        return 0;
    return Money(masscen31[d]) * in.qty(3);
}

Amount roadFreightRule(const RowInput &in)
{
    if (in.pos(1) == -1 || in.qty(4) == 0 || in.qty(3) == 0 || in.pos(2) == -1)
        return 0;
    return Money(in.qty(4)) * in.qty(3) * kRoadFreightPerTonKm;
}

Amount carRentalRule(const RowInput &in)
{
    const int k = in.pos(1), q = in.pos(2);
    if (k == -1 || in.qty(3) == 0 || q == -1)
        return 0;
    return Money(masscen41[k]) * in.qty(3) + Money(masscen42[q]) * in.qty(3);
}

Amount warehouseRule(const RowInput &in)
{
    return Money(in.qty(1)) * kWarehousePerSquareMetre;
}

constexpr LocalizedText kSum{u"La somme finale", u"Сумма", u"The sum"};
constexpr LocalizedText kDeparture{u"Point de départ", u"Пункт отправления", u"Point of departure"};
constexpr LocalizedText kDestination{u"Destination", u"Пункт назначения", u"Destination"};
constexpr LocalizedText kAdults{u"Nombre d adultes", u"Количество взрослых", u"Quantity of Adults"};
constexpr LocalizedText kChildren{u"Nombre d enfants", u"Количество детей", u"Quantity of Children"};
constexpr LocalizedText kTons{u"Le nombre de tonnes", u"Количество тонн груза", u"The number of tons"};
constexpr LocalizedText kMachine{u"Sélectionner le type de machine", u"Тип машины", u"Select machine type"};

// Tab 1: flights.
constexpr ColumnSpec kFlightColumns[] = {choice(kAstana), choice(kFlightPlaces), quantity(), quantity(), sum()};
constexpr ColumnHeader kFlightHeaders[] = {{1, kDeparture}, {2, kDestination}, {3, kAdults}, {4, kChildren}, {5, kSum}};
constexpr GroupSpec kTab1[] = {
    {1, {u"Les transports de voyageurs", u"Пассажирские перевозки", u"Passenger transportations"}, 1, 4,
     kFlightColumns, kFlightHeaders, flightRule, 5, {}, {TitleSource::TabButton, B, B, F, false, 5}},
};

// Tab 2: rail passengers and rail freight.
constexpr ColumnSpec kRailColumns[] = {choice(kAstana), choice(kRailPlaces), quantity(), quantity(), sum()};
constexpr ColumnHeader kRailHeaders[] = {{1, kDeparture}, {2, kDestination}, {3, kAdults}, {4, kChildren}, {5, kSum}};
constexpr ColumnSpec kRailFreightColumns[] = {choice(kAstanaAlmaty), choice(kAlmatyAstana), quantity(), quantity(), sum()};
constexpr ColumnHeader kRailFreightHeaders[] = {
    {6, kDeparture},
    {7, kDestination},
    {8, kTons},
    {9, {u"Le nombre de kilomètres", u"Количество километраж", u"The number of kilometers"}},
    {10, kSum},
};
constexpr GroupSpec kTab2[] = {
    {1, {u"Les transports de voyageurs", u"Пассажирские перевозки", u"Passenger transportation"}, 1, 4,
     kRailColumns, kRailHeaders, railPassengerRule, 5, {}, {TitleSource::TabButton, B, B, F, false, 5}},
    {2, {u"Le transport de marchandises", u"Грузовые перевозки", u"Freight transportation"}, 5, 8,
     kRailFreightColumns, kRailFreightHeaders, railFreightRule, 5, {220, 250, 100}, {TitleSource::None, 0, 0, 0, false, 5}},
};

// Tab 3: car transfers and road freight.
constexpr ColumnSpec kTransferColumns[] = {choice(kTransferPlaces), choice(kCars), quantity(), sum()};
constexpr ColumnHeader kTransferHeaders[] = {
    {1, kDeparture},
    {2, kMachine},
    {3, {u"Utiliser Time Machine", u"Время использования (час)", u"Use time machine"}},
    {4, kSum},
};
constexpr ColumnSpec kRoadFreightColumns[] = {choice(kAstanaAlmaty), choice(kTrucks), quantity(), quantity(), sum()};
constexpr ColumnHeader kRoadFreightHeaders[] = {
    {5, kDeparture},
    {6, kMachine},
    {7, kTons},
    {8, {u"Le nombre de kilomètres", u"Километраж", u"The number of kilometers"}},
    {9, kSum},
};
constexpr GroupSpec kTab3[] = {
    {1, {u"Les transports de voyageurs", u"Пассажирские перевозки", u"Passenger transportation"}, 1, 4,
     kTransferColumns, kTransferHeaders, transferRule, 4, {}, {TitleSource::TabButton, C, B, F, true, 4}},
    {2, {u"Le transport de marchandises", u"Грузовые перевозки", u"Freight transportation"}, 5, 8,
     kRoadFreightColumns, kRoadFreightHeaders, roadFreightRule, 5, {220, 250, 100}, {TitleSource::None, 0, 0, 0, false, 5}},
};

// Tab 4: car rental.
constexpr ColumnSpec kRentalColumns[] = {choice(kCarClassTexts), choice(kDriverTexts), quantity(), sum()};
constexpr ColumnHeader kRentalHeaders[] = {
    {1, kMachine},
    {2, {u"Avez-vous besoin d un pilote", u"Наемный водитель", u"Do you need a driver"}},
    {3, {u"Durée du bail", u"Время аренды", u"Use time machine"}},
    {4, kSum},
};
constexpr GroupSpec kTab4[] = {
    {1, {u"Location onglet Auto", u"Аренда автомобилей", u"Tab auto rental"}, 1, 5,
     kRentalColumns, kRentalHeaders, carRentalRule, 4, {}, {TitleSource::TabButton, C, C, F, false, 4}},
};

// Tab 5: warehousing.
constexpr ColumnSpec kWarehouseColumns[] = {quantity(), sum()};
constexpr ColumnHeader kWarehouseHeaders[] = {
    {1, {u"La quantité d espace requis pour le stockage", u"Площадь складского помещения кв. метры",
         u"The amount of required space for storage "}},
    {2, kSum},
};
constexpr GroupSpec kTab5[] = {
    {1, {u"Entreposage", u"Аренда складских помещений", u"Tab warehousing"}, 1, 5,
     kWarehouseColumns, kWarehouseHeaders, warehouseRule, 2, {}, {TitleSource::TabButton, E, E, F, false, 2}},
};

constexpr TabSpec kTabs[] = {
    {{u"Vols onglet", u"Авиа перелеты", u"Flights"}, kTab1, 215},
    {{u"Onglet train", u"ЖД перевозки", u"Train"}, kTab2, 415},
    {{u"Onglet Trucking", u"Авто перевозки", u"Trucking"}, kTab3, 415},
    {{u"Location onglet Auto", u"Аренда авто", u"Auto rental"}, kTab4, 250},
    {{u"Entreposage", u"Складирование груза", u"Warehousing"}, kTab5, 250},
};

QList<PriceLine> priceList()
{
    constexpr LocalizedText adult{u"par adulte", u"за взрослого", u"per adult"};
    constexpr LocalizedText child{u"par enfant", u"за ребёнка", u"per child"};
    constexpr LocalizedText perHour{u"par heure", u"за час", u"per hour"};
    constexpr LocalizedText perTonKm{u"par tonne et kilomètre", u"за тонну на километр", u"per ton and kilometer"};
    constexpr LocalizedText perUnit{u"par unité de durée", u"за единицу времени аренды", u"per unit of rental time"};
    constexpr LocalizedText perSquareMetre{u"par mètre carré", u"за кв. метр", u"per square meter"};
    QList<PriceLine> lines;
    for (const Fare &fare : kFlights) {
        lines.append({kTab1[0].header, fare.place, adult, fare.adult});
        lines.append({kTab1[0].header, fare.place, child, fare.child});
    }
    for (const Fare &fare : kRail) {
        lines.append({kTab2[0].header, fare.place, adult, fare.adult});
        lines.append({kTab2[0].header, fare.place, child, fare.child});
    }
    lines.append({kTab2[1].header, {u"Astana — Almaty", u"Астана — Алматы", u"Astana — Almaty"}, perTonKm, kRailFreightPerTonKm});
    for (const Priced &point : kTransferPoints)
        lines.append({kTab3[0].header, point.text, perHour, point.price});
    lines.append({kTab3[1].header, {u"Astana — Almaty", u"Астана — Алматы", u"Astana — Almaty"}, perTonKm, kRoadFreightPerTonKm});
    for (const Priced &car : kCarClasses)
        lines.append({kTab4[0].header, car.text, perUnit, car.price});
    lines.append({kTab4[0].header, {u"Chauffeur", u"Водитель", u"Driver"}, perUnit, kDriver[0].price});
    lines.append({kTab5[0].header, kTabs[4].title, perSquareMetre, kWarehousePerSquareMetre});
    return lines;
}

constexpr SectionCatalogue kCatalogue{
    .screenName = u"Form_logistic",
    .caption = {u"Logistique et transport", u"Логистика и траспорт", u"Logistics and Transportation"},
    .tabs = kTabs,
    .totalsPanel = u"ScrollBox6",
    .reportLastColumn = F,
    .priceList = priceList,
};

} // namespace

const SectionCatalogue &logisticCatalogue()
{
    return kCatalogue;
}

} // namespace torvane::model::sections
