// Undo and redo through the screens: the keys in a focused field take the
// budget's step, never the field's own; the step is shown where it acted;
// the actions say what they would take back in the screens' language; the
// modified mark and the recovery copy follow the history.

#include "budgetstory.h"

#include "ui/budget/budgetactions.h"
#include "ui/budget/budgetpanel.h"
#include "ui/common/budgeteditor.h"
#include "ui/shell/code_main.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QApplication>
#include <QPushButton>
#include <QToolButton>

using namespace torvane;
using namespace torvane::test;
using Id = ui::budget::BudgetActions::Id;

namespace {

ui::common::BudgetEditor &editorOf(const Screens &screens)
{
    return ui::common::BudgetEditor::of(documentOf(screens)->budget());
}

// The keys as the user presses them, to whatever has the focus.
void press(QWidget *window, const QString &keys)
{
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
    QTest::keySequence(target, QKeySequence(keys));
}

// A window on screen and active, so that its shortcuts can fire.
bool bringUp(QWidget *window)
{
    static_cast<ui::shell::ScreenFrame *>(window)->present();
    settle(window);
    return QTest::qWaitForWindowActive(window);
}

// What a field's context menu offers as it opens: its actions' texts.
QStringList contextMenuOf(QWidget *field)
{
    QStringList texts;
    bool seen = false;
    QTimer::singleShot(0, field, [&] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            for (const QAction *action : menu->actions())
                texts << action->text();
            menu->close();
        }
        seen = true;
    });
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(4, 4), field->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(field, &event);
    if (!QTest::qWaitFor([&] { return seen; }))
        qWarning("no context menu");
    return texts;
}

} // namespace

class TestUndoActions : public QObject
{
    Q_OBJECT

    BudgetTestCase m_case;

private slots:
    void initTestCase() { m_case.start(); }
    void init() { m_case.next(); }
    void cleanup() { m_case.done(); }

    void keysInAFocusedFieldTakeTheBudgetsStep();
    void fieldsHaveNoUndoOfTheirOwn_data();
    void fieldsHaveNoUndoOfTheirOwn();
    void aHiddenSectionIsNotOpened();
    void textsInTheScreensLanguage_data();
    void textsInTheScreensLanguage();
    void undoneBackToTheSavedFile();
};

void TestUndoActions::keysInAFocusedFieldTakeTheBudgetsStep()
{
    Screens screens;
    ui::sections::SectionScreen *s = screens.openSection(u"Form_logistic"_s, 2);
    QVERIFY(bringUp(s));
    choose(s, 1, 1, 1, 0); // Astana
    choose(s, 1, 1, 2, 0); // Almaty
    QLineEdit *adults = s->edit(1, 1, 3);
    adults->setFocus();
    adults->selectAll();
    QTest::keyClicks(adults, u"25"_s);
    settle(s);
    QCOMPARE(s->Edit1->text(), u"625000"_s); // 25 adults at 25000
    QVERIFY(adults->isUndoAvailable());      // the field would have a history of its own

    // Another tab is shown; the undo brings back the tab, the field and its figure.
    s->ButtonClick(2);
    press(s, u"Ctrl+Z"_s);
    QCOMPARE(documentOf(screens)->budget().entries(s->budgetIndex()).text(1, 1, 3), u"0"_s);
    QCOMPARE(adults->text(), u"0"_s);
    QCOMPARE(s->currentTab(), 1);
    QVERIFY(adults->hasFocus());
    settle(s);
    QCOMPARE(s->Edit1->text(), u"0"_s);

    // Once more from the same field: the budget's step before, the destination.
    press(s, u"Ctrl+Z"_s);
    QCOMPARE(s->comboBox(1, 1, 2)->currentIndex(), -1);
    QCOMPARE(adults->text(), u"0"_s);
    QVERIFY(s->comboBox(1, 1, 2)->hasFocus());

    press(s, u"Ctrl+Shift+Z"_s);
    QCOMPARE(s->comboBox(1, 1, 2)->currentIndex(), 0);
    press(s, u"Ctrl+Y"_s);
    QCOMPARE(adults->text(), u"25"_s);
    QVERIFY(adults->hasFocus());
    settle(s);
    QCOMPARE(s->Edit1->text(), u"625000"_s);
    QVERIFY(!editorOf(screens).canRedo());
}

void TestUndoActions::fieldsHaveNoUndoOfTheirOwn_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("before"); // the field's text before the typing
    QTest::newRow("quantity of a section") << u"Form_logistic"_s << u"Edit113"_s << u"0"_s;
    QTest::newRow("title of the budget") << u"Form_main"_s << u"BudgetTitle"_s << QString();
    QTest::newRow("rate of the reference currency") << u"Form_main"_s << u"CurrencyRate"_s << QString();
    QTest::newRow("contingency") << u"Form_main"_s << u"ContingencyPercent"_s << u"0.0 %"_s;
}

