// The budget as a document on the screens: entries kept, saved, reopened,
// locked, recovered, and the question before unsaved changes are lost.

#include "testsupport.h"

#include "model/budgetfile.h"
#include "model/sections/construct.h"
#include "ui/shell/code_main.h"
#include "ui/budget/budgetcontroller.h"
#include "ui/budget/budgetpanel.h"
#include "ui/budget/budgettexts.h"
#include "model/budgetsummary.h"
#include "model/sectionlist.h"
#include "report/amountformat.h"

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QLabel>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QAbstractSpinBox>
#include <QSignalSpy>
#include "base/safefile.h"
#include "ui/common/clickablelabel.h"
#include "ui/shell/screenframe.h"

#include <csignal>

#include <sys/resource.h>

using namespace torvane;
using namespace torvane::test;
using Answer = ui::common::ErrorReporter::Answer;

namespace {

ui::budget::BudgetController *documentOf(const Screens &screens)
{
    return app::documentOf(*screens.login);
}

// Logistics Astana to Almaty for 2 adults, and one construction row.
void fillStory(Screens &screens)
{
    ui::sections::SectionScreen *logistics = screens.openSection(u"Form_logistic"_s, 2);
    choose(logistics, 1, 1, 1, 0);
    choose(logistics, 1, 1, 2, 0);
    type(logistics, 1, 1, 3, u"2"_s);
    settle(logistics);
    ui::sections::SectionScreen *construction = screens.openSection(u"Form_construct"_s, 2);
    choose(construction, 1, 1, 3, 0);
    type(construction, 1, 1, 2, u"10"_s);
    settle(construction);
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestBudgetDocument : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;
    std::unique_ptr<QTemporaryDir> m_folder;

private slots:
    void initTestCase()
    {
        // Settings, recovery copies and documents of this run stay in a folder of its own.
        qputenv("XDG_DATA_HOME", m_home.filePath(u"data"_s).toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", m_home.filePath(u"config"_s).toLocal8Bit());
        base::DecimalFormat::setRegionalForTesting(QLocale::c());
    }
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        ui::budget::BudgetController::setFileChooserForTesting({});
        ui::common::ErrorReporter::instance().setAnswersForTesting({});
    }
    void cleanup() { ui::budget::BudgetController::setFileChooserForTesting({}); }

    void storyOfAPavilionBudget();
    void entriesSurviveClosingTheWindowAndAChangeOfLanguage();
    void clearAsksFirstAndEmptiesOneSection();
    void actionsAndShortcutsOnEveryScreen();
    void badFilesLeaveTheOpenBudgetUntouched_data();
    void badFilesLeaveTheOpenBudgetUntouched();
    void skippedEntriesAreToldOnce();
    void failedSaveKeepsThePreviousFileAndTheChanges();
    void budgetOpenInAnotherCopyIsRefused();
    void endingWithUnsavedChangesAsks();
    void recoveryIsOfferedAfterAnEndThatSavedNothing();
    void restoredCopyComesBackIntoItsFile();
    void restoredCopyOfAFileOpenElsewhereIsUntitled();
    void damagedRecoveryIsSetAsideOnce();
    void typedContingencyIsTakenOrRefused_data();
    void typedContingencyIsTakenOrRefused();
    void shortcutsWinOverFocusedFields_data();
    void shortcutsWinOverFocusedFields();
    void messagesSpeakTheLanguageOfTheBudgetAtStart();
    void budgetThatCannotBePricedIsNotWritten();
    void printShowsThePreviewOfTheBudget();
    void overviewCatchesUpWhenTheMenuShows();
};

void TestBudgetDocument::storyOfAPavilionBudget()
{
    const QString path = m_folder->filePath(u"Astana pavilion.torvane"_s);
    {
        Screens screens;
        fillStory(screens);
        ui::budget::BudgetController *document = documentOf(screens);
        QVERIFY(document->budget().isModified());
        ui::budget::BudgetController::setFileChooserForTesting([&](auto, bool save, const QString &, const QString &) {
            return save ? m_folder->filePath(u"Astana pavilion"_s) : QString(); // the ending is added
        });
        QVERIFY(document->saveAs());
        QCOMPARE(document->filePath(), path);
        QVERIFY(!document->budget().isModified());
        auto *panel = screens.screen<ui::shell::TForm_main>(u"Form_main"_s)->findChild<ui::budget::BudgetPanel *>(u"BudgetPanel"_s);
        QVERIFY(panel);
        QCOMPARE(panel->BudgetFileName->text(), u"Astana pavilion.torvane"_s);
        QCOMPARE(QSettings().value(u"recentBudgets"_s).toStringList().value(0), path);
    }
    // The next day: the program starts again and opens the file.
    Screens screens;
    ui::budget::BudgetController *document = documentOf(screens);
    QVERIFY(document->openFile(path));
    QVERIFY(ui::common::ErrorReporter::instance().recorded().isEmpty());
    ui::sections::SectionScreen *logistics = screens.openSection(u"Form_logistic"_s, 2);
    QCOMPARE(logistics->comboBox(1, 1, 2)->currentText(), u"Almaty"_s);
    QCOMPARE(logistics->edit(1, 1, 5)->text(), u"50000"_s);
    QCOMPARE(logistics->Edit1->text(), u"50000"_s);
    ui::sections::SectionScreen *construction = screens.openSection(u"Form_construct"_s, 2);
    const QString constructionTotal = construction->Edit1->text();
    QVERIFY(constructionTotal != u"0"_s);

    // A change, saved with the shortcut's action: the file follows.
    type(logistics, 1, 1, 3, u"3"_s);
    settle(logistics);
    QVERIFY(document->budget().isModified());
    logistics->findChild<QAction *>(u"actionSaveBudget"_s)->trigger();
    QVERIFY(!document->budget().isModified());
    const model::budgetfile::ReadResult saved = model::budgetfile::readFile(path, model::allCatalogues());
    QVERIFY(saved.ok());
    QCOMPARE(saved.content.sections[0].text(1, 1, 3), u"3"_s);

    // New budget: everything empty again, no question since nothing is unsaved.
    QVERIFY(document->newBudget());
    QVERIFY(document->budget().isEmpty());
    settle(logistics);
    QCOMPARE(logistics->Edit1->text(), u"0"_s);
    QCOMPARE(logistics->comboBox(1, 1, 2)->currentIndex(), -1);
    QVERIFY(document->filePath().isEmpty());
}

void TestBudgetDocument::entriesSurviveClosingTheWindowAndAChangeOfLanguage()
{
    Screens screens;
    fillStory(screens);
    ui::sections::SectionScreen *construction = screens.screen<ui::sections::SectionScreen>(u"Form_construct"_s);
    const QString total = construction->Edit1->text();
    construction->close(); // hides it
    QVERIFY(construction->isHidden());
    construction = screens.openSection(u"Form_construct"_s, 0); // again from its tile, now in French
    QCOMPARE(construction->comboBox(1, 1, 3)->currentIndex(), 0);
    QCOMPARE(construction->edit(1, 1, 2)->text(), u"10"_s);
    QCOMPARE(construction->Edit1->text(), total);
    QCOMPARE(construction->windowTitle(), model::sections::constructCatalogue().caption.in(base::Language::French));
    ui::sections::SectionScreen *logistics = screens.openSection(u"Form_logistic"_s, 1);
    QCOMPARE(logistics->comboBox(1, 1, 2)->currentText(), u"Алматы"_s);
    QCOMPARE(logistics->Edit1->text(), u"50000"_s);
}

void TestBudgetDocument::clearAsksFirstAndEmptiesOneSection()
{
    Screens screens;
    fillStory(screens);
    ui::sections::SectionScreen *logistics = screens.screen<ui::sections::SectionScreen>(u"Form_logistic"_s);
    auto *clear = logistics->findChild<QPushButton *>(u"ClearSection"_s);
    QVERIFY(clear);
    ui::common::ErrorReporter::instance().setAnswersForTesting({Answer::No});
    clear->click();
    QCOMPARE(logistics->Edit1->text(), u"50000"_s);
    ui::common::ErrorReporter::instance().setAnswersForTesting({Answer::Yes});
    clear->click();
    settle(logistics);
    QCOMPARE(logistics->Edit1->text(), u"0"_s);
    QCOMPARE(logistics->edit(1, 1, 3)->text(), u"0"_s);
    QVERIFY(ui::common::ErrorReporter::instance().recorded().value(0).startsWith(u"question: "_s));
    // The other section keeps its rows.
    QVERIFY(screens.screen<ui::sections::SectionScreen>(u"Form_construct"_s)->Edit1->text() != u"0"_s);
    // An empty section clears without asking.
    ui::common::ErrorReporter::instance().clearRecorded();
    clear->click();
    QVERIFY(ui::common::ErrorReporter::instance().recorded().isEmpty());
}

void TestBudgetDocument::actionsAndShortcutsOnEveryScreen()
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

void TestBudgetDocument::badFilesLeaveTheOpenBudgetUntouched_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason"); // part of the message (English)
    QTest::newRow("empty") << QByteArray() << u"the file is empty"_s;
    QTest::newRow("invalid JSON") << QByteArray("{\"format\": ") << u"damaged or incomplete"_s;
    QTest::newRow("spreadsheet renamed") << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\x00\x00", 10) << u"damaged or incomplete"_s;
    QTest::newRow("JSON of another kind") << QByteArray("{\"name\": \"x\"}") << u"not a Torvane budget"_s;
    QTest::newRow("newer version") << QByteArray("{\"format\": \"torvane-budget\", \"version\": 3}") << u"newer version"_s;
    QTest::newRow("version as a string") << QByteArray("{\"format\": \"torvane-budget\", \"version\": \"1\"}")
                                         << u"has a version this program does not read: \"1\""_s;
    QTest::newRow("no such folder") << QByteArray("missing") << u"cannot be read"_s;
}

