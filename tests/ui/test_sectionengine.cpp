// The section screen: its controls, layout, localisation, the deferred
// passes and the timers that drive them, on a small fixture catalogue and on
// logistics.

#include "testsupport.h"
#include "fixturecatalogue.h"

#include "ui/common/picture.h"

#include <QPushButton>
#include <QScrollArea>

using namespace torvane;
using namespace torvane::test;
using namespace torvane::model;
using namespace torvane::base;
using ui::sections::SectionScreen;

namespace {

// The fixture catalogue's screen alone, without the program's other screens.
struct FixtureScreen : SectionAlone {
    explicit FixtureScreen(const SectionCatalogue &catalogue = fixture::kFixture)
        : SectionAlone(catalogue)
    {
    }
};

} // namespace

class TestSectionEngine : public QObject
{
    Q_OBJECT

private slots:
    void init() { ui::common::Display::setScreenHeightForTesting(700); }
    void cleanup() { ui::common::Display::setScreenHeightForTesting(0); }

    void gridControlsAreNamedAndTyped();
    void layoutOfTheLogisticsExample();
    void tabSwitchingKeepsValues();
    void showKeepsEntriesAndRefillsListsInTheNewLanguage();
    void showingAVisibleSectionKeepsEntries();
    void burstOfChangesGivesOnePass();
    void passDoesNotTriggerItself();
    void firstLayoutSetsTotalToZero();
    void silentFirstLayoutLeavesTotalEmptyUntilFirstChange();
    void localisationWithUnknownLanguageChangesNothing();
    void localisationRunsAfterPendingLayout();
    void localisationAloneKeepsTheChoiceAndItsAmount();
    void invalidQuantityIsReportedOnceAndWritesNothing();
    void saveWithInvalidQuantityIsRefused();
    void rowWaitingForAnOptionMarksItsBox_data();
    void rowWaitingForAnOptionMarksItsBox();
};

void TestSectionEngine::gridControlsAreNamedAndTyped()
{
    Screens screens;
    auto *s = screens.screen<SectionScreen>(u"Form_logistic"_s);
    QVERIFY(s->findChild<QComboBox *>(u"ComboBox112"_s));
    QVERIFY(s->findChild<QLineEdit *>(u"Edit115"_s));
    QVERIFY(s->findChild<QLineEdit *>(u"Edit552"_s));
    QVERIFY(!s->findChild<QComboBox *>(u"ComboBox551"_s));
    QVERIFY(s->findChild<QLineEdit *>(u"SumEdit3"_s)->isReadOnly());
    QVERIFY(s->Edit1->isReadOnly());
    QVERIFY(!s->findChild<QComboBox *>(u"ComboBox112"_s)->isEditable());
    // Row by row, left to right.
    QCOMPARE(s->comboBox(1, 1, 2)->nextInFocusChain(), static_cast<QWidget *>(s->edit(1, 1, 3)));
    QCOMPARE(s->edit(1, 1, 5)->nextInFocusChain(), static_cast<QWidget *>(s->comboBox(1, 2, 1)));
    // Only the first tab is shown at start.
    QVERIFY(!s->ScrollBox[0]->isHidden());
    QVERIFY(s->ScrollBox[1]->isHidden());
}

void TestSectionEngine::layoutOfTheLogisticsExample()
{
    Screens screens(QSize(1366, 740));
    SectionScreen *s = screens.openSection(u"Form_logistic"_s, 2);
    QCOMPARE(s->Background2->width(), 292); // built-in panel below 768 pixels
    QCOMPARE(s->ww, 1074);
    for (int t = 0; t < 5; ++t) {
        QCOMPARE(s->Button[t]->geometry(), QRect(342 + 194 * t, 80, 194, 30));
        QCOMPARE(s->ScrollBox[t]->geometry(), QRect(342, 110, 974, 740 - 220));
    }
    const int lefts[] = {10, 191, 372, 553, 734};
    for (int c = 1; c <= 5; ++c) {
        QCOMPARE(s->edit(1, 1, 5)->width(), 171);
        QWidget *cell = c <= 2 ? static_cast<QWidget *>(s->comboBox(1, 2, c)) : s->edit(1, 2, c);
        QCOMPARE(cell->geometry(), QRect(lefts[c - 1], 35 * 2 + 40, 171, 25));
    }
    QCOMPARE(s->edit(2, 5, 1), nullptr);
    QCOMPARE(s->comboBox(2, 5, 1)->geometry().top(), 275); // second group
    QCOMPARE(s->SumEdit[0]->geometry(), QRect(974 / 4 * 3 - 50, 215, 974 / 4, 25));
    QCOMPARE(s->TotalsPanel->geometry(), QRect(342 + 974 - 170, 110 + 520 + 15, 170, 80));
}

