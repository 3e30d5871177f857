// Logistics pricing, subtotals and total.

#include "modelsupport.h"

#include "model/sections/logistic.h"

using namespace torvane;
using namespace torvane::test;

class TestPricingLogistic : public QObject
{
    Q_OBJECT

private slots:
    void rowPrices_data();
    void rowPrices();
    void subtotalsAndTotalFollowEveryTab();
};

void TestPricingLogistic::rowPrices_data()
{
    addRowPriceColumns();

    using P = QList<int>;
    using Q = QStringList;
    QTest::newRow("flight Almaty 2 adults 1 child") << 1 << 1 << P{0, 0} << Q{{}, {}, u"2"_s, u"1"_s} << u"63000"_s;
    QTest::newRow("flight Almaty 2 adults") << 1 << 4 << P{0, 0} << Q{{}, {}, u"2"_s, u"0"_s} << u"50000"_s;
    QTest::newRow("flight without departure") << 1 << 2 << P{-1, 0} << Q{{}, {}, u"5"_s, u"5"_s} << u"0"_s;
    QTest::newRow("flight no adults, children only") << 1 << 3 << P{0, 6} << Q{{}, {}, u"0"_s, u"3"_s} << u"0"_s;
    QTest::newRow("flight Bangkok, last destination") << 1 << 1 << P{0, 19} << Q{{}, {}, u"1"_s, u"1"_s} << u"300000"_s;
    QTest::newRow("flight empty adults field") << 1 << 1 << P{0, 0} << Q{{}, {}, u""_s, u"1"_s} << u"0"_s;
    QTest::newRow("rail Tashkent 1 adult 2 children") << 2 << 1 << P{0, 5} << Q{{}, {}, u"1"_s, u"2"_s} << u"99000"_s;
    QTest::newRow("rail freight 3 t 0 km") << 2 << 5 << P{0, 0} << Q{{}, {}, u"3"_s, u"0"_s} << u"0"_s;
    QTest::newRow("rail freight 3 t 10 km") << 2 << 6 << P{0, 0} << Q{{}, {}, u"3"_s, u"10"_s} << u"520200"_s;
    QTest::newRow("rail freight Almaty to Almaty") << 2 << 8 << P{1, 0} << Q{{}, {}, u"1"_s, u"1"_s} << u"17340"_s;
    QTest::newRow("transfer airport minibus 4 h") << 3 << 1 << P{0, 2} << Q{{}, {}, u"4"_s} << u"10000"_s;
    QTest::newRow("transfer airport sedan 4 h") << 3 << 2 << P{0, 0} << Q{{}, {}, u"4"_s} << u"10000"_s;
    QTest::newRow("transfer without vehicle") << 3 << 3 << P{1, -1} << Q{{}, {}, u"4"_s} << u"0"_s;
    QTest::newRow("road freight 0 t 100 km") << 3 << 5 << P{0, 0} << Q{{}, {}, u"0"_s, u"100"_s} << u"0"_s;
    QTest::newRow("road freight 2 t 100 km") << 3 << 7 << P{1, 1} << Q{{}, {}, u"2"_s, u"100"_s} << u"5200000"_s;
    QTest::newRow("rental luxury with driver 3") << 4 << 1 << P{2, 0} << Q{{}, {}, u"3"_s} << u"361500"_s;
    QTest::newRow("rental luxury without driver 3") << 4 << 5 << P{2, 1} << Q{{}, {}, u"3"_s} << u"360000"_s;
    QTest::newRow("warehouse 0 m2") << 5 << 1 << P{} << Q{u"0"_s} << u"0"_s;
    QTest::newRow("warehouse 40 m2") << 5 << 2 << P{} << Q{u"40"_s} << u"20000"_s;
}

void TestPricingLogistic::rowPrices()
{
    checkRowPrice(model::sections::logisticCatalogue());
}

void TestPricingLogistic::subtotalsAndTotalFollowEveryTab()
{
    TableInputs inputs;
    inputs.choose(1, 1, 1, 0).choose(1, 1, 2, 0).type(1, 1, 3, u"2"_s); // 50000
    inputs.choose(1, 2, 1, 0).choose(1, 2, 2, 2).type(1, 2, 3, u"1"_s); // 140000
    inputs.choose(2, 6, 1, 0).choose(2, 6, 2, 0).type(2, 6, 3, u"3"_s).type(2, 6, 4, u"10"_s); // 520200
    inputs.choose(3, 1, 1, 0).choose(3, 1, 2, 2).type(3, 1, 3, u"4"_s); // 10000
    inputs.choose(3, 5, 1, 0).choose(3, 5, 2, 0).type(3, 5, 3, u"1"_s).type(3, 5, 4, u"1"_s); // 26000
    inputs.type(5, 5, 1, u"40"_s); // 20000
    const model::SectionFigures figures = priced(model::sections::logisticCatalogue(), inputs);
    QCOMPARE(figures.subtotals, (QStringList{u"190000"_s, u"520200"_s, u"36000"_s, u"0"_s, u"20000"_s}));
    QCOMPARE(figures.total, u"766200"_s);
    // Each tab's sum field is the last column of its group; tab 3 mixes two.
    QCOMPARE(rowSum(figures, 3, 1), u"10000"_s);
    QCOMPARE(figures.rows.size(), 4 + 8 + 8 + 5 + 5);
}

QTEST_APPLESS_MAIN(TestPricingLogistic)
#include "test_pricing_logistic.moc"
