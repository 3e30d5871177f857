// Food and leisure on screen: fixed activity rows shown again, a row set back to zero.

#include "testsupport.h"

using namespace torvane;
using namespace torvane::test;

class TestSectionFood : public QObject
{
    Q_OBJECT

private slots:
    void activityNamesAreFixedAndReadOnly();
    void rowSetBackToZeroPersonsDropsTheSubtotal();
};

void TestSectionFood::activityNamesAreFixedAndReadOnly()
{
    Screens screens;
    ui::sections::SectionScreen *s = screens.openSection(u"Form_food"_s, 0);
    QLineEdit *first = s->findChild<QLineEdit *>(u"Edit311"_s);
    QLineEdit *last = s->findChild<QLineEdit *>(u"Edit3101"_s);
    QVERIFY(first && last);
    QVERIFY(first->isReadOnly());
    QVERIFY(last->isReadOnly());
    QCOMPARE(first->text(), u"Théâtre / Opéra"_s);
    QCOMPARE(last->text(), u"Beauté"_s);

    // Shown again in another language: layout and localisation rerun, the names
    // follow the language and never fall back to "0".
    s = screens.openSection(u"Form_food"_s, 2);
    QCOMPARE(first->text(), u"Theatre / Opera"_s);
    QCOMPARE(last->text(), u"Beauty Salons"_s);
    QCOMPARE(s->findChild<QLineEdit *>(u"Edit312"_s)->text(), u"0"_s);
}

void TestSectionFood::rowSetBackToZeroPersonsDropsTheSubtotal()
{
    Screens screens;
    ui::sections::SectionScreen *s = screens.openSection(u"Form_food"_s, 1);
    type(s, 3, 8, 2, u"2"_s);
    type(s, 3, 1, 2, u"1"_s);
    settle(s);
    QCOMPARE(s->edit(3, 8, 3)->text(), u"20000"_s);
    QCOMPARE(s->SumEdit[2]->text(), u"23000"_s);
    QCOMPARE(s->Edit1->text(), u"23000"_s);
    type(s, 3, 8, 2, u"0"_s);
    settle(s);
    QCOMPARE(s->edit(3, 8, 3)->text(), u"0"_s);
    QCOMPARE(s->SumEdit[2]->text(), u"3000"_s);
    QCOMPARE(s->Edit1->text(), u"3000"_s);
    QCOMPARE(s->edit(3, 8, 1)->text(), u"Шопинг"_s);
}

QTEST_MAIN(TestSectionFood)
#include "test_section_food.moc"
