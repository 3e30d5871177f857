#include "model/sections/food.h"

namespace torvane::model::sections {

using namespace model;
using model::TitleSource;
using enum model::Column;

namespace {

// Tab 1 meals, price per person by class of establishment (economy, average,
// luxury), in a café and in a restaurant.
struct Meal {
    LocalizedText text;
    std::array<qint64, 3> cafe;
    std::array<qint64, 3> restaurant;
};

constexpr Meal kMeals[] = {
    {{u"Petit déjeuner", u"Завтрак", u"Breakfast"}, {535, 1164, 1625}, {1068, 2132, 2330}},
    {{u"Déjeuner", u"Обед", u"lunch"}, {1050, 2065, 3130}, {2060, 4100, 7148}},
    {{u"Dîner", u"Ужин", u"Dinner"}, {1050, 2115, 11563}, {3012, 5250, 25783}},
};

// Classes of establishment, in the order of the prices above.
constexpr LocalizedText kClasses[] = {
    {u"économie", u"Эконом", u"economy"},
    {u"moyenne", u"Средний", u"Average"},
    {u"luxe", u"Люкс", u"luxury"},
};

// Tab 2 home delivery, price per person.
constexpr Priced kDeliveries[] = {
    {{u"pizza", u"Пицца", u"Pizza"}, 1500},
    {{u"sushi", u"Суши", u"Sushi"}, 2000},
    {{u"chaud", u"Горячее", u"Hot"}, 2000},
    {{u"fast food", u"Фастфуд", u"Fast food"}, 1500},
};

// Tab 2 catering, price per person and unit of time.
constexpr Priced kCuisines[] = {
    {{u"Est", u"Восточная", u"East"}, 4000},
    {{u"Européen", u"Европейская", u"European"}, 4000},
    {{u"Asiatique", u"Азиатская", u"Asian"}, 4000},
    {{u"Français", u"Французская", u"French"}, 7000},
    {{u"Italien", u"Итальянская", u"Italian"}, 7000},
};

// Tab 3 activities, one fixed row each, price per person.
constexpr Priced kActivities[] = {
    {{u"Théâtre / Opéra", u"Театр/опера", u"Theatre / Opera"}, 3000},
    {{u"Film", u"Кино", u"Cinema"}, 2000},
    {{u"Musée", u"Музей", u"Museum"}, 500},
    {{u"Evénements loisirs actifs", u"Активный отдых", u"Events active recreation "}, 500},
    {{u"Aptitude", u"Фитнесс", u"Fitness"}, 700},
    {{u"Oceanarium", u"Океанариум", u"Oceanarium"}, 3000},
    {{u"Visites guidées", u"Экскурсии по городу", u"Sightseeing tours"}, 3000},
    {{u"Shopping", u"Шопинг", u"Shopping"}, 10000},
    {{u"Massage / SPA", u"SPA", u"SPA- Massage "}, 6000},
    {{u"Beauté", u"Салон красоты", u"Beauty Salons"}, 5000},
};

constexpr auto masscen = project(kActivities, &Priced::price); // entry r - 1 prices row r

constexpr auto kMealTexts = project(kMeals, &Meal::text);
constexpr auto kDeliveryTexts = project(kDeliveries, &Priced::text);
constexpr auto kDeliveryPrices = project(kDeliveries, &Priced::price);
constexpr auto kCuisineTexts = project(kCuisines, &Priced::text);

LocalizedText activityName(int row)
{
    return kActivities[row - 1].text;
}

// Pricing rules. Positions are -1 without a selection; a rule that is not met gives 0.
template<std::array<qint64, 3> Meal::*venue>
Amount mealRule(const RowInput &in)
{
    const int m = in.pos(1), k = in.pos(2);
    if (m == -1 || in.qty(3) == 0 || k == -1)
        return 0;
    return Money(in.qty(3)) * (kMeals[m].*venue)[k];
}

Amount cateringRule(const RowInput &in)
{
    const int c = in.pos(1);
    if (c == -1 || in.qty(2) == 0 || in.qty(3) == 0)
        return 0;
    return Money(in.qty(2)) * kCuisines[c].price * in.qty(3);
}

Amount activityRule(const RowInput &in)
{
    if (in.qty(2) == 0)
        return 0;
    return Money(masscen[in.row - 1]) * in.qty(2);
}

constexpr LocalizedText kSum{u"Somme", u"Сумма", u"The sum"};
constexpr LocalizedText kMealType{u"Sélectionnez le type de repas", u"Тип приема пищи", u"Select the type of meal"};
constexpr LocalizedText kClass{u"Places de classe Sélectionnez", u"Класс заведения", u"Select class places"};
constexpr LocalizedText kPeople{u"Nombre de personnes", u"Количество людей", u"Number of people"};
constexpr LocalizedText kFoodType{u"Sélectionnez le type de nourriture", u"Тип кухни", u"Select the type of food"};

// Tab 1: a daily café visit and a festive restaurant visit.
constexpr ColumnSpec kMealColumns[] = {choice(kMealTexts), choice(kClasses), quantity(), sum()};
constexpr ColumnHeader kCafeHeaders[] = {{1, kMealType}, {2, kClass}, {3, kPeople}, {4, kSum}};
constexpr ColumnHeader kRestaurantHeaders[] = {{6, kMealType}, {7, kClass}, {8, kPeople}, {9, kSum}};
constexpr GroupSpec kTab1[] = {
    {1, {u"Un voyage quotidien au café", u"Ежедневный поход в кафе", u"A daily trip to the coffee shop"}, 1, 4,
     kMealColumns, kCafeHeaders, mealRule<&Meal::cafe>, 4, {}, {TitleSource::TabButton, B, B, E, false, 4}},
    {2, {u"Voyage de vacances au restaurant", u"Праздничный поход в ресторан", u"Holiday trip to the restaurant"}, 5, 8,
     kMealColumns, kRestaurantHeaders, mealRule<&Meal::restaurant>, 4, {220, 250, 100}, {TitleSource::None, 0, 0, 0, false, 4}},
};

// Tab 2: home delivery and catering.
constexpr ColumnSpec kDeliveryColumns[] = {choice(kDeliveryTexts), quantity(), sum()};
constexpr ColumnHeader kDeliveryHeaders[] = {{1, kFoodType}, {2, kPeople}, {3, kSum}};
constexpr ColumnSpec kCateringColumns[] = {choice(kCuisineTexts), quantity(), quantity(), sum()};
constexpr ColumnHeader kCateringHeaders[] = {{6, kFoodType}, {7, kPeople}, {8, {u"Temps", u"Время", u"Time"}}, {9, kSum}};
constexpr GroupSpec kTab2[] = {
    {1, {u"Alimentation Livraison à domicile", u"Доставка готовой еды на дом", u"Tab Organization of delivery of the finished food"}, 1, 4,
     kDeliveryColumns, kDeliveryHeaders, perUnitRule<kDeliveryPrices>, 3, {}, {TitleSource::TabButton, C, B, E, true, 3}},
    {2, {u"Activités sortants (accueil, buffet)", u"Организация выездных мероприятий", u"Outbound activities (reception, buffet)"}, 5, 8,
     kCateringColumns, kCateringHeaders, cateringRule, 4, {220, 250, 100}, {TitleSource::None, 0, 0, 0, false, 4}},
};

// Tab 3: culture and leisure, ten fixed activities.
constexpr ColumnSpec kActivityColumns[] = {name(activityName), quantity(), sum()};
constexpr ColumnHeader kActivityHeaders[] = {
    {1, {u"Activités ", u"Мероприятие", u"Activities"}},
    {2, {u"Nombre de personnes", u"Количество человек", u"Number of people"}},
    {3, kSum},
};
constexpr GroupSpec kTab3[] = {
    {1, {u"Activités récréatives onglet culturel et", u"Культрурно досуговые мероприятия", u"Cultural and recreational activities"}, 1, 10,
     kActivityColumns, kActivityHeaders, activityRule, 3, {}, {TitleSource::TabButton, C, C, E, false, 3}},
};

constexpr TabSpec kTabs[] = {
    {{u"Restaurants et cafés ", u"Рестораны и кафе", u"Tab restaurants and cafes"}, kTab1, 415},
    {{u"Onglet de la livraison du produit fini", u"Доставка готового питания", u"Food Home Delivery"}, kTab2, 415},
    {{u"Activités récréatives onglet culturel et", u"Культура и досуг", u"Tab Cultural and recreational activities"}, kTab3, 430},
};

QList<PriceLine> priceList()
{
    // In the order of kClasses.
    static constexpr LocalizedText perPersonByClass[] = {
        {u"classe économie, par personne", u"класс эконом, за человека", u"class economy, per person"},
        {u"classe moyenne, par personne", u"класс средний, за человека", u"class average, per person"},
        {u"classe luxe, par personne", u"класс люкс, за человека", u"class luxury, per person"},
    };
    static_assert(std::size(perPersonByClass) == std::size(kClasses));
    constexpr LocalizedText perPerson{u"par personne", u"за человека", u"per person"};
    constexpr LocalizedText perPersonTime{u"par personne et unité de temps", u"за человека за единицу времени",
                                          u"per person per unit of time"};
    QList<PriceLine> lines;
    auto addMeals = [&lines](const GroupSpec &group, std::array<qint64, 3> Meal::*venue) {
        for (const Meal &meal : kMeals)
            for (std::size_t k = 0; k < std::size(kClasses); ++k)
                lines.append({group.header, meal.text, perPersonByClass[k], (meal.*venue)[k]});
    };
    addMeals(kTab1[0], &Meal::cafe);
    addMeals(kTab1[1], &Meal::restaurant);
    appendPrices(lines, kTab2[0], kDeliveries, perPerson);
    appendPrices(lines, kTab2[1], kCuisines, perPersonTime);
    appendPrices(lines, kTab3[0], kActivities, perPerson);
    return lines;
}

constexpr SectionCatalogue kCatalogue{
    .screenName = u"Form_food",
    .caption = {u"Divertissement et de la nourriture", u"Развлечение и питание", u"Entertainment and food"},
    .tabs = kTabs,
    .totalsPanel = u"ScrollBox5",
    .timers = {100, 1000, 100, true},
    .reportLastColumn = E,
    .priceList = priceList,
};

} // namespace

const SectionCatalogue &foodCatalogue()
{
    return kCatalogue;
}

} // namespace torvane::model::sections
