// Business services on screen: option lists, tab buttons, a row priced without quantity.

#include "testsupport.h"

#include <QPushButton>
#include <QScrollArea>

using namespace torvane;
using namespace torvane::test;

class TestSectionService : public QObject
{
    Q_OBJECT

private slots:
    void accountingTabOffersTwoListsTranslationTabOne();
    void tabButtonsStandInTwoRowsOfFour();
    void websiteRowIsPricedWithoutQuantityAndKeptOnNextShow();
};

void TestSectionService::accountingTabOffersTwoListsTranslationTabOne()
{
    Screens screens;
    const QStringList accounting{u"Comptabilité"_s, u"Ведение бухгалтерского учета"_s, u"Accounting service"_s};
    const QStringList consulting{u"étude de faisabilité"_s, u"финансово-экономические обоснования"_s, u"feasibility study"_s};
    const QStringList chinese{u"Chinois"_s, u"Китайский"_s, u"Chinese"_s};
    for (int language = 0; language < 3; ++language) {
        ui::sections::SectionScreen *s = screens.openSection(u"Form_service"_s, language);
        QComboBox *row4 = s->comboBox(4, 4, 1);
        QComboBox *row5 = s->comboBox(4, 5, 1);
        QCOMPARE(row4->count(), 3);
        QCOMPARE(row4->itemText(1), accounting[language]);
        QCOMPARE(row5->count(), 3);
        QCOMPARE(row5->itemText(0), consulting[language]);
        for (int row : {1, 8}) {
            QComboBox *box = s->comboBox(8, row, 1);
            QCOMPARE(box->count(), 4);
            QCOMPARE(box->itemText(3), chinese[language]);
            QCOMPARE(box->currentIndex(), -1);
        }
    }
}

void TestSectionService::tabButtonsStandInTwoRowsOfFour()
{
    Screens screens;
    ui::sections::SectionScreen *s = screens.openSection(u"Form_service"_s, 2);
    const int width = (s->ww - 100) / 4;
    const int left = s->ScrollBox[0]->x();
    for (int t = 1; t <= 8; ++t) {
        const QRect r = s->Button[t - 1]->geometry();
        QCOMPARE(r.top(), t <= 4 ? 50 : 80);
        QCOMPARE(r.left(), left + width * ((t - 1) % 4));
        QCOMPARE(r.width(), width);
    }
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
