// Events and entertainment prices, texts, totals and the silent first layout.

#include "testsupport.h"

#include "model/sections/code_event.h"

using namespace torvane;
using namespace torvane::test;

namespace {

const model::SectionCatalogue &catalogue()
{
    return sections::eventCatalogue();
}

} // namespace

class TestSectionEvent : public QObject
{
    Q_OBJECT

private slots:
    void rowPrices_data();
    void rowPrices();
    void foreignArtistsAddToTheTotalAsTheyAre();
    void textsPerLanguage_data();
    void textsPerLanguage();
    void englishRecordingLevelsAreRussianTexts();
    void totalStaysEmptyUntilTheFirstChange();
};

void TestSectionEvent::rowPrices_data()
{
    addRowPriceColumns();

    using P = QList<int>;
    using Q = QStringList;
    QTest::newRow("urban 2 shows") << 1 << 1 << P{0} << Q{{}, u"2"_s} << u"200000"_s;
    QTest::newRow("regional 3 shows") << 1 << 2 << P{1} << Q{{}, u"3"_s} << u"4200000"_s;
    QTest::newRow("national 1 show") << 1 << 5 << P{2} << Q{{}, u"1"_s} << u"100000000"_s;
    QTest::newRow("national 22 shows, beyond 32 bits") << 1 << 3 << P{2} << Q{{}, u"22"_s} << u"2200000000"_s;
    QTest::newRow("national largest count") << 1 << 4 << P{2} << Q{{}, u"2147483647"_s} << u"214748364700000000"_s;
    QTest::newRow("artist without category") << 1 << 4 << P{-1} << Q{{}, u"2"_s} << u"0"_s;
    QTest::newRow("photo per hour 5 hours") << 2 << 1 << P{0, 0} << Q{{}, {}, u"5"_s} << u"50000"_s;
    QTest::newRow("photo per event 5 hours") << 2 << 2 << P{0, 1} << Q{{}, {}, u"5"_s} << u"50000"_s;
    QTest::newRow("video 5 hours") << 2 << 5 << P{1, 1} << Q{{}, {}, u"5"_s} << u"75000"_s;
    QTest::newRow("photo without level") << 2 << 3 << P{0, -1} << Q{{}, {}, u"5"_s} << u"0"_s;
    QTest::newRow("video 0 hours") << 2 << 4 << P{1, 0} << Q{{}, {}, u"0"_s} << u"0"_s;
    QTest::newRow("foreign singers 1 show") << 3 << 1 << P{0} << Q{{}, u"1"_s} << u"700000"_s;
    QTest::newRow("top star 2 shows") << 3 << 5 << P{2} << Q{{}, u"2"_s} << u"3000000"_s;
    QTest::newRow("chocolate fountain 1") << 4 << 1 << P{0} << Q{{}, u"1"_s} << u"20000"_s;
    QTest::newRow("helium balloons 100") << 4 << 2 << P{1} << Q{{}, u"100"_s} << u"50000"_s;
    QTest::newRow("fireworks 3") << 4 << 3 << P{2} << Q{{}, u"3"_s} << u"6000"_s;
}

void TestSectionEvent::rowPrices()
{
    checkRowPrice(catalogue());
}

void TestSectionEvent::foreignArtistsAddToTheTotalAsTheyAre()
{
    TableInputs inputs;
    inputs.choose(1, 1, 1, 0).type(1, 1, 2, u"2"_s); // 200000
    inputs.choose(3, 2, 1, 2).type(3, 2, 2, u"2"_s); // 3000000, no exchange rate
    inputs.choose(4, 1, 1, 0).type(4, 1, 2, u"1"_s); // 20000
    inputs.choose(4, 2, 1, 1).type(4, 2, 2, u"100"_s); // 50000
    inputs.choose(4, 5, 1, 2).type(4, 5, 2, u"3"_s); // 6000
    const model::SectionFigures figures = priced(catalogue(), inputs);
    QCOMPARE(figures.subtotals, (QStringList{u"200000"_s, u"0"_s, u"3000000"_s, u"76000"_s}));
    QCOMPARE(figures.total, u"3276000"_s);
}

void TestSectionEvent::textsPerLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("button1");
    QTest::addColumn<QString>("button3");
    QTest::addColumn<QString>("labelzag31");
    QTest::addColumn<QString>("label33");

    QTest::newRow("fr") << 0 << u"Planification d événements"_s << u"Artistes du Kazakhstan et de la Russie "_s
                        << u"Réservation artistes de l étranger\t"_s << u"Réservation artistes de l étranger"_s
                        << u"Somme $"_s;
    QTest::newRow("ru") << 1 << u"Организация мероприятий"_s << u"Артисты Казахстана и России"_s
                        << u"Заказ зарубежных артистов"_s << u"Заказ артистов из за рубежа"_s << u"Сумма $"_s;
    QTest::newRow("en") << 2 << u"Organization of events"_s << u"Artists of Kazakhstan and Russia"_s
                        << u"Booking artists from abroad "_s << u"Booking artists from abroad "_s << u"The sum $"_s;
}

void TestSectionEvent::textsPerLanguage()
{
    QFETCH(int, language);
    QFETCH(QString, caption);
    QFETCH(QString, button1);
    QFETCH(QString, button3);
    QFETCH(QString, labelzag31);
    QFETCH(QString, label33);

    Screens screens;
    ui::SectionScreen *s = screens.openSection(u"Form_event"_s, language);
    QCOMPARE(s->windowTitle(), caption);
    QCOMPARE(s->controlText(u"Button1"_s), button1);
    QCOMPARE(s->controlText(u"Button3"_s), button3);
    QCOMPARE(s->controlText(u"Labelzag31"_s), labelzag31);
    QCOMPARE(s->controlText(u"Label33"_s), label33);
    QCOMPARE(s->control(u"ScrollBox5"_s), s->TotalsPanel);
}

void TestSectionEvent::englishRecordingLevelsAreRussianTexts()
{
    Screens screens;
    const QList<QStringList> expected{
        {u"par heure"_s, u"lors de l événement"_s},
        {u"За час"_s, u"За мероприятие"_s},
        {u"За час"_s, u"За мероприятие"_s},
    };
    for (int language = 0; language < 3; ++language) {
        ui::SectionScreen *s = screens.openSection(u"Form_event"_s, language);
        QComboBox *box = s->comboBox(2, 3, 2);
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        QCOMPARE(items, expected[language]);
    }
}

void TestSectionEvent::totalStaysEmptyUntilTheFirstChange()
{
    Screens screens;
    ui::SectionScreen *s = screens.openSection(u"Form_event"_s, 1);
    QVERIFY(s->Edit1->text().isEmpty());
    for (QLineEdit *subtotal : std::as_const(s->SumEdit))
        QCOMPARE(subtotal->text(), u"0"_s);
    QCOMPARE(s->passCount(), 0);

    choose(s, 4, 1, 1, 0);
    QVERIFY(s->Timer3->isOn());
    settle(s);
    QCOMPARE(s->Edit1->text(), u"0"_s);
    QCOMPARE(s->SumEdit[3]->text(), u"0"_s);
}

QTEST_MAIN(TestSectionEvent)
#include "test_section_event.moc"
