// The texts every section shows in each language: caption, tab buttons,
// group and column headers, fixed row names; and where its totals stand.

#include "testsupport.h"

using namespace torvane;
using namespace torvane::test;

namespace {

const QString kCaption; // the window title rather than a control

} // namespace

class TestSectionTexts : public QObject
{
    Q_OBJECT

    std::unique_ptr<Screens> m_screens;
    QString m_shown;
    ui::sections::SectionScreen *m_section = nullptr;

    // A freshly started program with the section opened in the language,
    // kept for the following rows of the same section and language.
    ui::sections::SectionScreen *open(const QString &screen, int language)
    {
        const QString key = screen + u'/' + QString::number(language);
        if (key != m_shown) {
            m_screens.reset();
            m_screens = std::make_unique<Screens>();
            m_section = m_screens->openSection(screen, language);
            m_shown = key;
        }
        return m_section;
    }

    static void addSectionColumns()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("language");
    }

private slots:
    void cleanupTestCase() { m_screens.reset(); }

    void textsPerLanguage_data();
    void textsPerLanguage();
    void totalsStandInTheirPanel_data();
    void totalsStandInTheirPanel();
    void headerNumbersLeaveGaps_data();
    void headerNumbersLeaveGaps();
};

void TestSectionTexts::textsPerLanguage_data()
{
    addSectionColumns();
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");

    QTest::newRow("logistic fr caption") << u"Form_logistic"_s << 0 << kCaption << u"Logistique et transport"_s;
    QTest::newRow("logistic fr Button5") << u"Form_logistic"_s << 0 << u"Button5"_s << u"Entreposage"_s;
    QTest::newRow("logistic fr Label51") << u"Form_logistic"_s << 0 << u"Label51"_s << u"La quantité d espace requis pour le stockage"_s;
    QTest::newRow("logistic fr Label1") << u"Form_logistic"_s << 0 << u"Label1"_s << u"Résultat:"_s;
    QTest::newRow("logistic ru caption") << u"Form_logistic"_s << 1 << kCaption << u"Логистика и траспорт"_s;
    QTest::newRow("logistic ru Button5") << u"Form_logistic"_s << 1 << u"Button5"_s << u"Складирование груза"_s;
    QTest::newRow("logistic ru Label51") << u"Form_logistic"_s << 1 << u"Label51"_s << u"Площадь складского помещения кв. метры"_s;
    QTest::newRow("logistic ru Label1") << u"Form_logistic"_s << 1 << u"Label1"_s << u"Итог:"_s;
    QTest::newRow("logistic en caption") << u"Form_logistic"_s << 2 << kCaption << u"Logistics and Transportation"_s;
    QTest::newRow("logistic en Button5") << u"Form_logistic"_s << 2 << u"Button5"_s << u"Warehousing"_s;
    QTest::newRow("logistic en Label51") << u"Form_logistic"_s << 2 << u"Label51"_s << u"The amount of required space for storage "_s;
    QTest::newRow("logistic en Label1") << u"Form_logistic"_s << 2 << u"Label1"_s << u"Result:"_s;
    QTest::newRow("living fr caption") << u"Form_living"_s << 0 << kCaption << u"Logements"_s;
    QTest::newRow("living fr Button3") << u"Form_living"_s << 0 << u"Button3"_s << u"Cottages"_s;
    QTest::newRow("living fr Labelzag11") << u"Form_living"_s << 0 << u"Labelzag11"_s << u"Réserver une chambre d hôtel"_s;
    QTest::newRow("living fr Labelzag21") << u"Form_living"_s << 0 << u"Labelzag21"_s << u"Réservation dans Hostel"_s;
    QTest::newRow("living fr Label21") << u"Form_living"_s << 0 << u"Label21"_s << u"Type d hébergement"_s;
    QTest::newRow("living ru caption") << u"Form_living"_s << 1 << kCaption << u"Размещение и проживание"_s;
    QTest::newRow("living ru Button3") << u"Form_living"_s << 1 << u"Button3"_s << u"Коттеджи"_s;
    QTest::newRow("living ru Labelzag11") << u"Form_living"_s << 1 << u"Labelzag11"_s << u"Бронирование гостиничного номера"_s;
    QTest::newRow("living ru Labelzag21") << u"Form_living"_s << 1 << u"Labelzag21"_s << u"Бронирование мест в хостеле"_s;
    QTest::newRow("living ru Label21") << u"Form_living"_s << 1 << u"Label21"_s << u"Тип размещения"_s;
    // Both English group headers start with a blank.
    QTest::newRow("living en caption") << u"Form_living"_s << 2 << kCaption << u"Accommodation and lodging"_s;
    QTest::newRow("living en Button3") << u"Form_living"_s << 2 << u"Button3"_s << u"Houses"_s;
    QTest::newRow("living en Labelzag11") << u"Form_living"_s << 2 << u"Labelzag11"_s << u" Booking hotel room"_s;
    QTest::newRow("living en Labelzag21") << u"Form_living"_s << 2 << u"Labelzag21"_s << u" Booking hotel room"_s;
    QTest::newRow("living en Label21") << u"Form_living"_s << 2 << u"Label21"_s << u"Type of accomodation"_s;
    // French tab 1 title and header 31, and the English ninth activity, end in a blank.
    QTest::newRow("food fr caption") << u"Form_food"_s << 0 << kCaption << u"Divertissement et de la nourriture"_s;
    QTest::newRow("food fr Button1") << u"Form_food"_s << 0 << u"Button1"_s << u"Restaurants et cafés "_s;
    QTest::newRow("food fr Labelzag31") << u"Form_food"_s << 0 << u"Labelzag31"_s << u"Activités récréatives onglet culturel et"_s;
    QTest::newRow("food fr Label31") << u"Form_food"_s << 0 << u"Label31"_s << u"Activités "_s;
    QTest::newRow("food fr Edit391") << u"Form_food"_s << 0 << u"Edit391"_s << u"Massage / SPA"_s;
    QTest::newRow("food ru caption") << u"Form_food"_s << 1 << kCaption << u"Развлечение и питание"_s;
    QTest::newRow("food ru Button1") << u"Form_food"_s << 1 << u"Button1"_s << u"Рестораны и кафе"_s;
    QTest::newRow("food ru Labelzag31") << u"Form_food"_s << 1 << u"Labelzag31"_s << u"Культрурно досуговые мероприятия"_s;
    QTest::newRow("food ru Label31") << u"Form_food"_s << 1 << u"Label31"_s << u"Мероприятие"_s;
    QTest::newRow("food ru Edit391") << u"Form_food"_s << 1 << u"Edit391"_s << u"SPA"_s;
    QTest::newRow("food en caption") << u"Form_food"_s << 2 << kCaption << u"Entertainment and food"_s;
    QTest::newRow("food en Button1") << u"Form_food"_s << 2 << u"Button1"_s << u"Tab restaurants and cafes"_s;
    QTest::newRow("food en Labelzag31") << u"Form_food"_s << 2 << u"Labelzag31"_s << u"Cultural and recreational activities"_s;
    QTest::newRow("food en Label31") << u"Form_food"_s << 2 << u"Label31"_s << u"Activities"_s;
    QTest::newRow("food en Edit391") << u"Form_food"_s << 2 << u"Edit391"_s << u"SPA- Massage "_s;
    QTest::newRow("service fr caption") << u"Form_service"_s << 0 << kCaption << u"Services aux entreprises"_s;
    QTest::newRow("service fr Button6") << u"Form_service"_s << 0 << u"Button6"_s << u"Sûreté et la sécurité, l assurance"_s;
    QTest::newRow("service fr Label34") << u"Form_service"_s << 0 << u"Label34"_s << u"Sélectionnez le service pack"_s;
    QTest::newRow("service fr Label52") << u"Form_service"_s << 0 << u"Label52"_s << u"Période (mois)"_s;
    QTest::newRow("service fr Label85") << u"Form_service"_s << 0 << u"Label85"_s << u"Temps"_s;
    QTest::newRow("service ru caption") << u"Form_service"_s << 1 << kCaption << u"Услуги для бизнеса"_s;
    QTest::newRow("service ru Button6") << u"Form_service"_s << 1 << u"Button6"_s << u"Охрана и безопасность"_s;
    QTest::newRow("service ru Label34") << u"Form_service"_s << 1 << u"Label34"_s << u"Пакет обслуживания"_s;
    QTest::newRow("service ru Label52") << u"Form_service"_s << 1 << u"Label52"_s << u"Период (час)"_s;
    QTest::newRow("service ru Label85") << u"Form_service"_s << 1 << u"Label85"_s << u"Время (страница)"_s;
    QTest::newRow("service en caption") << u"Form_service"_s << 2 << kCaption << u"Services for Business"_s;
    QTest::newRow("service en Button6") << u"Form_service"_s << 2 << u"Button6"_s << u"Safety and security, Insurance"_s;
    QTest::newRow("service en Label34") << u"Form_service"_s << 2 << u"Label34"_s << u"Select the service pack"_s;
    QTest::newRow("service en Label52") << u"Form_service"_s << 2 << u"Label52"_s << u"Period"_s;
    QTest::newRow("service en Label85") << u"Form_service"_s << 2 << u"Label85"_s << u"Time"_s;
    QTest::newRow("expenses fr caption") << u"Form_expenses"_s << 0 << kCaption << u"Les charges d exploitation"_s;
    QTest::newRow("expenses fr Button3") << u"Form_expenses"_s << 0 << u"Button3"_s << u"Meubles"_s;
    QTest::newRow("expenses fr Labelzag12") << u"Form_expenses"_s << 0 << u"Labelzag12"_s << u"Nettoyage à sec"_s;
    QTest::newRow("expenses fr Label11") << u"Form_expenses"_s << 0 << u"Label11"_s << u"Entrez le carré des "_s;
    QTest::newRow("expenses ru caption") << u"Form_expenses"_s << 1 << kCaption << u"Операционные расходы"_s;
    QTest::newRow("expenses ru Button3") << u"Form_expenses"_s << 1 << u"Button3"_s << u"Мебель"_s;
    QTest::newRow("expenses ru Labelzag12") << u"Form_expenses"_s << 1 << u"Labelzag12"_s << u"Химчистка"_s;
    QTest::newRow("expenses ru Label11") << u"Form_expenses"_s << 1 << u"Label11"_s << u"Квадратура"_s;
    QTest::newRow("expenses en caption") << u"Form_expenses"_s << 2 << kCaption << u"Operating expenses"_s;
    QTest::newRow("expenses en Button3") << u"Form_expenses"_s << 2 << u"Button3"_s << u"Rental and purchase of furniture"_s;
    QTest::newRow("expenses en Labelzag12") << u"Form_expenses"_s << 2 << u"Labelzag12"_s << u"dry-cleaning"_s;
    QTest::newRow("expenses en Label11") << u"Form_expenses"_s << 2 << u"Label11"_s << u"- Enter the square the premises"_s;
    QTest::newRow("reclame fr caption") << u"Form_reclame"_s << 0 << kCaption << u"Publicité"_s;
    QTest::newRow("reclame fr Button3") << u"Form_reclame"_s << 0 << u"Button3"_s << u"Marketing Internet"_s;
    QTest::newRow("reclame fr Labelzag13") << u"Form_reclame"_s << 0 << u"Labelzag13"_s << u"Pour écran Louer médias"_s;
    QTest::newRow("reclame fr Label17") << u"Form_reclame"_s << 0 << u"Label17"_s << u"Placer un panneau d affichage"_s;
    QTest::newRow("reclame fr Label39") << u"Form_reclame"_s << 0 << u"Label39"_s << u"Pendant un mois "_s;
    QTest::newRow("reclame ru caption") << u"Form_reclame"_s << 1 << kCaption << u"Реклама"_s;
    QTest::newRow("reclame ru Button3") << u"Form_reclame"_s << 1 << u"Button3"_s << u"Интернет маркетинг"_s;
    QTest::newRow("reclame ru Labelzag13") << u"Form_reclame"_s << 1 << u"Labelzag13"_s << u"Аренда мультимедийного экрана"_s;
    QTest::newRow("reclame ru Label17") << u"Form_reclame"_s << 1 << u"Label17"_s << u"Место билборда"_s;
    QTest::newRow("reclame ru Label39") << u"Form_reclame"_s << 1 << u"Label39"_s << u"Период месяц"_s;
    QTest::newRow("reclame en caption") << u"Form_reclame"_s << 2 << kCaption << u"Advertising"_s;
    QTest::newRow("reclame en Button3") << u"Form_reclame"_s << 2 << u"Button3"_s << u"Keeping pages in social networks"_s;
    QTest::newRow("reclame en Labelzag13") << u"Form_reclame"_s << 2 << u"Labelzag13"_s << u"For Rent Media Screen"_s;
    QTest::newRow("reclame en Label17") << u"Form_reclame"_s << 2 << u"Label17"_s << u"place a billboard"_s;
    QTest::newRow("reclame en Label39") << u"Form_reclame"_s << 2 << u"Label39"_s << u"period of months"_s;
    QTest::newRow("event fr caption") << u"Form_event"_s << 0 << kCaption << u"Planification d événements"_s;
    QTest::newRow("event fr Button1") << u"Form_event"_s << 0 << u"Button1"_s << u"Artistes du Kazakhstan et de la Russie "_s;
    QTest::newRow("event fr Button3") << u"Form_event"_s << 0 << u"Button3"_s << u"Réservation artistes de l étranger\t"_s;
    QTest::newRow("event fr Labelzag31") << u"Form_event"_s << 0 << u"Labelzag31"_s << u"Réservation artistes de l étranger"_s;
    QTest::newRow("event fr Label33") << u"Form_event"_s << 0 << u"Label33"_s << u"Somme $"_s;
    QTest::newRow("event ru caption") << u"Form_event"_s << 1 << kCaption << u"Организация мероприятий"_s;
    QTest::newRow("event ru Button1") << u"Form_event"_s << 1 << u"Button1"_s << u"Артисты Казахстана и России"_s;
    QTest::newRow("event ru Button3") << u"Form_event"_s << 1 << u"Button3"_s << u"Заказ зарубежных артистов"_s;
    QTest::newRow("event ru Labelzag31") << u"Form_event"_s << 1 << u"Labelzag31"_s << u"Заказ артистов из за рубежа"_s;
    QTest::newRow("event ru Label33") << u"Form_event"_s << 1 << u"Label33"_s << u"Сумма $"_s;
    QTest::newRow("event en caption") << u"Form_event"_s << 2 << kCaption << u"Organization of events"_s;
    QTest::newRow("event en Button1") << u"Form_event"_s << 2 << u"Button1"_s << u"Artists of Kazakhstan and Russia"_s;
    QTest::newRow("event en Button3") << u"Form_event"_s << 2 << u"Button3"_s << u"Booking artists from abroad "_s;
    QTest::newRow("event en Labelzag31") << u"Form_event"_s << 2 << u"Labelzag31"_s << u"Booking artists from abroad "_s;
    QTest::newRow("event en Label33") << u"Form_event"_s << 2 << u"Label33"_s << u"The sum $"_s;
}

