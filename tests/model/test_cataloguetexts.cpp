// The texts of the eight section catalogues in each language: captions, tab
// titles, group and column headers, the fixed names of rows and the option
// lists with their counts and orders, blanks and look-alike letters kept as
// the users know them. Expectations are the texts written out; whether a
// screen shows them is test_section_texts' part.

#include "cataloguetexts.h"

#include <QTest>

using namespace torvane;
using namespace torvane::test;

namespace {

const QString kCaption; // the section's caption rather than a control

void addSectionColumns()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("language");
}

} // namespace

class TestCatalogueTexts : public QObject
{
    Q_OBJECT

private slots:
    void controlTexts_data();
    void controlTexts();
    void optionLists_data();
    void optionLists();
    void lookAlikeLetters_data();
    void lookAlikeLetters();
    void sizesUseTheCyrillicDimensionLetter_data();
    void sizesUseTheCyrillicDimensionLetter();
    void headerNumbersLeaveGaps_data();
    void headerNumbersLeaveGaps();
};

void TestCatalogueTexts::controlTexts_data()
{
    addSectionColumns();
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");

    QTest::newRow("logistic fr caption") << u"Form_logistic"_s << u"fr"_s << kCaption << u"Logistique et transport"_s;
    QTest::newRow("logistic fr Button5") << u"Form_logistic"_s << u"fr"_s << u"Button5"_s << u"Entreposage"_s;
    QTest::newRow("logistic fr Label51") << u"Form_logistic"_s << u"fr"_s << u"Label51"_s << u"La quantité d espace requis pour le stockage"_s;
    QTest::newRow("logistic ru caption") << u"Form_logistic"_s << u"ru"_s << kCaption << u"Логистика и траспорт"_s;
    QTest::newRow("logistic ru Button5") << u"Form_logistic"_s << u"ru"_s << u"Button5"_s << u"Складирование груза"_s;
    QTest::newRow("logistic ru Label51") << u"Form_logistic"_s << u"ru"_s << u"Label51"_s << u"Площадь складского помещения кв. метры"_s;
    QTest::newRow("logistic en caption") << u"Form_logistic"_s << u"en"_s << kCaption << u"Logistics and Transportation"_s;
    QTest::newRow("logistic en Button5") << u"Form_logistic"_s << u"en"_s << u"Button5"_s << u"Warehousing"_s;
    QTest::newRow("logistic en Label51") << u"Form_logistic"_s << u"en"_s << u"Label51"_s << u"The amount of required space for storage "_s;
    QTest::newRow("living fr caption") << u"Form_living"_s << u"fr"_s << kCaption << u"Logements"_s;
    QTest::newRow("living fr Button3") << u"Form_living"_s << u"fr"_s << u"Button3"_s << u"Cottages"_s;
    QTest::newRow("living fr Labelzag11") << u"Form_living"_s << u"fr"_s << u"Labelzag11"_s << u"Réserver une chambre d hôtel"_s;
    QTest::newRow("living fr Labelzag21") << u"Form_living"_s << u"fr"_s << u"Labelzag21"_s << u"Réservation dans Hostel"_s;
    QTest::newRow("living fr Label21") << u"Form_living"_s << u"fr"_s << u"Label21"_s << u"Type d hébergement"_s;
    QTest::newRow("living ru caption") << u"Form_living"_s << u"ru"_s << kCaption << u"Размещение и проживание"_s;
    QTest::newRow("living ru Button3") << u"Form_living"_s << u"ru"_s << u"Button3"_s << u"Коттеджи"_s;
    QTest::newRow("living ru Labelzag11") << u"Form_living"_s << u"ru"_s << u"Labelzag11"_s << u"Бронирование гостиничного номера"_s;
    QTest::newRow("living ru Labelzag21") << u"Form_living"_s << u"ru"_s << u"Labelzag21"_s << u"Бронирование мест в хостеле"_s;
    QTest::newRow("living ru Label21") << u"Form_living"_s << u"ru"_s << u"Label21"_s << u"Тип размещения"_s;
    // Both English group headers start with a blank.
    QTest::newRow("living en caption") << u"Form_living"_s << u"en"_s << kCaption << u"Accommodation and lodging"_s;
    QTest::newRow("living en Button3") << u"Form_living"_s << u"en"_s << u"Button3"_s << u"Houses"_s;
    QTest::newRow("living en Labelzag11") << u"Form_living"_s << u"en"_s << u"Labelzag11"_s << u" Booking hotel room"_s;
    QTest::newRow("living en Labelzag21") << u"Form_living"_s << u"en"_s << u"Labelzag21"_s << u" Booking hotel room"_s;
    QTest::newRow("living en Label21") << u"Form_living"_s << u"en"_s << u"Label21"_s << u"Type of accomodation"_s;
    // Work names keep their doubled and trailing blanks, straight and
    // typographic quotes; the look-alike letters are checked one by one below.
    QTest::newRow("construct fr caption") << u"Form_construct"_s << u"fr"_s << kCaption << u"Construction et réparation"_s;
    QTest::newRow("construct fr Labelzag21") << u"Form_construct"_s << u"fr"_s << u"Labelzag21"_s << u"Зlafond"_s;
    QTest::newRow("construct fr Labelzag71") << u"Form_construct"_s << u"fr"_s << u"Labelzag71"_s << u"Зlafond"_s;
    QTest::newRow("construct fr Edit181") << u"Form_construct"_s << u"fr"_s << u"Edit181"_s << u"сadre de CC démontage"_s;
    QTest::newRow("construct fr Edit1121") << u"Form_construct"_s << u"fr"_s << u"Edit1121"_s << u"уnlever le papier peint des murs"_s;
    QTest::newRow("construct fr Edit7101") << u"Form_construct"_s << u"fr"_s << u"Edit7101"_s << u"Зose de papiers peints"_s;
    QTest::newRow("construct fr Edit7111") << u"Form_construct"_s << u"fr"_s << u"Edit7111"_s << u"Сhaux"_s;
    QTest::newRow("construct fr Edit841") << u"Form_construct"_s << u"fr"_s << u"Edit841"_s << u"Mélanges d étanchéité \"arrêt GLIMS l eau\""_s;
    QTest::newRow("construct ru caption") << u"Form_construct"_s << u"ru"_s << kCaption << u"Строительство и ремонт"_s;
    QTest::newRow("construct ru Edit241") << u"Form_construct"_s << u"ru"_s << u"Edit241"_s << u"демонтаж гипсокартонна с  потолка"_s;
    QTest::newRow("construct ru Edit841") << u"Form_construct"_s << u"ru"_s << u"Edit841"_s << u"Гидроизоляция смесями «ГЛИМС-ВОДОСТОП»"_s;
    QTest::newRow("construct ru Edit681") << u"Form_construct"_s << u"ru"_s << u"Edit681"_s << u"Оклеивание малярной сеткой \"Строби\""_s;
    QTest::newRow("construct ru Edit9121") << u"Form_construct"_s << u"ru"_s << u"Edit9121"_s << u"Устройство плинтуса"_s;
    QTest::newRow("construct en caption") << u"Form_construct"_s << u"en"_s << kCaption << u"Construction and repair"_s;
    QTest::newRow("construct en Edit111") << u"Form_construct"_s << u"en"_s << u"Edit111"_s << u"demolition of brick walls, etc. 1/2 in thick brick"_s;
    QTest::newRow("construct en Edit441") << u"Form_construct"_s << u"en"_s << u"Edit441"_s << u"dismantling the old wiring "_s;
    QTest::newRow("construct en Edit891") << u"Form_construct"_s << u"en"_s << u"Edit891"_s << u"Laying laminate "_s;
    QTest::newRow("construct en Edit841") << u"Form_construct"_s << u"en"_s << u"Edit841"_s << u"Waterproofing mixtures \"GLIMS-water stop\""_s;
    // French tab 1 title and header 31, and the English ninth activity, end in a blank.
    QTest::newRow("food fr caption") << u"Form_food"_s << u"fr"_s << kCaption << u"Divertissement et de la nourriture"_s;
    QTest::newRow("food fr Button1") << u"Form_food"_s << u"fr"_s << u"Button1"_s << u"Restaurants et cafés "_s;
    QTest::newRow("food fr Labelzag31") << u"Form_food"_s << u"fr"_s << u"Labelzag31"_s << u"Activités récréatives onglet culturel et"_s;
    QTest::newRow("food fr Label31") << u"Form_food"_s << u"fr"_s << u"Label31"_s << u"Activités "_s;
    QTest::newRow("food fr Edit391") << u"Form_food"_s << u"fr"_s << u"Edit391"_s << u"Massage / SPA"_s;
    QTest::newRow("food ru caption") << u"Form_food"_s << u"ru"_s << kCaption << u"Развлечение и питание"_s;
    QTest::newRow("food ru Button1") << u"Form_food"_s << u"ru"_s << u"Button1"_s << u"Рестораны и кафе"_s;
    QTest::newRow("food ru Labelzag31") << u"Form_food"_s << u"ru"_s << u"Labelzag31"_s << u"Культрурно досуговые мероприятия"_s;
    QTest::newRow("food ru Label31") << u"Form_food"_s << u"ru"_s << u"Label31"_s << u"Мероприятие"_s;
    QTest::newRow("food ru Edit391") << u"Form_food"_s << u"ru"_s << u"Edit391"_s << u"SPA"_s;
    QTest::newRow("food en caption") << u"Form_food"_s << u"en"_s << kCaption << u"Entertainment and food"_s;
    QTest::newRow("food en Button1") << u"Form_food"_s << u"en"_s << u"Button1"_s << u"Tab restaurants and cafes"_s;
    QTest::newRow("food en Labelzag31") << u"Form_food"_s << u"en"_s << u"Labelzag31"_s << u"Cultural and recreational activities"_s;
    QTest::newRow("food en Label31") << u"Form_food"_s << u"en"_s << u"Label31"_s << u"Activities"_s;
    QTest::newRow("food en Edit391") << u"Form_food"_s << u"en"_s << u"Edit391"_s << u"SPA- Massage "_s;
    // The fixed activity names of tab 3, and the headers of the second groups,
    // which skip label numbers (Label16, Label28, Label29).
    QTest::newRow("food fr Edit311") << u"Form_food"_s << u"fr"_s << u"Edit311"_s << u"Théâtre / Opéra"_s;
    QTest::newRow("food fr Edit3101") << u"Form_food"_s << u"fr"_s << u"Edit3101"_s << u"Beauté"_s;
    QTest::newRow("food ru Edit381") << u"Form_food"_s << u"ru"_s << u"Edit381"_s << u"Шопинг"_s;
    QTest::newRow("food en Edit311") << u"Form_food"_s << u"en"_s << u"Edit311"_s << u"Theatre / Opera"_s;
    QTest::newRow("food en Edit3101") << u"Form_food"_s << u"en"_s << u"Edit3101"_s << u"Beauty Salons"_s;
    QTest::newRow("food en Label16") << u"Form_food"_s << u"en"_s << u"Label16"_s << u"Select the type of meal"_s;
    QTest::newRow("food en Label28") << u"Form_food"_s << u"en"_s << u"Label28"_s << u"Time"_s;
    QTest::newRow("food en Label29") << u"Form_food"_s << u"en"_s << u"Label29"_s << u"The sum"_s;
    QTest::newRow("service fr caption") << u"Form_service"_s << u"fr"_s << kCaption << u"Services aux entreprises"_s;
    QTest::newRow("service fr Button6") << u"Form_service"_s << u"fr"_s << u"Button6"_s << u"Sûreté et la sécurité, l assurance"_s;
    QTest::newRow("service fr Label34") << u"Form_service"_s << u"fr"_s << u"Label34"_s << u"Sélectionnez le service pack"_s;
    QTest::newRow("service fr Label52") << u"Form_service"_s << u"fr"_s << u"Label52"_s << u"Période (mois)"_s;
    QTest::newRow("service fr Label85") << u"Form_service"_s << u"fr"_s << u"Label85"_s << u"Temps"_s;
    QTest::newRow("service ru caption") << u"Form_service"_s << u"ru"_s << kCaption << u"Услуги для бизнеса"_s;
    QTest::newRow("service ru Button6") << u"Form_service"_s << u"ru"_s << u"Button6"_s << u"Охрана и безопасность"_s;
    QTest::newRow("service ru Label34") << u"Form_service"_s << u"ru"_s << u"Label34"_s << u"Пакет обслуживания"_s;
    QTest::newRow("service ru Label52") << u"Form_service"_s << u"ru"_s << u"Label52"_s << u"Период (час)"_s;
    QTest::newRow("service ru Label85") << u"Form_service"_s << u"ru"_s << u"Label85"_s << u"Время (страница)"_s;
    QTest::newRow("service en caption") << u"Form_service"_s << u"en"_s << kCaption << u"Services for Business"_s;
    QTest::newRow("service en Button6") << u"Form_service"_s << u"en"_s << u"Button6"_s << u"Safety and security, Insurance"_s;
    QTest::newRow("service en Label34") << u"Form_service"_s << u"en"_s << u"Label34"_s << u"Select the service pack"_s;
    QTest::newRow("service en Label52") << u"Form_service"_s << u"en"_s << u"Label52"_s << u"Period"_s;
    QTest::newRow("service en Label85") << u"Form_service"_s << u"en"_s << u"Label85"_s << u"Time"_s;
    QTest::newRow("expenses fr caption") << u"Form_expenses"_s << u"fr"_s << kCaption << u"Les charges d exploitation"_s;
    QTest::newRow("expenses fr Button3") << u"Form_expenses"_s << u"fr"_s << u"Button3"_s << u"Meubles"_s;
    QTest::newRow("expenses fr Labelzag12") << u"Form_expenses"_s << u"fr"_s << u"Labelzag12"_s << u"Nettoyage à sec"_s;
    QTest::newRow("expenses fr Label11") << u"Form_expenses"_s << u"fr"_s << u"Label11"_s << u"Entrez le carré des "_s;
    QTest::newRow("expenses ru caption") << u"Form_expenses"_s << u"ru"_s << kCaption << u"Операционные расходы"_s;
    QTest::newRow("expenses ru Button3") << u"Form_expenses"_s << u"ru"_s << u"Button3"_s << u"Мебель"_s;
    QTest::newRow("expenses ru Labelzag12") << u"Form_expenses"_s << u"ru"_s << u"Labelzag12"_s << u"Химчистка"_s;
    QTest::newRow("expenses ru Label11") << u"Form_expenses"_s << u"ru"_s << u"Label11"_s << u"Квадратура"_s;
    QTest::newRow("expenses en caption") << u"Form_expenses"_s << u"en"_s << kCaption << u"Operating expenses"_s;
    QTest::newRow("expenses en Button3") << u"Form_expenses"_s << u"en"_s << u"Button3"_s << u"Rental and purchase of furniture"_s;
    QTest::newRow("expenses en Labelzag12") << u"Form_expenses"_s << u"en"_s << u"Labelzag12"_s << u"dry-cleaning"_s;
    QTest::newRow("expenses en Label11") << u"Form_expenses"_s << u"en"_s << u"Label11"_s << u"- Enter the square the premises"_s;
    QTest::newRow("reclame fr caption") << u"Form_reclame"_s << u"fr"_s << kCaption << u"Publicité"_s;
    QTest::newRow("reclame fr Button3") << u"Form_reclame"_s << u"fr"_s << u"Button3"_s << u"Marketing Internet"_s;
    QTest::newRow("reclame fr Labelzag13") << u"Form_reclame"_s << u"fr"_s << u"Labelzag13"_s << u"Pour écran Louer médias"_s;
    QTest::newRow("reclame fr Label17") << u"Form_reclame"_s << u"fr"_s << u"Label17"_s << u"Placer un panneau d affichage"_s;
    QTest::newRow("reclame fr Label39") << u"Form_reclame"_s << u"fr"_s << u"Label39"_s << u"Pendant un mois "_s;
    QTest::newRow("reclame ru caption") << u"Form_reclame"_s << u"ru"_s << kCaption << u"Реклама"_s;
    QTest::newRow("reclame ru Button3") << u"Form_reclame"_s << u"ru"_s << u"Button3"_s << u"Интернет маркетинг"_s;
    QTest::newRow("reclame ru Labelzag13") << u"Form_reclame"_s << u"ru"_s << u"Labelzag13"_s << u"Аренда мультимедийного экрана"_s;
    QTest::newRow("reclame ru Label17") << u"Form_reclame"_s << u"ru"_s << u"Label17"_s << u"Место билборда"_s;
    QTest::newRow("reclame ru Label39") << u"Form_reclame"_s << u"ru"_s << u"Label39"_s << u"Период месяц"_s;
    QTest::newRow("reclame en caption") << u"Form_reclame"_s << u"en"_s << kCaption << u"Advertising"_s;
    QTest::newRow("reclame en Button3") << u"Form_reclame"_s << u"en"_s << u"Button3"_s << u"Keeping pages in social networks"_s;
    QTest::newRow("reclame en Labelzag13") << u"Form_reclame"_s << u"en"_s << u"Labelzag13"_s << u"For Rent Media Screen"_s;
    QTest::newRow("reclame en Label17") << u"Form_reclame"_s << u"en"_s << u"Label17"_s << u"place a billboard"_s;
    QTest::newRow("reclame en Label39") << u"Form_reclame"_s << u"en"_s << u"Label39"_s << u"period of months"_s;
    QTest::newRow("event fr caption") << u"Form_event"_s << u"fr"_s << kCaption << u"Planification d événements"_s;
    QTest::newRow("event fr Button1") << u"Form_event"_s << u"fr"_s << u"Button1"_s << u"Artistes du Kazakhstan et de la Russie "_s;
    QTest::newRow("event fr Button3") << u"Form_event"_s << u"fr"_s << u"Button3"_s << u"Réservation artistes de l étranger\t"_s;
    QTest::newRow("event fr Labelzag31") << u"Form_event"_s << u"fr"_s << u"Labelzag31"_s << u"Réservation artistes de l étranger"_s;
    QTest::newRow("event fr Label33") << u"Form_event"_s << u"fr"_s << u"Label33"_s << u"Somme $"_s;
    QTest::newRow("event ru caption") << u"Form_event"_s << u"ru"_s << kCaption << u"Организация мероприятий"_s;
    QTest::newRow("event ru Button1") << u"Form_event"_s << u"ru"_s << u"Button1"_s << u"Артисты Казахстана и России"_s;
    QTest::newRow("event ru Button3") << u"Form_event"_s << u"ru"_s << u"Button3"_s << u"Заказ зарубежных артистов"_s;
    QTest::newRow("event ru Labelzag31") << u"Form_event"_s << u"ru"_s << u"Labelzag31"_s << u"Заказ артистов из за рубежа"_s;
    QTest::newRow("event ru Label33") << u"Form_event"_s << u"ru"_s << u"Label33"_s << u"Сумма $"_s;
    QTest::newRow("event en caption") << u"Form_event"_s << u"en"_s << kCaption << u"Organization of events"_s;
    QTest::newRow("event en Button1") << u"Form_event"_s << u"en"_s << u"Button1"_s << u"Artists of Kazakhstan and Russia"_s;
    QTest::newRow("event en Button3") << u"Form_event"_s << u"en"_s << u"Button3"_s << u"Booking artists from abroad "_s;
    QTest::newRow("event en Labelzag31") << u"Form_event"_s << u"en"_s << u"Labelzag31"_s << u"Booking artists from abroad "_s;
    QTest::newRow("event en Label33") << u"Form_event"_s << u"en"_s << u"Label33"_s << u"The sum $"_s;
}