void TestBudgetDocument::badFilesLeaveTheOpenBudgetUntouched()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    Screens screens;
    fillStory(screens);
    ui::budget::BudgetController *document = documentOf(screens);
    const model::Budget::Content before = document->budget().content();
    QString path = m_folder->filePath(u"bad.torvane"_s);
    if (bytes == "missing") {
        path = m_folder->filePath(u"gone/bad.torvane"_s);
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    ui::common::ErrorReporter::instance().clearRecorded();
    QVERIFY(!document->openFile(path));
    const QStringList reported = ui::common::ErrorReporter::instance().recorded();
    QCOMPARE(reported.size(), 1);
    QVERIFY2(reported.front().contains(QDir::toNativeSeparators(path)) && reported.front().contains(reason),
             qPrintable(reported.front()));
    const model::Budget::Content after = document->budget().content();
    for (std::size_t i = 0; i < before.sections.size(); ++i)
        QVERIFY(after.sections[i] == before.sections[i]);
    QVERIFY(document->budget().isModified());
    QCOMPARE(screens.screen<ui::sections::SectionScreen>(u"Form_logistic"_s)->Edit1->text(), u"50000"_s);
}

void TestBudgetDocument::skippedEntriesAreToldOnce()
{
    Screens screens;
    const QString path = m_folder->filePath(u"odd.torvane"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"format": "torvane-budget", "version": 1, "sections": {
        "Form_logistic": {"cells": {"ComboBox112": 0, "ComboBox111": 0, "Edit113": "2", "ComboBox121": 7}},
        "Form_garden": {"cells": {}}}})");
    file.close();
    QVERIFY(documentOf(screens)->openFile(path));
    const QStringList reported = ui::common::ErrorReporter::instance().recorded();
    QCOMPARE(reported.size(), 1);
    QVERIFY(reported.front().startsWith(u"notice: "_s));
    QVERIFY(reported.front().contains(u"Form_garden"_s) && reported.front().contains(u"Form_logistic/ComboBox121"_s));
    ui::sections::SectionScreen *logistics = screens.openSection(u"Form_logistic"_s, 2);
    QCOMPARE(logistics->Edit1->text(), u"50000"_s);
}

