// The follow-up window through its view: edits that reach the budget and
// the main menu's panel, sorting and filtering that keep each section's
// subtotal under its lines, own lines added and removed, a refused amount,
// its shortcut from a section's field, and Clear section with follow-up
// data on its rows.

#include "budgetstory.h"

#include "model/followupmodel.h"
#include "ui/budget/budgetactions.h"
#include "ui/budget/budgetpanel.h"
#include "ui/budget/followupdelegate.h"
#include "ui/budget/followupproxy.h"
#include "ui/budget/followupview.h"
#include "ui/budget/followupwindow.h"
#include "ui/shell/code_main.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QToolButton>

using namespace torvane;
using namespace torvane::test;
using Model = model::FollowUpModel;
using ui::budget::FollowUpWindow;

namespace {

// The budget of these tests, with its figures worked out by hand:
//   Logistics: Flights, Astana to Almaty for 2 adults   estimate  50 000
//              Staff travel (own)   estimate 120 000, actual 130 000,50, paid 130 000,50
//   Advertising: Brochures (own)    estimate  85 000,25
//   Other costs: Insurance (own)    estimate 300 000, actual 250 000, paid 100 000, Kazakh Re
struct Pavilion {
    Screens screens;
    model::Budget *budget;
    int logistics;
    int advertising;
    ui::shell::TForm_main *menu;
    ui::budget::BudgetPanel *panel;

    Pavilion()
    {
        screens.setLanguage(2);
        ui::sections::SectionScreen *flights = screens.openSection(u"Form_logistic"_s, 2);
        choose(flights, 1, 1, 1, 0);
        choose(flights, 1, 1, 2, 0);
        type(flights, 1, 1, 3, u"2"_s);
        settle(flights);
        flights->hide();
        budget = &documentOf(screens)->budget();
        logistics = budget->indexOf(u"Form_logistic"_s);
        advertising = budget->indexOf(u"Form_reclame"_s);
        budget->addOwnLine({logistics, u"Staff travel"_s, u"120 000"_s, {u"130 000,50"_s, u"130 000,50"_s, u"Air Astana"_s, {}, {}}});
        budget->addOwnLine({advertising, u"Brochures"_s, u"85000.25"_s, {}});
        budget->addOwnLine({-1, u"Insurance"_s, u"300 000"_s, {u"250 000"_s, u"100 000"_s, u"Kazakh Re"_s, {}, u"Policy 7"_s}});
        menu = screens.screen<ui::shell::TForm_main>(u"Form_main"_s);
        menu->present();
        settle(menu);
        panel = menu->findChild<ui::budget::BudgetPanel *>(u"BudgetPanel"_s);
    }

    // Opened as the user does: the panel's Follow-up… button.
    FollowUpWindow *open()
    {
        panel->OpenFollowUp->click();
        auto *window = screens.screen<FollowUpWindow>(u"Form_followup"_s);
        if (window) {
            settle(window);
            (void)QTest::qWaitForWindowActive(window);
        }
        return window;
    }
};

// What the view shows, row by row: the item column.
QStringList itemsShown(const FollowUpWindow *window)
{
    QStringList items;
    const QAbstractItemModel *shown = window->FollowUpTable->model();
    for (int row = 0; row < shown->rowCount(); ++row)
        items << shown->index(row, Model::ItemColumn).data().toString();
    return items;
}

QModelIndex cellOf(const FollowUpWindow *window, const QString &item, int column)
{
    const QAbstractItemModel *shown = window->FollowUpTable->model();
    for (int row = 0; row < shown->rowCount(); ++row)
        if (shown->index(row, Model::ItemColumn).data().toString() == item)
            return shown->index(row, column);
    return {};
}

// Types into a cell as a user does: the editor opens, the text, Enter.
void typeInto(FollowUpWindow *window, const QModelIndex &cell, const QString &text)
{
    window->FollowUpTable->setCurrentIndex(cell);
    window->FollowUpTable->edit(cell);
    QWidget *editor = QApplication::focusWidget();
    QVERIFY(editor && editor != window->FollowUpTable);
    auto *line = qobject_cast<QLineEdit *>(editor);
    QVERIFY(line);
    line->selectAll();
    QTest::keyClicks(line, text);
    QTest::keyClick(line, Qt::Key_Return);
    // The view takes the text from its editor on the next turn of the event loop.
    QCoreApplication::processEvents();
}

QStringList recorded()
{
    return ui::common::ErrorReporter::instance().recorded();
}

} // namespace

