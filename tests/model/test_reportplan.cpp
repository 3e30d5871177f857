// The report plan of every section: which controls each group's block reads
// and where on the sheet it goes.

#include "modelsupport.h"

#include "model/gridname.h"
#include "model/sectionlist.h"
#include "model/sections/service.h"

using namespace torvane;
using namespace torvane::model;
using namespace Qt::StringLiterals;

class TestReportPlan : public QObject
{
    Q_OBJECT

private slots:
    void everyGroupFitsTheSheet_data();
    void everyGroupFitsTheSheet();
    void reportGatesOnQuantityInAccountingAndInterpretation();
};

void TestReportPlan::everyGroupFitsTheSheet_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("lastColumn");
    QTest::newRow("logistics") << 0 << int(F);
    QTest::newRow("accommodation") << 1 << int(E);
    QTest::newRow("food") << 2 << int(E);
    QTest::newRow("construction") << 3 << int(E);
    QTest::newRow("services") << 4 << int(F);
    QTest::newRow("expenses") << 5 << int(E);
    QTest::newRow("advertising") << 6 << int(E);
    QTest::newRow("events") << 7 << int(E);
}

void TestReportPlan::everyGroupFitsTheSheet()
{
    QFETCH(int, index);
    QFETCH(int, lastColumn);

    const SectionCatalogue &catalogue = *allCatalogues().at(index);
    const ReportPlan plan = reportPlanOf(catalogue);
    QCOMPARE(plan.lastColumn, lastColumn);
    QCOMPARE(plan.tabs.size(), catalogue.tabCount());
    for (int t = 1; t <= catalogue.tabCount(); ++t) {
        const ReportTab &tab = plan.tabs[t - 1];
        const auto &groups = catalogue.tabs[t - 1].groups;
        QCOMPARE(tab.sumEditControl, ControlName::subtotal(t));
        QCOMPARE(tab.groups.size(), qsizetype(groups.size()));
        int lastOfTab = 0;
        for (int g = 0; g < tab.groups.size(); ++g) {
            const ReportGroup &group = tab.groups[g];
            const GroupSpec &spec = groups[std::size_t(g)];
            const QByteArray at = u"tab %1 group %2"_s.arg(t).arg(spec.number).toUtf8();
            QVERIFY2(group.tab == t && group.firstRow == spec.firstRow && group.lastRow == spec.lastRow, at.constData());
            QVERIFY2(group.gridColumns == spec.columnCount(), at.constData());

            // Grid columns end in the last sheet column; column A stays empty.
            QVERIFY2(group.firstColumn == plan.lastColumn - group.gridColumns + 1, at.constData());
            QVERIFY2(group.firstColumn >= B, at.constData());
            QVERIFY2(group.gateColumn >= 1 && group.gateColumn <= group.gridColumns, at.constData());

            // Headers are the group's own labels, one a grid column.
            QStringList labels;
            for (const ColumnHeader &header : spec.columnHeaders)
                labels << ControlName::columnHeader(t, header.label);
            QVERIFY2(group.headerControls == labels, at.constData());
            QVERIFY2(group.headerControls.size() == group.gridColumns, at.constData());

            // A title reads the tab button or the group's header; its merge
            // lies on the sheet, holds the title cell and, in every section,
            // reaches the last column.
            switch (spec.report.title) {
            case TitleSource::None:
                QVERIFY2(group.titleControl.isEmpty(), at.constData());
                QVERIFY2(g > 0, at.constData()); // a tab's block opens with a title
                break;
            case TitleSource::TabButton:
                QVERIFY2(group.titleControl == ControlName::tabButton(t), at.constData());
                break;
            case TitleSource::GroupHeader:
                QVERIFY2(group.titleControl == ControlName::groupHeader(t, spec.number), at.constData());
                break;
            }
            if (!group.titleControl.isEmpty()) {
                QVERIFY2(group.mergeFrom >= B && group.mergeFrom <= group.mergeTo, at.constData());
                QVERIFY2(group.mergeTo == plan.lastColumn, at.constData());
                QVERIFY2(group.titleColumn >= group.mergeFrom && group.titleColumn <= group.mergeTo, at.constData());
            }

            QVERIFY2(group.lastOfTab == (g + 1 == tab.groups.size()), at.constData());
            lastOfTab += group.lastOfTab;
            if (group.lastOfTab)
                QVERIFY2(group.subtotalFrom >= group.firstColumn && group.subtotalFrom <= plan.lastColumn, at.constData());
        }
        QCOMPARE(lastOfTab, 1);
    }
}

void TestReportPlan::reportGatesOnQuantityInAccountingAndInterpretation()
{
    const SectionCatalogue &catalogue = model::sections::serviceCatalogue();
    // Groups 4.1 and 8.1 list a row by its quantity field; all others by their sum.
    const ReportPlan plan = reportPlanOf(catalogue);
    QCOMPARE(plan.lastColumn, int(F));
    for (int t = 1; t <= catalogue.tabCount(); ++t) {
        const auto &groups = catalogue.tabs[t - 1].groups;
        for (std::size_t g = 0; g < groups.size(); ++g) {
            const bool byQuantity = (t == 4 || t == 8) && g == 0;
            QCOMPARE(plan.tabs[t - 1].groups[int(g)].gateColumn, byQuantity ? 2 : groups[g].sumColumn);
        }
    }
}

QTEST_APPLESS_MAIN(TestReportPlan)
#include "test_reportplan.moc"
