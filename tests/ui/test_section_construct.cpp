// Construction on screen: unit lists per row, fixed work names, layout.

#include "testsupport.h"

#include <QPushButton>
#include <QScrollArea>

using namespace torvane;
using namespace torvane::test;

class TestSectionConstruct : public QObject
{
    Q_OBJECT

private slots:
    void unitListsDependOnTheRow_data();
    void unitListsDependOnTheRow();
    void lookAlikeLettersAndBlanksSurvive();
    void workNamesSurviveLayoutAndLocalisation();
    void twoRowsOfTabButtonsAndOwnColumns();
};

void TestSectionConstruct::unitListsDependOnTheRow_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("items");

    QTest::newRow("ru length, walls r14") << 1 << u"ComboBox1143"_s << QStringList{u"пог.метр"_s, u"пог.фут"_s};
    QTest::newRow("ru area, walls r13") << 1 << u"ComboBox1133"_s << QStringList{u"кв.метр"_s, u"кв.фут"_s};
    QTest::newRow("ru piece, electrics r1") << 1 << u"ComboBox413"_s << QStringList{u"шт."_s};
    QTest::newRow("fr area") << 0 << u"ComboBox613"_s << QStringList{u"mètre carré"_s, u"pied carré"_s};
    QTest::newRow("fr length") << 0 << u"ComboBox633"_s << QStringList{u"mètre"_s, u"pied"_s};
    QTest::newRow("fr piece, English word") << 0 << u"ComboBox6263"_s << QStringList{u"unit"_s};
    QTest::newRow("en area") << 2 << u"ComboBox9113"_s << QStringList{u"square meter"_s, u"square ft"_s};
    QTest::newRow("en length") << 2 << u"ComboBox9123"_s << QStringList{u"meter"_s, u"ft"_s};
    QTest::newRow("en piece") << 2 << u"ComboBox913"_s << QStringList{u"unit"_s};
}

void TestSectionConstruct::unitListsDependOnTheRow()
{
    QFETCH(int, language);
    QFETCH(QString, box);
    QFETCH(QStringList, items);

    Screens screens;
    ui::sections::SectionScreen *s = screens.openSection(u"Form_construct"_s, language);
    QComboBox *units = s->findChild<QComboBox *>(box);
    QVERIFY(units);
    QStringList shown;
    for (int i = 0; i < units->count(); ++i)
        shown << units->itemText(i);
    QCOMPARE(shown, items);
    QCOMPARE(units->currentIndex(), -1);
}

void TestSectionConstruct::lookAlikeLettersAndBlanksSurvive()
{
    Screens screens;
    ui::sections::SectionScreen *s = screens.openSection(u"Form_construct"_s, 0);
    const auto first = [s](const QString &name) { return s->controlText(name).at(0).unicode(); };
    QCOMPARE(first(u"Labelzag21"_s), char16_t(0x0417)); // Зlafond
    QCOMPARE(first(u"Labelzag71"_s), char16_t(0x0417));
    QCOMPARE(first(u"Edit181"_s), char16_t(0x0441));    // сadre
    QCOMPARE(first(u"Edit1121"_s), char16_t(0x0443));   // уnlever
    QCOMPARE(first(u"Edit7101"_s), char16_t(0x0417));   // Зose
    QCOMPARE(first(u"Edit7111"_s), char16_t(0x0421));   // Сhaux
    QCOMPARE(s->controlText(u"Labelzag21"_s).mid(1), u"lafond"_s);
    QCOMPARE(s->controlText(u"Edit1121"_s).mid(1), u"nlever le papier peint des murs"_s);
    QCOMPARE(s->controlText(u"Edit841"_s), u"Mélanges d étanchéité \"arrêt GLIMS l eau\""_s);

    s = screens.openSection(u"Form_construct"_s, 1);
    QCOMPARE(s->controlText(u"Edit241"_s), u"демонтаж гипсокартонна с  потолка"_s);
    QCOMPARE(s->controlText(u"Edit841"_s), u"Гидроизоляция смесями «ГЛИМС-ВОДОСТОП»"_s);
    QCOMPARE(s->controlText(u"Edit681"_s), u"Оклеивание малярной сеткой \"Строби\""_s);

    s = screens.openSection(u"Form_construct"_s, 2);
    QCOMPARE(s->controlText(u"Edit441"_s), u"dismantling the old wiring "_s);
    QCOMPARE(s->controlText(u"Edit891"_s), u"Laying laminate "_s);
    QCOMPARE(s->controlText(u"Edit841"_s), u"Waterproofing mixtures \"GLIMS-water stop\""_s);
}

