// Running expenses pricing, subtotals, total and a product too large to hold.

#include "modelsupport.h"

#include "model/sections/expenses.h"

using namespace torvane;
using namespace torvane::test;

namespace {

const model::SectionCatalogue &catalogue()
{
    return model::sections::expensesCatalogue();
}

} // namespace

class TestPricingExpenses : public QObject
{
    Q_OBJECT

private slots:
    void rowPrices_data();
    void rowPrices();
    void subtotalsAndTotal();
    void cleaningProductTooLargeForAnyIntegerFailsThePass();
};

void TestPricingExpenses::rowPrices_data()
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

void TestPricingExpenses::rowPrices()
{
    checkRowPrice(catalogue());
}

void TestPricingExpenses::subtotalsAndTotal()
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

void TestPricingExpenses::cleaningProductTooLargeForAnyIntegerFailsThePass()
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

QTEST_APPLESS_MAIN(TestPricingExpenses)
#include "test_pricing_expenses.moc"
