// Food and leisure prices, fixed activity rows, texts and totals.

#include "testsupport.h"

#include "model/sections/code_food.h"

using namespace torvane;
using namespace torvane::test;

class TestSectionFood : public QObject
{
    Q_OBJECT

private slots:
    void rowPrices_data();
    void rowPrices();
    void subtotalsAndTotalFollowEveryTab();
    void textsPerLanguage_data();
    void textsPerLanguage();
    void classListPerLanguage();
    void activityNamesAreFixedAndReadOnly();
    void rowSetBackToZeroPersonsDropsTheSubtotal();
    void headerNumbersSkipTheGaps();
};

void TestSectionFood::rowPrices_data()
{
    addRowPriceColumns();

    using P = QList<int>;
    using Q = QStringList;
    // Same meal and class, café rows 1-4 against restaurant rows 5-8.
    QTest::newRow("restaurant dinner luxury, 2") << 1 << 5 << P{2, 2} << Q{{}, {}, u"2"_s} << u"51566"_s;
    QTest::newRow("café dinner luxury, 2") << 1 << 4 << P{2, 2} << Q{{}, {}, u"2"_s} << u"23126"_s;
    QTest::newRow("café breakfast economy, 1") << 1 << 1 << P{0, 0} << Q{{}, {}, u"1"_s} << u"535"_s;
    QTest::newRow("restaurant breakfast economy, 1") << 1 << 8 << P{0, 0} << Q{{}, {}, u"1"_s} << u"1068"_s;
    QTest::newRow("café lunch average, 3") << 1 << 2 << P{1, 1} << Q{{}, {}, u"3"_s} << u"6195"_s;
    QTest::newRow("restaurant lunch luxury, 1") << 1 << 6 << P{1, 2} << Q{{}, {}, u"1"_s} << u"7148"_s;
    QTest::newRow("café without class") << 1 << 3 << P{1, -1} << Q{{}, {}, u"3"_s} << u"0"_s;
    QTest::newRow("restaurant, 0 persons") << 1 << 7 << P{2, 1} << Q{{}, {}, u"0"_s} << u"0"_s;
    QTest::newRow("delivery sushi, 0 persons") << 2 << 1 << P{1} << Q{{}, u"0"_s} << u"0"_s;
    QTest::newRow("delivery sushi, 3 persons") << 2 << 2 << P{1} << Q{{}, u"3"_s} << u"6000"_s;
    QTest::newRow("delivery fast food, 2 persons") << 2 << 4 << P{3} << Q{{}, u"2"_s} << u"3000"_s;
    QTest::newRow("catering Italian, 10 persons, time 3") << 2 << 5 << P{4} << Q{{}, u"10"_s, u"3"_s} << u"210000"_s;
    QTest::newRow("catering Italian, time 0") << 2 << 6 << P{4} << Q{{}, u"10"_s, u"0"_s} << u"0"_s;
    QTest::newRow("catering East, 5 persons, time 2") << 2 << 8 << P{0} << Q{{}, u"5"_s, u"2"_s} << u"40000"_s;
    QTest::newRow("catering without cuisine") << 2 << 7 << P{-1} << Q{{}, u"5"_s, u"2"_s} << u"0"_s;
    QTest::newRow("theatre, first row, 1") << 3 << 1 << P{} << Q{{}, u"1"_s} << u"3000"_s;
    QTest::newRow("museum, 4") << 3 << 3 << P{} << Q{{}, u"4"_s} << u"2000"_s;
    QTest::newRow("shopping, 2") << 3 << 8 << P{} << Q{{}, u"2"_s} << u"20000"_s;
    QTest::newRow("beauty, last row, 1") << 3 << 10 << P{} << Q{{}, u"1"_s} << u"5000"_s;
    QTest::newRow("fitness, 0") << 3 << 5 << P{} << Q{{}, u"0"_s} << u"0"_s;
}

void TestSectionFood::rowPrices()
{
    checkRowPrice(sections::foodCatalogue());
}