void TestSectionConstruct::workNamesSurviveLayoutAndLocalisation()
{
    Screens screens;
    ui::sections::SectionScreen *s = screens.openSection(u"Form_construct"_s, 2);
    QCOMPARE(s->windowTitle(), u"Construction and repair"_s);
    QCOMPARE(s->control(u"ScrollBox10"_s), s->TotalsPanel);
    QLineEdit *name = s->edit(1, 1, 1);
    QVERIFY(name->isReadOnly());
    QCOMPARE(name->text(), u"demolition of brick walls, etc. 1/2 in thick brick"_s);

    // Shown again: layout resets the quantities, localisation rewrites the
    // names; no name column of any tab is left at "0" or empty.
    s = screens.openSection(u"Form_construct"_s, 1);
    QCOMPARE(s->windowTitle(), u"Строительство и ремонт"_s);
    int rows = 0;
    for (int t = 1; t <= 9; ++t) {
        for (int r = 1; s->edit(t, r, 1); ++r, ++rows) {
            const QString text = s->edit(t, r, 1)->text();
            QVERIFY2(text != u"0"_s && !text.isEmpty(), qPrintable(u"Edit%1%2%3"_s.arg(t).arg(r).arg(1)));
            QVERIFY(s->edit(t, r, 1)->isReadOnly());
            QCOMPARE(s->edit(t, r, 2)->text(), u"0"_s);
        }
    }
    QCOMPARE(rows, 110);
    QCOMPARE(s->edit(9, 12, 1)->text(), u"Устройство плинтуса"_s);
}

void TestSectionConstruct::twoRowsOfTabButtonsAndOwnColumns()
{
    Screens screens; // 1366 wide: usable width 1074, tab containers 974
    ui::sections::SectionScreen *s = screens.openSection(u"Form_construct"_s, 0);
    QCOMPARE(s->Button.size(), 9);
    for (int t = 0; t < 9; ++t) {
        QCOMPARE(s->Button[t]->y(), t < 5 ? 50 : 80);
        QCOMPARE(s->Button[t]->width(), t < 5 ? 194 : 243);
        QCOMPARE(s->Button[t]->x(), s->ScrollBox[0]->x() + (t < 5 ? t : t - 5) * s->Button[t]->width());
    }

    // w = (974 - 105) / 4 = 217: name 434 wide, quantity and unit 108 each, amount 217.
    const QList<QRect> expected{{10, 75, 434, 25}, {454, 75, 108, 25}, {573, 75, 108, 25}, {691, 75, 217, 25}};
    for (int c = 1; c <= 4; ++c) {
        QWidget *cell = c == 3 ? static_cast<QWidget *>(s->comboBox(6, 1, c)) : s->edit(6, 1, c);
        QCOMPARE(cell->geometry(), expected[c - 1]);
        QCOMPARE(s->control(u"Label6%1"_s.arg(c))->x(), expected[c - 1].x());
    }

    // Each subtotal stands below its tab's last row.
    for (int t = 1; t <= 9; ++t) {
        int last = 1;
        while (s->edit(t, last + 1, 4))
            ++last;
        QCOMPARE(s->SumEdit[t - 1]->y(), 35 * (last + 1) + 45);
        QVERIFY(s->SumEdit[t - 1]->y() > s->edit(t, last, 4)->geometry().bottom());
    }
}

QTEST_MAIN(TestSectionConstruct)
#include "test_section_construct.moc"
