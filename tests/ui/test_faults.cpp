// What a hostile or unlucky user can do to a section: a disk that fills up
// during a save, long pastes, a refused quantity left on another tab, an
// amount too large to hold, a missing picture folder.

#include "testsupport.h"

#include "base/safefile.h"
#include "report/reportfolder.h"
#include "report/spreadsheethost.h"
#include "ui/budget/budgetdocument.h"
#include "ui/common/messages.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QCursor>
#include <QTemporaryDir>

#include <csignal>

#include <sys/resource.h>

using namespace torvane;
using namespace torvane::test;

namespace {

// Every write beyond a few bytes fails as on a full disk, until destroyed.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, m_old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_old{};
    void (*m_handler)(int) = nullptr;
};

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestFaults : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_folder;

private slots:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        report::setReportFolderForTesting(m_folder->path());
        report::SpreadsheetHost::setOpenerForTesting([](const QString &) { return true; });
    }
    void cleanup()
    {
        report::SpreadsheetHost::setOpenerForTesting({});
        report::setReportFolderForTesting({});
        base::AssetPath::setRootForTesting({});
    }

    void failedWriteKeepsTheEarlierFile();
    void failedReportSaveSaysSoAndKeepsTheEarlierReport();
    void pastedLongNumberIsKeptWholeAndReported();
    void typedTextTakesDigitsOnly();
    void refusedQuantityShowsEveryFigureWaiting();
    void amountTooLargeIsNamedAsSuch_data();
    void amountTooLargeIsNamedAsSuch();
    void missingPictureFolderGivesOneMessagePerStep();
    void waitingHintsFollowTheLanguage();
    void reportWithNowhereToGoNamesTheFolder();
};

void TestFaults::failedWriteKeepsTheEarlierFile()
{
    const QString path = m_folder->filePath(u"budget.bin"_s);
    QVERIFY(base::writeFileAtomically(path, QByteArray(3000, 'a')));
    base::WriteResult result;
    {
        const FileSizeLimit full(1024);
        result = base::writeFileAtomically(path, QByteArray(5000, 'b'));
    }
    QVERIFY(!result);
    QCOMPARE(result.path, path);
    QVERIFY(!result.reason.isEmpty());
    QCOMPARE(contents(path), QByteArray(3000, 'a'));
    // No temporary file is left behind.
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"budget.bin"_s});
}

void TestFaults::failedReportSaveSaysSoAndKeepsTheEarlierReport()
{
    Screens screens;
    ui::sections::SectionScreen *s = screens.openSection(u"Form_logistic"_s, 2);
    choose(s, 1, 1, 1, 0);
    choose(s, 1, 1, 2, 0);
    type(s, 1, 1, 3, u"2"_s);
    s->Image1Click();
    const QString path = m_folder->filePath(u"Logistics and Transportation.xls"_s);
    const QByteArray good = contents(path);
    QVERIFY(good.size() > 2048);
    QCOMPARE(ui::common::ErrorReporter::instance().recorded().size(), 1); // the notice of the file written
    ui::common::ErrorReporter::instance().clearRecorded();

    type(s, 1, 1, 3, u"7"_s);
    {
        const FileSizeLimit full(1024);
        s->Image1Click();
    }
    const QStringList reported = ui::common::ErrorReporter::instance().recorded();
    QCOMPARE(reported.size(), 1);
    QVERIFY2(reported.front().startsWith(u"The report could not be saved as \"%1\": "_s.arg(QDir::toNativeSeparators(path))),
             qPrintable(reported.front()));
    QCOMPARE(contents(path), good);
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files | QDir::Hidden), QStringList{QFileInfo(path).fileName()});
}

void TestFaults::pastedLongNumberIsKeptWholeAndReported()
{
    Screens screens;
    ui::sections::SectionScreen *s = screens.openSection(u"Form_event"_s, 2);
    choose(s, 1, 1, 1, 2); // national artist
    QLineEdit *quantity = s->edit(1, 1, 2);
    quantity->selectAll();
    quantity->insert(u"12345678901234567890"_s); // what a paste does
    settle(s);
    QCOMPARE(quantity->text(), u"12345678901234567890"_s);
    QCOMPARE(ui::common::ErrorReporter::instance().recorded(), QStringList{u"'12345678901234567890' is not a valid integer value"_s});
    QVERIFY(s->hasInvalidQuantity());
    QCOMPARE(s->edit(1, 1, 3)->text(), u"0"_s); // never a shortened number priced

    // A pasted text that is no number at all is kept and named the same way.
    ui::common::ErrorReporter::instance().clearRecorded();
    quantity->selectAll();
    quantity->insert(u"12 shows"_s);
    settle(s);
    QCOMPARE(quantity->text(), u"12 shows"_s);
    QCOMPARE(ui::common::ErrorReporter::instance().recorded(), QStringList{u"'12 shows' is not a valid integer value"_s});
}