void TestBudgetDocument::failedSaveKeepsThePreviousFileAndTheChanges()
{
    Screens screens;
    fillStory(screens);
    ui::budget::BudgetController *document = documentOf(screens);
    const QString path = m_folder->filePath(u"pavilion.torvane"_s);
    QVERIFY(document->saveTo(path));
    const QByteArray good = contents(path);

    ui::sections::SectionScreen *logistics = screens.screen<ui::sections::SectionScreen>(u"Form_logistic"_s);
    type(logistics, 1, 2, 3, u"5"_s);
    QVERIFY(document->budget().isModified());
    ui::common::ErrorReporter::instance().clearRecorded();
    {
        // A full disk: every write beyond a few bytes fails.
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        auto handler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit tiny{64, old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &tiny);
        const bool saved = document->save();
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, handler);
        QVERIFY(!saved);
    }
    QCOMPARE(contents(path), good);
    QVERIFY(document->budget().isModified());
    QCOMPARE(ui::common::ErrorReporter::instance().recorded().size(), 1);
    QVERIFY(ui::common::ErrorReporter::instance().recorded().front().contains(u"earlier file is intact"_s));

    // A folder that no longer exists, and a file that may not be replaced.
    QVERIFY(!document->saveTo(m_folder->filePath(u"gone/pavilion.torvane"_s)));
    QFile::setPermissions(m_folder->path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool intoReadOnly = document->saveTo(m_folder->filePath(u"other.torvane"_s));
    QFile::setPermissions(m_folder->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (::geteuid() != 0) // an administrator may write anywhere
        QVERIFY(!intoReadOnly);
    QVERIFY(document->budget().isModified() || intoReadOnly);
    QCOMPARE(document->filePath(), intoReadOnly ? m_folder->filePath(u"other.torvane"_s) : path);
}

void TestBudgetDocument::budgetOpenInAnotherCopyIsRefused()
{
    const QString path = m_folder->filePath(u"shared.torvane"_s);
    {
        model::Budget budget;
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(model::budgetfile::write(budget, base::Language::English));
    }
    // Another copy holds the budget: its lock stands beside the file.
    QLockFile other(m_folder->filePath(u".shared.torvane.lock"_s));
    QVERIFY(other.tryLock(0));
    Screens screens;
    screens.setLanguage(2);
    QVERIFY(!documentOf(screens)->openFile(path));
    const QStringList reported = ui::common::ErrorReporter::instance().recorded();
    QCOMPARE(reported.size(), 1);
    QVERIFY2(reported.front().contains(u"process %1"_s.arg(QCoreApplication::applicationPid())), qPrintable(reported.front()));
    other.unlock();
    QVERIFY(documentOf(screens)->openFile(path));
}

void TestBudgetDocument::endingWithUnsavedChangesAsks()
{
    Screens screens;
    screens.login->show();
    fillStory(screens);
    ui::budget::BudgetController *document = documentOf(screens);

    // Cancel: the program goes on, nothing lost.
    ui::common::ErrorReporter::instance().clearRecorded();
    ui::common::ErrorReporter::instance().setAnswersForTesting({Answer::Cancel});
    QVERIFY(!screens.login->close());
    QVERIFY(screens.login->isVisible());
    QCOMPARE(ui::common::ErrorReporter::instance().recorded().size(), 1);
    QVERIFY(ui::common::ErrorReporter::instance().recorded().front().startsWith(u"question: The budget “Untitled budget” has been changed."_s));
    QVERIFY(document->budget().isModified());

    // Save: asks for a name, saves, then ends.
    const QString path = m_folder->filePath(u"at exit.torvane"_s);
    ui::budget::BudgetController::setFileChooserForTesting([&](auto, bool, const QString &, const QString &) { return path; });
    ui::common::ErrorReporter::instance().setAnswersForTesting({Answer::Save});
    QVERIFY(screens.login->close());
    QVERIFY(model::budgetfile::readFile(path, model::allCatalogues()).ok());
}

void TestBudgetDocument::recoveryIsOfferedAfterAnEndThatSavedNothing()
{
    QString recovery;
    {
        Screens screens;
        fillStory(screens);
        ui::budget::BudgetController *document = documentOf(screens);
        document->writeRecovery(); // what the 30 s timer does
        recovery = document->recoveryPath();
        QVERIFY(QFile::exists(recovery));
        // The machine loses power here: the program never ends cleanly.
    }
    Screens screens;
    ui::budget::BudgetController *document = documentOf(screens);
    QVERIFY(document->hasRecovery());
    QVERIFY(document->budget().isEmpty());
    auto *menu = screens.screen<ui::shell::TForm_main>(u"Form_main"_s);
    menu->present();
    settle(menu);
    auto *panel = menu->findChild<ui::budget::BudgetPanel *>(u"BudgetPanel"_s);
    QVERIFY(panel->RecoveryBar->isVisible());
    QVERIFY(ui::common::ErrorReporter::instance().recorded().isEmpty()); // offered on the menu, no dialog

    QVERIFY(document->restoreRecovery());
    QVERIFY(document->budget().isModified());
    QVERIFY(document->filePath().isEmpty());
    QVERIFY(!panel->RecoveryBar->isVisible());
    ui::sections::SectionScreen *logistics = screens.openSection(u"Form_logistic"_s, 2);
    QCOMPARE(logistics->Edit1->text(), u"50000"_s);

    // Saved, then ended cleanly: nothing is offered at the next start.
    QVERIFY(document->saveTo(m_folder->filePath(u"restored.torvane"_s)));
    document->programEnds(false);
    QVERIFY(!QFile::exists(document->recoveryPath()));
}

void TestBudgetDocument::restoredCopyComesBackIntoItsFile()
{
    const QString path = m_folder->filePath(u"pavilion.torvane"_s);
    {
        Screens screens;
        fillStory(screens);
        ui::budget::BudgetController *document = documentOf(screens);
        QVERIFY(document->saveTo(path));
        type(screens.screen<ui::sections::SectionScreen>(u"Form_logistic"_s), 1, 1, 3, u"3"_s);
        document->writeRecovery();
        // Lost to a crash here: no clean end, the lock stays behind.
        document->releaseLocks();
    }
    Screens screens;
    ui::budget::BudgetController *document = documentOf(screens);
    QVERIFY(document->hasRecovery());
    QVERIFY(document->restoreRecovery());
    QCOMPARE(document->filePath(), path);
    QVERIFY(document->budget().isModified());
    QCOMPARE(document->budget().entries(0).text(1, 1, 3), u"3"_s);
    // Save writes into the file it came from, with no question.
    ui::budget::BudgetController::setFileChooserForTesting([](auto, bool, const QString &, const QString &) {
        qWarning("no dialog expected");
        return QString();
    });
    QVERIFY(document->save());
    QCOMPARE(model::budgetfile::readFile(path, model::allCatalogues()).content.sections[0].text(1, 1, 3), u"3"_s);
}

void TestBudgetDocument::restoredCopyOfAFileOpenElsewhereIsUntitled()
{
    const QString path = m_folder->filePath(u"shared.torvane"_s);
    {
        Screens screens;
        fillStory(screens);
        ui::budget::BudgetController *document = documentOf(screens);
        QVERIFY(document->saveTo(path));
        type(screens.screen<ui::sections::SectionScreen>(u"Form_logistic"_s), 1, 1, 3, u"3"_s);
        document->writeRecovery();
        document->releaseLocks();
    }
    QLockFile other(m_folder->filePath(u".shared.torvane.lock"_s));
    QVERIFY(other.tryLock(0));
    Screens screens;
    ui::budget::BudgetController *document = documentOf(screens);
    QVERIFY(document->restoreRecovery());
    QVERIFY(document->filePath().isEmpty());
    QVERIFY(document->budget().isModified());
    const QStringList reported = ui::common::ErrorReporter::instance().recorded();
    QCOMPARE(reported.size(), 1);
    QVERIFY2(reported.front().contains(u"restored as untitled"_s) && reported.front().contains(u"already open"_s),
             qPrintable(reported.front()));
}

void TestBudgetDocument::damagedRecoveryIsSetAsideOnce()
{
    QString recovery;
    {
        Screens screens;
        fillStory(screens);
        documentOf(screens)->writeRecovery();
        recovery = documentOf(screens)->recoveryPath();
        documentOf(screens)->releaseLocks();
    }
    // Cut short, as by a disk that filled up under another program.
    QFile file(recovery);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{\"format\": \"torvane-budget\", \"vers");
    file.close();
    const QString folder = QFileInfo(recovery).absolutePath();
    {
        Screens screens;
        ui::budget::BudgetController *document = documentOf(screens);
        QVERIFY(document->hasRecovery());
        const QDateTime made = document->recoveryTime();
        QVERIFY(!document->restoreRecovery());
        const QStringList reported = ui::common::ErrorReporter::instance().recorded();
        QCOMPARE(reported.size(), 1);
        const QString when = QLocale(QLocale::English, QLocale::UnitedStates).toString(made, QLocale::ShortFormat);
        QVERIFY2(reported.front().startsWith(u"The recovery copy from %1 is damaged"_s.arg(when)), qPrintable(reported.front()));
        QVERIFY2(!reported.front().contains(folder), qPrintable(reported.front()));
        QVERIFY(!document->hasRecovery());
        document->releaseLocks();
    }
    // Kept, beside the others, and not offered again.
    QCOMPARE(QDir(folder).entryList({u"*-damaged-*.torvane"_s}).size(), 1);
    Screens screens;
    QVERIFY(!documentOf(screens)->hasRecovery());
}

void TestBudgetDocument::typedContingencyIsTakenOrRefused_data()
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

void TestBudgetDocument::typedContingencyIsTakenOrRefused()
{
    QFETCH(int, language);
    const base::Language lang = base::Language(language);
    QFETCH(QString, typed);
    QFETCH(int, tenths);
    QFETCH(QString, said);
    Screens screens;
    screens.setLanguage(language);
    ui::budget::BudgetController *document = documentOf(screens);
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
        QCOMPARE(panel->ContingencyAmount->text(), u"= "_s + report::tengeAmount(3750, lang));
    } else {
        QCOMPARE(reported.size(), 1);
        QVERIFY2(reported.front().contains(said) && reported.front().contains(typed), qPrintable(reported.front()));
        QCOMPARE(panel->ContingencyAmount->text(), u"= "_s + report::tengeAmount(1500, lang));
    }
}

