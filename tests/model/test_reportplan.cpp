// The report plan of every section: which controls each group's block reads
// and where on the sheet it goes, written out group by group as the sheet
// shows it.

#include "modelsupport.h"

#include "model/sectionlist.h"

#include <numeric>

using namespace torvane;
using namespace torvane::model;
using namespace Qt::StringLiterals;

namespace {

// One group's block on the sheet. Columns by number: B = 2 ... F = 6.
struct PlannedGroup {
    const char *name;
    int section; // start-up order
    int tab;
    int firstRow, lastRow;
    int gridColumns, firstColumn;
    const char16_t *title; // empty: no title row
    int titleColumn, mergeFrom, mergeTo;
    bool titleBordered;
    const char16_t *headers; // the column headers' controls, by blanks
    int gate;                // the grid column whose "0" leaves a row out
    bool lastOfTab;
    int subtotalFrom;
};

enum Section { Logistics, Accommodation, Food, Construction, Services, Expenses, Advertising, Events };

constexpr PlannedGroup kPlan[] = {
    // Logistics: the sheet ends in F.
    {"logistics 1.1", Logistics, 1, 1, 4, 5, B, u"Button1", B, B, F, false, u"Label11 Label12 Label13 Label14 Label15", 5, true, F},
    {"logistics 2.1", Logistics, 2, 1, 4, 5, B, u"Button2", B, B, F, false, u"Label21 Label22 Label23 Label24 Label25", 5, false, F},
    {"logistics 2.2", Logistics, 2, 5, 8, 5, B, u"", 0, 0, 0, false, u"Label26 Label27 Label28 Label29 Label210", 5, true, F},
    {"logistics 3.1", Logistics, 3, 1, 4, 4, C, u"Button3", C, B, F, true, u"Label31 Label32 Label33 Label34", 4, false, F},
    {"logistics 3.2", Logistics, 3, 5, 8, 5, B, u"", 0, 0, 0, false, u"Label35 Label36 Label37 Label38 Label39", 5, true, F},
    {"logistics 4.1", Logistics, 4, 1, 5, 4, C, u"Button4", C, C, F, false, u"Label41 Label42 Label43 Label44", 4, true, F},
    {"logistics 5.1", Logistics, 5, 1, 5, 2, E, u"Button5", E, E, F, false, u"Label51 Label52", 2, true, F},
    // Accommodation: the sheet ends in E.
    {"accommodation 1.1", Accommodation, 1, 1, 5, 4, B, u"Button1", B, B, E, false, u"Label11 Label12 Label13 Label14", 4, true, E},
    {"accommodation 2.1", Accommodation, 2, 1, 5, 4, B, u"Button2", B, B, E, false, u"Label21 Label22 Label23 Label24", 4, true, E},
    {"accommodation 3.1", Accommodation, 3, 1, 5, 3, C, u"Button3", C, C, E, false, u"Label31 Label32 Label33", 3, true, E},
    {"accommodation 4.1", Accommodation, 4, 1, 5, 3, C, u"Button4", C, C, E, false, u"Label41 Label42 Label43", 3, true, E},
    {"accommodation 5.1", Accommodation, 5, 1, 5, 3, C, u"Button5", C, C, E, false, u"Label51 Label52 Label53", 3, true, E},
    // Food: the second groups' headers skip Label15 and Label24-25.
    {"food 1.1", Food, 1, 1, 4, 4, B, u"Button1", B, B, E, false, u"Label11 Label12 Label13 Label14", 4, false, E},
    {"food 1.2", Food, 1, 5, 8, 4, B, u"", 0, 0, 0, false, u"Label16 Label17 Label18 Label19", 4, true, E},
    {"food 2.1", Food, 2, 1, 4, 3, C, u"Button2", C, B, E, true, u"Label21 Label22 Label23", 3, false, E},
    {"food 2.2", Food, 2, 5, 8, 4, B, u"", 0, 0, 0, false, u"Label26 Label27 Label28 Label29", 4, true, E},
    {"food 3.1", Food, 3, 1, 10, 3, C, u"Button3", C, C, E, false, u"Label31 Label32 Label33", 3, true, E},
    // Construction: one group of works a tab, each as long as its list.
    {"construction 1.1", Construction, 1, 1, 14, 4, B, u"Button1", B, B, E, false, u"Label11 Label12 Label13 Label14", 4, true, E},
    {"construction 2.1", Construction, 2, 1, 7, 4, B, u"Button2", B, B, E, false, u"Label21 Label22 Label23 Label24", 4, true, E},
    {"construction 3.1", Construction, 3, 1, 10, 4, B, u"Button3", B, B, E, false, u"Label31 Label32 Label33 Label34", 4, true, E},
    {"construction 4.1", Construction, 4, 1, 4, 4, B, u"Button4", B, B, E, false, u"Label41 Label42 Label43 Label44", 4, true, E},
    {"construction 5.1", Construction, 5, 1, 5, 4, B, u"Button5", B, B, E, false, u"Label51 Label52 Label53 Label54", 4, true, E},
    {"construction 6.1", Construction, 6, 1, 26, 4, B, u"Button6", B, B, E, false, u"Label61 Label62 Label63 Label64", 4, true, E},
    {"construction 7.1", Construction, 7, 1, 17, 4, B, u"Button7", B, B, E, false, u"Label71 Label72 Label73 Label74", 4, true, E},
    {"construction 8.1", Construction, 8, 1, 15, 4, B, u"Button8", B, B, E, false, u"Label81 Label82 Label83 Label84", 4, true, E},
    {"construction 9.1", Construction, 9, 1, 12, 4, B, u"Button9", B, B, E, false, u"Label91 Label92 Label93 Label94", 4, true, E},
    // Services: the sheet ends in F; from tab 3 on, titles are the group
    // headers; accounting and interpretation list a row by its quantity.
    {"services 1.1", Services, 1, 1, 5, 3, D, u"Button1", D, D, F, false, u"Label11 Label12 Label13", 3, true, F},
    {"services 2.1", Services, 2, 1, 5, 3, D, u"Button2", D, D, F, false, u"Label21 Label22 Label23", 3, true, F},
    {"services 3.1", Services, 3, 1, 3, 2, E, u"Labelzag31", E, E, F, false, u"Label31 Label32", 2, false, F},
    {"services 3.2", Services, 3, 4, 6, 3, D, u"Labelzag32", D, D, F, false, u"Label34 Label35 Label36", 3, true, F},
    {"services 4.1", Services, 4, 1, 4, 3, D, u"Labelzag41", D, D, F, false, u"Label41 Label42 Label43", 2, false, F},
    {"services 4.2", Services, 4, 5, 8, 3, D, u"Labelzag42", D, D, F, false, u"Label44 Label45 Label46", 3, true, F},
    {"services 5.1", Services, 5, 1, 5, 3, D, u"Labelzag51", D, D, F, false, u"Label51 Label52 Label53", 3, true, F},
    {"services 6.1", Services, 6, 1, 4, 5, B, u"Labelzag61", B, B, F, false, u"Label61 Label62 Label63 Label64 Label65", 5, false, F},
    {"services 6.2", Services, 6, 5, 8, 3, D, u"Labelzag62", D, D, F, false, u"Label66 Label67 Label68", 3, true, F},
    {"services 7.1", Services, 7, 1, 5, 3, D, u"Labelzag71", D, D, F, false, u"Label71 Label72 Label73", 3, true, F},
    {"services 8.1", Services, 8, 1, 4, 3, D, u"Labelzag81", D, D, F, false, u"Label81 Label82 Label83", 2, false, F},
    {"services 8.2", Services, 8, 5, 8, 3, D, u"Labelzag82", D, D, F, false, u"Label84 Label85 Label86", 3, true, F},
    // Expenses.
    {"expenses 1.1", Expenses, 1, 1, 4, 3, C, u"Button1", C, C, E, false, u"Label11 Label12 Label13", 3, false, E},
    {"expenses 1.2", Expenses, 1, 5, 8, 3, C, u"", 0, 0, 0, false, u"Label14 Label15 Label16", 3, true, E},
    {"expenses 2.1", Expenses, 2, 1, 5, 3, C, u"Button2", C, C, E, false, u"Label21 Label22 Label23", 3, true, E},
    {"expenses 3.1", Expenses, 3, 1, 4, 4, B, u"Button3", B, B, E, false, u"Label31 Label32 Label33 Label34", 4, false, E},
    {"expenses 3.2", Expenses, 3, 5, 8, 4, B, u"", 0, 0, 0, false, u"Label35 Label36 Label37 Label38", 4, true, E},
    {"expenses 4.1", Expenses, 4, 1, 5, 3, C, u"Button4", C, C, E, false, u"Label41 Label42 Label43", 3, true, E},
    // Advertising: every title is a group header; the billboard headers
    // follow Label14 at Label17; the promotion subtotal is framed across C-E.
    {"advertising 1.1", Advertising, 1, 1, 4, 4, B, u"Labelzag11", B, B, E, false, u"Label11 Label12 Label13 Label14", 4, false, E},
    {"advertising 1.2", Advertising, 1, 5, 8, 4, B, u"Labelzag12", B, B, E, false, u"Label17 Label18 Label19 Label110", 4, false, E},
    {"advertising 1.3", Advertising, 1, 9, 12, 4, B, u"Labelzag13", B, B, E, false, u"Label111 Label112 Label113 Label114", 4, true, E},
    {"advertising 2.1", Advertising, 2, 1, 3, 4, B, u"Labelzag21", B, B, E, false, u"Label21 Label22 Label23 Label24", 4, false, E},
    {"advertising 2.2", Advertising, 2, 4, 6, 4, B, u"Labelzag22", B, B, E, false, u"Label25 Label26 Label27 Label28", 4, false, E},
    {"advertising 2.3", Advertising, 2, 7, 9, 4, B, u"Labelzag23", B, B, E, false, u"Label29 Label210 Label211 Label212", 4, false, E},
    {"advertising 2.4", Advertising, 2, 10, 12, 3, C, u"Labelzag24", B, B, E, true, u"Label213 Label214 Label215", 3, false, E},
    {"advertising 2.5", Advertising, 2, 13, 15, 3, C, u"Labelzag25", B, B, E, true, u"Label216 Label217 Label218", 3, true, E},
    {"advertising 3.1", Advertising, 3, 1, 4, 3, C, u"Labelzag31", C, B, E, true, u"Label31 Label32 Label33", 3, false, E},
    {"advertising 3.2", Advertising, 3, 5, 8, 3, C, u"Labelzag32", C, B, E, true, u"Label34 Label35 Label36", 3, false, E},
    {"advertising 3.3", Advertising, 3, 9, 12, 4, B, u"Labelzag33", B, B, E, true, u"Label37 Label38 Label39 Label310", 4, true, E},
    {"advertising 4.1", Advertising, 4, 1, 4, 3, C, u"Labelzag41", C, C, E, false, u"Label41 Label42 Label43", 3, true, C},
    // Events: the accessories subtotal is framed across C-E.
    {"events 1.1", Events, 1, 1, 5, 3, C, u"Button1", C, C, E, false, u"Label11 Label12 Label13", 3, true, E},
    {"events 2.1", Events, 2, 1, 5, 4, B, u"Button2", B, B, E, false, u"Label21 Label22 Label23 Label24", 4, true, E},
    {"events 3.1", Events, 3, 1, 5, 3, C, u"Button3", C, C, E, false, u"Label31 Label32 Label33", 3, true, E},
    {"events 4.1", Events, 4, 1, 5, 3, C, u"Button4", C, C, E, false, u"Label41 Label42 Label43", 3, true, C},
};

} // namespace

