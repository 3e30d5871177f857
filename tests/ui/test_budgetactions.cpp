// The budget's actions: on every screen, with their shortcuts, which win
// over a focused field's own use of the keys.

#include "budgetstory.h"

#include "ui/shell/screenframe.h"

#include <QAction>
#include <QSignalSpy>

using namespace torvane;
using namespace torvane::test;

class TestBudgetActions : public QObject
{
    Q_OBJECT

    BudgetTestCase m_case;

private slots:
    void initTestCase() { m_case.start(); }
    void init() { m_case.next(); }
    void cleanup() { m_case.done(); }

    void actionsAndShortcutsOnEveryScreen();
    void shortcutsWinOverFocusedFields_data();
    void shortcutsWinOverFocusedFields();
};

void TestBudgetActions::actionsAndShortcutsOnEveryScreen()
{
    Screens screens;
    const QList<std::pair<QString, QKeySequence>> expected{
        {u"actionNewBudget"_s, QKeySequence(u"Ctrl+N"_s)},   {u"actionOpenBudget"_s, QKeySequence(u"Ctrl+O"_s)},
        {u"actionSaveBudget"_s, QKeySequence(u"Ctrl+S"_s)},  {u"actionSaveBudgetAs"_s, QKeySequence(u"Ctrl+Shift+S"_s)},
        {u"actionExportBudget"_s, QKeySequence(u"Ctrl+E"_s)}, {u"actionPrintBudget"_s, QKeySequence(u"Ctrl+P"_s)},
    };
    QList<QWidget *> windows{screens.login.get()};
    for (QWidget *child : screens.login->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (child->isWindow())
            windows << child;
    QCOMPARE(windows.size(), 12);
    for (QWidget *window : windows) {
        for (const auto &[name, keys] : expected) {
            auto *action = window->findChild<QAction *>(name, Qt::FindDirectChildrenOnly);
            QVERIFY2(action, qPrintable(window->objectName() + u' ' + name));
            QCOMPARE(action->shortcut(), keys);
            QVERIFY(window->actions().contains(action));
        }
        QVERIFY(window->findChild<QAction *>(u"actionPdfBudget"_s, Qt::FindDirectChildrenOnly));
    }
}

void TestBudgetActions::shortcutsWinOverFocusedFields_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("field");
    QTest::newRow("quantity field of a section") << u"Form_logistic"_s << u"Edit113"_s;
    QTest::newRow("currency field of the main menu") << u"Form_main"_s << u"CurrencyCode"_s;
}

void TestBudgetActions::shortcutsWinOverFocusedFields()
{
    QFETCH(QString, screen);
    QFETCH(QString, field);
    Screens screens;
    screens.setLanguage(2);
    auto *window = screens.screen<ui::shell::ScreenFrame>(screen);
    window->present();
    settle(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto *edit = window->findChild<QLineEdit *>(field);
    QVERIFY(edit);
    // Nothing is saved or written here: every file dialog is cancelled.
    ui::budget::BudgetFileChooser::setForTesting([](auto, bool, const QString &, const QString &) { return QString(); });
    const QList<std::pair<QString, QKeySequence>> shortcuts{
        {u"actionNewBudget"_s, QKeySequence(u"Ctrl+N"_s)},   {u"actionOpenBudget"_s, QKeySequence(u"Ctrl+O"_s)},
        {u"actionSaveBudget"_s, QKeySequence(u"Ctrl+S"_s)},  {u"actionSaveBudgetAs"_s, QKeySequence(u"Ctrl+Shift+S"_s)},
        {u"actionExportBudget"_s, QKeySequence(u"Ctrl+E"_s)}, {u"actionPrintBudget"_s, QKeySequence(u"Ctrl+P"_s)},
    };
    // On an X11 desktop a line edit takes Ctrl+E (and other keys) for itself;
    // the field here claims every key the same way.
    struct ClaimsEveryKey : QObject {
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::ShortcutOverride)
                event->accept();
            return false;
        }
    } claim;
    edit->installEventFilter(&claim);
    for (const auto &[name, keys] : shortcuts) {
        auto *action = window->findChild<QAction *>(name, Qt::FindDirectChildrenOnly);
        QVERIFY(action);
        QSignalSpy triggered(action, &QAction::triggered);
        edit->setFocus();
        QVERIFY(edit->hasFocus());
        QTest::keySequence(edit, keys);
        QVERIFY2(triggered.size() == 1, qPrintable(name));
    }
}

QTEST_MAIN(TestBudgetActions)
#include "test_budgetactions.moc"