class TestFollowUpWindow : public QObject
{
    Q_OBJECT

    BudgetTestCase m_case;

private slots:
    void initTestCase() { m_case.start(); }
    void init() { m_case.next(); }
    void cleanup() { m_case.done(); }

    void madeOnFirstUseAndFollowsTheLanguage();
    void editReachesTheBudgetAndThePanel();
    void sortKeepsSectionsTogether();
    void filtersKeepSubtotalsWithTheirLines_data();
    void filtersKeepSubtotalsWithTheirLines();
    void addAndRemoveAnOwnLine();
    void undoInTheWindowShowsItsCell();
    void refusedAmountKeepsTheOldValue_data();
    void refusedAmountKeepsTheOldValue();
    void shortcutFromAFocusedQuantityField();
    void clearSectionAsksAboutFollowUp_data();
    void clearSectionAsksAboutFollowUp();
    void csvReadsBack();
};

void TestFollowUpWindow::madeOnFirstUseAndFollowsTheLanguage()
{
    Pavilion pavilion;
    QVERIFY(!pavilion.screens.screen<FollowUpWindow>(u"Form_followup"_s));
    FollowUpWindow *window = pavilion.open();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), u"Budget follow-up"_s);
    QCOMPARE(window->AddLine->text(), u"Add line"_s);
    // The window has the budget's actions like every screen; its button is the CSV one.
    QCOMPARE(window->ExportCsv->defaultAction(), window->findChild<QAction *>(u"actionExportFollowUpCsv"_s));
    QCOMPARE(window->findChild<QAction *>(u"actionFollowUp"_s)->shortcut(), QKeySequence(u"Ctrl+L"_s));

    window->hide();
    pavilion.screens.setLanguage(0);
    window->present();
    settle(window);
    QCOMPARE(window->windowTitle(), u"Suivi du budget"_s);
    QCOMPARE(window->AddLine->text(), u"Ajouter une ligne"_s);
    QCOMPARE(window->FollowUpOverEstimate->text(), u"Au-delà de l’estimation"_s);
    QCOMPARE(window->FollowUpSection->itemText(0), u"Toutes les sections"_s);
    QCOMPARE(window->FollowUpTable->model()->headerData(Model::ActualColumn, Qt::Horizontal).toString(), u"Réel,\n₸"_s);
    QCOMPARE(itemsShown(window).last(), u"Total du budget"_s);
    // Every column holds its header's widest line in each language.
    QFont bold = window->FollowUpTable->horizontalHeader()->font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const QList<std::pair<QString, int>> headers{
        {u"Reste à payer,"_s, Model::ToPayColumn}, {u"Отклонение,"_s, Model::VarianceColumn},
        {u"Choices and quantities"_s, Model::ChoicesColumn}, {u"Выбор и количество"_s, Model::ChoicesColumn}};
    for (const auto &[header, column] : headers)
        QVERIFY2(metrics.horizontalAdvance(header) < window->FollowUpTable->columnWidth(column), qPrintable(header));
}