class TestReportPlan : public QObject
{
    Q_OBJECT

private slots:
    void sheetsAndTabs_data();
    void sheetsAndTabs();
    void everyGroupAsPlanned_data();
    void everyGroupAsPlanned();
    void blocksFitTheSheet_data();
    void blocksFitTheSheet();
    void aRowIsListedByItsSumUnlessItsQuantityDecides_data();
    void aRowIsListedByItsSumUnlessItsQuantityDecides();
};

void TestReportPlan::sheetsAndTabs_data()
{
    QTest::addColumn<int>("section");
    QTest::addColumn<int>("lastColumn");
    QTest::addColumn<QList<int>>("groupsPerTab");
    QTest::newRow("logistics") << int(Logistics) << int(F) << QList<int>{1, 2, 2, 1, 1};
    QTest::newRow("accommodation") << int(Accommodation) << int(E) << QList<int>{1, 1, 1, 1, 1};
    QTest::newRow("food") << int(Food) << int(E) << QList<int>{2, 2, 1};
    QTest::newRow("construction") << int(Construction) << int(E) << QList<int>{1, 1, 1, 1, 1, 1, 1, 1, 1};
    QTest::newRow("services") << int(Services) << int(F) << QList<int>{1, 1, 2, 2, 1, 2, 1, 2};
    QTest::newRow("expenses") << int(Expenses) << int(E) << QList<int>{2, 1, 2, 1};
    QTest::newRow("advertising") << int(Advertising) << int(E) << QList<int>{3, 5, 3, 1};
    QTest::newRow("events") << int(Events) << int(E) << QList<int>{1, 1, 1, 1};
}