void TestSectionFood::subtotalsAndTotalFollowEveryTab()
{
    TableInputs inputs;
    inputs.choose(1, 1, 1, 0).choose(1, 1, 2, 0).type(1, 1, 3, u"2"_s); // 1070
    inputs.choose(1, 5, 1, 2).choose(1, 5, 2, 2).type(1, 5, 3, u"2"_s); // 51566
    inputs.choose(2, 1, 1, 0).type(2, 1, 2, u"4"_s); // 6000
    inputs.choose(2, 5, 1, 3).type(2, 5, 2, u"2"_s).type(2, 5, 3, u"1"_s); // 14000
    inputs.type(3, 2, 2, u"3"_s); // 6000
    inputs.type(3, 9, 2, u"1"_s); // 6000
    // A name column is never read as a quantity.
    inputs.type(3, 1, 1, u"Théâtre / Opéra"_s);
    const model::SectionFigures figures = priced(sections::foodCatalogue(), inputs);
    QCOMPARE(figures.subtotals, (QStringList{u"52636"_s, u"20000"_s, u"12000"_s}));
    QCOMPARE(figures.total, u"84636"_s);
    // Row sums go to column 4 in tab 1 and catering, column 3 in delivery and tab 3.
    QCOMPARE(figures.rows.size(), 8 + 8 + 10);
    for (const model::RowFigure &figure : figures.rows) {
        const bool catering = figure.cell.tab == 2 && figure.cell.row >= 5;
        QCOMPARE(figure.cell.column, figure.cell.tab == 1 || catering ? 4 : 3);
    }
}

void TestSectionFood::textsPerLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("button1");
    QTest::addColumn<QString>("labelzag31");
    QTest::addColumn<QString>("label31");
    QTest::addColumn<QString>("activity9");

    // French tab 1 title and header 31, and the English ninth activity, end in a blank.
    QTest::newRow("fr") << 0 << u"Divertissement et de la nourriture"_s << u"Restaurants et cafés "_s
                        << u"Activités récréatives onglet culturel et"_s << u"Activités "_s << u"Massage / SPA"_s;
    QTest::newRow("ru") << 1 << u"Развлечение и питание"_s << u"Рестораны и кафе"_s
                        << u"Культрурно досуговые мероприятия"_s << u"Мероприятие"_s << u"SPA"_s;
    QTest::newRow("en") << 2 << u"Entertainment and food"_s << u"Tab restaurants and cafes"_s
                        << u"Cultural and recreational activities"_s << u"Activities"_s << u"SPA- Massage "_s;
}

void TestSectionFood::textsPerLanguage()
{
    QFETCH(int, language);
    QFETCH(QString, caption);
    QFETCH(QString, button1);
    QFETCH(QString, labelzag31);
    QFETCH(QString, label31);
    QFETCH(QString, activity9);

    Screens screens;
    ui::SectionScreen *s = screens.openSection(u"Form_food"_s, language);
    QCOMPARE(s->windowTitle(), caption);
    QCOMPARE(s->controlText(u"Button1"_s), button1);
    QCOMPARE(s->controlText(u"Labelzag31"_s), labelzag31);
    QCOMPARE(s->controlText(u"Label31"_s), label31);
    QCOMPARE(s->controlText(u"Edit391"_s), activity9);
    QCOMPARE(s->control(u"ScrollBox5"_s), s->TotalsPanel);
}

void TestSectionFood::classListPerLanguage()
{
    Screens screens;
    const QList<QStringList> classes{
        {u"économie"_s, u"moyenne"_s, u"luxe"_s},
        {u"Эконом"_s, u"Средний"_s, u"Люкс"_s},
        {u"economy"_s, u"Average"_s, u"luxury"_s},
    };
    for (int language = 0; language < 3; ++language) {
        ui::SectionScreen *s = screens.openSection(u"Form_food"_s, language);
        for (const QString &name : {u"ComboBox112"_s, u"ComboBox182"_s}) {
            QComboBox *box = s->findChild<QComboBox *>(name);
            QVERIFY(box);
            QStringList items;
            for (int i = 0; i < box->count(); ++i)
                items << box->itemText(i);
            QCOMPARE(items, classes[language]);
            QCOMPARE(box->currentIndex(), -1);
        }
        QCOMPARE(s->findChild<QComboBox *>(u"ComboBox251"_s)->count(), 5);
        QCOMPARE(s->findChild<QComboBox *>(u"ComboBox241"_s)->count(), 4);
    }
}

