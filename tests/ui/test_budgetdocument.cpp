// The open budget as a file on the screens: entries kept, saved, reopened,
// locked, and the question before unsaved changes are lost.

#include "budgetstory.h"

#include "base/safefile.h"
#include "model/budgetfile.h"
#include "model/sections/construct.h"
#include "ui/budget/budgetpanel.h"
#include "ui/common/clickablelabel.h"
#include "ui/shell/code_main.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QScopeGuard>
#include <QTimer>
#include <QTreeView>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLockFile>
#include <QPushButton>
#include <QSettings>

#include <csignal>

#include <sys/resource.h>

using namespace torvane;
using namespace torvane::test;
using Answer = ui::common::ErrorReporter::Answer;

class TestBudgetDocument : public QObject
{
    Q_OBJECT

    BudgetTestCase m_case;

private slots:
    void initTestCase() { m_case.start(); }
    void init() { m_case.next(); }
    void cleanup() { m_case.done(); }

    void storyOfAPavilionBudget();
    void entriesSurviveClosingTheWindowAndAChangeOfLanguage();
    void clearAsksFirstAndEmptiesOneSection();
    void badFilesLeaveTheOpenBudgetUntouched_data();
    void badFilesLeaveTheOpenBudgetUntouched();
    void skippedEntriesAreToldOnce();
    void failedSaveKeepsThePreviousFileAndTheChanges();
    void budgetOpenInAnotherCopyIsRefused();
    void endingWithUnsavedChangesAsks();
    void messagesSpeakTheLanguageOfTheBudgetAtStart();
    void fileNameFromTheTitle_data();
    void fileNameFromTheTitle();
    void dialogsStartInTheKindsFolderAndNameTheBudget();
    void fileDialogSpeaksTheChosenLanguage();
};