void TestReportPlan::sheetsAndTabs()
{
    QFETCH(int, section);
    QFETCH(int, lastColumn);
    QFETCH(QList<int>, groupsPerTab);

    const ReportPlan plan = reportPlanOf(*allCatalogues().at(section));
    QCOMPARE(plan.lastColumn, lastColumn);
    QList<int> groups;
    for (const ReportTab &tab : plan.tabs)
        groups << int(tab.groups.size());
    QCOMPARE(groups, groupsPerTab);
    for (int t = 1; t <= plan.tabs.size(); ++t)
        QCOMPARE(plan.tabs[t - 1].sumEditControl, u"SumEdit%1"_s.arg(t));

    // The table below holds every group of the plan.
    int planned = 0;
    for (const PlannedGroup &group : kPlan)
        planned += group.section == section;
    QCOMPARE(planned, int(std::accumulate(groupsPerTab.begin(), groupsPerTab.end(), 0)));
}

void TestReportPlan::everyGroupAsPlanned_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(kPlan)); ++i)
        QTest::newRow(kPlan[i].name) << i;
}

void TestReportPlan::everyGroupAsPlanned()
{
    QFETCH(int, row);
    const PlannedGroup &expected = kPlan[row];

    const ReportPlan plan = reportPlanOf(*allCatalogues().at(expected.section));
    QVERIFY(expected.tab <= plan.tabs.size());
    // The group's place in its tab, by the table's order.
    int index = 0;
    for (int i = 0; i < row; ++i)
        index += kPlan[i].section == expected.section && kPlan[i].tab == expected.tab;
    const QVector<ReportGroup> &groups = plan.tabs[expected.tab - 1].groups;
    QVERIFY(index < groups.size());
    const ReportGroup &group = groups[index];

    QCOMPARE(group.tab, expected.tab);
    QCOMPARE(group.firstRow, expected.firstRow);
    QCOMPARE(group.lastRow, expected.lastRow);
    QCOMPARE(group.gridColumns, expected.gridColumns);
    QCOMPARE(group.firstColumn, expected.firstColumn);
    QCOMPARE(group.titleControl, QString::fromUtf16(expected.title));
    QCOMPARE(group.titleColumn, expected.titleColumn);
    QCOMPARE(group.mergeFrom, expected.mergeFrom);
    QCOMPARE(group.mergeTo, expected.mergeTo);
    QCOMPARE(group.titleBordered, expected.titleBordered);
    QCOMPARE(group.headerControls, QString::fromUtf16(expected.headers).split(u' '));
    QCOMPARE(group.gateColumn, expected.gate);
    QCOMPARE(group.lastOfTab, expected.lastOfTab);
    QCOMPARE(group.subtotalFrom, expected.subtotalFrom);
}