void TestCatalogueTexts::controlTexts()
{
    QFETCH(QString, screen);
    QFETCH(QString, language);
    QFETCH(QString, control);
    QFETCH(QString, text);

    const model::SectionCatalogue *catalogue = catalogueNamed(screen);
    QVERIFY(catalogue);
    const base::Language L = languageNamed(language);
    if (control == kCaption) {
        QCOMPARE(catalogue->caption.in(L), text);
        return;
    }
    const CatalogueTexts texts = catalogueTexts(*catalogue);
    QVERIFY2(texts.texts.contains(control), qPrintable(control));
    QCOMPARE(texts.texts.value(control).in(L), text);
}

void TestCatalogueTexts::optionLists_data()
{
    addSectionColumns();
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("from");        // the items below stand from this position on
    QTest::addColumn<QStringList>("items");

    // Logistics: twenty destinations by air, in the same order in every language.
    QTest::newRow("logistic fr destinations") << u"Form_logistic"_s << u"fr"_s << u"ComboBox112"_s << 20 << 0
        << QStringList{u"Almaty"_s, u"Abu-Dhabi"_s, u"Moscou"_s, u"Saint-Pétersbourg"_s};
    QTest::newRow("logistic ru destinations") << u"Form_logistic"_s << u"ru"_s << u"ComboBox112"_s << 20 << 0
        << QStringList{u"Алматы"_s, u"Абу-Даби"_s, u"Москва"_s, u"Санкт-Петербург"_s};
    QTest::newRow("logistic en destinations") << u"Form_logistic"_s << u"en"_s << u"ComboBox112"_s << 20 << 0
        << QStringList{u"Almaty"_s, u"Abu-Dhabi"_s, u"Moscow"_s, u"St.-Petersburg"_s, u"Barcelona"_s, u"Paris"_s,
                       u"New York"_s, u"Madrid"_s, u"London"_s, u"Beijing"_s, u"Istanbul"_s, u"Sydney"_s, u"Delhi"_s,
                       u"Milan"_s, u"Rome"_s, u"Prague"_s, u"Seoul"_s, u"Tel Aviv"_s, u"Zurich"_s, u"Bangkok"_s};
    QTest::newRow("logistic en flights leave Astana") << u"Form_logistic"_s << u"en"_s << u"ComboBox111"_s << 1 << 0
        << QStringList{u"Astana"_s};
    QTest::newRow("logistic fr freight to") << u"Form_logistic"_s << u"fr"_s << u"ComboBox252"_s << 2 << 0
        << QStringList{u"Almaty"_s, u"Astana"_s};
    QTest::newRow("logistic ru freight to") << u"Form_logistic"_s << u"ru"_s << u"ComboBox252"_s << 2 << 0
        << QStringList{u"Алматы"_s, u"Астана"_s};
    QTest::newRow("logistic en freight to") << u"Form_logistic"_s << u"en"_s << u"ComboBox252"_s << 2 << 0
        << QStringList{u"Almaty"_s, u"Astana"_s};

    // Accommodation: five hotel levels from five stars down; three hostel placements.
    QTest::newRow("living fr first level") << u"Form_living"_s << u"fr"_s << u"ComboBox151"_s << 5 << 0 << QStringList{u"5 étoiles"_s};
    QTest::newRow("living fr last level") << u"Form_living"_s << u"fr"_s << u"ComboBox151"_s << 5 << 4 << QStringList{u"1 étoiles"_s};
    QTest::newRow("living ru first level") << u"Form_living"_s << u"ru"_s << u"ComboBox151"_s << 5 << 0 << QStringList{u"5 звезд"_s};
    QTest::newRow("living ru last level") << u"Form_living"_s << u"ru"_s << u"ComboBox151"_s << 5 << 4 << QStringList{u"1 звезда"_s};
    QTest::newRow("living en first level") << u"Form_living"_s << u"en"_s << u"ComboBox151"_s << 5 << 0 << QStringList{u"5 stars"_s};
    QTest::newRow("living en last level") << u"Form_living"_s << u"en"_s << u"ComboBox151"_s << 5 << 4 << QStringList{u"1 stars"_s};
    QTest::newRow("living fr quadruple, row 1") << u"Form_living"_s << u"fr"_s << u"ComboBox211"_s << 3 << 1
        << QStringList{u"quadruple placementе"_s};
    QTest::newRow("living fr quadruple, row 2") << u"Form_living"_s << u"fr"_s << u"ComboBox221"_s << 3 << 1
        << QStringList{u"quadruple placementе"_s};
    QTest::newRow("living ru quadruple") << u"Form_living"_s << u"ru"_s << u"ComboBox221"_s << 3 << 1
        << QStringList{u"Четырехместное размещение"_s};
    QTest::newRow("living en quadruple") << u"Form_living"_s << u"en"_s << u"ComboBox221"_s << 3 << 1
        << QStringList{u"Quad accomodation"_s};

    // Food: one list of classes for the café and the restaurant; five
    // cuisines for catering, four dishes for delivery.
    for (const QString &box : {u"ComboBox112"_s, u"ComboBox182"_s}) {
        QTest::addRow("food fr classes %s", qPrintable(box)) << u"Form_food"_s << u"fr"_s << box << 3 << 0
            << QStringList{u"économie"_s, u"moyenne"_s, u"luxe"_s};
        QTest::addRow("food ru classes %s", qPrintable(box)) << u"Form_food"_s << u"ru"_s << box << 3 << 0
            << QStringList{u"Эконом"_s, u"Средний"_s, u"Люкс"_s};
        QTest::addRow("food en classes %s", qPrintable(box)) << u"Form_food"_s << u"en"_s << box << 3 << 0
            << QStringList{u"economy"_s, u"Average"_s, u"luxury"_s};
    }
    for (const QString &language : {u"fr"_s, u"ru"_s, u"en"_s}) {
        QTest::addRow("food %s cuisines", qPrintable(language)) << u"Form_food"_s << language << u"ComboBox251"_s << 5 << 0 << QStringList();
        QTest::addRow("food %s deliveries", qPrintable(language)) << u"Form_food"_s << language << u"ComboBox241"_s << 4 << 0 << QStringList();
    }

    // Construction: the units depend on the work of the row; a piece is
    // "unit" in French too.
    QTest::newRow("construct ru length, walls row 14") << u"Form_construct"_s << u"ru"_s << u"ComboBox1143"_s << 2 << 0
        << QStringList{u"пог.метр"_s, u"пог.фут"_s};
    QTest::newRow("construct ru area, walls row 13") << u"Form_construct"_s << u"ru"_s << u"ComboBox1133"_s << 2 << 0
        << QStringList{u"кв.метр"_s, u"кв.фут"_s};
    QTest::newRow("construct ru piece, electrics row 1") << u"Form_construct"_s << u"ru"_s << u"ComboBox413"_s << 1 << 0
        << QStringList{u"шт."_s};
    QTest::newRow("construct fr area") << u"Form_construct"_s << u"fr"_s << u"ComboBox613"_s << 2 << 0
        << QStringList{u"mètre carré"_s, u"pied carré"_s};
    QTest::newRow("construct fr length") << u"Form_construct"_s << u"fr"_s << u"ComboBox633"_s << 2 << 0
        << QStringList{u"mètre"_s, u"pied"_s};
    QTest::newRow("construct fr piece, English word") << u"Form_construct"_s << u"fr"_s << u"ComboBox6263"_s << 1 << 0
        << QStringList{u"unit"_s};
    QTest::newRow("construct en area") << u"Form_construct"_s << u"en"_s << u"ComboBox9113"_s << 2 << 0
        << QStringList{u"square meter"_s, u"square ft"_s};
    QTest::newRow("construct en length") << u"Form_construct"_s << u"en"_s << u"ComboBox9123"_s << 2 << 0
        << QStringList{u"meter"_s, u"ft"_s};
    QTest::newRow("construct en piece") << u"Form_construct"_s << u"en"_s << u"ComboBox913"_s << 1 << 0
        << QStringList{u"unit"_s};

    // Services: accounting and consulting each have a list of their own;
    // interpretation and translation share one list of languages.
    QTest::newRow("service fr accounting") << u"Form_service"_s << u"fr"_s << u"ComboBox441"_s << 3 << 1 << QStringList{u"Comptabilité"_s};
    QTest::newRow("service ru accounting") << u"Form_service"_s << u"ru"_s << u"ComboBox441"_s << 3 << 1 << QStringList{u"Ведение бухгалтерского учета"_s};
    QTest::newRow("service en accounting") << u"Form_service"_s << u"en"_s << u"ComboBox441"_s << 3 << 1 << QStringList{u"Accounting service"_s};
    QTest::newRow("service fr consulting") << u"Form_service"_s << u"fr"_s << u"ComboBox451"_s << 3 << 0 << QStringList{u"étude de faisabilité"_s};
    QTest::newRow("service ru consulting") << u"Form_service"_s << u"ru"_s << u"ComboBox451"_s << 3 << 0 << QStringList{u"финансово-экономические обоснования"_s};
    QTest::newRow("service en consulting") << u"Form_service"_s << u"en"_s << u"ComboBox451"_s << 3 << 0 << QStringList{u"feasibility study"_s};
    for (const QString &box : {u"ComboBox811"_s, u"ComboBox881"_s}) {
        QTest::addRow("service fr languages %s", qPrintable(box)) << u"Form_service"_s << u"fr"_s << box << 4 << 3 << QStringList{u"Chinois"_s};
        QTest::addRow("service ru languages %s", qPrintable(box)) << u"Form_service"_s << u"ru"_s << box << 4 << 3 << QStringList{u"Китайский"_s};
        QTest::addRow("service en languages %s", qPrintable(box)) << u"Form_service"_s << u"en"_s << box << 4 << 3 << QStringList{u"Chinese"_s};
    }

    // Expenses: the consumables, the English paper with its trailing blank.
    QTest::newRow("expenses fr consumables") << u"Form_expenses"_s << u"fr"_s << u"ComboBox451"_s << 5 << 0
        << QStringList{u"stylo"_s, u"crayon"_s, u"A4 de papier"_s, u"ciseaux"_s, u"gomme"_s};
    QTest::newRow("expenses ru consumables") << u"Form_expenses"_s << u"ru"_s << u"ComboBox451"_s << 5 << 0
        << QStringList{u"Ручка"_s, u"Карандаш"_s, u"Бумага А4"_s, u"Ножницы"_s, u"Резинка"_s};
    QTest::newRow("expenses en consumables") << u"Form_expenses"_s << u"en"_s << u"ComboBox451"_s << 5 << 0
        << QStringList{u"pen"_s, u"pencil"_s, u"paper a4 "_s, u"scissors"_s, u"eraser"_s};

    // Advertising: media-screen sizes (the English list mixes Russian and
    // English units); the French list names the banks in the other order,
    // on every row that offers them.
    QTest::newRow("reclame fr screen sizes") << u"Form_reclame"_s << u"fr"_s << u"ComboBox1112"_s << 2 << 0
        << QStringList{u"1.5х2 m"_s, u"3х4 m"_s};
    QTest::newRow("reclame ru screen sizes") << u"Form_reclame"_s << u"ru"_s << u"ComboBox1112"_s << 2 << 0
        << QStringList{u"1.5х2 метров"_s, u"3х4 метров"_s};
    QTest::newRow("reclame en screen sizes") << u"Form_reclame"_s << u"en"_s << u"ComboBox1112"_s << 2 << 0
        << QStringList{u"1.5х2 метров"_s, u"3х4 m-m"_s};
    for (const QString &box : {u"ComboBox151"_s, u"ComboBox1121"_s}) {
        QTest::addRow("reclame fr banks %s", qPrintable(box)) << u"Form_reclame"_s << u"fr"_s << box << 2 << 0
            << QStringList{u"rive gauche"_s, u"rive droite"_s};
        QTest::addRow("reclame ru banks %s", qPrintable(box)) << u"Form_reclame"_s << u"ru"_s << box << 2 << 0
            << QStringList{u"Правый берег"_s, u"Левый берег"_s};
        QTest::addRow("reclame en banks %s", qPrintable(box)) << u"Form_reclame"_s << u"en"_s << box << 2 << 0
            << QStringList{u"right bank"_s, u"left bank"_s};
    }

    // Events: the English recording levels are the Russian texts.
    QTest::newRow("event fr recording levels") << u"Form_event"_s << u"fr"_s << u"ComboBox232"_s << 2 << 0
        << QStringList{u"par heure"_s, u"lors de l événement"_s};
    QTest::newRow("event ru recording levels") << u"Form_event"_s << u"ru"_s << u"ComboBox232"_s << 2 << 0
        << QStringList{u"За час"_s, u"За мероприятие"_s};
    QTest::newRow("event en recording levels") << u"Form_event"_s << u"en"_s << u"ComboBox232"_s << 2 << 0
        << QStringList{u"За час"_s, u"За мероприятие"_s};
}

