// The whole budget for a manager: workbook, PDF and print, refused while a
// section cannot be priced.

#include "budgetstory.h"

#include "ui/budget/budgettexts.h"

#include <QApplication>
#include <QFile>
#include <QTimer>

using namespace torvane;
using namespace torvane::test;

class TestBudgetOutputs : public QObject
{
    Q_OBJECT

    BudgetTestCase m_case;

private slots:
    void initTestCase() { m_case.start(); }
    void init() { m_case.next(); }
    void cleanup() { m_case.done(); }

    void budgetThatCannotBePricedIsNotWritten();
    void printShowsThePreviewOfTheBudget();
};

void TestBudgetOutputs::budgetThatCannotBePricedIsNotWritten()
{
    Screens screens;
    fillStory(screens);
    ui::sections::SectionScreen *logistics = screens.screen<ui::sections::SectionScreen>(u"Form_logistic"_s);
    type(logistics, 1, 2, 4, u"abc"_s);
    settle(logistics);
    ui::budget::BudgetOutputs *outputs = outputsOf(screens);
    for (const QString &name : {u"budget.xlsx"_s, u"budget.xls"_s, u"budget.pdf"_s}) {
        ui::common::ErrorReporter::instance().clearRecorded();
        QVERIFY(!outputs->exportTo(m_case.folder->filePath(name)));
        QVERIFY(!QFile::exists(m_case.folder->filePath(name)));
        const QStringList reported = ui::common::ErrorReporter::instance().recorded();
        QCOMPARE(reported.size(), 1);
        QVERIFY2(reported.front().contains(u"“abc”"_s) && reported.front().contains(u"“Quantity of Children”"_s),
                 qPrintable(reported.front()));
    }
    ui::common::ErrorReporter::instance().clearRecorded();
    outputs->printBudget(); // no preview comes up: the test would wait for it
    QCOMPARE(ui::common::ErrorReporter::instance().recorded().size(), 1);
}

void TestBudgetOutputs::printShowsThePreviewOfTheBudget()
{
    Screens screens;
    fillStory(screens);
    screens.setLanguage(2);
    ui::budget::BudgetOutputs *outputs = outputsOf(screens);
    // Printing lives in a module loaded on the first Print…: its preview
    // comes up, modal, and is closed here as a user would.
    QString shown;
    QTimer::singleShot(0, [&] {
        QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeModalWidget(), 10000);
        shown = QApplication::activeModalWidget()->windowTitle();
        QApplication::activeModalWidget()->close();
    });
    outputs->printBudget();
    QCOMPARE(shown, ui::budget::budgettexts::kPrint.in(base::Language::English));
    QVERIFY(ui::common::ErrorReporter::instance().recorded().isEmpty());
}

QTEST_MAIN(TestBudgetOutputs)
#include "test_budgetoutputs.moc"