void TestSectionFood::activityNamesAreFixedAndReadOnly()
{
    Screens screens;
    ui::SectionScreen *s = screens.openSection(u"Form_food"_s, 0);
    QLineEdit *first = s->findChild<QLineEdit *>(u"Edit311"_s);
    QLineEdit *last = s->findChild<QLineEdit *>(u"Edit3101"_s);
    QVERIFY(first && last);
    QVERIFY(first->isReadOnly());
    QVERIFY(last->isReadOnly());
    QCOMPARE(first->text(), u"Théâtre / Opéra"_s);
    QCOMPARE(last->text(), u"Beauté"_s);

    // Shown again in another language: layout and localisation rerun, the names
    // follow the language and never fall back to "0".
    s = screens.openSection(u"Form_food"_s, 2);
    QCOMPARE(first->text(), u"Theatre / Opera"_s);
    QCOMPARE(last->text(), u"Beauty Salons"_s);
    QCOMPARE(s->findChild<QLineEdit *>(u"Edit312"_s)->text(), u"0"_s);
}

void TestSectionFood::rowSetBackToZeroPersonsDropsTheSubtotal()
{
    Screens screens;
    ui::SectionScreen *s = screens.openSection(u"Form_food"_s, 1);
    type(s, 3, 8, 2, u"2"_s);
    type(s, 3, 1, 2, u"1"_s);
    settle(s);
    QCOMPARE(s->edit(3, 8, 3)->text(), u"20000"_s);
    QCOMPARE(s->SumEdit[2]->text(), u"23000"_s);
    QCOMPARE(s->Edit1->text(), u"23000"_s);
    type(s, 3, 8, 2, u"0"_s);
    settle(s);
    QCOMPARE(s->edit(3, 8, 3)->text(), u"0"_s);
    QCOMPARE(s->SumEdit[2]->text(), u"3000"_s);
    QCOMPARE(s->Edit1->text(), u"3000"_s);
    QCOMPARE(s->edit(3, 8, 1)->text(), u"Шопинг"_s);
}

void TestSectionFood::headerNumbersSkipTheGaps()
{
    // Second groups' headers are Label16..Label19 and Label26..Label29; the
    // report reads them by these names.
    Screens screens;
    ui::SectionScreen *s = screens.openSection(u"Form_food"_s, 2);
    for (const QString &name : {u"Label15"_s, u"Label24"_s, u"Label25"_s})
        QVERIFY2(!s->control(name), qPrintable(name));
    QCOMPARE(s->controlText(u"Label16"_s), u"Select the type of meal"_s);
    QCOMPARE(s->controlText(u"Label28"_s), u"Time"_s);
    QCOMPARE(s->controlText(u"Label29"_s), u"The sum"_s);

    const model::ReportPlan plan = model::reportPlanOf(sections::foodCatalogue());
    QCOMPARE(plan.tabs.size(), 3);
    for (const model::ReportTab &tab : plan.tabs) {
        for (const model::ReportGroup &group : tab.groups) {
            QCOMPARE(group.headerControls.size(), group.gridColumns);
            for (const QString &header : group.headerControls)
                QVERIFY2(!s->controlText(header).isEmpty(), qPrintable(header));
            if (!group.titleControl.isEmpty())
                QVERIFY(!s->controlText(group.titleControl).isEmpty());
        }
    }
    QCOMPARE(plan.tabs[0].groups[1].headerControls.front(), u"Label16"_s);
    QCOMPARE(plan.tabs[1].groups[1].headerControls.back(), u"Label29"_s);
}

QTEST_MAIN(TestSectionFood)
#include "test_section_food.moc"