void TestUndoActions::fieldsHaveNoUndoOfTheirOwn()
{
    QFETCH(QString, screen);
    QFETCH(QString, field);
    QFETCH(QString, before);
    Screens screens;
    screens.setLanguage(2);
    auto *window = screens.screen<QWidget>(screen);
    QVERIFY(bringUp(window));
    QWidget *control = window->findChild<QWidget *>(field);
    QVERIFY(control);
    // The text a spin box shows is its line edit's.
    auto *edit = qobject_cast<QLineEdit *>(control) ? qobject_cast<QLineEdit *>(control) : control->findChild<QLineEdit *>();
    QVERIFY(edit);
    const auto typeSeven = [&] {
        control->setFocus();
        edit->selectAll();
        QTest::keyClicks(control, u"7"_s);
        QVERIFY(edit->text().startsWith(u'7'));
    };
    model::Budget &budget = documentOf(screens)->budget();
    QAction *undo = ui::budget::BudgetActions::actionOf(window, Id::Undo);

    // With a step to take back, Ctrl+Z there is the budget's undo, and so
    // is the Undo of the field's menu.
    typeSeven();
    QVERIFY(undo->isEnabled());
    const QStringList menu = contextMenuOf(control);
    QAction *redo = ui::budget::BudgetActions::actionOf(window, Id::Redo);
    QVERIFY2(menu.contains(undo->text()) && menu.contains(redo->text()), qPrintable(menu.join(u" | "_s)));
    QVERIFY2(!menu.contains(QLineEdit::tr("&Undo") + u'\t' + QKeySequence(QKeySequence::Undo).toString(QKeySequence::NativeText)),
             qPrintable(menu.join(u" | "_s)));
    window->activateWindow(); // the menu had the keyboard
    QVERIFY(QTest::qWaitForWindowActive(window));
    control->setFocus();
    press(window, u"Ctrl+Z"_s);
    QCOMPARE(edit->text(), before);
    QVERIFY(budget.isEmpty());
    QCOMPARE(budget.settings(), model::BudgetSettings());

    // With none (the history starts afresh, the field keeps what it holds),
    // the keys do nothing: the field's own history is never walked.
    typeSeven();
    const QString typed = edit->text();
    budget.load(budget.content(), false);
    QVERIFY(!undo->isEnabled());
    QVERIFY(edit->isUndoAvailable());
    for (const QString &keys : {u"Ctrl+Z"_s, u"Ctrl+Shift+Z"_s, u"Ctrl+Y"_s}) {
        press(window, keys);
        QCOMPARE(edit->text(), typed);
    }
}

void TestUndoActions::aHiddenSectionIsNotOpened()
{
    Screens screens;
    ui::sections::SectionScreen *s = screens.openSection(u"Form_logistic"_s, 2);
    choose(s, 1, 1, 1, 0);
    choose(s, 1, 1, 2, 0);
    type(s, 1, 1, 3, u"2"_s);
    settle(s);
    s->hide();
    auto *menu = screens.screen<ui::shell::TForm_main>(u"Form_main"_s);
    QVERIFY(bringUp(menu));
    auto *panel = menu->findChild<ui::budget::BudgetPanel *>(u"BudgetPanel"_s);
    QCOMPARE(panel->BudgetTotal->text(), u"₸50,000"_s);
    panel->CurrencyRate->setFocus();
    press(menu, u"Ctrl+Z"_s);
    QVERIFY(!s->isVisible());
    QVERIFY(menu->isActiveWindow());
    QCOMPARE(panel->BudgetTotal->text(), u"₸0"_s);
    // Shown again, the section holds what the undo left.
    s->present();
    settle(s);
    QCOMPARE(s->edit(1, 1, 3)->text(), u"0"_s);
    QCOMPARE(s->Edit1->text(), u"0"_s);
}

void TestUndoActions::textsInTheScreensLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("texts"); // undo, redo: edited; one undone; all undone
    QTest::addColumn<QString>("destination");
    QTest::newRow("French") << 0
                            << QStringList{u"Annuler : Nombre d adultes dans Logistique et transport, Vols onglet, ligne 2"_s, u"Rétablir"_s,
                                           u"Annuler : Destination dans Logistique et transport, Vols onglet, ligne 2"_s,
                                           u"Rétablir : Nombre d adultes dans Logistique et transport, Vols onglet, ligne 2"_s,
                                           u"Annuler"_s,
                                           u"Rétablir : Point de départ dans Logistique et transport, Vols onglet, ligne 2"_s}
                            << u"Moscou"_s;
    QTest::newRow("Russian") << 1
                             << QStringList{u"Отменить: Количество взрослых — Логистика и траспорт, Авиа перелеты, строка 2"_s,
                                            u"Повторить"_s,
                                            u"Отменить: Пункт назначения — Логистика и траспорт, Авиа перелеты, строка 2"_s,
                                            u"Повторить: Количество взрослых — Логистика и траспорт, Авиа перелеты, строка 2"_s,
                                            u"Отменить"_s,
                                            u"Повторить: Пункт отправления — Логистика и траспорт, Авиа перелеты, строка 2"_s}
                             << u"Москва"_s;
    QTest::newRow("English") << 2
                             << QStringList{u"Undo: Quantity of Adults in Logistics and Transportation, Flights, row 2"_s, u"Redo"_s,
                                            u"Undo: Destination in Logistics and Transportation, Flights, row 2"_s,
                                            u"Redo: Quantity of Adults in Logistics and Transportation, Flights, row 2"_s, u"Undo"_s,
                                            u"Redo: Point of departure in Logistics and Transportation, Flights, row 2"_s}
                             << u"Moscow"_s;
}