void TestSectionEngine::tabSwitchingKeepsValues()
{
    FixtureScreen f;
    f.show(2);
    f.s->ButtonClick(2);
    type(f.s, 2, 1, 2, u"4"_s);
    f.s->ButtonClick(1);
    QVERIFY(f.s->ScrollBox[1]->isHidden());
    f.s->ButtonClick(1); // the shown tab again: nothing changes
    QCOMPARE(f.s->currentTab(), 1);
    f.s->ButtonClick(2);
    QCOMPARE(f.s->currentTab(), 2);
    QCOMPARE(f.s->edit(2, 1, 2)->text(), u"4"_s);
    QVERIFY(!f.s->TotalsPanel->isHidden());
}

void TestSectionEngine::showKeepsEntriesAndRefillsListsInTheNewLanguage()
{
    FixtureScreen f;
    f.show(0);
    choose(f.s, 1, 1, 1, 1);
    type(f.s, 1, 1, 2, u"3"_s);
    choose(f.s, 1, 4, 1, 0);
    settle(f.s);
    QCOMPARE(f.s->Edit1->text(), u"153000"_s);

    f.show(1);
    QCOMPARE(f.s->windowTitle(), u"Проба"_s);
    QCOMPARE(f.s->controlText(u"Button2"_s), u"Два"_s);
    QComboBox *box = f.s->comboBox(1, 1, 1);
    QCOMPARE(box->count(), 2);
    QCOMPARE(box->itemText(1), u"большой"_s);
    // The entries are the budget's: the same position, now in Russian, and the same figures.
    QCOMPARE(box->currentIndex(), 1);
    QCOMPARE(box->currentText(), u"большой"_s);
    QCOMPARE(f.s->edit(1, 1, 2)->text(), u"3"_s);
    QCOMPARE(f.s->edit(1, 1, 3)->text(), u"3000"_s);
    QCOMPARE(f.s->comboBox(1, 4, 1)->currentText(), u"малый"_s);
    QCOMPARE(f.s->Edit1->text(), u"153000"_s);
    // Names of fixed rows follow the language.
    QCOMPARE(f.s->edit(2, 2, 1)->text(), u"два"_s);
}

void TestSectionEngine::showingAVisibleSectionKeepsEntries()
{
    Screens screens;
    SectionScreen *s = screens.openSection(u"Form_logistic"_s, 2);
    type(s, 5, 1, 1, u"40"_s);
    settle(s);
    screens.setLanguage(0);
    s->present(); // already visible: raised only
    s->setWindowState(Qt::WindowMinimized);
    s->present(); // un-minimised, not reset
    auto *menu = screens.screen<ui::shell::ScreenFrame>(u"Form_main"_s);
    menu->present();
    settle(menu);
    settle(s);
    QCOMPARE(s->edit(5, 1, 1)->text(), u"40"_s);
    QCOMPARE(s->Edit1->text(), u"20000"_s);
    QCOMPARE(s->windowTitle(), u"Logistics and Transportation"_s);
    QVERIFY(!s->Timer1->isOn());
    QVERIFY(!s->Timer2->isOn());
}

