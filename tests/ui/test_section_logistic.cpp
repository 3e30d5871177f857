// Logistics on screen: a row priced as the user fills it in.

#include "testsupport.h"

using namespace torvane;
using namespace torvane::test;

class TestSectionLogistic : public QObject
{
    Q_OBJECT

private slots:
    void pickingAstanaAlmatyForTwoAdultsShowsFiftyThousand();
};

void TestSectionLogistic::pickingAstanaAlmatyForTwoAdultsShowsFiftyThousand()
{
    Screens screens;
    ui::sections::SectionScreen *s = screens.openSection(u"Form_logistic"_s, 2);
    choose(s, 1, 1, 1, 0);
    choose(s, 1, 1, 2, 0);
    type(s, 1, 1, 3, u"2"_s);
    QVERIFY(s->Timer3->isOn());
    QTRY_COMPARE_WITH_TIMEOUT(s->findChild<QLineEdit *>(u"Edit115"_s)->text(), u"50000"_s, 2000);
    QCOMPARE(s->SumEdit[0]->text(), u"50000"_s);
    QCOMPARE(s->Edit1->text(), u"50000"_s);
    QVERIFY(!s->Timer3->isOn());
}

QTEST_MAIN(TestSectionLogistic)
#include "test_section_logistic.moc"
