// Running expenses on screen: option texts and tab 1 geometry.

#include "testsupport.h"

#include <QScrollArea>

using namespace torvane;
using namespace torvane::test;

class TestSectionExpenses : public QObject
{
    Q_OBJECT

private slots:
    void consumableListKeepsItsExactTexts();
    void cleaningCellsAreNarrowerThanTheirHeaderSpacing();
};

void TestSectionExpenses::consumableListKeepsItsExactTexts()
{
    Screens screens;
    const QList<QStringList> expected{
        {u"stylo"_s, u"crayon"_s, u"A4 de papier"_s, u"ciseaux"_s, u"gomme"_s},
        {u"Ручка"_s, u"Карандаш"_s, u"Бумага А4"_s, u"Ножницы"_s, u"Резинка"_s},
        {u"pen"_s, u"pencil"_s, u"paper a4 "_s, u"scissors"_s, u"eraser"_s},
    };
    for (int language = 0; language < 3; ++language) {
        ui::sections::SectionScreen *s = screens.openSection(u"Form_expenses"_s, language);
        QComboBox *box = s->comboBox(4, 5, 1);
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        QCOMPARE(items, expected[language]);
    }
    // The Russian A4 is spelt with the Cyrillic letter А, the French one with a Latin A.
    QCOMPARE(expected[1][2].at(7).unicode(), char16_t(0x0410));
    QCOMPARE(expected[0][2].at(0).unicode(), char16_t(u'A'));
}

void TestSectionExpenses::cleaningCellsAreNarrowerThanTheirHeaderSpacing()
{
    Screens screens;
    ui::sections::SectionScreen *s = screens.openSection(u"Form_expenses"_s, 0);
    const int Wt = s->ScrollBox[0]->width();
    const int w = (Wt - 115) / 3;
    const int h = (Wt - 95) / 3;
    for (int c = 1; c <= 3; ++c) {
        QCOMPARE(s->edit(1, 1, c)->geometry(), QRect((w + 10) * c - w, 75, w, 25));
        QCOMPARE(s->control(u"Label1%1"_s.arg(c))->x(), (h + 10) * c - h);
        QCOMPARE(s->control(u"Label1%1"_s.arg(c + 3))->pos(), QPoint((h + 10) * c - h, 250));
    }
    QCOMPARE(s->edit(1, 8, 3)->y(), 35 * 8 + 100);
    QCOMPARE(s->SumEdit[0]->y(), 415);
    QCOMPARE(s->SumEdit[1]->y(), 250);
}

QTEST_MAIN(TestSectionExpenses)
#include "test_section_expenses.moc"