void TestBudgetDocument::shortcutsWinOverFocusedFields_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("field");
    QTest::newRow("quantity field of a section") << u"Form_logistic"_s << u"Edit113"_s;
    QTest::newRow("currency field of the main menu") << u"Form_main"_s << u"CurrencyCode"_s;
}

void TestBudgetDocument::shortcutsWinOverFocusedFields()
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
    ui::budget::BudgetController::setFileChooserForTesting([](auto, bool, const QString &, const QString &) { return QString(); });
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

void TestBudgetDocument::messagesSpeakTheLanguageOfTheBudgetAtStart()
{
    // A French budget opened by a double-click: before any choice, the
    // program speaks French, while the start screen stays as it starts.
    const QString path = m_folder->filePath(u"salon.torvane"_s);
    {
        model::Budget budget;
        QVERIFY(base::writeFileAtomically(path, model::budgetfile::write(budget, base::Language::French)).ok);
    }
    {
        Screens screens(QSize(1366, 740), path);
        QCOMPARE(ui::common::ErrorReporter::instance().language(), base::Language::French);
        QCOMPARE(screens.login->language(), 1);
        QVERIFY(!documentOf(screens)->openFile(m_folder->filePath(u"absent.torvane"_s)));
        QVERIFY2(ui::common::ErrorReporter::instance().recorded().value(0).startsWith(u"Le budget « "_s),
                 qPrintable(ui::common::ErrorReporter::instance().recorded().value(0)));
        // A choice on the start screen is remembered for the next start.
        screens.login->Label1->setFocus();
        screens.login->Label3Click();
        QCOMPARE(ui::common::ErrorReporter::instance().language(), base::Language::English);
    }
    Screens::keepRememberedLanguage = true;
    {
        Screens screens;
        QCOMPARE(ui::common::ErrorReporter::instance().language(), base::Language::English);
    }
    Screens::keepRememberedLanguage = false;
}

