// Advertising on screen: option texts and rows priced without quantity.

#include "testsupport.h"

using namespace torvane;
using namespace torvane::test;

namespace {

QStringList itemsOf(QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

} // namespace

class TestSectionReclame : public QObject
{
    Q_OBJECT

private slots:
    void sizesUseTheCyrillicDimensionLetter();
    void frenchBanksAreListedInTheOtherOrderAndPricedAlike();
    void seoRowIsPricedOnTheScreenWithoutQuantity();
};

void TestSectionReclame::sizesUseTheCyrillicDimensionLetter()
{
    Screens screens;
    const QList<QStringList> screenSizes{
        {u"1.5х2 m"_s, u"3х4 m"_s},
        {u"1.5х2 метров"_s, u"3х4 метров"_s},
        {u"1.5х2 метров"_s, u"3х4 m-m"_s},
    };
    for (int language = 0; language < 3; ++language) {
        ui::sections::SectionScreen *s = screens.openSection(u"Form_reclame"_s, language);
        const QStringList items = itemsOf(s->comboBox(1, 11, 2));
        QCOMPARE(items, screenSizes[language]);
        for (const QString &item : items + itemsOf(s->comboBox(1, 5, 2))) {
            QVERIFY2(item.contains(QChar(0x0445)), qPrintable(item));
            QVERIFY2(!item.contains(u'x'), qPrintable(item));
        }
    }
}

void TestSectionReclame::frenchBanksAreListedInTheOtherOrderAndPricedAlike()
{
    Screens screens;
    const QList<QStringList> banks{
        {u"rive gauche"_s, u"rive droite"_s},
        {u"Правый берег"_s, u"Левый берег"_s},
        {u"right bank"_s, u"left bank"_s},
    };
    for (int language = 0; language < 3; ++language) {
        ui::sections::SectionScreen *s = screens.openSection(u"Form_reclame"_s, language);
        QCOMPARE(itemsOf(s->comboBox(1, 5, 1)), banks[language]);
        QCOMPARE(itemsOf(s->comboBox(1, 12, 1)), banks[language]);
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