void TestReportPlan::blocksFitTheSheet_data()
{
    QTest::addColumn<int>("section");
    const char *names[] = {"logistics", "accommodation", "food", "construction", "services", "expenses", "advertising", "events"};
    for (int i = 0; i < int(std::size(names)); ++i)
        QTest::newRow(names[i]) << i;
}

void TestReportPlan::blocksFitTheSheet()
{
    QFETCH(int, section);

    const ReportPlan plan = reportPlanOf(*allCatalogues().at(section));
    for (const ReportTab &tab : plan.tabs) {
        int lastOfTab = 0;
        for (int g = 0; g < tab.groups.size(); ++g) {
            const ReportGroup &group = tab.groups[g];
            const QByteArray at = u"tab %1 group %2"_s.arg(group.tab).arg(g + 1).toUtf8();
            // Column A stays empty.
            QVERIFY2(group.firstColumn >= B, at.constData());
            QVERIFY2(group.headerControls.size() == group.gridColumns, at.constData());
            QVERIFY2(group.gateColumn >= 1 && group.gateColumn <= group.gridColumns, at.constData());
            // A tab's block opens with a title; a title's merge lies on the
            // sheet, holds the title cell and reaches the last column.
            if (group.titleControl.isEmpty()) {
                QVERIFY2(g > 0, at.constData());
            } else {
                QVERIFY2(group.mergeFrom >= B && group.mergeFrom <= group.mergeTo, at.constData());
                QVERIFY2(group.mergeTo == plan.lastColumn, at.constData());
                QVERIFY2(group.titleColumn >= group.mergeFrom && group.titleColumn <= group.mergeTo, at.constData());
            }
            lastOfTab += group.lastOfTab;
            if (group.lastOfTab)
                QVERIFY2(group.subtotalFrom >= group.firstColumn && group.subtotalFrom <= plan.lastColumn, at.constData());
        }
        QCOMPARE(lastOfTab, 1);
    }
}