void TestFollowUpWindow::editReachesTheBudgetAndThePanel()
{
    Pavilion pavilion;
    FollowUpWindow *window = pavilion.open();
    QVERIFY(window);
    // Before: what the own lines bring, and the estimate with their tiyn.
    QCOMPARE(pavilion.panel->ActualTotal->text(), u"₸380,000.50"_s);
    QCOMPARE(pavilion.panel->BudgetTotal->text(), u"₸555,000.25"_s);

    typeInto(window, cellOf(window, u"Flights"_s, Model::ActualColumn), u"64 500"_s);
    QCOMPARE(pavilion.budget->followUp(pavilion.logistics, 1, 1).actual, u"64 500"_s);
    QCOMPARE(cellOf(window, u"Flights"_s, Model::VarianceColumn).data().toString(), u"14,500"_s);
    QVERIFY(cellOf(window, u"Flights"_s, Model::VarianceColumn).data(Model::OverEstimateRole).toBool());
    // 64 500 + 130 000,50 + 250 000; paid 130 000,50 + 100 000;
    // variance 14 500 + 10 000,50 - 50 000.
    QCOMPARE(pavilion.panel->ActualTotal->text(), u"₸444,500.50"_s);
    QCOMPARE(pavilion.panel->PaidTotal->text(), u"₸230,000.50"_s);
    QCOMPARE(pavilion.panel->VarianceTotal->text(), u"-₸25,499.50"_s);
    QCOMPARE(pavilion.panel->BudgetTotal->text(), u"₸555,000.25"_s);

    // A supplier and a due date, and the edit is on the budget's unsaved changes.
    typeInto(window, cellOf(window, u"Flights"_s, Model::SupplierColumn), u"  SCAT "_s);
    QCOMPARE(pavilion.budget->followUp(pavilion.logistics, 1, 1).supplier, u"SCAT"_s);
    QVERIFY(pavilion.budget->isModified());
    QCOMPARE(recorded(), QStringList());
}

void TestFollowUpWindow::sortKeepsSectionsTogether()
{
    Pavilion pavilion;
    pavilion.budget->setFollowUp(pavilion.logistics, 1, 1, {u"64 500"_s, {}, {}, {}, {}});
    FollowUpWindow *window = pavilion.open();
    QVERIFY(window);
    const QStringList budgetOrder{u"Flights"_s,   u"Staff travel"_s, u"Subtotal"_s, u"Brochures"_s,   u"Subtotal"_s,
                                  u"Insurance"_s, u"Subtotal"_s,     u"Budget total"_s};
    QCOMPARE(itemsShown(window), budgetOrder);
    QHeaderView *header = window->FollowUpTable->horizontalHeader();
    // By the actual, both ways: lines move only within their section.
    header->setSortIndicator(Model::ActualColumn, Qt::DescendingOrder);
    QCOMPARE(itemsShown(window), (QStringList{u"Staff travel"_s, u"Flights"_s, u"Subtotal"_s, u"Brochures"_s, u"Subtotal"_s,
                                              u"Insurance"_s, u"Subtotal"_s, u"Budget total"_s}));
    header->setSortIndicator(Model::ActualColumn, Qt::AscendingOrder);
    QCOMPARE(itemsShown(window), budgetOrder);
    // By the item's name, descending.
    header->setSortIndicator(Model::ItemColumn, Qt::DescendingOrder);
    QCOMPARE(itemsShown(window), (QStringList{u"Staff travel"_s, u"Flights"_s, u"Subtotal"_s, u"Brochures"_s, u"Subtotal"_s,
                                              u"Insurance"_s, u"Subtotal"_s, u"Budget total"_s}));
    // Sorted, an edit still reaches its own line.
    typeInto(window, cellOf(window, u"Insurance"_s, Model::PaidColumn), u"250000"_s);
    QCOMPARE(pavilion.budget->ownLines()[2].followUp.paid, u"250000"_s);
}

