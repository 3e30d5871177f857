// The reference workbook shipped beside the program, as a spreadsheet
// reader sees it: one sheet per section, rows of the price list written out
// as the sheet must show them.

#include "reportsupport.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QTest>

using namespace torvane;
using namespace torvane::test;

namespace {

// A cell's value as text; prices read as whole numbers.
QString valueOf(const QJsonObject &sheet, const QString &ref)
{
    const QJsonValue value = cellOf(sheet, ref).value(u"value"_s);
    return value.isDouble() ? QString::number(qint64(value.toDouble())) : value.toString();
}

int lastRowOf(const QJsonObject &sheet)
{
    int last = 0;
    const QJsonObject cells = sheet.value(u"cells"_s).toObject();
    for (auto it = cells.begin(); it != cells.end(); ++it)
        last = std::max(last, it.key().mid(1).toInt());
    return last;
}

} // namespace

class TestReference : public QObject
{
    Q_OBJECT

    QJsonArray m_sheets;

private slots:
    void initTestCase()
    {
        const QJsonObject book = readBack(QCoreApplication::applicationDirPath() + u"/sprav.xlsx"_s);
        m_sheets = book.value(u"sheets"_s).toArray();
        QCOMPARE(m_sheets.size(), 8);
    }

    void oneSheetPerSection_data();
    void oneSheetPerSection();
    void priceRows_data();
    void priceRows();
    void columnsFitTheirTexts();
};

void TestReference::oneSheetPerSection_data()
{
    QTest::addColumn<int>("sheet");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("groups"); // group rows: one each time the group changes
    QTest::addColumn<int>("prices"); // one row per price the section applies

    // Logistics: 20 flights and 6 train rides, each for an adult and a child;
    // freight by rail and by road; 3 transfer points; 3 car classes and the
    // driver; warehousing.
    QTest::newRow("logistics") << 0 << u"Logistics and Transportation"_s
                               << u"Logistique et transport / Логистика и траспорт / Logistics and Transportation"_s
                               << 7 << 40 + 12 + 1 + 3 + 1 + 4 + 1;
    // Five hotel levels by three rooms; three options in each other tab.
    QTest::newRow("accommodation") << 1 << u"Accommodation and lodging"_s
                                   << u"Logements / Размещение и проживание / Accommodation and lodging"_s << 5 << 15 + 4 * 3;
    // Three meals by three classes in a café and in a restaurant; 4 deliveries, 5 cuisines, 10 activities.
    QTest::newRow("food") << 2 << u"Entertainment and food"_s
                          << u"Divertissement et de la nourriture / Развлечение и питание / Entertainment and food"_s
                          << 5 << 9 + 9 + 4 + 5 + 10;
    // Every work of the nine tabs.
    QTest::newRow("construction") << 3 << u"Construction and repair"_s
                                  << u"Construction et réparation / Строительство и ремонт / Construction and repair"_s
                                  << 9 << 14 + 7 + 10 + 4 + 5 + 26 + 17 + 15 + 12;
    // Three options a group, three protection types by three classes, four
    // languages for interpreting and for translating.
    QTest::newRow("services") << 4 << u"Services for Business"_s
                              << u"Services aux entreprises / Услуги для бизнеса / Services for Business"_s
                              << 12 << 7 * 3 + 9 + 3 + 3 + 4 + 4;
    QTest::newRow("expenses") << 5 << u"Operating expenses"_s
                              << u"Les charges d exploitation / Операционные расходы / Operating expenses"_s
                              << 6 << 1 + 3 + 3 + 3 + 3 + 5;
    // Letter and design fee; 1 billboard and 2 screen sizes; cards, flyers and
    // banners by class with their design fee; large format by design and class;
    // souvenirs, SEO, contextual, social pages and promotions by class.
    QTest::newRow("advertising") << 6 << u"Advertising"_s << u"Publicité / Реклама / Advertising"_s
                                 << 12 << 2 + 1 + 2 + 4 + 4 + 4 + 6 + 3 + 3 + 3 + 3 + 3;
    QTest::newRow("events") << 7 << u"Organization of events"_s
                            << u"Planification d événements / Организация мероприятий / Organization of events"_s
                            << 4 << 3 + 2 + 3 + 3;
}

