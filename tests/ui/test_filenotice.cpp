// The notice every save ends with: the file and its folder on the screen
// that wrote it, Open and Show in folder, and what became of opening.

#include "budgetstory.h"

#include "report/reportfolder.h"
#include "report/spreadsheethost.h"
#include "ui/common/filenotice.h"
#include "ui/shell/code_main.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>

using namespace torvane;
using namespace torvane::test;
using ui::common::FileNotice;

namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

class TestFileNotice : public QObject
{
    Q_OBJECT

    BudgetTestCase m_case;
    QStringList m_opened;
    bool m_openerWorks = true;

private slots:
    void initTestCase() { m_case.start(); }
    void init()
    {
        m_case.next();
        m_opened.clear();
        report::setReportFolderForTesting(m_case.folder->path());
        report::SpreadsheetHost::setOpenerForTesting([this](const QString &path) {
            m_opened << path;
            return m_openerWorks;
        });
    }
    void cleanup()
    {
        report::SpreadsheetHost::setOpenerForTesting({});
        report::setReportFolderForTesting({});
        m_case.done();
    }

    void everySaveEndsWithTheNotice_data();
    void everySaveEndsWithTheNotice();
    void noticeSpeaksTheMessagesLanguage();
};

void TestFileNotice::everySaveEndsWithTheNotice_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("openerWorks");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("openedAtOnce"); // the section's report is shown as always
    QTest::addColumn<bool>("offersOpen");
    QTest::newRow("section report") << u"section"_s << true << u"Logistics and Transportation.xls"_s << true << true;
    QTest::newRow("section report, no viewer") << u"section"_s << false << u"Logistics and Transportation.xls"_s << true << true;
    QTest::newRow("workbook") << u"workbook"_s << true << u"pavilion.xlsx"_s << false << true;
    QTest::newRow("workbook, no viewer") << u"workbook"_s << false << u"pavilion.xlsx"_s << false << true;
    QTest::newRow("pdf") << u"pdf"_s << true << u"pavilion.pdf"_s << false << true;
    QTest::newRow("budget") << u"budget"_s << true << u"pavilion.torvane"_s << false << false;
    QTest::newRow("budget, no file manager") << u"budget"_s << false << u"pavilion.torvane"_s << false << false;
}

void TestFileNotice::everySaveEndsWithTheNotice()
{
    QFETCH(QString, kind);
    QFETCH(bool, openerWorks);
    QFETCH(QString, file);
    QFETCH(bool, openedAtOnce);
    QFETCH(bool, offersOpen);
    m_openerWorks = openerWorks;

    Screens screens;
    fillStory(screens);
    auto *menu = screens.screen<ui::shell::TForm_main>(u"Form_main"_s);
    QWidget *writer = menu;
    const QString path = m_case.folder->filePath(file);
    const QString folder = native(m_case.folder->path());
    ui::common::ErrorReporter::instance().clearRecorded();
    if (kind == u"section"_s) {
        auto *logistics = screens.openSection(u"Form_logistic"_s, 2);
        writer = logistics;
        logistics->Image1Click();
    } else {
        menu->present();
        QApplication::setActiveWindow(menu);
        if (kind == u"budget"_s)
            QVERIFY(documentOf(screens)->saveTo(path));
        else
            QVERIFY(outputsOf(screens)->exportTo(path));
    }

    const QString saved = u"“%1” was saved in the folder “%2”."_s.arg(file, folder);
    const QString noViewer = u" It could not be opened: no program on this desktop can show this kind of file."_s;
    const QStringList atSave = openedAtOnce && !openerWorks ? QStringList{saved + noViewer} : QStringList{u"notice: "_s + saved};
    QCOMPARE(ui::common::ErrorReporter::instance().recorded(), atSave);
    QCOMPARE(m_opened, openedAtOnce ? QStringList{path} : QStringList{});

    // On the screen that wrote it, never a window of its own.
    auto *notice = writer->findChild<FileNotice *>(u"FileNotice"_s, Qt::FindDirectChildrenOnly);
    QVERIFY(notice);
    QVERIFY(notice->isVisible());
    QVERIFY(!notice->isWindow());
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(notice->text().contains(file) && notice->text().contains(folder));
    QCOMPARE(notice->openButton()->isVisibleTo(notice), offersOpen);
    QCOMPARE(notice->folderButton()->text(), u"Show in folder"_s);

    m_opened.clear();
    ui::common::ErrorReporter::instance().clearRecorded();
    if (offersOpen) {
        notice->openButton()->click();
        QCOMPARE(m_opened, QStringList{path});
        QCOMPARE(ui::common::ErrorReporter::instance().recorded(), openerWorks ? QStringList{} : QStringList{saved + noViewer});
        // A failed open stays on the screen, naming the file.
        QCOMPARE(notice->isVisible(), !openerWorks);
        m_opened.clear();
        ui::common::ErrorReporter::instance().clearRecorded();
    }
    notice->folderButton()->click();
    QCOMPARE(m_opened, QStringList{m_case.folder->path()});
    QCOMPARE(ui::common::ErrorReporter::instance().recorded(),
             openerWorks ? QStringList{} : QStringList{saved + u" The folder could not be shown in a file manager."_s});
}

void TestFileNotice::noticeSpeaksTheMessagesLanguage()
{
    Screens screens;
    fillStory(screens);
    auto *menu = screens.screen<ui::shell::TForm_main>(u"Form_main"_s);
    menu->present();
    QApplication::setActiveWindow(menu);
    const QString folder = native(m_case.folder->path());
    const struct {
        int language;
        QString recorded;
        QString open;
    } cases[] = {
        {0, u"notice: « b.pdf » a été enregistré dans le dossier « %1 »."_s.arg(folder), u"Ouvrir"_s},
        {1, u"notice: Файл «b.pdf» сохранён в папке «%1»."_s.arg(folder), u"Открыть"_s},
    };
    for (const auto &c : cases) {
        screens.setLanguage(c.language);
        ui::common::ErrorReporter::instance().clearRecorded();
        QVERIFY(outputsOf(screens)->exportTo(m_case.folder->filePath(u"b.pdf"_s)));
        QCOMPARE(ui::common::ErrorReporter::instance().recorded(), QStringList{c.recorded});
        auto *notice = menu->findChild<FileNotice *>(u"FileNotice"_s);
        QVERIFY(notice);
        QCOMPARE(notice->openButton()->text(), c.open);
    }
}

QTEST_MAIN(TestFileNotice)
#include "test_filenotice.moc"
