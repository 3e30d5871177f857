// Advertising on screen: banks priced alike, a row priced without quantity.

#include "testsupport.h"

using namespace torvane;
using namespace torvane::test;

class TestSectionReclame : public QObject
{
    Q_OBJECT

private slots:
    void eitherBankIsPricedAlikeInEveryLanguage();
    void seoRowIsPricedOnTheScreenWithoutQuantity();
};

void TestSectionReclame::eitherBankIsPricedAlikeInEveryLanguage()
{
    // The French list names the banks in the other order: a position must
    // never change an amount. Three months of the one billboard size: 3 x 150000 = 450000.
    Screens screens;
    for (const base::Language language : base::kLanguages) {
        ui::sections::SectionScreen *s = screens.openSection(u"Form_reclame"_s, base::codeOf(language));
        choose(s, 1, 5, 1, 0);
        choose(s, 1, 5, 2, 0);
        type(s, 1, 5, 3, u"3"_s);
        choose(s, 1, 6, 1, 1);
        choose(s, 1, 6, 2, 0);
        type(s, 1, 6, 3, u"3"_s);
        settle(s);
        QCOMPARE(s->edit(1, 5, 4)->text(), u"450000"_s);
        QCOMPARE(s->edit(1, 6, 4)->text(), u"450000"_s);
        QCOMPARE(s->SumEdit[0]->text(), u"900000"_s);
    }
}

void TestSectionReclame::seoRowIsPricedOnTheScreenWithoutQuantity()
{
    Screens screens;
    ui::sections::SectionScreen *s = screens.openSection(u"Form_reclame"_s, 2);
    // Nothing is priced before the user chooses, although no quantity is needed.
    QCOMPARE(s->edit(3, 1, 3)->text(), u"0"_s);
    QCOMPARE(s->edit(2, 10, 3)->text(), u"0"_s);
    choose(s, 3, 1, 1, 0);
    choose(s, 3, 1, 2, 0);
    settle(s);
    QCOMPARE(s->edit(3, 1, 3)->text(), u"500000"_s);
    QCOMPARE(s->SumEdit[2]->text(), u"500000"_s);
    QCOMPARE(s->Edit1->text(), u"500000"_s);
}

QTEST_MAIN(TestSectionReclame)
#include "test_section_reclame.moc"