void TestSectionEngine::burstOfChangesGivesOnePass()
{
    FixtureScreen f;
    f.show(2);
    choose(f.s, 1, 1, 1, 0);
    QTRY_VERIFY_WITH_TIMEOUT(!f.s->Timer3->isOn(), 2000);
    const int before = f.s->passCount();
    type(f.s, 1, 1, 2, u"1"_s);
    type(f.s, 1, 1, 2, u"12"_s);
    type(f.s, 1, 1, 2, u"123"_s);
    QTRY_VERIFY_WITH_TIMEOUT(!f.s->Timer3->isOn(), 2000);
    QTest::qWait(250);
    QCOMPARE(f.s->passCount(), before + 1);
    QCOMPARE(f.s->edit(1, 1, 3)->text(), u"12300"_s);
}

void TestSectionEngine::passDoesNotTriggerItself()
{
    FixtureScreen f;
    f.show(2);
    choose(f.s, 1, 2, 1, 1);
    type(f.s, 1, 2, 2, u"2"_s);
    f.s->Timer3->fireNow();
    QCOMPARE(f.s->edit(1, 2, 3)->text(), u"2000"_s);
    QVERIFY(!f.s->Timer3->isOn());
    const int passes = f.s->passCount();
    QTest::qWait(250);
    QCOMPARE(f.s->passCount(), passes);
}

void TestSectionEngine::firstLayoutSetsTotalToZero()
{
    FixtureScreen f;
    QCOMPARE(f.s->Edit1->text(), u"0"_s);
    QCOMPARE(f.s->edit(1, 1, 2)->text(), u"0"_s);
}

void TestSectionEngine::silentFirstLayoutLeavesTotalEmptyUntilFirstChange()
{
    FixtureScreen f(fixture::kSilentFixture);
    QVERIFY(f.s->Edit1->text().isEmpty());
    f.show(2);
    QVERIFY(f.s->Edit1->text().isEmpty());
    QCOMPARE(f.s->SumEdit[0]->text(), u"0"_s);
    choose(f.s, 1, 2, 1, 0);
    settle(f.s);
    QCOMPARE(f.s->Edit1->text(), u"0"_s);
    // Later shows keep the entries and their figures.
    type(f.s, 1, 2, 2, u"5"_s);
    settle(f.s);
    QCOMPARE(f.s->Edit1->text(), u"500"_s);
    f.show(0);
    QCOMPARE(f.s->Edit1->text(), u"500"_s);
}

void TestSectionEngine::localisationWithUnknownLanguageChangesNothing()
{
    FixtureScreen f;
    f.show(2);
    choose(f.s, 1, 1, 1, 1);
    settle(f.s);
    f.s->langin = 3;
    f.s->Timer2->switchOn();
    f.s->Timer2->fireNow();
    QVERIFY(!f.s->Timer2->isOn());
    QCOMPARE(f.s->controlText(u"Button1"_s), u"One"_s);
    QCOMPARE(f.s->comboBox(1, 1, 1)->currentIndex(), 1);
    QCOMPARE(f.s->comboBox(1, 1, 1)->itemText(0), u"small"_s);
    // A show in that language leaves the menu pictures and captions too.
    f.show(3);
    QCOMPARE(f.s->windowTitle(), u"Trial"_s);
    QCOMPARE(f.s->Label1->text(), u"Result:"_s);
    QCOMPARE(f.s->Image1->source(), u"img/en/savexcel.png"_s);
}

void TestSectionEngine::localisationRunsAfterPendingLayout()
{
    FixtureScreen f;
    f.show(2);
    f.s->Timer1->switchOn();
    f.s->Timer2->switchOn();
    f.s->Timer2->fireNow(); // localisation first in time: layout still runs before it
    QVERIFY(!f.s->Timer1->isOn());
    QCOMPARE(f.s->edit(2, 1, 1)->text(), u"one"_s);
    QVERIFY(f.s->edit(2, 1, 1)->isReadOnly());
}