void TestCatalogueTexts::optionLists()
{
    QFETCH(QString, screen);
    QFETCH(QString, language);
    QFETCH(QString, box);
    QFETCH(int, count);
    QFETCH(int, from);
    QFETCH(QStringList, items);

    const model::SectionCatalogue *catalogue = catalogueNamed(screen);
    QVERIFY(catalogue);
    const CatalogueTexts texts = catalogueTexts(*catalogue);
    QVERIFY2(texts.options.contains(box), qPrintable(box));
    const QStringList offered = textsIn(texts.options.value(box), languageNamed(language));
    QCOMPARE(offered.size(), count);
    QCOMPARE(offered.mid(from, items.size()), items);
}

void TestCatalogueTexts::lookAlikeLetters_data()
{
    addSectionColumns();
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("item");   // an option box's item; -1: the control's own text
    QTest::addColumn<int>("at");     // the letter's place in the text
    QTest::addColumn<int>("letter"); // its code point

    // Construction: two French headers begin with a Cyrillic Ze instead of a
    // P, and four French work names with a Cyrillic letter.
    QTest::newRow("construct Зlafond, tab 2") << u"Form_construct"_s << u"fr"_s << u"Labelzag21"_s << -1 << 0 << 0x0417;
    QTest::newRow("construct Зlafond, tab 7") << u"Form_construct"_s << u"fr"_s << u"Labelzag71"_s << -1 << 0 << 0x0417;
    QTest::newRow("construct сadre") << u"Form_construct"_s << u"fr"_s << u"Edit181"_s << -1 << 0 << 0x0441;
    QTest::newRow("construct уnlever") << u"Form_construct"_s << u"fr"_s << u"Edit1121"_s << -1 << 0 << 0x0443;
    QTest::newRow("construct Зose") << u"Form_construct"_s << u"fr"_s << u"Edit7101"_s << -1 << 0 << 0x0417;
    QTest::newRow("construct Сhaux") << u"Form_construct"_s << u"fr"_s << u"Edit7111"_s << -1 << 0 << 0x0421;
    // Accommodation: the French quadruple placement ends in a Cyrillic е.
    QTest::newRow("living placementе") << u"Form_living"_s << u"fr"_s << u"ComboBox211"_s << 1 << 19 << 0x0435;
    // Expenses: the Russian A4 is spelt with a Cyrillic А, the French one with a Latin A.
    QTest::newRow("expenses ru А4") << u"Form_expenses"_s << u"ru"_s << u"ComboBox451"_s << 2 << 7 << 0x0410;
    QTest::newRow("expenses fr A4") << u"Form_expenses"_s << u"fr"_s << u"ComboBox451"_s << 2 << 0 << 0x0041;
}