void TestBudgetDocument::storyOfAPavilionBudget()
{
    const QString path = m_case.folder->filePath(u"Astana pavilion.torvane"_s);
    {
        Screens screens;
        fillStory(screens);
        ui::budget::BudgetDocument *document = documentOf(screens);
        QVERIFY(document->budget().isModified());
        ui::budget::BudgetFileChooser::setForTesting([&](auto, bool save, const QString &, const QString &) {
            return save ? m_case.folder->filePath(u"Astana pavilion"_s) : QString(); // the ending is added
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
    ui::budget::BudgetDocument *document = documentOf(screens);
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
    ui::budget::BudgetDocument *document = documentOf(screens);
    const model::Budget::Content before = document->budget().content();
    QString path = m_case.folder->filePath(u"bad.torvane"_s);
    if (bytes == "missing") {
        path = m_case.folder->filePath(u"gone/bad.torvane"_s);
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
    const QString path = m_case.folder->filePath(u"odd.torvane"_s);
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
    ui::budget::BudgetDocument *document = documentOf(screens);
    const QString path = m_case.folder->filePath(u"pavilion.torvane"_s);
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
    QVERIFY(!document->saveTo(m_case.folder->filePath(u"gone/pavilion.torvane"_s)));
    QFile::setPermissions(m_case.folder->path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool intoReadOnly = document->saveTo(m_case.folder->filePath(u"other.torvane"_s));
    QFile::setPermissions(m_case.folder->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (::geteuid() != 0) // an administrator may write anywhere
        QVERIFY(!intoReadOnly);
    QVERIFY(document->budget().isModified() || intoReadOnly);
    QCOMPARE(document->filePath(), intoReadOnly ? m_case.folder->filePath(u"other.torvane"_s) : path);
}

void TestBudgetDocument::budgetOpenInAnotherCopyIsRefused()
{
    const QString path = m_case.folder->filePath(u"shared.torvane"_s);
    {
        model::Budget budget;
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(model::budgetfile::write(budget, base::Language::English));
    }
    // Another copy holds the budget: its lock stands beside the file.
    QLockFile other(m_case.folder->filePath(u".shared.torvane.lock"_s));
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
    ui::budget::BudgetDocument *document = documentOf(screens);

    // Cancel: the program goes on, nothing lost.
    ui::common::ErrorReporter::instance().clearRecorded();
    ui::common::ErrorReporter::instance().setAnswersForTesting({Answer::Cancel});
    QVERIFY(!screens.login->close());
    QVERIFY(screens.login->isVisible());
    QCOMPARE(ui::common::ErrorReporter::instance().recorded().size(), 1);
    QVERIFY(ui::common::ErrorReporter::instance().recorded().front().startsWith(u"question: The budget “Untitled budget” has been changed."_s));
    QVERIFY(document->budget().isModified());

    // Save: asks for a name, saves, then ends.
    const QString path = m_case.folder->filePath(u"at exit.torvane"_s);
    ui::budget::BudgetFileChooser::setForTesting([&](auto, bool, const QString &, const QString &) { return path; });
    ui::common::ErrorReporter::instance().setAnswersForTesting({Answer::Save});
    QVERIFY(screens.login->close());
    QVERIFY(model::budgetfile::readFile(path, model::allCatalogues()).ok());
}

void TestBudgetDocument::messagesSpeakTheLanguageOfTheBudgetAtStart()
{
    // A French budget opened by a double-click: before any choice, the
    // program speaks French, while the start screen stays as it starts.
    const QString path = m_case.folder->filePath(u"salon.torvane"_s);
    {
        model::Budget budget;
        QVERIFY(base::writeFileAtomically(path, model::budgetfile::write(budget, base::Language::French)).ok);
    }
    {
        Screens screens(QSize(1366, 740), path);
        QCOMPARE(ui::common::ErrorReporter::instance().language(), base::Language::French);
        QCOMPARE(screens.login->language(), 1);
        QVERIFY(!documentOf(screens)->openFile(m_case.folder->filePath(u"absent.torvane"_s)));
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

void TestBudgetDocument::fileNameFromTheTitle_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << u"Astana pavilion"_s << u"Astana pavilion"_s;
    QTest::newRow("cyrillic and quotes") << u"Павильон «Астана» 2017"_s << u"Павильон «Астана» 2017"_s;
    QTest::newRow("separators and refused characters") << u"Astana/Almaty: 2 days? <draft> \\ \"A|B\" *"_s
                                                       << u"Astana-Almaty- 2 days- -draft- - -A-B- -"_s;
    QTest::newRow("tabs and new lines") << u"Expo\t2017\nbudget"_s << u"Expo 2017 budget"_s;
    QTest::newRow("no hidden file, no trailing dot") << u" ..pavilion. . "_s << u"pavilion"_s;
    QTest::newRow("a device name") << u"con"_s << u"_con"_s;
    QTest::newRow("a device name with an ending") << u"LPT1.budget"_s << u"_LPT1.budget"_s;
    QTest::newRow("nothing left") << u" . . "_s << QString();
    QTest::newRow("long, cut on whole letters") << QString(200, QChar(0x0416)) << QString(90, QChar(0x0416));
    QTest::newRow("long, never half a pair") << QString(45, u'a') + QString::fromUcs4(U"\U0001F3D7").repeated(60)
                                             << QString(45, u'a') + QString::fromUcs4(U"\U0001F3D7").repeated(33);
}

void TestBudgetDocument::fileNameFromTheTitle()
{
    QFETCH(QString, title);
    QFETCH(QString, name);
    QCOMPARE(ui::budget::BudgetFileChooser::fileNameFrom(title), name);
}

void TestBudgetDocument::dialogsStartInTheKindsFolderAndNameTheBudget()
{
    Screens screens;
    fillStory(screens);
    ui::budget::BudgetDocument *document = documentOf(screens);
    model::BudgetSettings settings = document->budget().settings();
    settings.title = u"Pavillon : Astana/2017"_s;
    document->budget().setSettings(settings);
    using Kind = ui::budget::BudgetFileChooser::Kind;
    struct Asked {
        Kind kind;
        QString folder;
        QString suggested;
    };
    QList<Asked> asked;
    QString answer;
    ui::budget::BudgetFileChooser::setForTesting([&](Kind kind, bool, const QString &folder, const QString &suggested) {
        asked.append({kind, folder, suggested});
        return answer;
    });
    QDir(m_case.folder->path()).mkpath(u"budgets"_s);
    QDir(m_case.folder->path()).mkpath(u"exports"_s);
    const QString budgets = m_case.folder->filePath(u"budgets"_s);
    const QString exports = m_case.folder->filePath(u"exports"_s);
    const QString firstFolder = ui::budget::BudgetFileChooser::startFolder(Kind::Pdf);
    QVERIFY(firstFolder != QCoreApplication::applicationDirPath()); // never the program's own folder
    const QString today = QDate::currentDate().toString(Qt::ISODate);

    // The question before changes are lost names the budget by its title.
    ui::common::ErrorReporter::instance().clearRecorded();
    QVERIFY(!document->confirmDiscard());
    QCOMPARE(ui::common::ErrorReporter::instance().recorded().value(0),
             u"question: The budget “Pavillon : Astana/2017” has been changed. Save the changes?"_s);

    answer = budgets + u"/pavilion"_s;
    QVERIFY(document->saveAs());
    answer = exports + u"/pavilion.xlsx"_s;
    QVERIFY(outputsOf(screens)->exportBudget());
    answer.clear();
    QVERIFY(!document->saveAs());
    QVERIFY(!outputsOf(screens)->exportBudget());
    QVERIFY(!outputsOf(screens)->pdfBudget());
    QCOMPARE(asked.size(), 5);
    QCOMPARE(asked[0].suggested, QDir(firstFolder).filePath(u"Pavillon - Astana-2017.torvane"_s));
    QCOMPARE(asked[1].suggested, QDir(firstFolder).filePath(u"Pavillon - Astana-2017 %1.xlsx"_s.arg(today)));
    // Each kind of file starts where it was chosen last; Save as offers the file's own name.
    QCOMPARE(asked[2].suggested, budgets + u"/pavilion.torvane"_s);
    QCOMPARE(asked[3].folder, exports);
    QCOMPARE(asked[4].kind, Kind::Pdf);
    QCOMPARE(asked[4].suggested, QDir(firstFolder).filePath(u"Pavillon - Astana-2017 %1.pdf"_s.arg(today)));
}

void TestBudgetDocument::fileDialogSpeaksTheChosenLanguage()
{
    Screens screens;
    screens.login->Label1Click(); // French, Qt's own texts too
    QDir(m_case.folder->path()).mkpath(u"Rapports"_s);
    QSettings().setValue(u"lastWorkbookFolder"_s, m_case.folder->path());
    bool inspected = false;
    QTimer::singleShot(0, [&] {
        QTRY_VERIFY(qobject_cast<QFileDialog *>(QApplication::activeModalWidget()));
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        const auto close = qScopeGuard([dialog] { dialog->reject(); });
        // Qt's own dialog, which follows the program's language, not the desktop's.
        QVERIFY(dialog->testOption(QFileDialog::DontUseNativeDialog));
        QCOMPARE(dialog->windowTitle(), u"Exporter le budget"_s);
        QCOMPARE(QDir(dialog->directory()), QDir(m_case.folder->path()));
        QCOMPARE(dialog->locale(), QLocale(QLocale::French, QLocale::France));
        auto *model = dialog->findChild<QFileSystemModel *>();
        QVERIFY(model);
        const QModelIndex folder = model->index(m_case.folder->filePath(u"Rapports"_s));
        QTRY_COMPARE(model->index(folder.row(), 2, folder.parent()).data().toString(), u"Dossier"_s);
        // Every column is as wide as its header.
        auto *view = dialog->findChild<QTreeView *>(u"treeView"_s);
        QHeaderView *header = view->header();
        QCOMPARE(model->headerData(3, Qt::Horizontal).toString(), u"Dernière modification"_s);
        for (int column = 1; column < header->count(); ++column)
            QVERIFY2(header->sectionSize(column) >= header->fontMetrics().horizontalAdvance(model->headerData(column, Qt::Horizontal).toString()),
                     qPrintable(model->headerData(column, Qt::Horizontal).toString()));
        inspected = true;
    });
    QVERIFY(ui::budget::BudgetFileChooser::choose(ui::budget::BudgetFileChooser::Kind::Workbook, true, u"b.xlsx"_s).isEmpty());
    QVERIFY(inspected);
}

QTEST_MAIN(TestBudgetDocument)
#include "test_budgetdocument.moc"
