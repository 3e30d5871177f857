// The budget's overview on the main menu: the contingency typed into it,
// and its figures catching up with changes made while it was hidden.

#include "budgetstory.h"

#include "model/budgetsummary.h"
#include "model/sectionlist.h"
#include "base/amountformat.h"
#include "ui/budget/budgetpanel.h"
#include "ui/shell/code_main.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QLabel>
#include <QToolButton>

using namespace torvane;
using namespace torvane::test;

class TestBudgetPanel : public QObject
{
    Q_OBJECT

    BudgetTestCase m_case;

private slots:
    void initTestCase() { m_case.start(); }
    void init() { m_case.next(); }
    void cleanup() { m_case.done(); }

    void typedContingencyIsTakenOrRefused_data();
    void typedContingencyIsTakenOrRefused();
    void overviewCatchesUpWhenTheMenuShows();
    void buttonsAreTheMenusActions();
};

void TestBudgetPanel::typedContingencyIsTakenOrRefused_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("tenths");   // the contingency afterwards
    QTest::addColumn<QString>("said"); // part of the one message; empty: none
    QTest::newRow("7.5 in English") << 2 << u"7.5"_s << 75 << QString();
    QTest::newRow("7,5 in English") << 2 << u"7,5"_s << 75 << QString();
    QTest::newRow("7,5 in French") << 0 << u"7,5"_s << 75 << QString();
    QTest::newRow("7.5 in Russian") << 1 << u"7.5"_s << 75 << QString();
    QTest::newRow("two decimals") << 2 << u"7.55"_s << 30 << u"one decimal at most"_s;
    QTest::newRow("above 50") << 2 << u"51"_s << 30 << u"from 0 to 50"_s;
    QTest::newRow("letters, French") << 0 << u"sept"_s << 30 << u"de 0 à 50"_s;
}

void TestBudgetPanel::typedContingencyIsTakenOrRefused()
{
    QFETCH(int, language);
    const base::Language lang = base::Language(language);
    QFETCH(QString, typed);
    QFETCH(int, tenths);
    QFETCH(QString, said);
    Screens screens;
    screens.setLanguage(language);
    ui::budget::BudgetDocument *document = documentOf(screens);
    // 50000 of flights, and a contingency of 3 % before the user types.
    ui::sections::SectionScreen *logistics = screens.openSection(u"Form_logistic"_s, language);
    choose(logistics, 1, 1, 1, 0);
    choose(logistics, 1, 1, 2, 0);
    type(logistics, 1, 1, 3, u"2"_s);
    settle(logistics);
    model::BudgetSettings settings = document->budget().settings();
    settings.contingencyTenths = 30;
    document->budget().setSettings(settings);
    auto *menu = screens.screen<ui::shell::TForm_main>(u"Form_main"_s);
    menu->present();
    settle(menu);
    auto *panel = menu->findChild<ui::budget::BudgetPanel *>(u"BudgetPanel"_s);
    QAbstractSpinBox *box = menu->findChild<QAbstractSpinBox *>(u"ContingencyPercent"_s);
    QVERIFY(box);
    QVERIFY(QTest::qWaitForWindowActive(menu));
    box->setFocus();
    box->selectAll();
    ui::common::ErrorReporter::instance().clearRecorded();
    QTest::keyClicks(box, typed);
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(document->budget().settings().contingencyTenths, tenths);
    const QStringList reported = ui::common::ErrorReporter::instance().recorded();
    if (said.isEmpty()) {
        QCOMPARE(reported, QStringList());
        QCOMPARE(panel->ContingencyAmount->text(), u"= "_s + base::tengeAmount(3750, lang));
    } else {
        QCOMPARE(reported.size(), 1);
        QVERIFY2(reported.front().contains(said) && reported.front().contains(typed), qPrintable(reported.front()));
        QCOMPARE(panel->ContingencyAmount->text(), u"= "_s + base::tengeAmount(1500, lang));
    }
}