void TestReference::oneSheetPerSection()
{
    QFETCH(int, sheet);
    QFETCH(QString, name);
    QFETCH(QString, title);
    QFETCH(int, groups);
    QFETCH(int, prices);

    const QJsonObject s = m_sheets.at(sheet).toObject();
    QCOMPARE(s.value(u"name"_s).toString(), name);
    QCOMPARE(valueOf(s, u"B2"_s), title);
    QCOMPARE(s.value(u"merges"_s).toArray().first().toString(), u"B2:E2"_s);
    QCOMPARE((QStringList{valueOf(s, u"B3"_s), valueOf(s, u"C3"_s), valueOf(s, u"D3"_s), valueOf(s, u"E3"_s)}),
             (QStringList{u"Français"_s, u"Русский"_s, u"English"_s, u"Prix, tenge / Цена, тенге / Price, tenge"_s}));

    // Below the headers, every row is a group (bold, no price) or a price
    // line in three languages; nothing is left out and nothing follows.
    const int last = lastRowOf(s);
    QCOMPARE(last, 3 + groups + prices);
    int groupRows = 0, priceRows = 0;
    for (int row = 4; row <= last; ++row) {
        const QString at = u"row %1"_s.arg(row);
        for (const QChar column : {u'B', u'C', u'D'})
            QVERIFY2(!valueOf(s, column + QString::number(row)).isEmpty(), qPrintable(at));
        const QJsonObject price = cellOf(s, u"E%1"_s.arg(row));
        if (price.value(u"type"_s).toString() == u"number"_s) {
            QVERIFY2(price.value(u"value"_s).toDouble() > 0, qPrintable(at));
            ++priceRows;
        } else {
            QVERIFY2(valueOf(s, u"E%1"_s.arg(row)).isEmpty(), qPrintable(at));
            QVERIFY2(cellOf(s, u"B%1"_s.arg(row)).value(u"bold"_s).toBool(), qPrintable(at));
            ++groupRows;
        }
    }
    QCOMPARE(groupRows, groups);
    QCOMPARE(priceRows, prices);
    QVERIFY(cellOf(s, u"B4"_s).value(u"bold"_s).toBool()); // the first row names its group
}