void TestFaults::typedTextTakesDigitsOnly()
{
    Screens screens;
    ui::sections::SectionScreen *s = screens.openSection(u"Form_event"_s, 2);
    QLineEdit *quantity = s->edit(1, 1, 2);
    quantity->clear();
    QTest::keyClicks(quantity, u"1a2-3 4"_s);
    QCOMPARE(quantity->text(), u"1234"_s);
}

void TestFaults::refusedQuantityShowsEveryFigureWaiting()
{
    Screens screens;
    ui::sections::SectionScreen *s = screens.openSection(u"Form_event"_s, 2);
    choose(s, 1, 1, 1, 0); // urban
    type(s, 1, 1, 2, u"2"_s);
    settle(s);
    QCOMPARE(s->Edit1->text(), u"200000"_s);
    const QString currentLook = s->Edit1->styleSheet();

    s->ButtonClick(2);
    choose(s, 2, 3, 1, 0);
    choose(s, 2, 3, 2, 0);
    type(s, 2, 3, 3, u"2147483648"_s);
    settle(s);
    s->ButtonClick(1);
    type(s, 1, 1, 2, u"7"_s);
    settle(s);

    // Nothing could be recomputed: the figures stay, and every one of them says it waits.
    QCOMPARE(s->Edit1->text(), u"200000"_s);
    for (QLineEdit *figure : {s->Edit1, s->SumEdit[0], s->SumEdit[3], s->edit(1, 1, 3)}) {
        QVERIFY(figure->styleSheet() != currentLook);
        // Named as the user sees the field: its column, with what it holds.
        QVERIFY2(figure->toolTip().contains(u"“Number of hours”"_s), qPrintable(figure->toolTip()));
        QVERIFY2(figure->toolTip().contains(u"2147483648"_s), qPrintable(figure->toolTip()));
        QVERIFY(!figure->toolTip().contains(u"Edit233"_s));
        QVERIFY2(figure->toolTip().contains(u"row 3"_s), qPrintable(figure->toolTip()));
        QVERIFY2(figure->toolTip().contains(u"Photo and video shooting"_s), qPrintable(figure->toolTip()));
    }
    QVERIFY(!s->Button[1]->styleSheet().isEmpty()); // the tab that holds the field
    QVERIFY(s->Button[0]->styleSheet().isEmpty());
    QVERIFY(!s->edit(2, 3, 3)->styleSheet().isEmpty());

    // The export stays refused meanwhile.
    ui::common::ErrorReporter::instance().clearRecorded();
    s->Image1Click();
    QCOMPARE(ui::common::ErrorReporter::instance().recorded().size(), 1);
    QVERIFY(ui::common::ErrorReporter::instance().recorded().front().startsWith(u"The report was not saved"_s));
    QVERIFY(!QFile::exists(m_folder->filePath(u"Organization of events.xls"_s)));

    // Corrected: every figure is current again.
    type(s, 2, 3, 3, u"2"_s);
    settle(s);
    QCOMPARE(s->SumEdit[0]->text(), u"700000"_s);
    QCOMPARE(s->Edit1->text(), u"720000"_s); // and 20000 for two hours of photos
    for (QLineEdit *figure : {s->Edit1, s->SumEdit[0], s->edit(1, 1, 3)})
        QVERIFY(figure->toolTip().isEmpty());
    QVERIFY(s->Button[1]->styleSheet().isEmpty());
}

void TestFaults::amountTooLargeIsNamedAsSuch_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("message");
    QTest::newRow("en") << 2 << u"The amount of row 1 of the tab “Cleaning” is too large to compute. Lower its quantities."_s;
    QTest::newRow("fr") << 0
                        << u"Le montant de la ligne 1 de l’onglet « Nettoyage » est trop grand pour être calculé. Réduisez ses quantités."_s;
}

