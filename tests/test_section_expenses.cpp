// Running expenses prices, texts, totals and tab 1 geometry.

#include "testsupport.h"

#include "model/sections/code_expenses.h"

#include <QScrollArea>

using namespace torvane;
using namespace torvane::test;

namespace {

const model::SectionCatalogue &catalogue()
{
    return sections::expensesCatalogue();
}

} // namespace

class TestSectionExpenses : public QObject
{
    Q_OBJECT

private slots:
    void rowPrices_data();
    void rowPrices();
    void subtotalsAndTotal();
    void cleaningProductTooLargeForAnyIntegerFailsThePass();
    void textsPerLanguage_data();
    void textsPerLanguage();
    void consumableListKeepsItsExactTexts();
    void cleaningCellsAreNarrowerThanTheirHeaderSpacing();
};

void TestSectionExpenses::rowPrices_data()
{
    addRowPriceColumns();

    using P = QList<int>;
    using Q = QStringList;
    QTest::newRow("cleaning 100 m2 2 days") << 1 << 1 << P{} << Q{u"100"_s, u"2"_s} << u"30000"_s;
    QTest::newRow("cleaning days emptied") << 1 << 2 << P{} << Q{u"100"_s, u""_s} << u"0"_s;
    QTest::newRow("cleaning 0 m2") << 1 << 3 << P{} << Q{u"0"_s, u"5"_s} << u"0"_s;
    QTest::newRow("cleaning 10000 m2 1432 days, beyond 32 bits") << 1 << 4 << P{} << Q{u"10000"_s, u"1432"_s}
                                                                  << u"2148000000"_s;
    QTest::newRow("dry-cleaning car 1") << 1 << 5 << P{2} << Q{{}, u"1"_s} << u"10000"_s;
    QTest::newRow("dry-cleaning clothing 3") << 1 << 8 << P{0} << Q{{}, u"3"_s} << u"15000"_s;
    QTest::newRow("dry-cleaning without item") << 1 << 6 << P{-1} << Q{{}, u"3"_s} << u"0"_s;
    QTest::newRow("heating 6 months") << 2 << 1 << P{2} << Q{{}, u"6"_s} << u"80736"_s;
    QTest::newRow("water 12 months") << 2 << 5 << P{0} << Q{{}, u"12"_s} << u"30000"_s;
    QTest::newRow("electric power 12 months") << 2 << 3 << P{1} << Q{{}, u"12"_s} << u"30000"_s;
    QTest::newRow("purchase office average 4") << 3 << 1 << P{1, 0} << Q{{}, {}, u"4"_s} << u"28000"_s;
    QTest::newRow("rental office average 4") << 3 << 8 << P{1, 0} << Q{{}, {}, u"4"_s} << u"28000"_s;
    QTest::newRow("purchase restaurants average 1") << 3 << 2 << P{2, 0} << Q{{}, {}, u"1"_s} << u"10000"_s;
    QTest::newRow("purchase without class") << 3 << 3 << P{1, -1} << Q{{}, {}, u"4"_s} << u"0"_s;
    QTest::newRow("rental without type") << 3 << 5 << P{-1, 0} << Q{{}, {}, u"4"_s} << u"0"_s;
    QTest::newRow("pens 10") << 4 << 1 << P{0} << Q{{}, u"10"_s} << u"1200"_s;
    QTest::newRow("A4 paper 5") << 4 << 2 << P{2} << Q{{}, u"5"_s} << u"3600"_s;
    QTest::newRow("scissors 2") << 4 << 4 << P{3} << Q{{}, u"2"_s} << u"1120"_s;
    QTest::newRow("erasers 2") << 4 << 5 << P{4} << Q{{}, u"2"_s} << u"110"_s;
}

void TestSectionExpenses::rowPrices()
{
    checkRowPrice(catalogue());
}

void TestSectionExpenses::subtotalsAndTotal()
{
    TableInputs inputs;
    inputs.type(1, 1, 1, u"100"_s).type(1, 1, 2, u"2"_s);   // 30000
    inputs.choose(2, 1, 1, 2).type(2, 1, 2, u"6"_s);        // 80736
    inputs.choose(4, 1, 1, 0).type(4, 1, 2, u"10"_s);       // 1200
    inputs.choose(4, 2, 1, 2).type(4, 2, 2, u"5"_s);        // 3600
    inputs.choose(4, 5, 1, 4).type(4, 5, 2, u"2"_s);        // 110
    model::SectionFigures figures = priced(catalogue(), inputs);
    QCOMPARE(figures.subtotals, (QStringList{u"30000"_s, u"80736"_s, u"0"_s, u"4910"_s}));
    QCOMPARE(figures.total, u"115646"_s);

    // Both furniture groups add into one subtotal of column 4.
    inputs.choose(3, 4, 1, 0).choose(3, 4, 2, 0).type(3, 4, 3, u"1"_s);
    inputs.choose(3, 7, 1, 0).choose(3, 7, 2, 0).type(3, 7, 3, u"2"_s);
    figures = priced(catalogue(), inputs);
    QCOMPARE(figures.subtotals.value(2), u"15000"_s);
    QCOMPARE(figures.total, u"130646"_s);
    QCOMPARE(figures.rows.size(), 8 + 5 + 8 + 5);
}