void TestCatalogueTexts::lookAlikeLetters()
{
    QFETCH(QString, screen);
    QFETCH(QString, language);
    QFETCH(QString, control);
    QFETCH(int, item);
    QFETCH(int, at);
    QFETCH(int, letter);

    const model::SectionCatalogue *catalogue = catalogueNamed(screen);
    QVERIFY(catalogue);
    const CatalogueTexts texts = catalogueTexts(*catalogue);
    const base::Language L = languageNamed(language);
    const QString text = item < 0 ? texts.texts.value(control).in(L) : textsIn(texts.options.value(control), L).value(item);
    QVERIFY2(at < text.size(), qPrintable(text));
    QCOMPARE(int(text.at(at).unicode()), letter);
}

void TestCatalogueTexts::sizesUseTheCyrillicDimensionLetter_data()
{
    addSectionColumns();
    QTest::addColumn<QString>("box");
    for (const QString &language : {u"fr"_s, u"ru"_s, u"en"_s}) {
        QTest::addRow("billboard %s", qPrintable(language)) << u"Form_reclame"_s << language << u"ComboBox152"_s;
        QTest::addRow("media screen %s", qPrintable(language)) << u"Form_reclame"_s << language << u"ComboBox1112"_s;
    }
}

void TestCatalogueTexts::sizesUseTheCyrillicDimensionLetter()
{
    QFETCH(QString, screen);
    QFETCH(QString, language);
    QFETCH(QString, box);

    const QStringList sizes = textsIn(catalogueTexts(*catalogueNamed(screen)).options.value(box), languageNamed(language));
    QVERIFY(!sizes.isEmpty());
    for (const QString &size : sizes) {
        QVERIFY2(size.contains(QChar(0x0445)), qPrintable(size));
        QVERIFY2(!size.contains(u'x'), qPrintable(size));
    }
}

