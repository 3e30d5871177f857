#include "model/sections/service.h"

namespace torvane::model::sections {

using namespace model;
using model::TitleSource;
using enum model::Column;

namespace {

// Group 11: staff selection packages, per month.
constexpr Priced kStaffPackages[] = {
    {{u"économie", u"Эконом", u"economy"}, 7643},
    {{u"standard", u"Стандарт", u"standard"}, 14589},
    {{u"luxe", u"Люкс", u"luxury"}, 39583},
};

// Group 21: legal services, per month.
constexpr Priced kLegalServices[] = {
    {{u"Consultations sur les questions juridiques", u"Консультации по правовым вопросам", u"Consultations on legal issues"}, 19325},
    {{u"Services juridiques", u"Юридические услуги", u"Legal services"}, 95323},
    {{u"Consultation avec le départ", u"Консультация специалиста с выездом", u"Consultation with the departure"}, 79348},
};

// Group 31: website design, a fixed amount per site.
constexpr Priced kWebsites[] = {
    {{u"économie", u"Эконом", u"economy"}, 150000},
    {{u"standard", u"Стандарт", u"standard"}, 400000},
    {{u"luxe", u"Люкс", u"luxury"}, 1000000},
};

// Group 32: IT services, per month.
constexpr Priced kItServices[] = {
    {{u"Connexion à Internet", u"Подключение к интернету", u"Connecting to the Internet"}, 15292},
    {{u"Programmeur et administrateur système Services", u"Услуги программиста и системного администратора",
      u"Programmer and System Administrator Services"}, 85039},
    {{u"Programmation et maintenance de centraux téléphoniques", u"Прграмирование, обслуживание АТС",
      u"Programming and maintenance of telephone exchanges"}, 145839},
};

// Group 41: accounting services, per month.
constexpr Priced kAccounting[] = {
    {{u"Service de comptabilité trimestrielle", u"Ежеквартальное бухгалтерское обслуживание", u"Quarterly accounting service"}, 30000},
    {{u"Comptabilité", u"Ведение бухгалтерского учета", u"Accounting service"}, 100000},
    {{u"L inventaire des documents primaires", u"Инвентаризация первичных документов", u"The inventory of primary documents"}, 50000},
};

// Group 42: financial consulting, per month.
constexpr Priced kConsulting[] = {
    {{u"étude de faisabilité", u"финансово-экономические обоснования", u"feasibility study"}, 100000},
    {{u"service Business Plan", u"Бизнес-план услуг", u"Business Plan Service"}, 75000},
    {{u"modèle financier (calculs)", u"Финансовая модель (расчеты)", u"Financial model"}, 35000},
};

// Group 51: multimedia equipment, per period.
constexpr Priced kEquipment[] = {
    {{u"projecteur LCD", u"LCD проектор", u"LCD projector"}, 5000},
    {{u"écrans", u"Экраны", u"screens"}, 2000},
    {{u"portatif", u"Ноутбук", u"laptop"}, 2000},
};

// Group 61: type of protection, per person and day by class (economy, standard, luxury).
struct Protection {
    LocalizedText text;
    std::array<qint64, 3> byClass;
};
constexpr Protection kProtection[] = {
    {{u"garde de sécurité", u"Охранник", u"security guard"}, {5000, 10000, 30000}},
    {{u"garde du corps", u"Телохранитель", u"Bodyguard"}, {7460, 13476, 47563}},
    {{u"Accompagnant personnes / marchandises", u"Сопровождение лиц/грузов", u"Accompanying persons / goods"}, {9804, 12489, 19345}},
};
constexpr LocalizedText kProtectionClasses[] = {
    {u"économie", u"Эконом", u"economy"},
    {u"standard", u"Стандарт", u"standard"},
    {u"luxe", u"Люкс", u"luxury"},
};

// Group 62: property protection, per day.
constexpr Priced kPropertyProtection[] = {
    {{u"installations de sécurité", u"Охрана помещения", u"Security facilities"}, 10000},
    {{u"alarmes", u"Тревожная сигнализация", u"Alarm"}, 500},
    {{u"avertisseurs d incendie", u"Пожарная сигнализация", u"Fire alarm"}, 1480},
};

// Group 71: office equipment maintenance, per period.
constexpr Priced kMaintenance[] = {
    {{u"économie", u"Регулярный", u"Regular"}, 1500},
    {{u"standard", u"Стандарт", u"Standard"}, 5000},
    {{u"complexe", u"Усложненный", u"Complicated"}, 10000},
};

// Groups 81 and 82 share one language list: interpretation per hour,
// translation per page.
struct LanguageRate {
    LocalizedText text;
    qint64 interpretation;
    qint64 translation;
};
constexpr LanguageRate kLanguages[] = {
    {{u"Russe", u"Русский", u"Russian"}, 10000, 2000},
    {{u"Anglais", u"Английский", u"English"}, 10000, 2500},
    {{u"Français", u"Французский", u"French"}, 10000, 5000},
    {{u"Chinois", u"Китайский", u"Chinese"}, 10000, 6000},
};

constexpr auto U11 = project(kStaffPackages, &Priced::price);
constexpr auto U21 = project(kLegalServices, &Priced::price);
constexpr auto F31 = project(kWebsites, &Priced::price);
constexpr auto U32 = project(kItServices, &Priced::price);
constexpr auto U41 = project(kAccounting, &Priced::price);
constexpr auto U42 = project(kConsulting, &Priced::price);
constexpr auto U51 = project(kEquipment, &Priced::price);
constexpr auto U61 = project(kProtection, &Protection::byClass);
constexpr auto U62 = project(kPropertyProtection, &Priced::price);
constexpr auto U71 = project(kMaintenance, &Priced::price);
constexpr auto U81 = project(kLanguages, &LanguageRate::interpretation);
constexpr auto U82 = project(kLanguages, &LanguageRate::translation);

constexpr auto kStaffTexts = project(kStaffPackages, &Priced::text);
constexpr auto kLegalTexts = project(kLegalServices, &Priced::text);
constexpr auto kWebsiteTexts = project(kWebsites, &Priced::text);
constexpr auto kItTexts = project(kItServices, &Priced::text);
constexpr auto kAccountingTexts = project(kAccounting, &Priced::text);
constexpr auto kConsultingTexts = project(kConsulting, &Priced::text);
constexpr auto kEquipmentTexts = project(kEquipment, &Priced::text);
constexpr auto kProtectionTexts = project(kProtection, &Protection::text);
constexpr auto kPropertyTexts = project(kPropertyProtection, &Priced::text);
constexpr auto kMaintenanceTexts = project(kMaintenance, &Priced::text);
constexpr auto kLanguageTexts = project(kLanguages, &LanguageRate::text);

// Pricing rules. A row without its option or with a quantity of 0 costs nothing.
// A website costs its fixed amount as soon as its type is chosen.
Amount websiteRule(const RowInput &in)
{
    const int a = in.pos(1);
    if (a == -1)
        return 0;
    return Money(F31[a]);
}

Amount physicalSecurityRule(const RowInput &in)
{
    const int a = in.pos(1), b = in.pos(2);
    if (a == -1 || b == -1 || in.qty(3) == 0 || in.qty(4) == 0)
        return 0;
    return Money(in.qty(3)) * in.qty(4) * U61[a][b];
}

constexpr LocalizedText kSum{u"Somme", u"Сумма", u"The sum"};
constexpr LocalizedText kServicePack{u"Sélectionnez le service pack", u"Пакет обслуживания", u"Select the service pack"};
constexpr LocalizedText kMonths{u"Période (mois)", u"Период (месяц)", u"Period"};
constexpr LocalizedText kProtectionType{u"Sélectionnez le type de protection", u"Тип охраны", u"Select the type of protection"};
constexpr LocalizedText kGuardDays{u"Heures garde-jours", u"Время работы (день)", u"Hours guard-days"};
constexpr LocalizedText kYourLanguage{u"Votre langue", u"Ваш язык", u"Your language"};

// Tab 1: staff selection.
constexpr ColumnSpec kStaffColumns[] = {choice(kStaffTexts), quantity(), sum()};
constexpr ColumnHeader kStaffHeaders[] = {
    {1, {u"Sélectionnez package RH", u"Кадровый пакет", u"Select HR package"}},
    {2, kMonths},
    {3, kSum},
};
constexpr GroupSpec kTab1[] = {
    {1, {u"Sélection d images", u"Подборка кадров", u"Frame Selection"}, 1, 5,
     kStaffColumns, kStaffHeaders, perUnitRule<U11>, 3, {20, 50, 40}, {TitleSource::TabButton, D, D, F, false, 3, F}},
};

// Tab 2: legal services.
constexpr ColumnSpec kLegalColumns[] = {choice(kLegalTexts), quantity(), sum()};
constexpr ColumnHeader kLegalHeaders[] = {
    {1, {u"Sélectionnez le service pack", u"Пакет услуг", u"Select the service pack"}},
    {2, kMonths},
    {3, kSum},
};
constexpr GroupSpec kTab2[] = {
    {1, {u"Services juridiques", u"Юридические услуги", u"Legal services"}, 1, 5,
     kLegalColumns, kLegalHeaders, perUnitRule<U21>, 3, {20, 50, 40}, {TitleSource::TabButton, D, D, F, false, 3, F}},
};

// Tab 3: website design (no quantity, amount in column 2) and IT services.
// There is no Label33: the IT headers start at Label34.
constexpr ColumnSpec kWebsiteColumns[] = {choice(kWebsiteTexts), sum()};
constexpr ColumnHeader kWebsiteHeaders[] = {
    {1, {u"Sélectionnez le type de site", u"Тип сайта", u"Select the type of site"}},
    {2, kSum},
};
constexpr ColumnSpec kItColumns[] = {choice(kItTexts), quantity(), sum()};
constexpr ColumnHeader kItHeaders[] = {{4, kServicePack}, {5, kMonths}, {6, kSum}};
constexpr GroupSpec kTab3[] = {
    {1, {u"Conception de site Web", u"Разработка сайта", u"Website Design"}, 1, 3,
     kWebsiteColumns, kWebsiteHeaders, websiteRule, 2, {20, 50, 40}, {TitleSource::GroupHeader, E, E, F, false, 2}},
    {2, {u"Services informatiques", u"IT обслуживание", u"IT services"}, 4, 6,
     kItColumns, kItHeaders, perUnitRule<U32>, 3, {185, 215, 100}, {TitleSource::GroupHeader, D, D, F, false, 3, F}},
};

// Tab 4: accounting and financial consulting, each group with its own list.
// The first group's report lists a row by its quantity column.
constexpr ColumnSpec kAccountingColumns[] = {choice(kAccountingTexts), quantity(), sum()};
constexpr ColumnHeader kAccountingHeaders[] = {{1, kServicePack}, {2, kMonths}, {3, kSum}};
constexpr ColumnSpec kConsultingColumns[] = {choice(kConsultingTexts), quantity(), sum()};
constexpr ColumnHeader kConsultingHeaders[] = {{4, kServicePack}, {5, kMonths}, {6, kSum}};
constexpr GroupSpec kTab4[] = {
    {1, {u"Services de comptabilité", u"Бухгалтерское обслуживание", u"Accounting services"}, 1, 4,
     kAccountingColumns, kAccountingHeaders, perUnitRule<U41>, 3, {20, 50, 40}, {TitleSource::GroupHeader, D, D, F, false, 2}},
    {2, {u"Conseils financiers", u"Финансовый консалтинг", u"Financial consulting"}, 5, 8,
     kConsultingColumns, kConsultingHeaders, perUnitRule<U42>, 3, {220, 250, 100}, {TitleSource::GroupHeader, D, D, F, false, 3, F}},
};

// Tab 5: multimedia equipment. The quantity headers name months in French
// and hours in Russian; the price applies to the number typed.
constexpr ColumnSpec kEquipmentColumns[] = {choice(kEquipmentTexts), quantity(), sum()};
constexpr ColumnHeader kEquipmentHeaders[] = {
    {1, {u"Sélectionnez le type d équipement", u"Тип оборудования", u"Select the type of equipment"}},
    {2, {u"Période (mois)", u"Период (час)", u"Period"}},
    {3, kSum},
};
constexpr GroupSpec kTab5[] = {
    {1, {u"Location de matériel multimédia", u"Аренда мультимедийного оборудования", u"Rental of multimedia equipment"}, 1, 5,
     kEquipmentColumns, kEquipmentHeaders, perUnitRule<U51>, 3, {20, 50, 40}, {TitleSource::GroupHeader, D, D, F, false, 3, F}},
};

// Tab 6: physical security (type, class, persons, days) and property protection.
constexpr ColumnSpec kGuardColumns[] = {choice(kProtectionTexts), choice(kProtectionClasses), quantity(), quantity(), sum()};
constexpr ColumnHeader kGuardHeaders[] = {
    {1, kProtectionType},
    {2, {u"Classe de protection", u"Класс охраны", u"protection class"}},
    {3, {u"Nombre de personnes", u"Количество человек", u"Number of people"}},
    {4, kGuardDays},
    {5, kSum},
};
constexpr ColumnSpec kPropertyColumns[] = {choice(kPropertyTexts), quantity(), sum()};
constexpr ColumnHeader kPropertyHeaders[] = {{6, kProtectionType}, {7, kGuardDays}, {8, kSum}};
constexpr GroupSpec kTab6[] = {
    {1, {u"La sécurité physique", u"Физическая охрана", u"Physical security"}, 1, 4,
     kGuardColumns, kGuardHeaders, physicalSecurityRule, 5, {20, 50, 40}, {TitleSource::GroupHeader, B, B, F, false, 5}},
    {2, {u"La protection de la propriété", u"Охрана объектов", u"Property protection"}, 5, 8,
     kPropertyColumns, kPropertyHeaders, perUnitRule<U62>, 3, {220, 250, 100}, {TitleSource::GroupHeader, D, D, F, false, 3, F}},
};

// Tab 7: office equipment maintenance.
constexpr ColumnSpec kMaintenanceColumns[] = {choice(kMaintenanceTexts), quantity(), sum()};
constexpr ColumnHeader kMaintenanceHeaders[] = {
    {1, {u"Choisissez la complexité", u"Сложность и уровень обслуживания", u"Choose the complexity and level of maintenance"}},
    {2, {u"Période", u"Период (час)", u"Period"}},
    {3, kSum},
};
constexpr GroupSpec kTab7[] = {
    {1, {u"Entretien et réparation de matériel de bureau", u"Обслуживание и ремонт оргтехники",
         u"Maintenance and repair of office equipment"}, 1, 5,
     kMaintenanceColumns, kMaintenanceHeaders, perUnitRule<U71>, 3, {20, 50, 40}, {TitleSource::GroupHeader, D, D, F, false, 3, F}},
};

// Tab 8: interpretation by the hour, translation by the page, one language list.
// The first group's report lists a row by its quantity column.
constexpr ColumnSpec kInterpretationColumns[] = {choice(kLanguageTexts), quantity(), sum()};
constexpr ColumnHeader kInterpretationHeaders[] = {
    {1, kYourLanguage},
    {2, {u"Temps", u"Время (час)", u"Time"}},
    {3, kSum},
};
constexpr ColumnSpec kTranslationColumns[] = {choice(kLanguageTexts), quantity(), sum()};
constexpr ColumnHeader kTranslationHeaders[] = {
    {4, kYourLanguage},
    {5, {u"Temps", u"Время (страница)", u"Time"}},
    {6, kSum},
};
constexpr GroupSpec kTab8[] = {
    {1, {u"Interprétation (synchrone)", u"Устные переводы", u"Interpretation (synchronous)"}, 1, 4,
     kInterpretationColumns, kInterpretationHeaders, perUnitRule<U81>, 3, {20, 50, 40}, {TitleSource::GroupHeader, D, D, F, false, 2}},
    {2, {u"Traductions", u"Письменные переводы", u"Translations"}, 5, 8,
     kTranslationColumns, kTranslationHeaders, perUnitRule<U82>, 3, {220, 250, 100}, {TitleSource::GroupHeader, D, D, F, false, 3, F}},
};

constexpr TabSpec kTabs[] = {
    {{u"Sélection d images", u"Подборка кадров", u"Frame Selection"}, kTab1, 250},
    {{u"Services juridiques", u"Юридические услуги", u"Legal services"}, kTab2, 250},
    {{u"Services informatiques", u"IT услуги", u"IT Services"}, kTab3, 345},
    {{u"Services de comptabilité et des finances", u"Бухгалтерские услуги и финансы", u"Accounting Services and Finance"}, kTab4, 415},
    {{u"Location de matériel multimédia", u"Аренда мультимедийного оборудования", u"Rental of multimedia equipment"}, kTab5, 250},
    {{u"Sûreté et la sécurité, l assurance", u"Охрана и безопасность", u"Safety and security, Insurance"}, kTab6, 415},
    {{u"Entretien et réparation de matériel de bureau", u"Обслуживание и ремонт оргтехники",
      u"Maintenance and repair of office equipment"}, kTab7, 250},
    {{u"Des services de traduction", u"Переводческие услуги", u"Translation services"}, kTab8, 415},
};

QList<PriceLine> priceList()
{
    // In the order of kProtectionClasses.
    constexpr LocalizedText perPersonDayByClass[] = {
        {u"classe économie, par personne et jour", u"класс эконом, за человека в день", u"class economy, per person per day"},
        {u"classe standard, par personne et jour", u"класс стандарт, за человека в день", u"class standard, per person per day"},
        {u"classe luxe, par personne et jour", u"класс люкс, за человека в день", u"class luxury, per person per day"},
    };
    static_assert(std::size(perPersonDayByClass) == std::size(kProtectionClasses));
    constexpr LocalizedText perMonth{u"par mois", u"за месяц", u"per month"};
    constexpr LocalizedText perSite{u"par site", u"за сайт", u"per site"};
    constexpr LocalizedText perPeriod{u"par unité de période", u"за единицу периода", u"per unit of period"};
    constexpr LocalizedText perDay{u"par jour", u"за день", u"per day"};
    constexpr LocalizedText perHour{u"par heure", u"за час", u"per hour"};
    constexpr LocalizedText perPage{u"par page", u"за страницу", u"per page"};
    QList<PriceLine> lines;
    appendPrices(lines, kTab1[0], kStaffPackages, perMonth);
    appendPrices(lines, kTab2[0], kLegalServices, perMonth);
    appendPrices(lines, kTab3[0], kWebsites, perSite);
    appendPrices(lines, kTab3[1], kItServices, perMonth);
    appendPrices(lines, kTab4[0], kAccounting, perMonth);
    appendPrices(lines, kTab4[1], kConsulting, perMonth);
    appendPrices(lines, kTab5[0], kEquipment, perPeriod);
    for (const Protection &type : kProtection)
        for (std::size_t b = 0; b < type.byClass.size(); ++b)
            lines.append({kTab6[0].header, type.text, perPersonDayByClass[b], type.byClass[b]});
    appendPrices(lines, kTab6[1], kPropertyProtection, perDay);
    appendPrices(lines, kTab7[0], kMaintenance, perPeriod);
    for (const LanguageRate &language : kLanguages)
        lines.append({kTab8[0].header, language.text, perHour, language.interpretation});
    for (const LanguageRate &language : kLanguages)
        lines.append({kTab8[1].header, language.text, perPage, language.translation});
    return lines;
}

// Eight tab buttons in two rows of four.
constexpr int kButtonRows[] = {4, 4};

constexpr SectionCatalogue kCatalogue{
    .screenName = u"Form_service",
    .caption = {u"Services aux entreprises", u"Услуги для бизнеса", u"Services for Business"},
    .tabs = kTabs,
    .totalsPanel = u"ScrollBox9",
    .buttonRows = kButtonRows,
    .timers = {100, 100, 100, false},
    .reportLastColumn = F,
    .priceList = priceList,
};

} // namespace

const SectionCatalogue &serviceCatalogue()
{
    return kCatalogue;
}

} // namespace torvane::model::sections