void TestSectionTexts::textsPerLanguage()
{
    QFETCH(QString, screen);
    QFETCH(int, language);
    QFETCH(QString, control);
    QFETCH(QString, text);

    ui::sections::SectionScreen *s = open(screen, language);
    QCOMPARE(control == kCaption ? s->windowTitle() : s->controlText(control), text);
}

void TestSectionTexts::totalsStandInTheirPanel_data()
{
    addSectionColumns();
    QTest::addColumn<QString>("panel");

    QTest::newRow("logistic fr") << u"Form_logistic"_s << 0 << u"ScrollBox6"_s;
    QTest::newRow("logistic ru") << u"Form_logistic"_s << 1 << u"ScrollBox6"_s;
    QTest::newRow("logistic en") << u"Form_logistic"_s << 2 << u"ScrollBox6"_s;
    QTest::newRow("living fr") << u"Form_living"_s << 0 << u"ScrollBox6"_s;
    QTest::newRow("living ru") << u"Form_living"_s << 1 << u"ScrollBox6"_s;
    QTest::newRow("living en") << u"Form_living"_s << 2 << u"ScrollBox6"_s;
    QTest::newRow("food fr") << u"Form_food"_s << 0 << u"ScrollBox5"_s;
    QTest::newRow("food ru") << u"Form_food"_s << 1 << u"ScrollBox5"_s;
    QTest::newRow("food en") << u"Form_food"_s << 2 << u"ScrollBox5"_s;
    QTest::newRow("service fr") << u"Form_service"_s << 0 << u"ScrollBox9"_s;
    QTest::newRow("service ru") << u"Form_service"_s << 1 << u"ScrollBox9"_s;
    QTest::newRow("service en") << u"Form_service"_s << 2 << u"ScrollBox9"_s;
    QTest::newRow("expenses fr") << u"Form_expenses"_s << 0 << u"ScrollBox5"_s;
    QTest::newRow("expenses ru") << u"Form_expenses"_s << 1 << u"ScrollBox5"_s;
    QTest::newRow("expenses en") << u"Form_expenses"_s << 2 << u"ScrollBox5"_s;
    QTest::newRow("reclame fr") << u"Form_reclame"_s << 0 << u"ScrollBox5"_s;
    QTest::newRow("reclame ru") << u"Form_reclame"_s << 1 << u"ScrollBox5"_s;
    QTest::newRow("reclame en") << u"Form_reclame"_s << 2 << u"ScrollBox5"_s;
    QTest::newRow("event fr") << u"Form_event"_s << 0 << u"ScrollBox5"_s;
    QTest::newRow("event ru") << u"Form_event"_s << 1 << u"ScrollBox5"_s;
    QTest::newRow("event en") << u"Form_event"_s << 2 << u"ScrollBox5"_s;
}

