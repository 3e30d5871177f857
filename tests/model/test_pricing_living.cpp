// Accommodation pricing, subtotals, total and amounts beyond 32 bits.

#include "modelsupport.h"

#include "model/sections/living.h"

using namespace torvane;
using namespace torvane::test;

class TestPricingLiving : public QObject
{
    Q_OBJECT

private slots:
    void rowPrices_data();
    void rowPrices();
    void amountsBeyondThirtyTwoBitsAreExactOrRefused();
    void subtotalsAndTotalFollowEveryTab();
};

void TestPricingLiving::rowPrices_data()
{
    addRowPriceColumns();

    using P = QList<int>;
    using Q = QStringList;
    QTest::newRow("five-star double, 3 nights") << 1 << 1 << P{0, 1} << Q{{}, {}, u"3"_s} << u"282519"_s;
    QTest::newRow("one-star triple, 1 night") << 1 << 5 << P{4, 2} << Q{{}, {}, u"1"_s} << u"9324"_s;
    QTest::newRow("three-star single, 2 nights") << 1 << 3 << P{2, 0} << Q{{}, {}, u"2"_s} << u"64500"_s;
    QTest::newRow("hotel without room type") << 1 << 2 << P{0, -1} << Q{{}, {}, u"3"_s} << u"0"_s;
    QTest::newRow("hotel without level") << 1 << 2 << P{-1, 1} << Q{{}, {}, u"3"_s} << u"0"_s;
    QTest::newRow("hotel, empty nights field") << 1 << 4 << P{1, 1} << Q{{}, {}, u""_s} << u"0"_s;
    QTest::newRow("hostel, 4 persons, 0 nights") << 2 << 1 << P{0} << Q{{}, u"4"_s, u"0"_s} << u"0"_s;
    QTest::newRow("hostel, 0 persons, 2 nights") << 2 << 2 << P{1} << Q{{}, u"0"_s, u"2"_s} << u"0"_s;
    QTest::newRow("hostel ten-bed, 4 persons, 2 nights") << 2 << 5 << P{2} << Q{{}, u"4"_s, u"2"_s} << u"107800"_s;
    QTest::newRow("hostel quadruple, 1 person, 1 night") << 2 << 3 << P{1} << Q{{}, u"1"_s, u"1"_s} << u"9457"_s;
    QTest::newRow("house, nights but no size") << 3 << 1 << P{-1} << Q{{}, u"5"_s} << u"0"_s;
    QTest::newRow("house 8-9 rooms, 2 nights") << 3 << 2 << P{2} << Q{{}, u"2"_s} << u"62490"_s;
    QTest::newRow("apartment one room, 1 night") << 4 << 1 << P{0} << Q{{}, u"1"_s} << u"15789"_s;
    QTest::newRow("apartment three rooms, 2 nights") << 4 << 5 << P{2} << Q{{}, u"2"_s} << u"39752"_s;
    QTest::newRow("room triple, 10 nights") << 5 << 1 << P{2} << Q{{}, u"10"_s} << u"114270"_s;
    QTest::newRow("room double, 0 nights") << 5 << 2 << P{1} << Q{{}, u"0"_s} << u"0"_s;
}

void TestPricingLiving::rowPrices()
{
    checkRowPrice(model::sections::livingCatalogue());
}

void TestPricingLiving::amountsBeyondThirtyTwoBitsAreExactOrRefused()
{
    // A five-star triple for the largest night count fits 64 bits: shown exactly.
    TableInputs large;
    large.choose(1, 1, 1, 0).choose(1, 1, 2, 2).type(1, 1, 3, u"2147483647"_s);
    QCOMPARE(priced(model::sections::livingCatalogue(), large).total, u"299404317548387"_s);

    // Persons x nights x price beyond 64 bits: the pass refuses, naming a quantity.
    TableInputs huge;
    huge.choose(2, 1, 1, 2).type(2, 1, 2, u"2147483647"_s).type(2, 1, 3, u"2147483647"_s);
    const model::PassResult result = recalculateTable(model::sections::livingCatalogue(), huge, base::DecimalFormat(QLocale::c()));
    const auto *failure = std::get_if<model::PassFailure>(&result);
    QVERIFY(failure);
    QCOMPARE(failure->kind, model::PassFailure::Kind::RowTooLarge);
    QCOMPARE(failure->where, (model::CellRef{2, 1, 0}));
}

void TestPricingLiving::subtotalsAndTotalFollowEveryTab()
{
    TableInputs inputs;
    inputs.choose(1, 1, 1, 0).choose(1, 1, 2, 1).type(1, 1, 3, u"3"_s); // 282519
    inputs.choose(1, 5, 1, 4).choose(1, 5, 2, 0).type(1, 5, 3, u"2"_s); // 10000
    inputs.choose(2, 2, 1, 0).type(2, 2, 2, u"2"_s).type(2, 2, 3, u"1"_s); // 15712
    inputs.choose(3, 3, 1, 1).type(3, 3, 2, u"1"_s); // 24530
    inputs.choose(5, 1, 1, 2).type(5, 1, 2, u"10"_s); // 114270
    inputs.choose(5, 4, 1, 0).type(5, 4, 2, u"1"_s); // 7547
    const model::SectionFigures figures = priced(model::sections::livingCatalogue(), inputs);
    QCOMPARE(figures.subtotals, (QStringList{u"292519"_s, u"15712"_s, u"24530"_s, u"0"_s, u"121817"_s}));
    QCOMPARE(figures.total, u"454578"_s);
    QCOMPARE(figures.rows.size(), 25);
}

QTEST_APPLESS_MAIN(TestPricingLiving)
#include "test_pricing_living.moc"
