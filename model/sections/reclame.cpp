#include "model/sections/reclame.h"

namespace torvane::model::sections {

using namespace model;
using model::TitleSource;
using enum model::Column;

namespace {

constexpr LocalizedText kDesign[] = {
    {u"Oui", u"Да", u"Yes"},
    {u"Non", u"Нет", u"No"},
};

// The French list names the banks in the other order; both are priced alike,
// so a position never changes an amount.
constexpr LocalizedText kRiverBanks[] = {
    {u"rive gauche", u"Правый берег", u"right bank"},
    {u"rive droite", u"Левый берег", u"left bank"},
};

// Sizes are written with the Cyrillic "х" between the dimensions; prices per month.
constexpr Priced kBillboardSizes[] = {
    {{u"3х6 m", u"3х6 метров", u"3х6 m-m"}, 150000},
};
constexpr Priced kScreenSizes[] = {
    {{u"1.5х2 m", u"1.5х2 метров", u"1.5х2 метров"}, 15000},
    {{u"3х4 m", u"3х4 метров", u"3х4 m-m"}, 25000},
};

// Class or package of most groups. Prices by position follow per group.
constexpr LocalizedText kClasses[] = {
    {u"économie", u"Эконом", u"economy"},
    {u"moyenne", u"Стандарт", u"average"},
    {u"luxe", u"Люкс", u"luxury"},
};

constexpr LocalizedText kRegions[] = {
    {u"Kazakhstan, Astana", u"Казахстан, Астана", u"Kazakhstan, Astana"},
};

// Prices by class or package position:        economy   average    luxury
constexpr std::array<qint64, 3> kBusinessCards{       12,       35,      156}; // per card
constexpr std::array<qint64, 3> kFlyers{              31,       55,      252}; // per flyer
constexpr std::array<qint64, 3> kBanners{           1100,     5000,    20000}; // per banner
constexpr std::array<qint64, 3> kSouvenirs{         3000,     7000,    10000}; // per item
constexpr std::array<qint64, 3> kSeo{             500000,  1000000,  3000000}; // fixed
constexpr std::array<qint64, 3> kContextual{      100000,   400000,  2000000}; // fixed
constexpr std::array<qint64, 3> kSocialPages{     100000,   400000,  2000000}; // per month
constexpr std::array<qint64, 3> kPromotions{      100000,   500000,  3000000}; // per day
// Large-format printing, fixed, by design ("Yes", "No") and class.
constexpr std::array<qint64, 3> kLargeFormat[] = {
    {3510, 4050, 5100},
    {510, 1050, 2100},
};

constexpr qint64 kLetterPerMillimetre = 40;
constexpr qint64 kSignDesign = 5000;
constexpr qint64 kSmallPrintDesign = 3000;
constexpr qint64 kBannerDesign = 5000;

constexpr auto kBillboardPrices = project(kBillboardSizes, &Priced::price);
constexpr auto kScreenPrices = project(kScreenSizes, &Priced::price);
constexpr auto kBillboardSizeTexts = project(kBillboardSizes, &Priced::text);
constexpr auto kScreenSizeTexts = project(kScreenSizes, &Priced::text);

// Pricing rules. A row without its options or with a quantity of 0 costs
// nothing; design position 0 ("Yes") adds the design fee.
Amount signboardRule(const RowInput &in)
{
    const int a = in.pos(1);
    if (a == -1 || in.qty(2) == 0 || in.qty(3) == 0)
        return 0;
    Money amount = Money(in.qty(2)) * in.qty(3) * kLetterPerMillimetre;
    if (a == 0)
        amount += kSignDesign;
    return amount;
}

// Billboards and media screens: either bank, priced by size per month.
template<const auto &prices>
Amount rentalRule(const RowInput &in)
{
    const int b = in.pos(2);
    if (in.pos(1) == -1 || b == -1 || in.qty(3) == 0)
        return 0;
    return Money(in.qty(3)) * prices[b];
}

template<const auto &prices, qint64 designFee>
Amount printRule(const RowInput &in)
{
    const int a = in.pos(1), b = in.pos(2);
    if (a == -1 || b == -1 || in.qty(3) == 0)
        return 0;
    Money amount = Money(in.qty(3)) * prices[b];
    if (a == 0)
        amount += designFee;
    return amount;
}

// No quantity: the amount is fixed once design and class are chosen.
Amount largeFormatRule(const RowInput &in)
{
    const int a = in.pos(1), b = in.pos(2);
    if (a == -1 || b == -1)
        return 0;
    return Money(kLargeFormat[a][b]);
}

// No quantity: the package's amount as soon as region and package are chosen.
template<const auto &prices>
Amount fixedPackageRule(const RowInput &in)
{
    const int b = in.pos(2);
    if (in.pos(1) != 0 || b == -1)
        return 0;
    return Money(prices[b]);
}

Amount socialPagesRule(const RowInput &in)
{
    const int b = in.pos(2);
    if (in.pos(1) != 0 || b == -1 || in.qty(3) == 0)
        return 0;
    return Money(in.qty(3)) * kSocialPages[b];
}

constexpr LocalizedText kSum{u"Somme", u"Сумма", u"The sum"};
constexpr LocalizedText kDesignRequired{u"Est-ce que la conception requise signalisation", u"Нужен ли дизайн", u"whether design is required"};
constexpr LocalizedText kNumber{u"Nombre", u"Количество", u"Number"};
constexpr LocalizedText kLeaseTerm{u"Bail (mois)", u"Срок аренды месяц", u"Lease term"};
constexpr LocalizedText kSelectClass{u"Sélectionner la classe", u"Тип баннера", u"Select class"};
constexpr LocalizedText kRegion{u"Région", u"Регион", u"Region"};
constexpr LocalizedText kPackage{u"Sélectionnez un package", u"Пакет", u"Select a package"};

// Tab 1: signboard, billboard rental, media-screen rental. There are no
// Label15 and Label16: the billboard headers start at Label17.
constexpr ColumnSpec kSignboardColumns[] = {choice(kDesign), quantity(), quantity(), sum()};
constexpr ColumnHeader kSignboardHeaders[] = {
    {1, kDesignRequired},
    {2, {u"La hauteur d une lettre millimètre", u"Высота букв мм", u"The height of one letter mm"}},
    {3, {u"Le nombre de lettres", u"Количество букв", u"The number of letters"}},
    {4, kSum},
};
constexpr ColumnSpec kBillboardColumns[] = {choice(kRiverBanks), choice(kBillboardSizeTexts), quantity(), sum()};
constexpr ColumnHeader kBillboardHeaders[] = {
    {7, {u"Placer un panneau d affichage", u"Место билборда", u"place a billboard"}},
    {8, {u"Taille billboard", u"Размер билборда", u"Size Billboard"}},
    {9, kLeaseTerm},
    {10, kSum},
};
constexpr ColumnSpec kScreenColumns[] = {choice(kRiverBanks), choice(kScreenSizeTexts), quantity(), sum()};
constexpr ColumnHeader kScreenHeaders[] = {
    {11, {u"écran position", u"Место экрана", u"Screen Position"}},
    {12, {u"taille de l écran", u"Размер экрана", u"Screen size"}},
    {13, {u"Bail (mois)", u"Срок аренды", u"Lease term"}},
    {14, kSum},
};
constexpr GroupSpec kTab1[] = {
    {1, {u"Enseigne", u"Вывеска", u"Signboard"}, 1, 4,
     kSignboardColumns, kSignboardHeaders, signboardRule, 4, {20, 50, 40}, {TitleSource::GroupHeader, B, B, E, false, 4}},
    {2, {u"Location de panneaux publicitaires", u"Аренда билборда", u"Rental of billboards"}, 5, 8,
     kBillboardColumns, kBillboardHeaders, rentalRule<kBillboardPrices>, 4, {220, 250, 100},
     {TitleSource::GroupHeader, B, B, E, false, 4}},
    {3, {u"Pour écran Louer médias", u"Аренда мультимедийного экрана", u"For Rent Media Screen"}, 9, 12,
     kScreenColumns, kScreenHeaders, rentalRule<kScreenPrices>, 4, {420, 450, 160},
     {TitleSource::GroupHeader, B, B, E, false, 4, E}},
};

// Tab 2: printed matter. Large-format printing has no quantity; souvenirs
// have no design choice.
constexpr ColumnSpec kPrintColumns[] = {choice(kDesign), choice(kClasses), quantity(), sum()};
constexpr ColumnHeader kCardHeaders[] = {
    {1, kDesignRequired},
    {2, {u"Type de cartes de visite", u"Тип визитки", u"Type of business cards"}},
    {3, kNumber},
    {4, kSum},
};
constexpr ColumnHeader kFlyerHeaders[] = {
    {5, kDesignRequired},
    {6, {u"Type dépliant", u"Тип флаера", u"Type flyer"}},
    {7, kNumber},
    {8, kSum},
};
constexpr ColumnHeader kBannerHeaders[] = {{9, kDesignRequired}, {10, kSelectClass}, {11, kNumber}, {12, kSum}};
constexpr ColumnSpec kLargeFormatColumns[] = {choice(kDesign), choice(kClasses), sum()};
constexpr ColumnHeader kLargeFormatHeaders[] = {
    {13, kDesignRequired},
    {14, {u"Sélectionner la classe", u"Тип печати", u"Select class"}},
    {15, kSum},
};
constexpr ColumnSpec kSouvenirColumns[] = {choice(kClasses), quantity(), sum()};
constexpr ColumnHeader kSouvenirHeaders[] = {
    {16, {u"Sélectionnez un type de produit", u"Тип продукции", u"Select a product type"}},
    {17, kNumber},
    {18, kSum},
};
constexpr GroupSpec kTab2[] = {
    {1, {u"Les cartes de visite", u"Печать визиток", u"Business cards"}, 1, 3,
     kPrintColumns, kCardHeaders, printRule<kBusinessCards, kSmallPrintDesign>, 4, {20, 50, 40},
     {TitleSource::GroupHeader, B, B, E, false, 4}},
    {2, {u"Impression flyers", u"Печать флаеров", u"Print flyers"}, 4, 6,
     kPrintColumns, kFlyerHeaders, printRule<kFlyers, kSmallPrintDesign>, 4, {185, 215, 100},
     {TitleSource::GroupHeader, B, B, E, false, 4}},
    {3, {u"Imprimer des bannières", u"Печать баннеров", u"Print banners"}, 7, 9,
     kPrintColumns, kBannerHeaders, printRule<kBanners, kBannerDesign>, 4, {350, 380, 160},
     {TitleSource::GroupHeader, B, B, E, false, 4}},
    {4, {u"Impression grand format", u"Широкоформатная печать", u"Large format printing"}, 10, 12,
     kLargeFormatColumns, kLargeFormatHeaders, largeFormatRule, 3, {515, 545, 220},
     {TitleSource::GroupHeader, B, B, E, true, 3}},
    {5, {u"Souvenirs", u"Сувенирная продукция", u"Souvenirs"}, 13, 15,
     kSouvenirColumns, kSouvenirHeaders, perUnitRule<kSouvenirs>, 3, {680, 710, 280},
     {TitleSource::GroupHeader, B, B, E, true, 3, E}},
};

// Tab 3: internet marketing. SEO and contextual advertising have no quantity.
constexpr ColumnSpec kPackageColumns[] = {choice(kRegions), choice(kClasses), sum()};
constexpr ColumnHeader kSeoHeaders[] = {{1, kRegion}, {2, kPackage}, {3, kSum}};
constexpr ColumnHeader kContextualHeaders[] = {{4, kRegion}, {5, kPackage}, {6, kSum}};
constexpr ColumnSpec kSocialColumns[] = {choice(kRegions), choice(kClasses), quantity(), sum()};
constexpr ColumnHeader kSocialHeaders[] = {
    {7, kRegion},
    {8, kPackage},
    {9, {u"Pendant un mois ", u"Период месяц", u"period of months"}},
    {10, kSum},
};
constexpr GroupSpec kTab3[] = {
    {1, {u"Promotion SEO", u"SEO продвижение", u"SEO promotion"}, 1, 4,
     kPackageColumns, kSeoHeaders, fixedPackageRule<kSeo>, 3, {20, 50, 40},
     {TitleSource::GroupHeader, C, B, E, true, 3}},
    {2, {u"La publicité contextuelle", u"Контекстная реклама", u"Contextual advertising"}, 5, 8,
     kPackageColumns, kContextualHeaders, fixedPackageRule<kContextual>, 3, {220, 250, 100},
     {TitleSource::GroupHeader, C, B, E, true, 3}},
    {3, {u"Garder pages dans les réseaux sociaux", u"Ведение страницы в соц сетях", u"Keeping pages in social networks"}, 9, 12,
     kSocialColumns, kSocialHeaders, socialPagesRule, 4, {420, 450, 160},
     {TitleSource::GroupHeader, B, B, E, true, 4, E}},
};

// Tab 4: promotion actions; the subtotal is framed across C-E.
constexpr ColumnSpec kPromotionColumns[] = {choice(kClasses), quantity(), sum()};
constexpr ColumnHeader kPromotionHeaders[] = {
    {1, kPackage},
    {2, {u"Période de jours", u"Период день", u"Period of days"}},
    {3, kSum},
};
constexpr GroupSpec kTab4[] = {
    {1, {u"L organisation d actions de promotion", u"Организация промоуш акций", u"Organizing promotion actions"}, 1, 4,
     kPromotionColumns, kPromotionHeaders, perUnitRule<kPromotions>, 3, {20, 50, 40},
     {TitleSource::GroupHeader, C, C, E, false, 3, C}},
};

constexpr TabSpec kTabs[] = {
    {{u"La publicité extérieure", u"Наружная реклама", u"Outdoor advertising"}, kTab1, 615},
    {{u"Polygraphie", u"Полиграфия", u"Polygraphy"}, kTab2, 840},
    {{u"Marketing Internet", u"Интернет маркетинг", u"Keeping pages in social networks"}, kTab3, 615},
    {{u"L organisation d actions de promotion", u"Организация акций", u"Organizing promotion actions"}, kTab4, 215},
};

QList<PriceLine> priceList()
{
    static constexpr LocalizedText fixedByDesign[] = { // in the order of kDesign
        {u"avec conception, montant fixe", u"с дизайном, фиксированная сумма", u"with design, fixed amount"},
        {u"sans conception, montant fixe", u"без дизайна, фиксированная сумма", u"without design, fixed amount"},
    };
    static_assert(std::size(fixedByDesign) == std::size(kLargeFormat));
    constexpr LocalizedText letter{u"Lettre", u"Буква", u"Letter"};
    constexpr LocalizedText perMillimetre{u"par millimètre de hauteur", u"за миллиметр высоты", u"per millimeter of height"};
    constexpr LocalizedText designFee{u"frais de conception", u"стоимость дизайна", u"design fee"};
    constexpr LocalizedText perMonth{u"par mois", u"за месяц", u"per month"};
    constexpr LocalizedText perCard{u"par carte", u"за визитку", u"per card"};
    constexpr LocalizedText perFlyer{u"par dépliant", u"за флаер", u"per flyer"};
    constexpr LocalizedText perBanner{u"par bannière", u"за баннер", u"per banner"};
    constexpr LocalizedText perItem{u"par article", u"за изделие", u"per item"};
    constexpr LocalizedText fixedAmount{u"montant fixe", u"фиксированная сумма", u"fixed amount"};
    constexpr LocalizedText perDay{u"par jour", u"за день", u"per day"};
    QList<PriceLine> lines;
    auto byClass = [&lines](const GroupSpec &group, const std::array<qint64, 3> &prices, LocalizedText detail) {
        for (std::size_t b = 0; b < prices.size(); ++b)
            lines.append({group.header, kClasses[b], detail, prices[b]});
    };
    // "Yes" in the design box adds the fee.
    auto design = [&lines, designFee](const GroupSpec &group, qint64 fee) {
        lines.append({group.header, kDesign[0], designFee, fee});
    };
    lines.append({kTab1[0].header, letter, perMillimetre, kLetterPerMillimetre});
    design(kTab1[0], kSignDesign);
    appendPrices(lines, kTab1[1], kBillboardSizes, perMonth);
    appendPrices(lines, kTab1[2], kScreenSizes, perMonth);
    byClass(kTab2[0], kBusinessCards, perCard);
    design(kTab2[0], kSmallPrintDesign);
    byClass(kTab2[1], kFlyers, perFlyer);
    design(kTab2[1], kSmallPrintDesign);
    byClass(kTab2[2], kBanners, perBanner);
    design(kTab2[2], kBannerDesign);
    for (std::size_t a = 0; a < std::size(kLargeFormat); ++a)
        byClass(kTab2[3], kLargeFormat[a], fixedByDesign[a]);
    byClass(kTab2[4], kSouvenirs, perItem);
    byClass(kTab3[0], kSeo, fixedAmount);
    byClass(kTab3[1], kContextual, fixedAmount);
    byClass(kTab3[2], kSocialPages, perMonth);
    byClass(kTab4[0], kPromotions, perDay);
    return lines;
}

constexpr SectionCatalogue kCatalogue{
    .screenName = u"Form_reclame",
    .caption = {u"Publicité", u"Реклама", u"Advertising"},
    .tabs = kTabs,
    .totalsPanel = u"ScrollBox5",
    .timers = {10, 10, 10, false},
    .reportLastColumn = E,
    .priceList = priceList,
};

} // namespace

const SectionCatalogue &reclameCatalogue()
{
    return kCatalogue;
}

} // namespace torvane::model::sections
