// Business services pricing, subtotals, total and a product too large to hold.

#include "modelsupport.h"

#include "model/sections/service.h"

using namespace torvane;
using namespace torvane::test;

namespace {

const model::SectionCatalogue &catalogue()
{
    return model::sections::serviceCatalogue();
}

} // namespace

class TestPricingService : public QObject
{
    Q_OBJECT

private slots:
    void rowPrices_data();
    void rowPrices();
    void subtotalsAddGroupsWithDifferentSumColumns();
    void guardProductTooLargeForAnyIntegerFailsThePass();
};

void TestPricingService::rowPrices_data()
{
    addRowPriceColumns();

    using P = QList<int>;
    using Q = QStringList;
    QTest::newRow("staff standard 2 months") << 1 << 1 << P{1} << Q{{}, u"2"_s} << u"29178"_s;
    QTest::newRow("staff luxe 3 months") << 1 << 5 << P{2} << Q{{}, u"3"_s} << u"118749"_s;
    QTest::newRow("staff without package") << 1 << 2 << P{-1} << Q{{}, u"3"_s} << u"0"_s;
    QTest::newRow("staff period emptied") << 1 << 3 << P{0} << Q{{}, u""_s} << u"0"_s;
    QTest::newRow("legal consultation 1 month") << 2 << 1 << P{0} << Q{{}, u"1"_s} << u"19325"_s;
    QTest::newRow("legal with departure 2 months") << 2 << 5 << P{2} << Q{{}, u"2"_s} << u"158696"_s;
    QTest::newRow("website luxe, no quantity") << 3 << 1 << P{2} << Q{} << u"1000000"_s;
    QTest::newRow("website economy") << 3 << 3 << P{0} << Q{} << u"150000"_s;
    QTest::newRow("website without type") << 3 << 2 << P{-1} << Q{} << u"0"_s;
    QTest::newRow("IT telephone exchanges 2 months") << 3 << 4 << P{2} << Q{{}, u"2"_s} << u"291678"_s;
    QTest::newRow("accounting row 4 Comptabilite 2 months") << 4 << 4 << P{1} << Q{{}, u"2"_s} << u"200000"_s;
    QTest::newRow("consulting row 5 feasibility 1 month") << 4 << 5 << P{0} << Q{{}, u"1"_s} << u"100000"_s;
    QTest::newRow("consulting row 8 financial model 3") << 4 << 8 << P{2} << Q{{}, u"3"_s} << u"105000"_s;
    QTest::newRow("LCD projector 4") << 5 << 1 << P{0} << Q{{}, u"4"_s} << u"20000"_s;
    QTest::newRow("bodyguard luxury 2 persons 3 days") << 6 << 1 << P{1, 2} << Q{{}, {}, u"2"_s, u"3"_s} << u"285378"_s;
    QTest::newRow("bodyguard luxury 0 persons") << 6 << 2 << P{1, 2} << Q{{}, {}, u"0"_s, u"3"_s} << u"0"_s;
    QTest::newRow("bodyguard without class") << 6 << 3 << P{1, -1} << Q{{}, {}, u"2"_s, u"3"_s} << u"0"_s;
    QTest::newRow("escort economy 1 person 1 day") << 6 << 4 << P{2, 0} << Q{{}, {}, u"1"_s, u"1"_s} << u"9804"_s;
    QTest::newRow("fire alarm 10 days") << 6 << 5 << P{2} << Q{{}, u"10"_s} << u"14800"_s;
    QTest::newRow("maintenance complicated 3") << 7 << 1 << P{2} << Q{{}, u"3"_s} << u"30000"_s;
    QTest::newRow("interpretation Russian 2 hours") << 8 << 1 << P{0} << Q{{}, u"2"_s} << u"20000"_s;
    QTest::newRow("interpretation Chinese 2 hours") << 8 << 4 << P{3} << Q{{}, u"2"_s} << u"20000"_s;
    QTest::newRow("translation Chinese 10 pages") << 8 << 5 << P{3} << Q{{}, u"10"_s} << u"60000"_s;
    QTest::newRow("translation English 4 pages") << 8 << 8 << P{1} << Q{{}, u"4"_s} << u"10000"_s;
    QTest::newRow("staff luxe, largest period, beyond 32 bits") << 1 << 4 << P{2} << Q{{}, u"2147483647"_s}
                                                                << u"85003845199201"_s;
}

void TestPricingService::rowPrices()
{
    checkRowPrice(catalogue());
}

void TestPricingService::subtotalsAddGroupsWithDifferentSumColumns()
{
    TableInputs inputs;
    inputs.choose(2, 1, 1, 0).type(2, 1, 2, u"1"_s);                                    // legal: 19325
    inputs.choose(3, 2, 1, 1);                                                          // website, column 2: 400000
    inputs.choose(3, 6, 1, 0).type(3, 6, 2, u"1"_s);                                    // IT, column 3: 15292
    inputs.choose(4, 4, 1, 1).type(4, 4, 2, u"2"_s);                                    // 200000
    inputs.choose(4, 5, 1, 0).type(4, 5, 2, u"1"_s);                                    // 100000
    inputs.choose(6, 1, 1, 0).choose(6, 1, 2, 0).type(6, 1, 3, u"1"_s).type(6, 1, 4, u"2"_s); // column 5: 10000
    inputs.choose(6, 8, 1, 1).type(6, 8, 2, u"4"_s);                                    // column 3: 2000
    inputs.choose(8, 6, 1, 1).type(8, 6, 2, u"4"_s);                                    // 10000
    const model::SectionFigures figures = priced(catalogue(), inputs);
    QCOMPARE(figures.subtotals, (QStringList{u"0"_s, u"19325"_s, u"415292"_s, u"300000"_s, u"0"_s, u"12000"_s,
                                             u"0"_s, u"10000"_s}));
    QCOMPARE(figures.total, u"756617"_s);
    QCOMPARE(rowSum(figures, 3, 2), u"400000"_s);
    QCOMPARE(figures.rows.size(), 5 + 5 + 6 + 8 + 5 + 8 + 5 + 8);
}

void TestPricingService::guardProductTooLargeForAnyIntegerFailsThePass()
{
    TableInputs inputs = rowInputs(6, 2, {2, 2}, {{}, {}, u"2147483647"_s, u"2147483647"_s});
    const model::PassResult result = recalculateTable(catalogue(), inputs, base::DecimalFormat(QLocale::c()));
    const auto *failure = std::get_if<model::PassFailure>(&result);
    QVERIFY(failure);
    QCOMPARE(failure->kind, model::PassFailure::Kind::RowTooLarge);
    QCOMPARE(failure->where, (model::CellRef{6, 2, 0}));

    // Persons times days alone still fits; the price is what overflows.
    inputs = rowInputs(6, 2, {0, 0}, {{}, {}, u"2147483647"_s, u"1"_s});
    QCOMPARE(rowSum(priced(catalogue(), inputs), 6, 2), u"10737418235000"_s);
}

QTEST_APPLESS_MAIN(TestPricingService)
#include "test_pricing_service.moc"
