// Construction pricing: decimal amounts in the locale, units per row, subtotals across nine tabs.

#include "modelsupport.h"

#include "model/sections/construct.h"

using namespace torvane;
using namespace torvane::test;

namespace {

// Column 2 is the quantity, column 3 the unit, column 4 the amount.
TableInputs &work(TableInputs &inputs, int tab, int row, int unit, const QString &quantity)
{
    inputs.choose(tab, row, 3, unit);
    if (!quantity.isNull())
        inputs.type(tab, row, 2, quantity);
    return inputs;
}

} // namespace

class TestPricingConstruct : public QObject
{
    Q_OBJECT

private slots:
    void rowAmounts_data();
    void rowAmounts();
    void decimalsFollowTheLocale_data();
    void decimalsFollowTheLocale();
    void subtotalsAndTotalAddAcrossTabs();
};

void TestPricingConstruct::rowAmounts_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("quantity"); // null: field untouched
    QTest::addColumn<QString>("amount");

    QTest::newRow("walls r1, square metres, 3") << 1 << 1 << 0 << u"3"_s << u"7350"_s;
    QTest::newRow("walls r1, square feet, 3") << 1 << 1 << 1 << u"3"_s << u"683.55"_s;
    QTest::newRow("walls r14, feet, 10") << 1 << 14 << 1 << u"10"_s << u"2100"_s;
    QTest::newRow("walls r14, metres, 10") << 1 << 14 << 0 << u"10"_s << u"7000"_s;
    QTest::newRow("wall finishing r3, feet, 10") << 6 << 3 << 1 << u"10"_s << u"2100"_s;
    QTest::newRow("wall finishing r16, pieces, 2") << 6 << 16 << 0 << u"2"_s << u"2000"_s;
    QTest::newRow("wall finishing r26, last row, 4") << 6 << 26 << 0 << u"4"_s << u"1400"_s;
    QTest::newRow("tiling r12, last tab, feet, 5") << 9 << 12 << 1 << u"5"_s << u"675"_s;
    QTest::newRow("floor laying r9, square feet, 1") << 8 << 9 << 1 << u"1"_s << u"65.1"_s;
    QTest::newRow("quantity, no unit") << 1 << 2 << -1 << u"3"_s << u"0"_s;
    QTest::newRow("unit, quantity 0") << 1 << 3 << 0 << u"0"_s << u"0"_s;
    QTest::newRow("unit, empty quantity") << 1 << 4 << 0 << u""_s << u"0"_s;
    QTest::newRow("second item on a piece row") << 4 << 1 << 1 << u"2"_s << u"0"_s;
}

void TestPricingConstruct::rowAmounts()
{
    QFETCH(int, tab);
    QFETCH(int, row);
    QFETCH(int, unit);
    QFETCH(QString, quantity);
    QFETCH(QString, amount);

    TableInputs inputs;
    work(inputs, tab, row, unit, quantity);
    const model::SectionFigures figures = priced(model::sections::constructCatalogue(), inputs);
    QCOMPARE(rowSum(figures, tab, row), amount);
    QCOMPARE(figures.subtotals.value(tab - 1), amount);
    QCOMPARE(figures.total, amount);
}

void TestPricingConstruct::decimalsFollowTheLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("point");

    QTest::newRow("C") << QLocale::c() << u"."_s;
    QTest::newRow("Russian") << QLocale(QLocale::Russian) << u","_s;
    QTest::newRow("French") << QLocale(QLocale::French) << u","_s;
    QTest::newRow("English US") << QLocale(QLocale::English, QLocale::UnitedStates) << u"."_s;
}

void TestPricingConstruct::decimalsFollowTheLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, point);

    // Amounts are written and read back with one locale, never with a group
    // separator, through row sums, subtotals and the total.
    TableInputs inputs;
    work(inputs, 1, 1, 1, u"3"_s);  // 683.55
    work(inputs, 1, 2, 0, u"2"_s);  // 7700
    work(inputs, 6, 20, 0, u"1"_s); // 10000
    work(inputs, 7, 1, 0, u"1"_s);  // 500
    const model::SectionFigures figures = priced(model::sections::constructCatalogue(), inputs, base::DecimalFormat(locale));
    QCOMPARE(rowSum(figures, 1, 1), u"683"_s + point + u"55"_s);
    QCOMPARE(rowSum(figures, 1, 2), u"7700"_s);
    QCOMPARE(figures.subtotals.value(0), u"8383"_s + point + u"55"_s);
    QCOMPARE(figures.subtotals.value(5), u"10000"_s);
    QCOMPARE(figures.total, u"18883"_s + point + u"55"_s);

    TableInputs whole;
    work(whole, 1, 1, 0, u"3"_s);
    QCOMPARE(priced(model::sections::constructCatalogue(), whole, base::DecimalFormat(locale)).total, u"7350"_s);
}

void TestPricingConstruct::subtotalsAndTotalAddAcrossTabs()
{
    // Tab 4 row 1 (5000 per piece) twice and tab 5 row 2 (6000) once.
    TableInputs inputs;
    work(inputs, 4, 1, 0, u"2"_s);
    work(inputs, 5, 2, 0, u"1"_s);
    const model::SectionFigures figures = priced(model::sections::constructCatalogue(), inputs);
    QCOMPARE(figures.subtotals,
             (QStringList{u"0"_s, u"0"_s, u"0"_s, u"10000"_s, u"6000"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s}));
    QCOMPARE(figures.total, u"16000"_s);
    QCOMPARE(figures.rows.size(), 110);
    for (const model::RowFigure &figure : figures.rows)
        QCOMPARE(figure.cell.column, 4);
}

QTEST_APPLESS_MAIN(TestPricingConstruct)
#include "test_pricing_construct.moc"