void TestFollowUpWindow::filtersKeepSubtotalsWithTheirLines_data()
{
    QTest::addColumn<QString>("section"); // screen name; "other" for other costs; empty: all
    QTest::addColumn<bool>("over");
    QTest::addColumn<bool>("notPaid");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QStringList>("shown");
    const QString sub = u"Subtotal"_s;
    const QString total = u"Budget total"_s;
    QTest::newRow("a section") << u"Form_logistic"_s << false << false << QString()
                               << QStringList{u"Flights"_s, u"Staff travel"_s, sub, total};
    QTest::newRow("other costs") << u"other"_s << false << false << QString() << QStringList{u"Insurance"_s, sub, total};
    // Flights 64 500 over 50 000, staff travel 130 000,50 over 120 000.
    QTest::newRow("over the estimate") << QString() << true << false << QString()
                                       << QStringList{u"Flights"_s, u"Staff travel"_s, sub, total};
    // Flights nothing paid of 64 500; insurance 100 000 of 250 000.
    QTest::newRow("not fully paid") << QString() << false << true << QString() << QStringList{u"Flights"_s, sub, u"Insurance"_s, sub, total};
    QTest::newRow("supplier, any case") << QString() << false << false << u"kazakh"_s << QStringList{u"Insurance"_s, sub, total};
    QTest::newRow("a note") << QString() << false << false << u"Policy 7"_s << QStringList{u"Insurance"_s, sub, total};
    QTest::newRow("choices") << QString() << false << false << u"Almaty"_s << QStringList{u"Flights"_s, sub, total};
    QTest::newRow("nothing found") << QString() << false << false << u"zzz"_s << QStringList{total};
    QTest::newRow("section and search") << u"Form_reclame"_s << false << false << u"kazakh"_s << QStringList{total};
}

void TestFollowUpWindow::filtersKeepSubtotalsWithTheirLines()
{
    QFETCH(QString, section);
    QFETCH(bool, over);
    QFETCH(bool, notPaid);
    QFETCH(QString, search);
    QFETCH(QStringList, shown);
    Pavilion pavilion;
    pavilion.budget->setFollowUp(pavilion.logistics, 1, 1, {u"64 500"_s, {}, {}, {}, {}});
    FollowUpWindow *window = pavilion.open();
    QVERIFY(window);
    if (!section.isEmpty()) {
        const int index = section == u"other"_s ? -1 : pavilion.budget->indexOf(section);
        const int item = window->FollowUpSection->findData(index);
        QVERIFY(item > 0);
        window->FollowUpSection->setCurrentIndex(item);
    }
    window->FollowUpOverEstimate->setChecked(over);
    window->FollowUpNotFullyPaid->setChecked(notPaid);
    QTest::keyClicks(window->FollowUpSearch, search);
    QCOMPARE(itemsShown(window), shown);
}

void TestFollowUpWindow::addAndRemoveAnOwnLine()
{
    Pavilion pavilion;
    FollowUpWindow *window = pavilion.open();
    QVERIFY(window);
    const std::size_t before = pavilion.budget->ownLines().size();
    // Narrowed to advertising and to lines over their estimate: the new
    // line goes to advertising and is shown all the same, its item ready to type.
    window->FollowUpSection->setCurrentIndex(window->FollowUpSection->findData(pavilion.advertising));
    window->FollowUpOverEstimate->setChecked(true);
    window->AddLine->click();
    QCOMPARE(pavilion.budget->ownLines().size(), before + 1);
    QCOMPARE(pavilion.budget->ownLines().back().section, pavilion.advertising);
    QVERIFY(!window->FollowUpOverEstimate->isChecked());
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(editor);
    QCOMPARE(editor->text(), u"New line"_s);
    QCOMPARE(editor->selectedText(), u"New line"_s);
    QTest::keyClicks(editor, u"Banner"_s);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(pavilion.budget->ownLines().back().item, u"Banner"_s);
    QCOMPARE(itemsShown(window), (QStringList{u"Brochures"_s, u"Banner"_s, u"Subtotal"_s, u"Budget total"_s}));
    QCOMPARE(window->FollowUpTable->currentIndex().data().toString(), u"Banner"_s);
    QVERIFY(window->RemoveLine->isEnabled());

    // Remove asks; No keeps the line, Yes removes it.
    ui::common::ErrorReporter::instance().setAnswersForTesting({ui::common::ErrorReporter::Answer::No});
    window->RemoveLine->click();
    QCOMPARE(pavilion.budget->ownLines().size(), before + 1);
    QCOMPARE(recorded().size(), 1);
    QVERIFY2(recorded().front().startsWith(u"question: Remove the line “Banner”"_s), qPrintable(recorded().front()));
    ui::common::ErrorReporter::instance().setAnswersForTesting({ui::common::ErrorReporter::Answer::Yes});
    window->RemoveLine->click();
    QCOMPARE(pavilion.budget->ownLines().size(), before);
    QCOMPARE(itemsShown(window), (QStringList{u"Brochures"_s, u"Subtotal"_s, u"Budget total"_s}));
    // A catalogue row cannot be removed from here.
    window->FollowUpSection->setCurrentIndex(0);
    window->FollowUpTable->setCurrentIndex(cellOf(window, u"Flights"_s, Model::ItemColumn));
    QVERIFY(!window->RemoveLine->isEnabled());
}

