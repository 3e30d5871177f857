// The pure recalculation pass and what it builds on: control names,
// quantity parsing, the fixture catalogue's pricing and amounts at the
// edges of 32 and 64 bits.

#include "modelsupport.h"
#include "fixturecatalogue.h"

#include "model/gridname.h"
#include "model/quantity.h"
#include "model/sections/logistic.h"

using namespace torvane;
using namespace torvane::test;
using namespace torvane::model;
using namespace torvane::base;

class TestRecalculation : public QObject
{
    Q_OBJECT

private slots:
    void gridNames_data();
    void gridNames();
    void quantityParsing_data();
    void quantityParsing();
    void fixtureRowPrices_data();
    void fixtureRowPrices();
    void fixtureSubtotalsAndTotal();
    void amountsBeyond32BitsAreExact();
    void productBeyond64BitsIsRefusedNamingTheRow();
};

void TestRecalculation::gridNames_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("number");
    QTest::newRow("option 1,3,2") << int(CellKind::Option) << 1 << 3 << 2 << u"ComboBox132"_s << 132;
    QTest::newRow("field 3,10,1") << int(CellKind::Number) << 3 << 10 << 1 << u"Edit3101"_s << 3101;
    QTest::newRow("field 6,26,4") << int(CellKind::Number) << 6 << 26 << 4 << u"Edit6264"_s << 6264;
    QTest::newRow("option 6,26,3") << int(CellKind::Option) << 6 << 26 << 3 << u"ComboBox6263"_s << 6263;
}

void TestRecalculation::gridNames()
{
    QFETCH(int, kind);
    QFETCH(int, tab);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, name);
    QFETCH(int, number);
    QCOMPARE(GridName::of(CellKind(kind), tab, row, column), name);
    QCOMPARE(GridName::number(tab, row, column), number);
}

void TestRecalculation::quantityParsing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");
    QTest::newRow("empty is zero") << u""_s << true << 0;
    QTest::newRow("zero") << u"0"_s << true << 0;
    QTest::newRow("leading zeros") << u"007"_s << true << 7;
    QTest::newRow("largest") << u"2147483647"_s << true << 2147483647;
    QTest::newRow("one above") << u"2147483648"_s << false << 0;
    QTest::newRow("far above") << u"99999999999999999999"_s << false << 0;
    QTest::newRow("minus") << u"-5"_s << false << 0;
    QTest::newRow("plus") << u"+5"_s << false << 0;
    QTest::newRow("leading blank") << u" 5"_s << false << 0;
    QTest::newRow("trailing blank") << u"5 "_s << false << 0;
    QTest::newRow("group separator") << u"1 000"_s << false << 0;
    QTest::newRow("hex") << u"0x10"_s << false << 0;
    QTest::newRow("arabic-indic digit") << u"٣"_s << false << 0;
}

void TestRecalculation::quantityParsing()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    const std::optional<qint32> parsed = parseQuantity(text);
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(*parsed, value);
    QCOMPARE(invalidQuantityMessage(text), u"'%1' is not a valid integer value"_s.arg(text));
}

void TestRecalculation::fixtureRowPrices_data()
{
    addRowPriceColumns();

    using P = QList<int>;
    using Q = QStringList;
    QTest::newRow("small pieces 123") << 1 << 1 << P{0} << Q{{}, u"123"_s} << u"12300"_s;
    QTest::newRow("large pieces 2") << 1 << 2 << P{1} << Q{{}, u"2"_s} << u"2000"_s;
    QTest::newRow("small pieces 5") << 1 << 2 << P{0} << Q{{}, u"5"_s} << u"500"_s;
    QTest::newRow("pieces without size") << 1 << 3 << P{-1} << Q{{}, u"5"_s} << u"0"_s;
    QTest::newRow("large pieces, empty count") << 1 << 1 << P{1} << Q{{}, u""_s} << u"0"_s;
    QTest::newRow("package small, no quantity") << 1 << 5 << P{0} << Q{} << u"150000"_s;
    QTest::newRow("package large") << 1 << 4 << P{1} << Q{} << u"150000"_s;
    QTest::newRow("package without choice") << 1 << 4 << P{-1} << Q{} << u"0"_s;
    // A name column is never read as a quantity.
    QTest::newRow("named row 1, 4, name typed") << 2 << 1 << P{} << Q{u"one"_s, u"4"_s} << u"40"_s;
    QTest::newRow("named row 2, 3") << 2 << 2 << P{} << Q{{}, u"3"_s} << u"60"_s;
}

void TestRecalculation::fixtureRowPrices()
{
    checkRowPrice(fixture::kFixture);
}

void TestRecalculation::fixtureSubtotalsAndTotal()
{
    TableInputs inputs;
    inputs.choose(1, 1, 1, 1).type(1, 1, 2, u"3"_s); // 3000
    inputs.choose(1, 4, 1, 0);                       // 150000
    inputs.type(2, 2, 2, u"3"_s);                    // 60
    const SectionFigures figures = priced(fixture::kFixture, inputs);
    QCOMPARE(figures.subtotals, (QStringList{u"153000"_s, u"60"_s}));
    QCOMPARE(figures.total, u"153060"_s);
    // Every row is written, to its own group's sum column.
    QCOMPARE(figures.rows.size(), 5 + 2);
    for (const RowFigure &figure : figures.rows)
        QCOMPARE(figure.cell.column, figure.cell.tab == 1 && figure.cell.row >= 4 ? 2 : 3);
}

void TestRecalculation::amountsBeyond32BitsAreExact()
{
    TableInputs inputs;
    inputs.type(5, 1, 1, u"2147483647"_s); // 1073741823500
    inputs.type(5, 2, 1, u"2147483647"_s);
    inputs.choose(4, 1, 1, 2).choose(4, 1, 2, 0).type(4, 1, 3, u"2147483647"_s); // 120500 per unit
    const SectionFigures figures = priced(model::sections::logisticCatalogue(), inputs);
    QCOMPARE(rowSum(figures, 5, 1), u"1073741823500"_s);
    QCOMPARE(figures.subtotals[4], u"2147483647000"_s);
    QCOMPARE(figures.subtotals[3], u"258771779463500"_s);
    QCOMPARE(figures.total, u"260919263110500"_s);
}

void TestRecalculation::productBeyond64BitsIsRefusedNamingTheRow()
{
    TableInputs inputs;
    inputs.choose(2, 5, 1, 0).choose(2, 5, 2, 0).type(2, 5, 3, u"2147483647"_s).type(2, 5, 4, u"2147483000"_s);
    const PassResult result = recalculateTable(model::sections::logisticCatalogue(), inputs, DecimalFormat(QLocale::c()));
    const auto *failure = std::get_if<PassFailure>(&result);
    QVERIFY(failure);
    QCOMPARE(failure->kind, PassFailure::Kind::RowTooLarge);
    QCOMPARE(failure->where, (CellRef{2, 5, 0}));
    QCOMPARE(failure->cells.size(), 2);
}

QTEST_APPLESS_MAIN(TestRecalculation)
#include "test_recalculation.moc"