void TestBudgetDocument::budgetThatCannotBePricedIsNotWritten()
{
    Screens screens;
    fillStory(screens);
    ui::sections::SectionScreen *logistics = screens.screen<ui::sections::SectionScreen>(u"Form_logistic"_s);
    type(logistics, 1, 2, 4, u"abc"_s);
    settle(logistics);
    ui::budget::BudgetController *document = documentOf(screens);
    for (const QString &name : {u"budget.xlsx"_s, u"budget.xls"_s, u"budget.pdf"_s}) {
        ui::common::ErrorReporter::instance().clearRecorded();
        QVERIFY(!document->exportTo(m_folder->filePath(name)));
        QVERIFY(!QFile::exists(m_folder->filePath(name)));
        const QStringList reported = ui::common::ErrorReporter::instance().recorded();
        QCOMPARE(reported.size(), 1);
        QVERIFY2(reported.front().contains(u"“abc”"_s) && reported.front().contains(u"“Quantity of Children”"_s),
                 qPrintable(reported.front()));
    }
    ui::common::ErrorReporter::instance().clearRecorded();
    document->printBudget(); // no preview comes up: the test would wait for it
    QCOMPARE(ui::common::ErrorReporter::instance().recorded().size(), 1);
}

void TestBudgetDocument::printShowsThePreviewOfTheBudget()
{
    Screens screens;
    fillStory(screens);
    screens.setLanguage(2);
    ui::budget::BudgetController *document = documentOf(screens);
    // Printing lives in a module loaded on the first Print…: its preview
    // comes up, modal, and is closed here as a user would.
    QString shown;
    QTimer::singleShot(0, [&] {
        QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeModalWidget(), 10000);
        shown = QApplication::activeModalWidget()->windowTitle();
        QApplication::activeModalWidget()->close();
    });
    document->printBudget();
    QCOMPARE(shown, ui::budget::budgettexts::kPrint.in(base::Language::English));
    QVERIFY(ui::common::ErrorReporter::instance().recorded().isEmpty());
}

void TestBudgetDocument::overviewCatchesUpWhenTheMenuShows()
{
    Screens screens;
    fillStory(screens); // sections edited before the menu was ever shown
    ui::budget::BudgetController *document = documentOf(screens);
    auto *menu = screens.screen<ui::shell::TForm_main>(u"Form_main"_s);
    auto *panel = menu->findChild<ui::budget::BudgetPanel *>(u"BudgetPanel"_s);
    const auto grandTotal = [&] { return report::tengeAmount(model::summarize(document->budget()).grandTotal, base::Language::English); };
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

QTEST_MAIN(TestBudgetDocument)
#include "test_budgetdocument.moc"
