// The recovery copy of a budget with unsaved changes: written while it is
// modified, offered after an end that saved nothing, restored into its own
// file where it can be, set aside when damaged.

#include "budgetstory.h"

#include "model/budgetfile.h"
#include "ui/budget/budgetpanel.h"
#include "ui/budget/budgetrecoverybar.h"
#include "ui/shell/code_main.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLockFile>

using namespace torvane;
using namespace torvane::test;

class TestRecovery : public QObject
{
    Q_OBJECT

    BudgetTestCase m_case;

private slots:
    void initTestCase() { m_case.start(); }
    void init() { m_case.next(); }
    void cleanup() { m_case.done(); }

    void recoveryIsOfferedAfterAnEndThatSavedNothing();
    void restoredCopyComesBackIntoItsFile();
    void restoredCopyOfAFileOpenElsewhereIsUntitled();
    void damagedRecoveryIsSetAsideOnce();
};

void TestRecovery::recoveryIsOfferedAfterAnEndThatSavedNothing()
{
    QString copy;
    {
        Screens screens;
        fillStory(screens);
        model::BudgetSettings settings = documentOf(screens)->budget().settings();
        settings.title = u"Astana pavilion"_s;
        documentOf(screens)->budget().setSettings(settings);
        ui::budget::BudgetRecovery *recovery = recoveryOf(screens);
        recovery->write(); // what the 30 s timer does
        copy = recovery->path();
        QVERIFY(QFile::exists(copy));
        // The machine loses power here: the program never ends cleanly.
    }
    Screens screens;
    ui::budget::BudgetDocument *document = documentOf(screens);
    ui::budget::BudgetRecovery *recovery = recoveryOf(screens);
    QVERIFY(recovery->hasOffer());
    QVERIFY(document->budget().isEmpty());
    auto *menu = screens.screen<ui::shell::TForm_main>(u"Form_main"_s);
    menu->present();
    settle(menu);
    auto *panel = menu->findChild<ui::budget::BudgetPanel *>(u"BudgetPanel"_s);
    QVERIFY(panel->RecoveryBar->isVisible());
    QVERIFY(ui::common::ErrorReporter::instance().recorded().isEmpty()); // offered on the menu, no dialog
    // Named by its title, not as an untitled budget.
    const QString offer = panel->RecoveryBar->findChild<QLabel *>()->text();
    QVERIFY2(offer.startsWith(u"Можно восстановить несохранённый бюджет «Astana pavilion» от "_s), qPrintable(offer));

    QVERIFY(recovery->restore());
    QVERIFY(document->budget().isModified());
    QVERIFY(document->filePath().isEmpty());
    QVERIFY(!panel->RecoveryBar->isVisible());
    ui::sections::SectionScreen *logistics = screens.openSection(u"Form_logistic"_s, 2);
    QCOMPARE(logistics->Edit1->text(), u"50000"_s);

    // Saved, then ended cleanly: nothing is offered at the next start.
    QVERIFY(document->saveTo(m_case.folder->filePath(u"restored.torvane"_s)));
    recovery->programEnds(false);
    QVERIFY(!QFile::exists(recovery->path()));
}

void TestRecovery::restoredCopyComesBackIntoItsFile()
{
    const QString path = m_case.folder->filePath(u"pavilion.torvane"_s);
    {
        Screens screens;
        fillStory(screens);
        ui::budget::BudgetDocument *document = documentOf(screens);
        QVERIFY(document->saveTo(path));
        type(screens.screen<ui::sections::SectionScreen>(u"Form_logistic"_s), 1, 1, 3, u"3"_s);
        recoveryOf(screens)->write();
        // Lost to a crash here: no clean end, the lock stays behind.
        app::releaseLocks(*screens.login);
    }
    Screens screens;
    ui::budget::BudgetDocument *document = documentOf(screens);
    ui::budget::BudgetRecovery *recovery = recoveryOf(screens);
    QVERIFY(recovery->hasOffer());
    QCOMPARE(recovery->offerName(), u"pavilion.torvane"_s); // untitled: named by its file
    QVERIFY(recovery->restore());
    QCOMPARE(document->filePath(), path);
    QVERIFY(document->budget().isModified());
    QCOMPARE(document->budget().entries(0).text(1, 1, 3), u"3"_s);
    // Save writes into the file it came from, with no question.
    ui::budget::BudgetFileChooser::setForTesting([](auto, bool, const QString &, const QString &) {
        qWarning("no dialog expected");
        return QString();
    });
    QVERIFY(document->save());
    QCOMPARE(model::budgetfile::readFile(path, model::allCatalogues()).content.sections[0].text(1, 1, 3), u"3"_s);
}

void TestRecovery::restoredCopyOfAFileOpenElsewhereIsUntitled()
{
    const QString path = m_case.folder->filePath(u"shared.torvane"_s);
    {
        Screens screens;
        fillStory(screens);
        ui::budget::BudgetDocument *document = documentOf(screens);
        QVERIFY(document->saveTo(path));
        type(screens.screen<ui::sections::SectionScreen>(u"Form_logistic"_s), 1, 1, 3, u"3"_s);
        recoveryOf(screens)->write();
        app::releaseLocks(*screens.login);
    }
    QLockFile other(m_case.folder->filePath(u".shared.torvane.lock"_s));
    QVERIFY(other.tryLock(0));
    Screens screens;
    ui::budget::BudgetDocument *document = documentOf(screens);
    QVERIFY(recoveryOf(screens)->restore());
    QVERIFY(document->filePath().isEmpty());
    QVERIFY(document->budget().isModified());
    const QStringList reported = ui::common::ErrorReporter::instance().recorded();
    QCOMPARE(reported.size(), 1);
    QVERIFY2(reported.front().contains(u"restored as untitled"_s) && reported.front().contains(u"already open"_s),
             qPrintable(reported.front()));
}

void TestRecovery::damagedRecoveryIsSetAsideOnce()
{
    QString copy;
    {
        Screens screens;
        fillStory(screens);
        recoveryOf(screens)->write();
        copy = recoveryOf(screens)->path();
        app::releaseLocks(*screens.login);
    }
    // Cut short, as by a disk that filled up under another program.
    QFile file(copy);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{\"format\": \"torvane-budget\", \"vers");
    file.close();
    const QString folder = QFileInfo(copy).absolutePath();
    {
        Screens screens;
        ui::budget::BudgetRecovery *recovery = recoveryOf(screens);
        QVERIFY(recovery->hasOffer());
        const QDateTime made = recovery->offerTime();
        QVERIFY(!recovery->restore());
        const QStringList reported = ui::common::ErrorReporter::instance().recorded();
        QCOMPARE(reported.size(), 1);
        const QString when = QLocale(QLocale::English, QLocale::UnitedStates).toString(made, QLocale::ShortFormat);
        QVERIFY2(reported.front().startsWith(u"The recovery copy from %1 is damaged"_s.arg(when)), qPrintable(reported.front()));
        QVERIFY2(!reported.front().contains(folder), qPrintable(reported.front()));
        QVERIFY(!recovery->hasOffer());
        app::releaseLocks(*screens.login);
    }
    // Kept, beside the others, and not offered again.
    QCOMPARE(QDir(folder).entryList({u"*-damaged-*.torvane"_s}).size(), 1);
    Screens screens;
    QVERIFY(!recoveryOf(screens)->hasOffer());
}

QTEST_MAIN(TestRecovery)
#include "test_recovery.moc"
