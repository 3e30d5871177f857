// Accommodation on screen: option lists and the controls the report reads.

#include "testsupport.h"

#include "model/sections/living.h"

using namespace torvane;
using namespace torvane::test;

class TestSectionLiving : public QObject
{
    Q_OBJECT

private slots:
    void hotelLevelListPerLanguage();
    void reportPlanNamesControlsOfTheScreen();
};

void TestSectionLiving::hotelLevelListPerLanguage()
{
    Screens screens;
    const QStringList first{u"5 étoiles"_s, u"5 звезд"_s, u"5 stars"_s};
    const QStringList last{u"1 étoiles"_s, u"1 звезда"_s, u"1 stars"_s};
    const QStringList quadruple{u"quadruple placementе"_s, u"Четырехместное размещение"_s, u"Quad accomodation"_s};
    for (int language = 0; language < 3; ++language) {
        ui::sections::SectionScreen *s = screens.openSection(u"Form_living"_s, language);
        QComboBox *levels = s->findChild<QComboBox *>(u"ComboBox151"_s);
        QVERIFY(levels);
        QCOMPARE(levels->count(), 5);
        QCOMPARE(levels->itemText(0), first[language]);
        QCOMPARE(levels->itemText(4), last[language]);
        QCOMPARE(levels->currentIndex(), -1);
        QComboBox *hostel = s->findChild<QComboBox *>(u"ComboBox221"_s);
        QCOMPARE(hostel->count(), 3);
        QCOMPARE(hostel->itemText(1), quadruple[language]);
    }
    // The French quadruple placement ends in a Cyrillic "е", not a Latin "e".
    ui::sections::SectionScreen *s = screens.openSection(u"Form_living"_s, 0);
    const QString text = s->findChild<QComboBox *>(u"ComboBox211"_s)->itemText(1);
    QCOMPARE(text.back().unicode(), 0x0435);
    QCOMPARE(text.chopped(1), u"quadruple placement"_s);
}

void TestSectionLiving::reportPlanNamesControlsOfTheScreen()
{
    // Every title and header the report reads exists on the screen and shows a text.
    Screens screens;
    ui::sections::SectionScreen *s = screens.openSection(u"Form_living"_s, 2);
    const model::ReportPlan plan = model::reportPlanOf(model::sections::livingCatalogue());
    QCOMPARE(plan.lastColumn, int(model::E));
    for (const model::ReportTab &tab : plan.tabs) {
        for (const model::ReportGroup &group : tab.groups) {
            QVERIFY2(!s->controlText(group.titleControl).isEmpty(), qPrintable(group.titleControl));
            QCOMPARE(group.headerControls.size(), group.gridColumns);
            for (const QString &header : group.headerControls)
                QVERIFY2(!s->controlText(header).isEmpty(), qPrintable(header));
            // The title text stands inside its merge; the gate is the row sum.
            QVERIFY(group.titleColumn >= group.mergeFrom && group.titleColumn <= group.mergeTo);
            QCOMPARE(group.gateColumn, group.gridColumns);
        }
    }
}

QTEST_MAIN(TestSectionLiving)
#include "test_section_living.moc"
