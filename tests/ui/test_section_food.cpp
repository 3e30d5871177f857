// Food and leisure on screen: option lists, fixed activity rows, header names.

#include "testsupport.h"

#include "model/sections/food.h"

using namespace torvane;
using namespace torvane::test;

class TestSectionFood : public QObject
{
    Q_OBJECT

private slots:
    void classListPerLanguage();
    void activityNamesAreFixedAndReadOnly();
    void rowSetBackToZeroPersonsDropsTheSubtotal();
    void headerNumbersSkipTheGaps();
};

void TestSectionFood::classListPerLanguage()
{
    Screens screens;
    const QList<QStringList> classes{
        {u"économie"_s, u"moyenne"_s, u"luxe"_s},
        {u"Эконом"_s, u"Средний"_s, u"Люкс"_s},
        {u"economy"_s, u"Average"_s, u"luxury"_s},
    };
    for (int language = 0; language < 3; ++language) {
        ui::sections::SectionScreen *s = screens.openSection(u"Form_food"_s, language);
        for (const QString &name : {u"ComboBox112"_s, u"ComboBox182"_s}) {
            QComboBox *box = s->findChild<QComboBox *>(name);
            QVERIFY(box);
            QStringList items;
            for (int i = 0; i < box->count(); ++i)
                items << box->itemText(i);
            QCOMPARE(items, classes[language]);
            QCOMPARE(box->currentIndex(), -1);
        }
        QCOMPARE(s->findChild<QComboBox *>(u"ComboBox251"_s)->count(), 5);
        QCOMPARE(s->findChild<QComboBox *>(u"ComboBox241"_s)->count(), 4);
    }
}

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

void TestSectionFood::headerNumbersSkipTheGaps()
{
    // Second groups' headers are Label16..Label19 and Label26..Label29; the
    // report reads them by these names.
    Screens screens;
    ui::sections::SectionScreen *s = screens.openSection(u"Form_food"_s, 2);
    for (const QString &name : {u"Label15"_s, u"Label24"_s, u"Label25"_s})
        QVERIFY2(!s->control(name), qPrintable(name));
    QCOMPARE(s->controlText(u"Label16"_s), u"Select the type of meal"_s);
    QCOMPARE(s->controlText(u"Label28"_s), u"Time"_s);
    QCOMPARE(s->controlText(u"Label29"_s), u"The sum"_s);

    const model::ReportPlan plan = model::reportPlanOf(model::sections::foodCatalogue());
    QCOMPARE(plan.tabs.size(), 3);
    for (const model::ReportTab &tab : plan.tabs) {
        for (const model::ReportGroup &group : tab.groups) {
            QCOMPARE(group.headerControls.size(), group.gridColumns);
            for (const QString &header : group.headerControls)
                QVERIFY2(!s->controlText(header).isEmpty(), qPrintable(header));
            if (!group.titleControl.isEmpty())
                QVERIFY(!s->controlText(group.titleControl).isEmpty());
        }
    }
    QCOMPARE(plan.tabs[0].groups[1].headerControls.front(), u"Label16"_s);
    QCOMPARE(plan.tabs[1].groups[1].headerControls.back(), u"Label29"_s);
}

QTEST_MAIN(TestSectionFood)
#include "test_section_food.moc"