void TestReportPlan::aRowIsListedByItsSumUnlessItsQuantityDecides_data()
{
    QTest::addColumn<int>("section");
    QTest::addColumn<QStringList>("byQuantity"); // groups "tab.group" listed by a quantity
    QTest::newRow("logistics") << int(Logistics) << QStringList();
    QTest::newRow("accommodation") << int(Accommodation) << QStringList();
    QTest::newRow("food") << int(Food) << QStringList();
    QTest::newRow("construction") << int(Construction) << QStringList();
    // Accounting and interpretation list a row once its months or hours are typed.
    QTest::newRow("services") << int(Services) << QStringList{u"4.1"_s, u"8.1"_s};
    QTest::newRow("expenses") << int(Expenses) << QStringList();
    QTest::newRow("advertising") << int(Advertising) << QStringList();
    QTest::newRow("events") << int(Events) << QStringList();
}

void TestReportPlan::aRowIsListedByItsSumUnlessItsQuantityDecides()
{
    QFETCH(int, section);
    QFETCH(QStringList, byQuantity);

    const SectionCatalogue &catalogue = *allCatalogues().at(section);
    const ReportPlan plan = reportPlanOf(catalogue);
    for (int t = 1; t <= catalogue.tabCount(); ++t) {
        const auto &specs = catalogue.tabs[t - 1].groups;
        for (std::size_t g = 0; g < specs.size(); ++g) {
            const QString at = u"%1.%2"_s.arg(t).arg(g + 1);
            const int gate = plan.tabs[t - 1].groups[int(g)].gateColumn;
            const ColumnRole role = specs[g].columns[std::size_t(gate - 1)].role;
            const ColumnRole expected = byQuantity.contains(at) ? ColumnRole::Quantity : ColumnRole::Sum;
            QVERIFY2(role == expected, qPrintable(at));
        }
    }
}

QTEST_APPLESS_MAIN(TestReportPlan)
#include "test_reportplan.moc"