void TestFollowUpWindow::refusedAmountKeepsTheOldValue_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("why"); // part of the one message
    QTest::newRow("three decimals") << u"12.345"_s << u"too many decimals"_s;
    QTest::newRow("letters") << u"two hundred"_s << u"is not an amount"_s;
    QTest::newRow("a minus sign") << u"-5"_s << u"is negative"_s;
}

void TestFollowUpWindow::refusedAmountKeepsTheOldValue()
{
    QFETCH(QString, typed);
    QFETCH(QString, why);
    Pavilion pavilion;
    FollowUpWindow *window = pavilion.open();
    QVERIFY(window);
    const QModelIndex cell = cellOf(window, u"Insurance"_s, Model::ActualColumn);
    const auto *proxy = qobject_cast<const QSortFilterProxyModel *>(window->FollowUpTable->model());
    typeInto(window, cell, typed);
    QCOMPARE(pavilion.budget->ownLines()[2].followUp.actual, u"250 000"_s);
    QCOMPARE(cellOf(window, u"Insurance"_s, Model::ActualColumn).data().toString(), u"250,000"_s);
    QCOMPARE(pavilion.panel->ActualTotal->text(), u"₸380,000.50"_s);
    QCOMPARE(recorded().size(), 1);
    QVERIFY2(recorded().front().contains(typed) && recorded().front().contains(why), qPrintable(recorded().front()));
    QVERIFY(window->delegate().isMarked(proxy->mapToSource(cellOf(window, u"Insurance"_s, Model::ActualColumn))));
    // A good amount takes the mark away.
    typeInto(window, cellOf(window, u"Insurance"_s, Model::ActualColumn), u"260 000"_s);
    QCOMPARE(pavilion.budget->ownLines()[2].followUp.actual, u"260 000"_s);
    QVERIFY(!window->delegate().isMarked(proxy->mapToSource(cellOf(window, u"Insurance"_s, Model::ActualColumn))));
    QCOMPARE(recorded().size(), 1);
}

void TestFollowUpWindow::shortcutFromAFocusedQuantityField()
{
    Screens screens;
    ui::sections::SectionScreen *logistics = screens.openSection(u"Form_logistic"_s, 1);
    QVERIFY(QTest::qWaitForWindowActive(logistics));
    QLineEdit *adults = logistics->edit(1, 1, 3);
    adults->setFocus();
    QVERIFY(adults->hasFocus());
    QTest::keyClick(adults, Qt::Key_L, Qt::ControlModifier);
    auto *window = screens.screen<FollowUpWindow>(u"Form_followup"_s);
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), u"Исполнение бюджета"_s);
    QCOMPARE(adults->text(), u"0"_s); // the key went to the shortcut, not into the field
    // Once made, the window is the same one the next time.
    QTest::keyClick(adults, Qt::Key_L, Qt::ControlModifier);
    QCOMPARE(screens.login->findChildren<FollowUpWindow *>().size(), 1);
}

