// Events and entertainment pricing, subtotals and total.

#include "modelsupport.h"

#include "model/sections/event.h"

using namespace torvane;
using namespace torvane::test;

namespace {

const model::SectionCatalogue &catalogue()
{
    return model::sections::eventCatalogue();
}

} // namespace

class TestPricingEvent : public QObject
{
    Q_OBJECT

private slots:
    void rowPrices_data();
    void rowPrices();
    void foreignArtistsAddToTheTotalAsTheyAre();
};

void TestPricingEvent::rowPrices_data()
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

void TestPricingEvent::rowPrices()
{
    checkRowPrice(catalogue());
}

void TestPricingEvent::foreignArtistsAddToTheTotalAsTheyAre()
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

QTEST_APPLESS_MAIN(TestPricingEvent)
#include "test_pricing_event.moc"
