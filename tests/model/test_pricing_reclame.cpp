// Advertising pricing, subtotals, total and a product too large to hold.

#include "modelsupport.h"

#include "model/sections/reclame.h"

using namespace torvane;
using namespace torvane::test;

namespace {

const model::SectionCatalogue &catalogue()
{
    return model::sections::reclameCatalogue();
}

} // namespace

class TestPricingReclame : public QObject
{
    Q_OBJECT

private slots:
    void rowPrices_data();
    void rowPrices();
    void subtotalsAddGroupsWithDifferentSumColumns();
    void signboardProductTooLargeForAnyIntegerFailsThePass();
};

void TestPricingReclame::rowPrices_data()
{
    addRowPriceColumns();

    using P = QList<int>;
    using Q = QStringList;
    QTest::newRow("signboard with design 100 mm 10 letters") << 1 << 1 << P{0} << Q{{}, u"100"_s, u"10"_s} << u"45000"_s;
    QTest::newRow("signboard without design") << 1 << 2 << P{1} << Q{{}, u"100"_s, u"10"_s} << u"40000"_s;
    QTest::newRow("signboard no letter count") << 1 << 3 << P{0} << Q{{}, u"100"_s, {}} << u"0"_s;
    QTest::newRow("signboard without design choice") << 1 << 4 << P{-1} << Q{{}, u"100"_s, u"10"_s} << u"0"_s;
    QTest::newRow("billboard first bank 3 months") << 1 << 5 << P{0, 0} << Q{{}, {}, u"3"_s} << u"450000"_s;
    QTest::newRow("billboard second bank 3 months") << 1 << 8 << P{1, 0} << Q{{}, {}, u"3"_s} << u"450000"_s;
    QTest::newRow("billboard without size") << 1 << 6 << P{0, -1} << Q{{}, {}, u"3"_s} << u"0"_s;
    QTest::newRow("screen 1.5x2 2 months") << 1 << 9 << P{1, 0} << Q{{}, {}, u"2"_s} << u"30000"_s;
    QTest::newRow("screen 3x4 2 months") << 1 << 12 << P{0, 1} << Q{{}, {}, u"2"_s} << u"50000"_s;
    QTest::newRow("screen 3x4 without location") << 1 << 10 << P{-1, 1} << Q{{}, {}, u"2"_s} << u"0"_s;
    QTest::newRow("cards no design average 100") << 2 << 1 << P{1, 1} << Q{{}, {}, u"100"_s} << u"3500"_s;
    QTest::newRow("cards with design luxury 10") << 2 << 3 << P{0, 2} << Q{{}, {}, u"10"_s} << u"4560"_s;
    QTest::newRow("flyers with design economy 100") << 2 << 4 << P{0, 0} << Q{{}, {}, u"100"_s} << u"6100"_s;
    QTest::newRow("flyers design but 0 flyers") << 2 << 5 << P{0, 0} << Q{{}, {}, u"0"_s} << u"0"_s;
    QTest::newRow("banners with design luxury 2") << 2 << 7 << P{0, 2} << Q{{}, {}, u"2"_s} << u"45000"_s;
    QTest::newRow("banners no design economy 3") << 2 << 9 << P{1, 0} << Q{{}, {}, u"3"_s} << u"3300"_s;
    QTest::newRow("large format with design luxury") << 2 << 10 << P{0, 2} << Q{} << u"5100"_s;
    QTest::newRow("large format without design luxury") << 2 << 11 << P{1, 2} << Q{} << u"2100"_s;
    QTest::newRow("large format with design economy") << 2 << 12 << P{0, 0} << Q{} << u"3510"_s;
    QTest::newRow("large format without class") << 2 << 12 << P{0, -1} << Q{} << u"0"_s;
    QTest::newRow("souvenirs average 4") << 2 << 13 << P{1} << Q{{}, u"4"_s} << u"28000"_s;
    QTest::newRow("SEO economy, no quantity") << 3 << 1 << P{0, 0} << Q{} << u"500000"_s;
    QTest::newRow("SEO without region") << 3 << 2 << P{-1, 0} << Q{} << u"0"_s;
    QTest::newRow("contextual luxury") << 3 << 5 << P{0, 2} << Q{} << u"2000000"_s;
    QTest::newRow("social pages average 3 months") << 3 << 9 << P{0, 1} << Q{{}, {}, u"3"_s} << u"1200000"_s;
    QTest::newRow("social pages luxury 1074 months, beyond 32 bits") << 3 << 12 << P{0, 2} << Q{{}, {}, u"1074"_s}
                                                                    << u"2148000000"_s;
    QTest::newRow("promotion economy 2 days") << 4 << 1 << P{0} << Q{{}, u"2"_s} << u"200000"_s;
    QTest::newRow("promotion luxury 1 day") << 4 << 4 << P{2} << Q{{}, u"1"_s} << u"3000000"_s;
}

void TestPricingReclame::rowPrices()
{
    checkRowPrice(catalogue());
}

void TestPricingReclame::subtotalsAddGroupsWithDifferentSumColumns()
{
    TableInputs inputs;
    inputs.choose(2, 1, 1, 1).choose(2, 1, 2, 1).type(2, 1, 3, u"100"_s); // 3500
    inputs.choose(4, 2, 1, 0).type(4, 2, 2, u"2"_s);                     // 200000
    model::SectionFigures figures = priced(catalogue(), inputs);
    QCOMPARE(figures.subtotals, (QStringList{u"0"_s, u"3500"_s, u"0"_s, u"200000"_s}));
    QCOMPARE(figures.total, u"203500"_s);

    // Tab 2 adds column 4 of rows 1-9 and column 3 of rows 10-15; tab 3
    // column 3 of rows 1-8 and column 4 of rows 9-12.
    inputs.choose(2, 10, 1, 1).choose(2, 10, 2, 0);                       // 510
    inputs.choose(2, 15, 1, 0).type(2, 15, 2, u"1"_s);                    // 3000
    inputs.choose(3, 8, 1, 0).choose(3, 8, 2, 1);                         // 400000
    inputs.choose(3, 9, 1, 0).choose(3, 9, 2, 0).type(3, 9, 3, u"2"_s);   // 200000
    figures = priced(catalogue(), inputs);
    QCOMPARE(figures.subtotals, (QStringList{u"0"_s, u"7010"_s, u"600000"_s, u"200000"_s}));
    QCOMPARE(figures.total, u"807010"_s);
    QCOMPARE(figures.rows.size(), 12 + 15 + 12 + 4);
}

void TestPricingReclame::signboardProductTooLargeForAnyIntegerFailsThePass()
{
    const TableInputs inputs = rowInputs(1, 2, {1}, {{}, u"2147483647"_s, u"2147483647"_s});
    const model::PassResult result = recalculateTable(catalogue(), inputs, base::DecimalFormat(QLocale::c()));
    const auto *failure = std::get_if<model::PassFailure>(&result);
    QVERIFY(failure);
    QCOMPARE(failure->kind, model::PassFailure::Kind::RowTooLarge);
    QCOMPARE(failure->where, (model::CellRef{1, 2, 0}));
}

QTEST_APPLESS_MAIN(TestPricingReclame)
#include "test_pricing_reclame.moc"