void TestUndoActions::textsInTheScreensLanguage()
{
    QFETCH(int, language);
    QFETCH(QStringList, texts);
    QFETCH(QString, destination);
    Screens screens;
    // Typed in English, row 2: Astana to Moscow for 2 adults.
    ui::sections::SectionScreen *s = screens.openSection(u"Form_logistic"_s, 2);
    choose(s, 1, 2, 1, 0);
    choose(s, 1, 2, 2, 2);
    type(s, 1, 2, 3, u"2"_s);
    ui::common::BudgetEditor &editor = editorOf(screens);
    QCOMPARE(editor.stepCount(), 3);

    // The language changes: no step, and the texts follow.
    s = screens.openSection(u"Form_logistic"_s, language);
    screens.login->findChild<ui::budget::BudgetActions *>(u"BudgetActions"_s)->retranslate();
    QCOMPARE(editor.stepCount(), 3);
    // On every window alike.
    QList<QWidget *> windows{screens.login.get()};
    for (QWidget *child : screens.login->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (child->isWindow())
            windows << child;
    QCOMPARE(windows.size(), 12);
    const auto verifyTexts = [&](const QString &undoText, const QString &redoText, bool canUndo, bool canRedo) {
        for (QWidget *window : windows) {
            QAction *undo = ui::budget::BudgetActions::actionOf(window, Id::Undo);
            QAction *redo = ui::budget::BudgetActions::actionOf(window, Id::Redo);
            QCOMPARE(undo->text(), undoText);
            QCOMPARE(redo->text(), redoText);
            QCOMPARE(undo->isEnabled(), canUndo);
            QCOMPARE(redo->isEnabled(), canRedo);
        }
    };
    verifyTexts(texts[0], texts[1], true, false);

    QAction *undo = ui::budget::BudgetActions::actionOf(s, Id::Undo);
    undo->trigger();
    QCOMPARE(s->edit(1, 2, 3)->text(), u"0"_s);
    QCOMPARE(s->comboBox(1, 2, 2)->currentText(), destination);
    verifyTexts(texts[2], texts[3], true, true);
    undo->trigger();
    undo->trigger();
    verifyTexts(texts[4], texts[5], false, true);
    ui::budget::BudgetActions::actionOf(s, Id::Redo)->trigger();
    ui::budget::BudgetActions::actionOf(s, Id::Redo)->trigger();
    QCOMPARE(s->comboBox(1, 2, 2)->currentText(), destination);

    // On the main menu's buttons, the bare word.
    auto *menu = screens.screen<ui::shell::TForm_main>(u"Form_main"_s);
    QToolButton *button = nullptr;
    for (QToolButton *candidate : menu->findChildren<QToolButton *>())
        if (candidate->defaultAction() == ui::budget::BudgetActions::actionOf(menu, Id::Undo))
            button = candidate;
    QVERIFY(button);
    QCOMPARE(button->text(), texts[4]);
}

void TestUndoActions::undoneBackToTheSavedFile()
{
    Screens screens;
    fillStory(screens);
    ui::budget::BudgetDocument *document = documentOf(screens);
    ui::budget::BudgetRecovery *recovery = recoveryOf(screens);
    QVERIFY(document->saveTo(m_case.folder->filePath(u"pavilion.torvane"_s)));
    ui::common::ErrorReporter::instance().clearRecorded(); // the save's own notice
    ui::sections::SectionScreen *s = screens.openSection(u"Form_logistic"_s, 2);
    type(s, 1, 1, 3, u"3"_s);
    QVERIFY(document->budget().isModified());
    recovery->write(); // what the 30 s timer does
    QVERIFY(QFile::exists(recovery->path()));

    auto *menu = screens.screen<ui::shell::TForm_main>(u"Form_main"_s);
    menu->present();
    settle(menu);
    auto *panel = menu->findChild<ui::budget::BudgetPanel *>(u"BudgetPanel"_s);
    QCOMPARE(panel->BudgetFileName->text(), u"pavilion.torvane — modified ●"_s);
    ui::budget::BudgetActions::actionOf(menu, Id::Undo)->trigger();
    // Back at what the file holds: nothing to save, nothing to recover, nothing asked.
    QVERIFY(!document->budget().isModified());
    QCOMPARE(panel->BudgetFileName->text(), u"pavilion.torvane"_s);
    QVERIFY(!QFile::exists(recovery->path()));
    QVERIFY(document->confirmDiscard());
    QVERIFY(ui::common::ErrorReporter::instance().recorded().isEmpty());

    ui::budget::BudgetActions::actionOf(menu, Id::Redo)->trigger();
    QVERIFY(document->budget().isModified());
    QCOMPARE(panel->BudgetFileName->text(), u"pavilion.torvane — modified ●"_s);
}

QTEST_MAIN(TestUndoActions)
#include "test_undoactions.moc"
