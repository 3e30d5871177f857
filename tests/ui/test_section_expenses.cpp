// Running expenses on screen: tab 1 geometry.

#include "testsupport.h"

#include <QScrollArea>

using namespace torvane;
using namespace torvane::test;

class TestSectionExpenses : public QObject
{
    Q_OBJECT

private slots:
    void cleaningCellsAreNarrowerThanTheirHeaderSpacing();
};

void TestSectionExpenses::cleaningCellsAreNarrowerThanTheirHeaderSpacing()
{
    // 1366 wide: tab containers 974. Cells leave a margin of 115, headers one
    // of 95: cells (974 - 115) / 3 = 286 wide at 10, 306 and 602; headers
    // spaced (974 - 95) / 3 = 293 apart, at 10, 313 and 616.
    Screens screens;
    ui::sections::SectionScreen *s = screens.openSection(u"Form_expenses"_s, 0);
    QCOMPARE(s->ScrollBox[0]->width(), 974);
    const QList<QRect> cells{{10, 75, 286, 25}, {306, 75, 286, 25}, {602, 75, 286, 25}};
    const QList<int> headers{10, 313, 616};
    for (int c = 1; c <= 3; ++c) {
        QCOMPARE(s->edit(1, 1, c)->geometry(), cells[c - 1]);
        QCOMPARE(s->control(u"Label1%1"_s.arg(c))->x(), headers[c - 1]);
        QCOMPARE(s->control(u"Label1%1"_s.arg(c + 3))->pos(), QPoint(headers[c - 1], 250));
    }
    // Dry-cleaning rows stand 35 apart from 100 below the row number: row 8 at 380.
    QCOMPARE(s->edit(1, 8, 3)->y(), 380);
    QCOMPARE(s->SumEdit[0]->y(), 415);
    QCOMPARE(s->SumEdit[1]->y(), 250);
}

QTEST_MAIN(TestSectionExpenses)
#include "test_section_expenses.moc"