void TestFaults::amountTooLargeIsNamedAsSuch()
{
    QFETCH(int, language);
    const base::Language lang = base::Language(language);
    QFETCH(QString, message);
    Screens screens;
    ui::sections::SectionScreen *s = screens.openSection(u"Form_expenses"_s, language);
    ui::common::ErrorReporter::instance().setLanguage(lang);
    type(s, 1, 1, 1, u"2147483647"_s);
    type(s, 1, 1, 2, u"28633116"_s);
    settle(s);
    const QStringList reported = ui::common::ErrorReporter::instance().recorded();
    QCOMPARE(reported.size(), 1);
    QVERIFY2(reported.front().startsWith(message.section(u' ', 0, 3)), qPrintable(reported.front()));
    QVERIFY(!reported.front().contains(u"not a valid integer value"_s));
    QVERIFY(s->hasInvalidQuantity());
    QVERIFY(!s->edit(1, 1, 1)->styleSheet().isEmpty());
    QVERIFY(!s->edit(1, 1, 2)->styleSheet().isEmpty());
    ui::common::ErrorReporter::instance().setLanguage(base::Language::Russian);
}

void TestFaults::waitingHintsFollowTheLanguage()
{
    // A budget opened at start holds a text where a quantity belongs: the
    // section, not yet shown, prices it in the start screen's Russian.
    const QString path = m_folder->filePath(u"fair.torvane"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"format": "torvane-budget", "version": 1, "language": 2, "sections": {"Form_logistic":
        {"cells": {"ComboBox111": 0, "ComboBox112": 0, "Edit113": "2", "Edit114": "abc"}}}})");
    file.close();
    Screens screens(QSize(1366, 740), path);
    QVERIFY(app::documentOf(*screens.login)->openFile(path));
    auto *s = screens.screen<ui::sections::SectionScreen>(u"Form_logistic"_s);
    settle(s);
    QVERIFY(s->hasInvalidQuantity());
    QVERIFY2(s->Edit1->toolTip().contains(u"«Количество детей»"_s), qPrintable(s->Edit1->toolTip()));
    // The message itself spoke the budget's language.
    QCOMPARE(ui::common::ErrorReporter::instance().recorded().value(0), u"'abc' is not a valid integer value"_s);

    s = screens.openSection(u"Form_logistic"_s, 2);
    for (QLineEdit *figure : {s->Edit1, s->SumEdit[0], s->edit(1, 1, 5)})
        QVERIFY2(figure->toolTip().contains(u"the field “Quantity of Children”, row 1 of the tab “Flights”"_s),
                 qPrintable(figure->toolTip()));
    QVERIFY(!s->Edit1->toolTip().contains(u"Edit114"_s));
    QVERIFY2(s->Button[0]->toolTip().contains(u"'abc'"_s), qPrintable(s->Button[0]->toolTip()));
}

void TestFaults::reportWithNowhereToGoNamesTheFolder()
{
    // The report folder cannot be made: a plain file stands where its parent should be.
    const QString blocker = m_folder->filePath(u"Documents"_s);
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    report::setReportFolderForTesting(blocker + u"/Torvane"_s);
    Screens screens;
    ui::sections::SectionScreen *s = screens.openSection(u"Form_logistic"_s, 2);
    choose(s, 1, 1, 1, 0);
    choose(s, 1, 1, 2, 0);
    type(s, 1, 1, 3, u"2"_s);
    settle(s);
    ui::common::ErrorReporter::instance().clearRecorded();
    s->Image1Click();
    const QStringList reported = ui::common::ErrorReporter::instance().recorded();
    QCOMPARE(reported.size(), 1);
    QVERIFY2(reported.front().contains(u"the folder \"%1\" could not be made (Not a directory)"_s.arg(blocker + u"/Torvane"_s)),
             qPrintable(reported.front()));
}

void TestFaults::missingPictureFolderGivesOneMessagePerStep()
{
    QTemporaryDir empty;
    base::AssetPath::setRootForTesting(empty.path());
    QCursor::setPos(-1000, -1000); // no tile under the pointer, so no hover picture is asked for
    Screens screens; // start-up: the start screen's four pictures
    QCOMPARE(ui::common::ErrorReporter::instance().recorded().size(), 1);
    screens.login->Image2Click(); // the main menu's show: one more message for all of its pictures
    settle(screens.login.get());
    const QStringList reported = ui::common::ErrorReporter::instance().recorded();
    QCOMPARE(reported.size(), 2);
    QVERIFY(reported[1].contains(u"calcmenu8.png"_s));
    QVERIFY(reported[1].contains(u"menu5.png"_s));
}

QTEST_MAIN(TestFaults)
#include "test_faults.moc"