void TestCatalogueTexts::headerNumbersLeaveGaps_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("missing");
    QTest::addColumn<QString>("next"); // the header that follows the gap

    // The report and the screens read these headers by name, gaps included.
    QTest::newRow("food Label15") << u"Form_food"_s << u"Label15"_s << u"Label16"_s;
    QTest::newRow("food Label24") << u"Form_food"_s << u"Label24"_s << u"Label26"_s;
    QTest::newRow("food Label25") << u"Form_food"_s << u"Label25"_s << u"Label26"_s;
    QTest::newRow("service Label33") << u"Form_service"_s << u"Label33"_s << u"Label34"_s;
    QTest::newRow("reclame Label15") << u"Form_reclame"_s << u"Label15"_s << u"Label17"_s;
    QTest::newRow("reclame Label16") << u"Form_reclame"_s << u"Label16"_s << u"Label17"_s;
}

void TestCatalogueTexts::headerNumbersLeaveGaps()
{
    QFETCH(QString, screen);
    QFETCH(QString, missing);
    QFETCH(QString, next);

    const CatalogueTexts texts = catalogueTexts(*catalogueNamed(screen));
    QVERIFY(!texts.texts.contains(missing));
    QVERIFY(texts.texts.contains(next));
}

QTEST_APPLESS_MAIN(TestCatalogueTexts)
#include "test_cataloguetexts.moc"
