// Construction on screen: fixed work names shown again, layout.

#include "testsupport.h"

#include <QPushButton>
#include <QScrollArea>

using namespace torvane;
using namespace torvane::test;

class TestSectionConstruct : public QObject
{
    Q_OBJECT

private slots:
    void workNamesSurviveLayoutAndLocalisation();
    void twoRowsOfTabButtonsAndOwnColumns();
};

void TestSectionConstruct::workNamesSurviveLayoutAndLocalisation()
{
    Screens screens;
    ui::sections::SectionScreen *s = screens.openSection(u"Form_construct"_s, 2);
    QCOMPARE(s->windowTitle(), u"Construction and repair"_s);
    QCOMPARE(s->control(u"ScrollBox10"_s), s->TotalsPanel);
    QLineEdit *name = s->edit(1, 1, 1);
    QVERIFY(name->isReadOnly());
    QCOMPARE(name->text(), u"demolition of brick walls, etc. 1/2 in thick brick"_s);

    // Shown again: layout resets the quantities, localisation rewrites the
    // names; no name column of any tab is left at "0" or empty.
    s = screens.openSection(u"Form_construct"_s, 1);
    QCOMPARE(s->windowTitle(), u"Строительство и ремонт"_s);
    int rows = 0;
    for (int t = 1; t <= 9; ++t) {
        for (int r = 1; s->edit(t, r, 1); ++r, ++rows) {
            const QString text = s->edit(t, r, 1)->text();
            QVERIFY2(text != u"0"_s && !text.isEmpty(), qPrintable(u"Edit%1%2%3"_s.arg(t).arg(r).arg(1)));
            QVERIFY(s->edit(t, r, 1)->isReadOnly());
            QCOMPARE(s->edit(t, r, 2)->text(), u"0"_s);
        }
    }
    QCOMPARE(rows, 110);
    QCOMPARE(s->edit(9, 12, 1)->text(), u"Устройство плинтуса"_s);
}

void TestSectionConstruct::twoRowsOfTabButtonsAndOwnColumns()
{
    // 1366 wide: the content starts at 342 and is 974 wide; five buttons of
    // 974 / 5 = 194 above four of 974 / 4 = 243.
    Screens screens;
    ui::sections::SectionScreen *s = screens.openSection(u"Form_construct"_s, 0);
    QCOMPARE(s->Button.size(), 9);
    const QList<QRect> buttons{
        {342, 50, 194, 30}, {536, 50, 194, 30}, {730, 50, 194, 30}, {924, 50, 194, 30}, {1118, 50, 194, 30},
        {342, 80, 243, 30}, {585, 80, 243, 30}, {828, 80, 243, 30}, {1071, 80, 243, 30},
    };
    for (int t = 0; t < 9; ++t)
        QCOMPARE(s->Button[t]->geometry(), buttons[t]);

    // w = (974 - 105) / 4 = 217: name 434 wide, quantity and unit 108 each, amount 217.
    const QList<QRect> expected{{10, 75, 434, 25}, {454, 75, 108, 25}, {573, 75, 108, 25}, {691, 75, 217, 25}};
    for (int c = 1; c <= 4; ++c) {
        QWidget *cell = c == 3 ? static_cast<QWidget *>(s->comboBox(6, 1, c)) : s->edit(6, 1, c);
        QCOMPARE(cell->geometry(), expected[c - 1]);
        QCOMPARE(s->control(u"Label6%1"_s.arg(c))->x(), expected[c - 1].x());
    }

    // Each subtotal stands one row below its tab's last work: tab 1 has 14
    // rows, its subtotal 35 x 15 + 45 = 570.
    const QList<int> lastRows{14, 7, 10, 4, 5, 26, 17, 15, 12};
    const QList<int> subtotalTops{570, 325, 430, 220, 255, 990, 675, 605, 500};
    for (int t = 1; t <= 9; ++t) {
        const int last = lastRows[t - 1];
        QVERIFY(s->edit(t, last, 4));
        QVERIFY(!s->edit(t, last + 1, 4));
        QCOMPARE(s->SumEdit[t - 1]->y(), subtotalTops[t - 1]);
        QVERIFY(s->SumEdit[t - 1]->y() > s->edit(t, last, 4)->geometry().bottom());
    }
}

QTEST_MAIN(TestSectionConstruct)
#include "test_section_construct.moc"