void TestSectionTexts::totalsStandInTheirPanel()
{
    QFETCH(QString, screen);
    QFETCH(int, language);
    QFETCH(QString, panel);

    ui::sections::SectionScreen *s = open(screen, language);
    QCOMPARE(s->control(panel), s->TotalsPanel);
}

void TestSectionTexts::headerNumbersLeaveGaps_data()
{
    addSectionColumns();
    QTest::addColumn<QString>("control");

    // The IT group's headers start at Label34; the billboard headers follow
    // Label14 at Label17.
    QTest::newRow("service fr Label33") << u"Form_service"_s << 0 << u"Label33"_s;
    QTest::newRow("service ru Label33") << u"Form_service"_s << 1 << u"Label33"_s;
    QTest::newRow("service en Label33") << u"Form_service"_s << 2 << u"Label33"_s;
    QTest::newRow("reclame fr Label15") << u"Form_reclame"_s << 0 << u"Label15"_s;
    QTest::newRow("reclame fr Label16") << u"Form_reclame"_s << 0 << u"Label16"_s;
    QTest::newRow("reclame ru Label15") << u"Form_reclame"_s << 1 << u"Label15"_s;
    QTest::newRow("reclame ru Label16") << u"Form_reclame"_s << 1 << u"Label16"_s;
    QTest::newRow("reclame en Label15") << u"Form_reclame"_s << 2 << u"Label15"_s;
    QTest::newRow("reclame en Label16") << u"Form_reclame"_s << 2 << u"Label16"_s;
}

void TestSectionTexts::headerNumbersLeaveGaps()
{
    QFETCH(QString, screen);
    QFETCH(int, language);
    QFETCH(QString, control);

    QVERIFY(!open(screen, language)->control(control));
}

QTEST_MAIN(TestSectionTexts)
#include "test_section_texts.moc"
