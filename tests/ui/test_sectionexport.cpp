// The save button of a section screen: the report it writes holds what the
// screen shows, in every section.

#include "testsupport.h"
#include "reportsupport.h"

#include "report/reportfolder.h"
#include "report/reportexport.h"
#include "report/spreadsheethost.h"

#include <QDir>
#include <QJsonArray>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace torvane;
using namespace torvane::test;
using namespace torvane::report;

class TestSectionExport : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_folder;
    QTemporaryDir &folder() { return *m_folder; }
    QStringList m_opened;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        ui::common::ErrorReporter::instance().setRecording(true);
    }
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        m_opened.clear();
        ui::common::ErrorReporter::instance().clearRecorded();
        setReportFolderForTesting(folder().path());
        SpreadsheetHost::setOpenerForTesting([this](const QString &path) {
            m_opened << path;
            return true;
        });
    }
    void cleanup()
    {
        SpreadsheetHost::setOpenerForTesting({});
        setReportFolderForTesting({});
    }

    void saveButtonExportsTheScreenAsShown();
    void everySectionExportsItsPlan_data();
    void everySectionExportsItsPlan();
};

void TestSectionExport::saveButtonExportsTheScreenAsShown()
{
    Screens screens;
    ui::sections::SectionScreen *s = screens.openSection(u"Form_logistic"_s, 2);
    choose(s, 1, 2, 1, 0);
    choose(s, 1, 2, 2, 5);
    type(s, 1, 2, 3, u"2"_s);
    // Saved at once, before the deferred pass: the export completes it first.
    QVERIFY(s->Timer3->isOn());
    s->Image1Click();
    const QString path = folder().filePath(u"Logistics and Transportation.xls"_s);
    // Nothing but the notice of the file written.
    QCOMPARE(ui::common::ErrorReporter::instance().recorded(),
             QStringList{u"notice: “Logistics and Transportation.xls” was saved in the folder “%1”."_s.arg(QDir::toNativeSeparators(folder().path()))});
    const QJsonObject sheet = readBack(path).value(u"sheets"_s).toArray().at(0).toObject();
    QCOMPARE(cellOf(sheet, u"B2"_s).value(u"value"_s).toString(), u"Flights"_s);
    QCOMPARE(cellOf(sheet, u"B3"_s).value(u"value"_s).toString(), u"Point of departure"_s);
    QCOMPARE(cellOf(sheet, u"B4"_s).value(u"value"_s).toString(), u"Astana"_s);
    QCOMPARE(cellOf(sheet, u"C4"_s).value(u"value"_s).toString(), u"Paris"_s);
    QCOMPARE(cellOf(sheet, u"F4"_s).value(u"value"_s).toDouble(), 170000.0);
    QCOMPARE(cellOf(sheet, u"F5"_s).value(u"value"_s).toDouble(), 170000.0);
    QCOMPARE(cellOf(sheet, u"F7"_s).value(u"value"_s).toDouble(), 170000.0);
    // The export changes nothing on the screen.
    QCOMPARE(s->Edit1->text(), u"170000"_s);
    QCOMPARE(s->comboBox(1, 2, 2)->currentText(), u"Paris"_s);
}

void TestSectionExport::everySectionExportsItsPlan_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("totalColumn");
    QTest::newRow("logistics en") << u"Form_logistic"_s << 2 << u"Logistics and Transportation.xls"_s << u"F"_s;
    QTest::newRow("accommodation en") << u"Form_living"_s << 2 << u"Accommodation and lodging.xls"_s << u"E"_s;
    QTest::newRow("food fr, long caption") << u"Form_food"_s << 0 << u"Divertissement et de la nourriture.xls"_s << u"E"_s;
    QTest::newRow("construction ru, decimals") << u"Form_construct"_s << 1 << u"Строительство и ремонт.xls"_s << u"E"_s;
    QTest::newRow("services fr") << u"Form_service"_s << 0 << u"Services aux entreprises.xls"_s << u"F"_s;
    QTest::newRow("expenses ru") << u"Form_expenses"_s << 1 << u"Операционные расходы.xls"_s << u"E"_s;
    QTest::newRow("events en") << u"Form_event"_s << 2 << u"Organization of events.xls"_s << u"E"_s;
    QTest::newRow("advertising fr") << u"Form_reclame"_s << 0 << u"Publicité.xls"_s << u"E"_s;
}

