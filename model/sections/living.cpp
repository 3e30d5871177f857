#include "model/sections/living.h"

namespace torvane::model::sections {

using namespace model;
using model::TitleSource;
using enum model::Column;

namespace {

// Tab 1 hotel levels, price per night by room type.
struct HotelLevel {
    LocalizedText text;
    std::array<qint64, 3> byRoom; // single, double, triple
};

constexpr HotelLevel kHotelLevels[] = {
    {{u"5 étoiles", u"5 звезд", u"5 stars"}, {73200, 94173, 139421}},
    {{u"4 étoiles", u"4 звезды", u"4 stars"}, {60295, 79824, 91357}},
    {{u"3 étoiles", u"3 звезды", u"3 stars"}, {32250, 43284, 57851}},
    {{u"2 étoiles", u"2 звезды", u"2 stars"}, {15000, 19251, 24386}},
    {{u"1 étoiles", u"1 звезда", u"1 stars"}, {5000, 7251, 9324}},
};

// Room types, in the order of the prices above.
constexpr LocalizedText kHotelRooms[] = {
    {u"unique", u"Одноместный", u"Single"},
    {u"double", u"Двухместный", u"Double"},
    {u"triple", u"Трехместный", u"Triple"},
};

// Tab 2 hostel placements, price per person and night. The French second
// option ends in a Cyrillic "е" (U+0435), kept as users know it.
constexpr Priced kHostels[] = {
    {{u"double placement", u"Двухместное размещение", u"Double accomodation"}, 7856},
    {{u"quadruple placementе", u"Четырехместное размещение", u"Quad accomodation"}, 9457},
    {{u"devyatimestny placement", u"Десятиместное размещение", u"Twin accomodation"}, 13475},
};

// Tab 3 houses by number of rooms, price per night.
constexpr Priced kHouses[] = {
    {{u"4-5 chambre", u"4-5 комнатный", u"4-5 rooms"}, 20214},
    {{u"6-7 chambre", u"6-7 комнатный", u"6-7 rooms"}, 24530},
    {{u"8-9 chambre", u"8-9 комнатный", u"8-9 rooms"}, 31245},
};

// Tab 4 apartments by number of rooms, price per night.
constexpr Priced kApartments[] = {
    {{u"unique", u"Однокомнаятная", u"1 room"}, 15789},
    {{u"double", u"Двухкомнатная", u"2 rooms"}, 17478},
    {{u"triple", u"Трехкомнатная", u"3 rooms"}, 19876},
};

// Tab 5 rented rooms, price per night.
constexpr Priced kRooms[] = {
    {{u"unique", u"одноместная", u"Single"}, 7547},
    {{u"double", u"двухместная", u"Double"}, 9683},
    {{u"triple", u"трехместная", u"Triple"}, 11427},
};

constexpr auto kHotelLevelTexts = project(kHotelLevels, &HotelLevel::text);
constexpr auto kHostelTexts = project(kHostels, &Priced::text);
constexpr auto kHouseTexts = project(kHouses, &Priced::text);
constexpr auto kApartmentTexts = project(kApartments, &Priced::text);
constexpr auto kRoomTexts = project(kRooms, &Priced::text);
constexpr auto kHousePrices = project(kHouses, &Priced::price);
constexpr auto kApartmentPrices = project(kApartments, &Priced::price);
constexpr auto kRoomPrices = project(kRooms, &Priced::price);

// Pricing rules. Positions are -1 without a selection; a rule that is not met gives 0.
Amount hotelRule(const RowInput &in)
{
    const int s = in.pos(1), t = in.pos(2);
    if (s == -1 || t == -1 || in.qty(3) == 0)
        return 0;
    return Money(in.qty(3)) * kHotelLevels[s].byRoom[t];
}

Amount hostelRule(const RowInput &in)
{
    const int k = in.pos(1);
    if (k == -1 || in.qty(2) == 0 || in.qty(3) == 0)
        return 0;
    return Money(in.qty(2)) * in.qty(3) * kHostels[k].price;
}

constexpr LocalizedText kSum{u"Somme", u"Сумма", u"The sum"};
constexpr LocalizedText kNights{u"Nombre de nuits", u"Количество суток", u"Nights"};
constexpr LocalizedText kRoomCount{u"Le nombre de chambres", u"Количество комнат", u"Number of rooms"};

// Tab 1: hotels.
constexpr ColumnSpec kHotelColumns[] = {choice(kHotelLevelTexts), choice(kHotelRooms), quantity(), sum()};
constexpr ColumnHeader kHotelHeaders[] = {
    {1, {u"Le niveau de l hôtel", u"Уровень отеля", u"Stars"}},
    {2, {u"Type de chambre", u"Тип номера", u"Type"}},
    {3, kNights},
    {4, kSum},
};
constexpr GroupSpec kTab1[] = {
    {1, {u"Réserver une chambre d hôtel", u"Бронирование гостиничного номера", u" Booking hotel room"}, 1, 5,
     kHotelColumns, kHotelHeaders, hotelRule, 4, {}, {TitleSource::TabButton, B, B, E, false, 4}},
};

// Tab 2: hostels. The English header repeats tab 1's, leading blank included.
constexpr ColumnSpec kHostelColumns[] = {choice(kHostelTexts), quantity(), quantity(), sum()};
constexpr ColumnHeader kHostelHeaders[] = {
    {1, {u"Type d hébergement", u"Тип размещения", u"Type of accomodation"}},
    {2, {u"Nombre de personnes", u"Количество людей", u"Number of people"}},
    {3, kNights},
    {4, kSum},
};
constexpr GroupSpec kTab2[] = {
    {1, {u"Réservation dans Hostel", u"Бронирование мест в хостеле", u" Booking hotel room"}, 1, 5,
     kHostelColumns, kHostelHeaders, hostelRule, 4, {}, {TitleSource::TabButton, B, B, E, false, 4}},
};

// Tab 3: houses.
constexpr ColumnSpec kHouseColumns[] = {choice(kHouseTexts), quantity(), sum()};
constexpr ColumnHeader kHouseHeaders[] = {{1, kRoomCount}, {2, kNights}, {3, kSum}};
constexpr GroupSpec kTab3[] = {
    {1, {u"Louez un chalet", u"Аренда коттеджа", u"Booking House"}, 1, 5,
     kHouseColumns, kHouseHeaders, perUnitRule<kHousePrices>, 3, {}, {TitleSource::TabButton, C, C, E, false, 3}},
};

// Tab 4: apartments.
constexpr ColumnSpec kApartmentColumns[] = {choice(kApartmentTexts), quantity(), sum()};
constexpr ColumnHeader kApartmentHeaders[] = {{1, kRoomCount}, {2, kNights}, {3, kSum}};
constexpr GroupSpec kTab4[] = {
    {1, {u"Location appartement", u"Аренда квартиры", u"Booking Apartments"}, 1, 5,
     kApartmentColumns, kApartmentHeaders, perUnitRule<kApartmentPrices>, 3, {}, {TitleSource::TabButton, C, C, E, false, 3}},
};

// Tab 5: rooms.
constexpr ColumnSpec kRoomColumns[] = {choice(kRoomTexts), quantity(), sum()};
constexpr ColumnHeader kRoomHeaders[] = {
    {1, {u"Type de chambres", u"Тип комнаты", u"Type"}},
    {2, kNights},
    {3, kSum},
};
constexpr GroupSpec kTab5[] = {
    {1, {u"Chambres à louer", u"Аренда комнаты", u"Booking rooms"}, 1, 5,
     kRoomColumns, kRoomHeaders, perUnitRule<kRoomPrices>, 3, {}, {TitleSource::TabButton, C, C, E, false, 3}},
};

constexpr TabSpec kTabs[] = {
    {{u"Hôtels", u"Гостиницы", u"Hotels"}, kTab1, 250},
    {{u"Auberges", u"Хостелы", u"Hostels"}, kTab2, 250},
    {{u"Cottages", u"Коттеджи", u"Houses"}, kTab3, 250},
    {{u"Appartements", u"Квартиры", u"Apartments"}, kTab4, 250},
    {{u"Chambres", u"Комнаты", u"Rooms"}, kTab5, 250},
};

QList<PriceLine> priceList()
{
    // In the order of kHotelRooms.
    constexpr LocalizedText perRoomNight[] = {
        {u"chambre simple, par nuit", u"одноместный номер, за сутки", u"single room, per night"},
        {u"chambre double, par nuit", u"двухместный номер, за сутки", u"double room, per night"},
        {u"chambre triple, par nuit", u"трехместный номер, за сутки", u"triple room, per night"},
    };
    static_assert(std::size(perRoomNight) == std::size(kHotelRooms));
    constexpr LocalizedText perPersonNight{u"par personne et nuit", u"за человека в сутки", u"per person per night"};
    constexpr LocalizedText perNight{u"par nuit", u"за сутки", u"per night"};
    QList<PriceLine> lines;
    for (const HotelLevel &level : kHotelLevels)
        for (std::size_t t = 0; t < level.byRoom.size(); ++t)
            lines.append({kTab1[0].header, level.text, perRoomNight[t], level.byRoom[t]});
    appendPrices(lines, kTab2[0], kHostels, perPersonNight);
    appendPrices(lines, kTab3[0], kHouses, perNight);
    appendPrices(lines, kTab4[0], kApartments, perNight);
    appendPrices(lines, kTab5[0], kRooms, perNight);
    return lines;
}

constexpr SectionCatalogue kCatalogue{
    .screenName = u"Form_living",
    .caption = {u"Logements", u"Размещение и проживание", u"Accommodation and lodging"},
    .tabs = kTabs,
    .totalsPanel = u"ScrollBox6",
    .timers = {100, 1000, 100, true},
    .reportLastColumn = E,
    .priceList = priceList,
};

} // namespace

const SectionCatalogue &livingCatalogue()
{
    return kCatalogue;
}

} // namespace torvane::model::sections