void TestSectionEngine::localisationAloneKeepsTheChoiceAndItsAmount()
{
    FixtureScreen f;
    f.show(2);
    choose(f.s, 1, 5, 1, 0);
    settle(f.s);
    QCOMPARE(f.s->Edit1->text(), u"150000"_s);
    // Localisation alone (no layout) refills the box and puts the choice back:
    // the amount beside it stays true.
    f.s->Timer2->switchOn();
    f.s->Timer2->fireNow();
    settle(f.s);
    QCOMPARE(f.s->comboBox(1, 5, 1)->currentIndex(), 0);
    QCOMPARE(f.s->edit(1, 5, 2)->text(), u"150000"_s);
    QCOMPARE(f.s->Edit1->text(), u"150000"_s);
}

void TestSectionEngine::invalidQuantityIsReportedOnceAndWritesNothing()
{
    Screens screens;
    SectionScreen *s = screens.openSection(u"Form_logistic"_s, 2);
    type(s, 5, 1, 1, u"40"_s);
    settle(s);
    QCOMPARE(s->Edit1->text(), u"20000"_s);

    type(s, 5, 2, 1, u"2147483648"_s);
    type(s, 5, 3, 1, u"10"_s); // same pass: must not be written either
    settle(s);
    QCOMPARE(ui::common::ErrorReporter::instance().recorded(), QStringList{u"'2147483648' is not a valid integer value"_s});
    QVERIFY(s->hasInvalidQuantity());
    QVERIFY(!s->Timer3->isOn()); // no endless retry
    QCOMPARE(s->edit(5, 3, 2)->text(), u"0"_s);
    QCOMPARE(s->SumEdit[4]->text(), u"20000"_s);
    QCOMPARE(s->Edit1->text(), u"20000"_s);
    QVERIFY(!s->edit(5, 2, 1)->styleSheet().isEmpty());

    // Another edit while the bad text stays: no second report.
    type(s, 5, 4, 1, u"1"_s);
    settle(s);
    QCOMPARE(ui::common::ErrorReporter::instance().recorded().size(), 1);

    // Corrected: marks go, figures follow.
    type(s, 5, 2, 1, u"2"_s);
    settle(s);
    QVERIFY(!s->hasInvalidQuantity());
    QVERIFY(s->edit(5, 2, 1)->styleSheet().isEmpty());
    QCOMPARE(s->SumEdit[4]->text(), u"26500"_s);
    QCOMPARE(s->Edit1->text(), u"26500"_s);
}

void TestSectionEngine::saveWithInvalidQuantityIsRefused()
{
    Screens screens;
    SectionScreen *s = screens.openSection(u"Form_logistic"_s, 2);
    type(s, 5, 1, 1, u"2147483648"_s);
    ui::common::ErrorReporter::instance().clearRecorded();
    s->Image1Click(); // the pending pass runs first and fails
    const QStringList messages = ui::common::ErrorReporter::instance().recorded();
    QCOMPARE(messages.size(), 2);
    QCOMPARE(messages[0], u"'2147483648' is not a valid integer value"_s);
    QVERIFY(messages[1].contains(u"not saved"_s));
}