void TestFollowUpWindow::clearSectionAsksAboutFollowUp_data()
{
    using Answer = ui::common::ErrorReporter::Answer;
    QTest::addColumn<bool>("entries");        // the section still holds its entries when asked
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QString>("asked");       // part of the question
    QTest::addColumn<bool>("entriesAfter");
    QTest::addColumn<bool>("followUpAfter");
    const QString both = u"Lines with follow-up data (actual amounts, payments, suppliers, notes): 1."_s;
    QTest::newRow("yes: the follow-up too") << true << Answer::Yes << both << false << false;
    QTest::newRow("no: the follow-up stays") << true << Answer::No << both << false << true;
    QTest::newRow("cancel: nothing") << true << Answer::Cancel << both << true << true;
    const QString only = u"Nothing is entered in “Logistics and Transportation” any more, but lines keep follow-up data"_s;
    QTest::newRow("only follow-up left, yes") << false << Answer::Yes << only << false << false;
    QTest::newRow("only follow-up left, no") << false << Answer::No << only << false << true;
}

void TestFollowUpWindow::clearSectionAsksAboutFollowUp()
{
    using Answer = ui::common::ErrorReporter::Answer;
    QFETCH(bool, entries);
    QFETCH(Answer, answer);
    QFETCH(QString, asked);
    QFETCH(bool, entriesAfter);
    QFETCH(bool, followUpAfter);
    Pavilion pavilion;
    model::Budget &budget = *pavilion.budget;
    budget.setFollowUp(pavilion.logistics, 1, 1, {u"64 500"_s, {}, u"SCAT"_s, {}, {}});
    if (!entries)
        budget.clearSection(pavilion.logistics, false);
    FollowUpWindow *window = pavilion.open();
    QVERIFY(window);
    auto *section = pavilion.screens.openSection(u"Form_logistic"_s, 2);
    ui::common::ErrorReporter::instance().clearRecorded();
    ui::common::ErrorReporter::instance().setAnswersForTesting({answer});
    section->ClearSectionClick();
    QCOMPARE(recorded().size(), 1);
    QVERIFY2(recorded().front().contains(asked), qPrintable(recorded().front()));
    QCOMPARE(!budget.entries(pavilion.logistics).isEmpty(), entriesAfter);
    QCOMPARE(budget.hasFollowUp(pavilion.logistics), followUpAfter);
    // A row emptied in its section but followed up stays in the table,
    // marked, at an estimate of 0; the invoice amount is not lost.
    const QModelIndex estimate = cellOf(window, u"Flights"_s, Model::EstimateColumn);
    QCOMPARE(estimate.isValid(), followUpAfter || entriesAfter);
    if (followUpAfter && !entriesAfter) {
        QCOMPARE(estimate.data().toString(), u"0"_s);
        QVERIFY(estimate.data(Model::ClearedRole).toBool());
        QCOMPARE(cellOf(window, u"Flights"_s, Model::ActualColumn).data().toString(), u"64,500"_s);
    }
}