void TestSectionExpenses::cleaningProductTooLargeForAnyIntegerFailsThePass()
{
    const TableInputs inputs = rowInputs(1, 3, {}, {u"2147483647"_s, u"2147483647"_s});
    const model::PassResult result = recalculateTable(catalogue(), inputs, base::DecimalFormat(QLocale::c()));
    const auto *failure = std::get_if<model::PassFailure>(&result);
    QVERIFY(failure);
    // Both quantities are valid: the amount is what cannot be held, and the row is named.
    QCOMPARE(failure->kind, model::PassFailure::Kind::RowTooLarge);
    QCOMPARE(failure->where, (model::CellRef{1, 3, 0}));
    QCOMPARE(failure->cells.size(), 2);
}

void TestSectionExpenses::textsPerLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("button3");
    QTest::addColumn<QString>("labelzag12");
    QTest::addColumn<QString>("label11");

    QTest::newRow("fr") << 0 << u"Les charges d exploitation"_s << u"Meubles"_s << u"Nettoyage à sec"_s
                        << u"Entrez le carré des "_s;
    QTest::newRow("ru") << 1 << u"Операционные расходы"_s << u"Мебель"_s << u"Химчистка"_s << u"Квадратура"_s;
    QTest::newRow("en") << 2 << u"Operating expenses"_s << u"Rental and purchase of furniture"_s << u"dry-cleaning"_s
                        << u"- Enter the square the premises"_s;
}

void TestSectionExpenses::textsPerLanguage()
{
    QFETCH(int, language);
    QFETCH(QString, caption);
    QFETCH(QString, button3);
    QFETCH(QString, labelzag12);
    QFETCH(QString, label11);

    Screens screens;
    ui::SectionScreen *s = screens.openSection(u"Form_expenses"_s, language);
    QCOMPARE(s->windowTitle(), caption);
    QCOMPARE(s->controlText(u"Button3"_s), button3);
    QCOMPARE(s->controlText(u"Labelzag12"_s), labelzag12);
    QCOMPARE(s->controlText(u"Label11"_s), label11);
    QCOMPARE(s->control(u"ScrollBox5"_s), s->TotalsPanel);
}

void TestSectionExpenses::consumableListKeepsItsExactTexts()
{
    Screens screens;
    const QList<QStringList> expected{
        {u"stylo"_s, u"crayon"_s, u"A4 de papier"_s, u"ciseaux"_s, u"gomme"_s},
        {u"Ручка"_s, u"Карандаш"_s, u"Бумага А4"_s, u"Ножницы"_s, u"Резинка"_s},
        {u"pen"_s, u"pencil"_s, u"paper a4 "_s, u"scissors"_s, u"eraser"_s},
    };
    for (int language = 0; language < 3; ++language) {
        ui::SectionScreen *s = screens.openSection(u"Form_expenses"_s, language);
        QComboBox *box = s->comboBox(4, 5, 1);
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        QCOMPARE(items, expected[language]);
    }
    // The Russian A4 is spelt with the Cyrillic letter А, the French one with a Latin A.
    QCOMPARE(expected[1][2].at(7).unicode(), char16_t(0x0410));
    QCOMPARE(expected[0][2].at(0).unicode(), char16_t(u'A'));
}

void TestSectionExpenses::cleaningCellsAreNarrowerThanTheirHeaderSpacing()
{
    Screens screens;
    ui::SectionScreen *s = screens.openSection(u"Form_expenses"_s, 0);
    const int Wt = s->ScrollBox[0]->width();
    const int w = (Wt - 115) / 3;
    const int h = (Wt - 95) / 3;
    for (int c = 1; c <= 3; ++c) {
        QCOMPARE(s->edit(1, 1, c)->geometry(), QRect((w + 10) * c - w, 75, w, 25));
        QCOMPARE(s->control(u"Label1%1"_s.arg(c))->x(), (h + 10) * c - h);
        QCOMPARE(s->control(u"Label1%1"_s.arg(c + 3))->pos(), QPoint((h + 10) * c - h, 250));
    }
    QCOMPARE(s->edit(1, 8, 3)->y(), 35 * 8 + 100);
    QCOMPARE(s->SumEdit[0]->y(), 415);
    QCOMPARE(s->SumEdit[1]->y(), 250);
}

QTEST_MAIN(TestSectionExpenses)
#include "test_section_expenses.moc"
