// Food and leisure pricing, subtotals and total.

#include "modelsupport.h"

#include "model/sections/food.h"

using namespace torvane;
using namespace torvane::test;

class TestPricingFood : public QObject
{
    Q_OBJECT

private slots:
    void rowPrices_data();
    void rowPrices();
    void subtotalsAndTotalFollowEveryTab();
};

void TestPricingFood::rowPrices_data()
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

void TestPricingFood::rowPrices()
{
    checkRowPrice(model::sections::foodCatalogue());
}

void TestPricingFood::subtotalsAndTotalFollowEveryTab()
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
    const model::SectionFigures figures = priced(model::sections::foodCatalogue(), inputs);
    QCOMPARE(figures.subtotals, (QStringList{u"52636"_s, u"20000"_s, u"12000"_s}));
    QCOMPARE(figures.total, u"84636"_s);
    // Row sums go to column 4 in tab 1 and catering, column 3 in delivery and tab 3.
    QCOMPARE(figures.rows.size(), 8 + 8 + 10);
    for (const model::RowFigure &figure : figures.rows) {
        const bool catering = figure.cell.tab == 2 && figure.cell.row >= 5;
        QCOMPARE(figure.cell.column, figure.cell.tab == 1 || catering ? 4 : 3);
    }
}

QTEST_APPLESS_MAIN(TestPricingFood)
#include "test_pricing_food.moc"