void TestReference::priceRows_data()
{
    QTest::addColumn<int>("sheet");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("french");
    QTest::addColumn<QString>("russian");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("price"); // empty: a group row

    // Logistics: rows 5-44 are the flights, two a destination.
    QTest::newRow("logistics, first group") << 0 << 4 << u"Les transports de voyageurs"_s << u"Пассажирские перевозки"_s
                                            << u"Passenger transportations"_s << QString();
    QTest::newRow("flight to Almaty, adult") << 0 << 5 << u"Almaty — par adulte"_s << u"Алматы — за взрослого"_s
                                             << u"Almaty — per adult"_s << u"25000"_s;
    QTest::newRow("flight to Almaty, child") << 0 << 6 << u"Almaty — par enfant"_s << u"Алматы — за ребёнка"_s
                                             << u"Almaty — per child"_s << u"13000"_s;
    QTest::newRow("flight to St Petersburg, adult") << 0 << 11 << u"Saint-Pétersbourg — par adulte"_s
                                                    << u"Санкт-Петербург — за взрослого"_s << u"St.-Petersburg — per adult"_s << u"62000"_s;
    QTest::newRow("train, its own group") << 0 << 45 << u"Les transports de voyageurs"_s << u"Пассажирские перевозки"_s
                                          << u"Passenger transportation"_s << QString();
    QTest::newRow("rail freight") << 0 << 59 << u"Astana — Almaty — par tonne et kilomètre"_s
                                  << u"Астана — Алматы — за тонну на километр"_s << u"Astana — Almaty — per ton and kilometer"_s
                                  << u"17340"_s;
    QTest::newRow("transfer from the airport") << 0 << 61 << u"Aéroport Astana — par heure"_s << u"Астана аэропорт — за час"_s
                                               << u"Astana airport — per hour"_s << u"2500"_s;
    QTest::newRow("driver") << 0 << 70 << u"Chauffeur — par unité de durée"_s << u"Водитель — за единицу времени аренды"_s
                            << u"Driver — per unit of rental time"_s << u"500"_s;
    QTest::newRow("warehousing") << 0 << 72 << u"Entreposage — par mètre carré"_s << u"Складирование груза — за кв. метр"_s
                                 << u"Warehousing — per square meter"_s << u"500"_s;

    // Accommodation: group headers lose their leading blank.
    QTest::newRow("hotels, group") << 1 << 4 << u"Réserver une chambre d hôtel"_s << u"Бронирование гостиничного номера"_s
                                   << u"Booking hotel room"_s << QString();
    QTest::newRow("hotel, five stars, single") << 1 << 5 << u"5 étoiles — chambre simple, par nuit"_s
                                               << u"5 звезд — одноместный номер, за сутки"_s << u"5 stars — single room, per night"_s
                                               << u"73200"_s;
    QTest::newRow("hotel, five stars, double") << 1 << 6 << u"5 étoiles — chambre double, par nuit"_s
                                               << u"5 звезд — двухместный номер, за сутки"_s << u"5 stars — double room, per night"_s
                                               << u"94173"_s;
    QTest::newRow("hostel, quadruple") << 1 << 22 << u"quadruple placementе — par personne et nuit"_s
                                       << u"Четырехместное размещение — за человека в сутки"_s
                                       << u"Quad accomodation — per person per night"_s << u"9457"_s;
    QTest::newRow("room, triple") << 1 << 35 << u"triple — par nuit"_s << u"трехместная — за сутки"_s << u"Triple — per night"_s
                                  << u"11427"_s;

    // Food.
    QTest::newRow("breakfast in a café, economy") << 2 << 5 << u"Petit déjeuner — classe économie, par personne"_s
                                                  << u"Завтрак — класс эконом, за человека"_s
                                                  << u"Breakfast — class economy, per person"_s << u"535"_s;
    QTest::newRow("dinner in a restaurant, luxury") << 2 << 23 << u"Dîner — classe luxe, par personne"_s
                                                    << u"Ужин — класс люкс, за человека"_s
                                                    << u"Dinner — class luxury, per person"_s << u"25783"_s;
    QTest::newRow("activities, group") << 2 << 35 << u"Activités récréatives onglet culturel et"_s
                                       << u"Культрурно досуговые мероприятия"_s << u"Cultural and recreational activities"_s
                                       << QString();
    QTest::newRow("theatre") << 2 << 36 << u"Théâtre / Opéra — par personne"_s << u"Театр/опера — за человека"_s
                             << u"Theatre / Opera — per person"_s << u"3000"_s;
    QTest::newRow("spa, trailing blank gone") << 2 << 44 << u"Massage / SPA — par personne"_s << u"SPA — за человека"_s
                                              << u"SPA- Massage — per person"_s << u"6000"_s;

    // Construction: one group a tab, one line a work.
    QTest::newRow("walls, group") << 3 << 4 << u"murs"_s << u"Подготовительная работа по стенам"_s << u"Walls"_s << QString();
    QTest::newRow("first wall demolition") << 3 << 5
        << u"démolition des murs de briques, et autres. 1/2 en briques d épaisseur — par mètre carré"_s
        << u"слом кирпичных перегородок толщиной в 1/2 кирпича — за кв. метр"_s
        << u"demolition of brick walls, etc. 1/2 in thick brick — per square meter"_s << u"2450"_s;
    QTest::newRow("stucco, per metre") << 3 << 18 << u"stuc démantèlement — par mètre"_s << u"демонтаж лепнин — за погонный метр"_s
                                       << u"stucco dismantling — per meter"_s << u"700"_s;
    QTest::newRow("ceiling, Cyrillic Ze") << 3 << 19 << u"Зlafond"_s << u"Подготовительная работа по потолкам"_s << u"Ceiling"_s
                                          << QString();
    QTest::newRow("electrics, per piece") << 3 << 39 << u"le démantèlement électrique — par pièce"_s
                                          << u"демонтаж электрощитка — за штуку"_s << u"the electrical dismantling — per piece"_s
                                          << u"5000"_s;
    QTest::newRow("paperhanging, Cyrillic Ze") << 3 << 86 << u"Зose de papiers peints — par mètre carré"_s
                                               << u"Оклеивание обоями — за кв. метр"_s << u"paperhanging — per square meter"_s
                                               << u"800"_s;
    QTest::newRow("plinth, the last work") << 3 << 122 << u"Socle portant — par mètre"_s << u"Устройство плинтуса — за погонный метр"_s
                                           << u"laying plinth — per meter"_s << u"450"_s;

    // Services.
    QTest::newRow("staff, economy") << 4 << 5 << u"économie — par mois"_s << u"Эконом — за месяц"_s << u"economy — per month"_s
                                    << u"7643"_s;
    QTest::newRow("website, luxury") << 4 << 15 << u"luxe — par site"_s << u"Люкс — за сайт"_s << u"luxury — per site"_s
                                     << u"1000000"_s;
    QTest::newRow("security guard, standard") << 4 << 34 << u"garde de sécurité — classe standard, par personne et jour"_s
                                              << u"Охранник — класс стандарт, за человека в день"_s
                                              << u"security guard — class standard, per person per day"_s << u"10000"_s;
    QTest::newRow("translation, Chinese") << 4 << 59 << u"Chinois — par page"_s << u"Китайский — за страницу"_s
                                          << u"Chinese — per page"_s << u"6000"_s;

    // Expenses.
    QTest::newRow("cleaning") << 5 << 5 << u"Nettoyage — par mètre carré et jour"_s << u"Клиннинг — за кв. метр в день"_s
                              << u"Cleaning — per square meter per day"_s << u"150"_s;
    QTest::newRow("heating") << 5 << 13 << u"chauffage — par mois"_s << u"Отопление — за месяц"_s << u"heating — per month"_s
                             << u"13456"_s;
    QTest::newRow("paper") << 5 << 25 << u"A4 de papier — par pièce"_s << u"Бумага А4 — за штуку"_s << u"paper a4 — per piece"_s
                           << u"720"_s;

    // Advertising.
    QTest::newRow("letter") << 6 << 5 << u"Lettre — par millimètre de hauteur"_s << u"Буква — за миллиметр высоты"_s
                            << u"Letter — per millimeter of height"_s << u"40"_s;
    QTest::newRow("signboard design") << 6 << 6 << u"Oui — frais de conception"_s << u"Да — стоимость дизайна"_s
                                      << u"Yes — design fee"_s << u"5000"_s;
    QTest::newRow("billboard, Cyrillic х") << 6 << 8 << u"3х6 m — par mois"_s << u"3х6 метров — за месяц"_s
                                           << u"3х6 m-m — per month"_s << u"150000"_s;
    QTest::newRow("SEO, luxury") << 6 << 41 << u"luxe — montant fixe"_s << u"Люкс — фиксированная сумма"_s
                                 << u"luxury — fixed amount"_s << u"3000000"_s;
    QTest::newRow("promotion, luxury") << 6 << 53 << u"luxe — par jour"_s << u"Люкс — за день"_s << u"luxury — per day"_s
                                       << u"3000000"_s;

    // Events.
    QTest::newRow("urban artist") << 7 << 5 << u"Ville — par spectacle"_s << u"Городской — за номер"_s << u"Urban — per show"_s
                                  << u"100000"_s;
    QTest::newRow("national artist") << 7 << 7 << u"National — par spectacle"_s << u"Национальный — за номер"_s
                                     << u"National — per show"_s << u"100000000"_s;
    QTest::newRow("artists from abroad, group") << 7 << 11 << u"Réservation artistes de l étranger"_s
                                                << u"Заказ артистов из за рубежа"_s << u"Booking artists from abroad"_s << QString();
    QTest::newRow("fireworks") << 7 << 18 << u"feu d artifice — par pièce"_s << u"Фейрверк — за штуку"_s
                               << u"Fireworks — per piece"_s << u"2000"_s;
}