void TestSectionEngine::rowWaitingForAnOptionMarksItsBox_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("row");
    QTest::addColumn<QList<int>>("choices");    // column, position, ...
    QTest::addColumn<QList<int>>("quantities"); // column, quantity, ...
    QTest::addColumn<QList<int>>("waiting");    // the option columns marked
    QTest::addColumn<QString>("hint");          // of the first one marked

    const QString construction = u"Form_construct"_s, logistics = u"Form_logistic"_s, living = u"Form_living"_s,
                  food = u"Form_food"_s;
    QTest::newRow("construction: a quantity before its unit")
        << construction << 2 << 1 << 1 << QList<int>{} << QList<int>{2, 12} << QList<int>{3}
        << u"Waiting for “Unit of measurement”: this row holds a quantity, but its amount stays 0 until an option is chosen here."_s;
    QTest::newRow("flights: adults before both places")
        << logistics << 2 << 1 << 1 << QList<int>{} << QList<int>{3, 2} << QList<int>{1, 2}
        << u"Waiting for “Point of departure”: this row holds a quantity, but its amount stays 0 until an option is chosen here."_s;
    QTest::newRow("flights: from Astana, no destination")
        << logistics << 0 << 1 << 2 << QList<int>{1, 0} << QList<int>{3, 2} << QList<int>{2}
        << u"En attente de « Destination » : cette ligne contient une quantité, mais son montant reste à 0 tant qu’aucune option n’est choisie ici."_s;
    // A flight is priced by its adults: children alone wait for more than a place.
    QTest::newRow("flights: children without adults") << logistics << 2 << 1 << 1 << QList<int>{} << QList<int>{4, 2}
                                                      << QList<int>{} << QString();
    QTest::newRow("hotel: stars without the room type")
        << living << 1 << 1 << 2 << QList<int>{1, 0} << QList<int>{3, 3} << QList<int>{2}
        << u"Ждёт выбора в поле «Тип номера»: в строке указано количество, но её сумма остаётся 0, пока здесь ничего не выбрано."_s;
    // Hostel rows need the nights too: no option alone would price them.
    QTest::newRow("hostel: people but no nights") << living << 2 << 2 << 1 << QList<int>{} << QList<int>{2, 4} << QList<int>{}
                                                  << QString();
    QTest::newRow("delivery: people before the food")
        << food << 2 << 2 << 1 << QList<int>{} << QList<int>{2, 5} << QList<int>{1}
        << u"Waiting for “Select the type of food”: this row holds a quantity, but its amount stays 0 until an option is chosen here."_s;
}

void TestSectionEngine::rowWaitingForAnOptionMarksItsBox()
{
    QFETCH(QString, section);
    QFETCH(int, language);
    QFETCH(int, tab);
    QFETCH(int, row);
    QFETCH(QList<int>, choices);
    QFETCH(QList<int>, quantities);
    QFETCH(QList<int>, waiting);
    QFETCH(QString, hint);

    Screens screens;
    SectionScreen *s = screens.openSection(section, language);
    for (int i = 0; i < choices.size(); i += 2)
        choose(s, tab, row, choices[i], choices[i + 1]);
    for (int i = 0; i < quantities.size(); i += 2)
        type(s, tab, row, quantities[i], QString::number(quantities[i + 1]));
    settle(s);
    const GroupSpec *group = nullptr;
    for (const GroupSpec &g : s->catalogue().tabs[tab - 1].groups)
        if (row >= g.firstRow && row <= g.lastRow)
            group = &g;
    QVERIFY(group);
    QList<int> marked;
    for (int c = 1; c <= group->columnCount(); ++c)
        if (QComboBox *box = s->comboBox(tab, row, c); box && !box->styleSheet().isEmpty())
            marked << c;
    QCOMPARE(marked, waiting);
    // The figures stay as the pass computes them.
    QCOMPARE(s->edit(tab, row, group->sumColumn)->text(), u"0"_s);
    if (waiting.isEmpty())
        return;
    QComboBox *first = s->comboBox(tab, row, waiting.front());
    QCOMPARE(first->toolTip(), hint);
    QCOMPARE(first->accessibleDescription(), hint);
    QVERIFY(!first->styleSheet().contains(u"#c62828"_s)); // not the red of a refused quantity

    // The quantity emptied: nothing waits any more.
    type(s, tab, row, quantities[0], u""_s);
    settle(s);
    QVERIFY(first->styleSheet().isEmpty());
    QVERIFY(first->toolTip().isEmpty());
    // Typed again, then its options chosen: the mark goes, the tooltip shows the choice.
    type(s, tab, row, quantities[0], QString::number(quantities[1]));
    settle(s);
    QVERIFY(!first->styleSheet().isEmpty());
    for (int c : std::as_const(waiting))
        choose(s, tab, row, c, 0);
    settle(s);
    QVERIFY(first->styleSheet().isEmpty());
    QCOMPARE(first->toolTip(), first->currentText());
}

QTEST_MAIN(TestSectionEngine)
#include "test_sectionengine.moc"