void TestSectionExport::everySectionExportsItsPlan()
{
    QFETCH(QString, screen);
    QFETCH(int, language);
    QFETCH(QString, file);
    QFETCH(QString, totalColumn);

    base::DecimalFormat::setRegionalForTesting(QLocale::c());
    Screens screens;
    ui::sections::SectionScreen *s = screens.openSection(screen, language);
    // The first row of every group: last option of each box, 3 of each quantity.
    const model::SectionCatalogue &catalogue = s->catalogue();
    for (int t = 1; t <= catalogue.tabCount(); ++t)
        for (const model::GroupSpec &group : catalogue.tabs[t - 1].groups)
            for (int c = 1; c <= group.columnCount(); ++c) {
                const model::ColumnSpec &column = group.columns[c - 1];
                if (column.role == model::ColumnRole::Choice)
                    choose(s, t, group.firstRow, c, s->comboBox(t, group.firstRow, c)->count() - 1);
                else if (column.role == model::ColumnRole::Quantity)
                    type(s, t, group.firstRow, c, u"3"_s);
            }
    settle(s);
    s->Image1Click();
    const QStringList recorded = ui::common::ErrorReporter::instance().recorded();
    QVERIFY2(recorded.size() == 1 && recorded.front().startsWith(u"notice: "_s) && recorded.front().contains(file),
             qPrintable(recorded.join(u'\n')));

    const QString path = folder().filePath(file);
    QCOMPARE(m_opened, QStringList{path});
    const QJsonObject sheet = readBack(path).value(u"sheets"_s).toArray().at(0).toObject();
    QCOMPARE(sheet.value(u"name"_s).toString(), s->windowTitle().left(31));

    // Each priced tab leaves its title and its subtotal; the total closes the sheet.
    const QJsonObject cells = sheet.value(u"cells"_s).toObject();
    QStringList texts;
    int lastRow = 0;
    for (auto it = cells.begin(); it != cells.end(); ++it) {
        const QJsonValue value = it.value().toObject().value(u"value"_s);
        texts << (value.isDouble() ? base::DecimalFormat(QLocale::c()).toText(value.toDouble()) : value.toString());
        lastRow = std::max(lastRow, it.key().mid(1).toInt());
    }
    const model::ReportPlan plan = model::reportPlanOf(catalogue);
    for (int t = 1; t <= catalogue.tabCount(); ++t) {
        const QString subtotal = s->SumEdit[t - 1]->text();
        if (subtotal == u"0"_s)
            continue;
        QVERIFY2(texts.contains(subtotal), qPrintable(u"subtotal of tab %1"_s.arg(t)));
        const QString title = s->controlText(plan.tabs[t - 1].groups.front().titleControl);
        QVERIFY2(texts.contains(title), qPrintable(u"title of tab %1: %2"_s.arg(t).arg(title)));
    }
    const QJsonObject total = cells.value(totalColumn + QString::number(lastRow)).toObject();
    QCOMPARE(base::DecimalFormat(QLocale::c()).toText(total.value(u"value"_s).toDouble()), s->Edit1->text());
    QVERIFY(total.value(u"bold"_s).toBool());
    // Every merged title keeps its text in the merge's first cell.
    for (const QJsonValue &merge : sheet.value(u"merges"_s).toArray()) {
        const QString first = merge.toString().section(u':', 0, 0);
        QVERIFY2(!cells.value(first).toObject().value(u"value"_s).toString().isEmpty(), qPrintable(merge.toString()));
    }
    base::DecimalFormat::setRegionalForTesting(QLocale::system());
}

QTEST_MAIN(TestSectionExport)
#include "test_sectionexport.moc"