void TestReference::priceRows()
{
    QFETCH(int, sheet);
    QFETCH(int, row);
    QFETCH(QString, french);
    QFETCH(QString, russian);
    QFETCH(QString, english);
    QFETCH(QString, price);

    const QJsonObject s = m_sheets.at(sheet).toObject();
    const QString r = QString::number(row);
    QCOMPARE(valueOf(s, u"B"_s + r), french);
    QCOMPARE(valueOf(s, u"C"_s + r), russian);
    QCOMPARE(valueOf(s, u"D"_s + r), english);
    QCOMPARE(valueOf(s, u"E"_s + r), price);
    QCOMPARE(cellOf(s, u"B"_s + r).value(u"bold"_s).toBool(), price.isEmpty());
}

// Every column is as wide as its longest text ("Алматы — за взрослого" is
// never cut), up to 60 characters, past which texts wrap; the title and the
// header stay in view while the prices scroll.
void TestReference::columnsFitTheirTexts()
{
    constexpr double widest = 60;
    for (const QJsonValue &value : m_sheets) {
        const QJsonObject s = value.toObject();
        const QString name = s.value(u"name"_s).toString();
        QCOMPARE(s.value(u"frozen_rows"_s).toInt(), 3);
        const QJsonObject widths = s.value(u"widths"_s).toObject();
        const QJsonObject cells = s.value(u"cells"_s).toObject();
        for (const QChar column : {u'B', u'C', u'D', u'E'}) {
            // Widths are stored with 5/7 of a character of padding, to a
            // seventh of a character.
            const double width = widths.value(column).toObject().value(u"width"_s).toDouble() - 5.0 / 7.0;
            qsizetype longest = 0;
            for (auto it = cells.begin(); it != cells.end(); ++it) {
                if (!it.key().startsWith(column) || it.key() == u"B2"_s) // the title spans the columns
                    continue;
                const QJsonValue text = it.value().toObject().value(u"value"_s);
                longest = std::max(longest, text.isString() ? text.toString().size() : QString::number(text.toDouble()).size());
            }
            const QString where = name + u' ' + column;
            QVERIFY2(width >= std::min<double>(longest, widest) - 1.0 / 7 && width <= widest + 1.0 / 7,
                     qPrintable(where + u": %1 for %2 characters"_s.arg(width).arg(longest)));
            if (longest > widest)
                QVERIFY2(cellOf(s, column + u"5"_s).value(u"wrap"_s).toBool(), qPrintable(where));
        }
    }
    // The header of the prices names them in three languages, and fits.
    const QJsonObject logistics = m_sheets.at(0).toObject();
    QVERIFY(logistics.value(u"widths"_s).toObject().value(u"E"_s).toObject().value(u"width"_s).toDouble() >= 40);
}

QTEST_GUILESS_MAIN(TestReference)
#include "test_reference.moc"
