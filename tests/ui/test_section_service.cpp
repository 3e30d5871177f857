// Business services on screen: tab buttons, a row priced without quantity.

#include "testsupport.h"

#include <QPushButton>
#include <QScrollArea>

using namespace torvane;
using namespace torvane::test;

class TestSectionService : public QObject
{
    Q_OBJECT

private slots:
    void tabButtonsStandInTwoRowsOfFour();
    void websiteRowIsPricedWithoutQuantityAndKeptOnNextShow();
};

void TestSectionService::tabButtonsStandInTwoRowsOfFour()
{
    // 1366 wide: the content starts at 342 and is 974 wide, a quarter of it
    // 243 for each button.
    Screens screens;
    ui::sections::SectionScreen *s = screens.openSection(u"Form_service"_s, 2);
    const QList<QRect> expected{
        {342, 50, 243, 30}, {585, 50, 243, 30}, {828, 50, 243, 30}, {1071, 50, 243, 30},
        {342, 80, 243, 30}, {585, 80, 243, 30}, {828, 80, 243, 30}, {1071, 80, 243, 30},
    };
    for (int t = 1; t <= 8; ++t)
        QCOMPARE(s->Button[t - 1]->geometry(), expected[t - 1]);
    QCOMPARE(s->ScrollBox[0]->x(), 342);
}

void TestSectionService::websiteRowIsPricedWithoutQuantityAndKeptOnNextShow()
{
    Screens screens;
    ui::sections::SectionScreen *s = screens.openSection(u"Form_service"_s, 1);
    choose(s, 3, 1, 1, 2);
    settle(s);
    QCOMPARE(s->edit(3, 1, 2)->text(), u"1000000"_s);
    QCOMPARE(s->SumEdit[2]->text(), u"1000000"_s);
    QCOMPARE(s->Edit1->text(), u"1000000"_s);

    s = screens.openSection(u"Form_service"_s, 0);
    QCOMPARE(s->comboBox(3, 1, 1)->currentIndex(), 2);
    QCOMPARE(s->edit(3, 1, 2)->text(), u"1000000"_s);
    QCOMPARE(s->Edit1->text(), u"1000000"_s);
}

QTEST_MAIN(TestSectionService)
#include "test_section_service.moc"
