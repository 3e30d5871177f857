// Logistics on screen: destination lists and a priced row.

#include "testsupport.h"

using namespace torvane;
using namespace torvane::test;

class TestSectionLogistic : public QObject
{
    Q_OBJECT

private slots:
    void destinationListPerLanguage();
    void pickingAstanaAlmatyForTwoAdultsShowsFiftyThousand();
};

void TestSectionLogistic::destinationListPerLanguage()
{
    Screens screens;
    const QStringList expectedFirst{u"Almaty"_s, u"Алматы"_s, u"Almaty"_s};
    const QStringList expectedFourth{u"Saint-Pétersbourg"_s, u"Санкт-Петербург"_s, u"St.-Petersburg"_s};
    for (int language = 0; language < 3; ++language) {
        ui::sections::SectionScreen *s = screens.openSection(u"Form_logistic"_s, language);
        QComboBox *box = s->findChild<QComboBox *>(u"ComboBox112"_s);
        QVERIFY(box);
        QCOMPARE(box->count(), 20);
        QCOMPARE(box->itemText(0), expectedFirst[language]);
        QCOMPARE(box->itemText(3), expectedFourth[language]);
        QCOMPARE(box->currentIndex(), -1);
        QVERIFY(box->currentText().isEmpty());
        QComboBox *freightTo = s->findChild<QComboBox *>(u"ComboBox252"_s);
        QCOMPARE(freightTo->count(), 2);
    }
}

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