void TestFollowUpWindow::undoInTheWindowShowsItsCell()
{
    Pavilion pavilion;
    FollowUpWindow *window = pavilion.open();
    QVERIFY(window);
    typeInto(window, cellOf(window, u"Insurance"_s, Model::ActualColumn), u"275 000"_s);
    typeInto(window, cellOf(window, u"Flights"_s, Model::SupplierColumn), u"SCAT"_s);
    QCOMPARE(pavilion.budget->ownLines().back().followUp.actual, u"275 000"_s);
    QCOMPARE(pavilion.panel->ActualTotal->text(), u"₸405,000.50"_s);

    // Ctrl+Z typed into an open cell takes back the budget's last step; the
    // cell's unfinished text is not kept behind the user's back.
    const QModelIndex supplier = cellOf(window, u"Brochures"_s, Model::SupplierColumn);
    window->FollowUpTable->setCurrentIndex(supplier);
    window->FollowUpTable->edit(supplier);
    QPointer<QWidget> editor = QApplication::focusWidget();
    QVERIFY(qobject_cast<QLineEdit *>(editor));
    QTest::keyClicks(editor, u"Print"_s);
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    QCoreApplication::processEvents();
    QCOMPARE(pavilion.budget->followUp(pavilion.logistics, 1, 1).supplier, QString());
    if (editor)
        QTest::keyClick(editor, Qt::Key_Escape);
    QCOMPARE(cellOf(window, u"Brochures"_s, Model::SupplierColumn).data().toString(), QString());

    // The next undo goes back to the first edit and shows its cell.
    window->FollowUpTable->setCurrentIndex(cellOf(window, u"Flights"_s, Model::ItemColumn));
    ui::budget::BudgetActions::actionOf(window, ui::budget::BudgetActions::Id::Undo)->trigger();
    QCOMPARE(pavilion.budget->ownLines().back().followUp.actual, u"250 000"_s);
    QCOMPARE(pavilion.panel->ActualTotal->text(), u"₸380,000.50"_s);
    QCOMPARE(window->FollowUpTable->currentIndex(), cellOf(window, u"Insurance"_s, Model::ActualColumn));
    ui::budget::BudgetActions::actionOf(window, ui::budget::BudgetActions::Id::Redo)->trigger();
    QCOMPARE(pavilion.budget->ownLines().back().followUp.actual, u"275 000"_s);
}

void TestFollowUpWindow::csvReadsBack()
{
    Pavilion pavilion;
    pavilion.budget->setFollowUp(pavilion.logistics, 1, 1, {u"64 500"_s, {}, u"SCAT, Almaty"_s, QDate(2017, 5, 2), u"Invoice 118\n\"paid\" later"_s});
    const QString path = m_case.folder->filePath(u"follow-up.csv"_s);
    ui::budget::BudgetFileChooser::setForTesting([&](auto kind, bool save, const QString &, const QString &suggested) {
        return kind == ui::budget::BudgetFileChooser::Kind::Csv && save && suggested.endsWith(u".csv"_s) ? path : QString();
    });
    ui::common::ErrorReporter::instance().setLanguage(base::Language::English);
    ui::budget::BudgetActions::actionOf(pavilion.menu, ui::budget::BudgetActions::Id::ExportFollowUpCsv)->trigger();
    QCOMPARE(recorded().size(), 1);
    QVERIFY2(recorded().front().startsWith(u"notice: “follow-up.csv” was saved in the folder"_s), qPrintable(recorded().front()));
    // Read back by Python's own reader: one line of text per record.
    QProcess python;
    python.start(QStringLiteral(TORVANE_PYTHON),
                 {u"-c"_s, u"import csv,sys\nfor r in csv.reader(open(sys.argv[1], encoding='utf-8', newline='')): print('|'.join(r).replace('\\n', '/'))"_s,
                  path});
    QVERIFY(python.waitForFinished(30000));
    QCOMPARE(python.exitCode(), 0);
    const QStringList rows = QString::fromUtf8(python.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(rows.value(0), u"Section|Item|Choices and quantities|Estimate, ₸|Actual, ₸|Variance, ₸|Paid, ₸|To pay, ₸|Supplier|Due|Note"_s);
    QCOMPARE(rows.size(), 1 + 8);
    QVERIFY2(rows.value(1).startsWith(u"Logistics and Transportation|Flights|"_s), qPrintable(rows.value(1)));
    QVERIFY2(rows.value(1).endsWith(u"|50000.00|64500.00|14500.00||64500.00|SCAT, Almaty|2017-05-02|Invoice 118/\"paid\" later"_s),
             qPrintable(rows.value(1)));
    QCOMPARE(rows.value(8), u"Budget total|||555000.25|444500.50|-25499.50|230000.50|214500.00|||"_s);
}

QTEST_MAIN(TestFollowUpWindow)
#include "test_followupwindow.moc"