void TestBudgetPanel::overviewCatchesUpWhenTheMenuShows()
{
    Screens screens;
    fillStory(screens); // sections edited before the menu was ever shown
    ui::budget::BudgetDocument *document = documentOf(screens);
    auto *menu = screens.screen<ui::shell::TForm_main>(u"Form_main"_s);
    auto *panel = menu->findChild<ui::budget::BudgetPanel *>(u"BudgetPanel"_s);
    const auto grandTotal = [&] { return base::tengeAmount(model::summarize(document->budget()).grandTotal, base::Language::English); };
    const auto logisticsTile = [&] {
        return panel->TileTotal[std::size_t(model::sectionList()[0].tile - 1)]->text();
    };
    screens.setLanguage(2);
    menu->present();
    settle(menu);
    QCOMPARE(panel->BudgetTotal->text(), grandTotal());
    QVERIFY(panel->BudgetTotal->font().bold());
    const QString logisticsBefore = logisticsTile();
    QVERIFY(!logisticsBefore.isEmpty());

    // Shown, it follows every change at once.
    const int logistics = document->budget().indexOf(u"Form_logistic"_s);
    const model::SectionGrid &grid = document->budget().entries(logistics).grid();
    const int adults = grid.indexOf(1, 1, 3);
    document->budget().setText(logistics, adults, u"3"_s);
    QCOMPARE(panel->BudgetTotal->text(), grandTotal());
    QVERIFY(logisticsTile() != logisticsBefore);

    // Hidden, a change waits for the next show, which shows it before the first paint.
    menu->hide();
    document->budget().setText(logistics, adults, u"4"_s);
    const QString shownBefore = panel->BudgetTotal->text();
    QVERIFY(shownBefore != grandTotal());
    menu->present();
    QCOMPARE(panel->BudgetTotal->text(), grandTotal());
}

void TestBudgetPanel::buttonsAreTheMenusActions()
{
    Screens screens;
    screens.setLanguage(0);
    auto *menu = screens.screen<ui::shell::TForm_main>(u"Form_main"_s);
    menu->present();
    settle(menu);
    auto *panel = menu->findChild<ui::budget::BudgetPanel *>(u"BudgetPanel"_s);
    // The file in the first row, what leaves for a manager in the second;
    // each button is the menu's own action, in the menu's language.
    const QList<QList<std::pair<QString, QString>>> rows{
        {{u"actionNewBudget"_s, u"Nouveau budget"_s},
         {u"actionOpenBudget"_s, u"Ouvrir…"_s},
         {u"actionSaveBudget"_s, u"Enregistrer"_s},
         {u"actionSaveBudgetAs"_s, u"Enregistrer sous…"_s}},
        {{u"actionExportBudget"_s, u"Exporter le budget…"_s}, {u"actionPrintBudget"_s, u"Imprimer…"_s}, {u"actionPdfBudget"_s, u"PDF…"_s}},
    };
    const QList<QToolButton *> buttons = panel->findChildren<QToolButton *>();
    const auto buttonOf = [&](const QString &name) -> QToolButton * {
        for (QToolButton *button : buttons)
            if (button->defaultAction() && button->defaultAction()->objectName() == name)
                return button;
        return nullptr;
    };
    // A narrow panel puts the file's buttons on two lines; they are still
    // read before the second group, left to right, line by line.
    int rowBottom = -1;
    for (const auto &row : rows) {
        QToolButton *previous = nullptr;
        for (const auto &[name, text] : row) {
            QToolButton *button = buttonOf(name);
            QVERIFY2(button, qPrintable(name));
            QCOMPARE(button->defaultAction(), menu->findChild<QAction *>(name, Qt::FindDirectChildrenOnly));
            QCOMPARE(button->defaultAction()->text(), text);
            if (previous && button->y() == previous->y()) {
                QVERIFY(button->x() > previous->x());
            } else {
                QVERIFY(button->y() > rowBottom);
                QVERIFY(!previous || button->x() < previous->x());
            }
            rowBottom = std::max(rowBottom, button->geometry().bottom());
            previous = button;
        }
    }
    QVERIFY(buttonOf(u"actionOpenBudget"_s)->menu()); // the budgets opened last
}

QTEST_MAIN(TestBudgetPanel)
#include "test_budgetpanel.moc"
