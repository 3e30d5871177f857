// The spreadsheet host and the report export: the call sequence a plan
// produces, what the written workbook holds when read back by an independent
// reader, and the ways a save can go wrong.

#include "reportsupport.h"

#include "report/builtinhost.h"
#include "report/reportfolder.h"
#include "report/referenceworkbook.h"
#include "report/reportexport.h"
#include "model/sections/logistic.h"
#include "base/assetpath.h"
#include "base/decimalformat.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace torvane;
using namespace torvane::test;
using namespace torvane::report;

namespace {

// An application that only writes down what it is asked to do.
class RecordingApplication : public SpreadsheetApplication, HostWorkbooks, HostWorkbook, HostWorksheet
{
public:
    explicit RecordingApplication(QStringList &log) : m_log(log) {}

    class Range : public HostRange, HostFont, HostBorders
    {
    public:
        Range(QStringList &log, QString address) : m_log(log), m_address(std::move(address)) {}
        void Merge() override { say(u"Merge"_s); }
        HostFont &Font() override { return *this; }
        HostBorders &Borders() override { return *this; }
        void setBold(bool bold) override { say(u"Font.Bold="_s + (bold ? u"true"_s : u"false"_s)); }
        void setHorizontalAlignment(int a) override { say(u"HorizontalAlignment=%1"_s.arg(a)); }
        void setVerticalAlignment(int a) override { say(u"VerticalAlignment=%1"_s.arg(a)); }
        void setColumnWidth(int w) override { say(u"ColumnWidth=%1"_s.arg(w)); }
        void setWrapText(bool w) override { say(u"WrapText="_s + (w ? u"true"_s : u"false"_s)); }
        void setLineStyle(int s) override { say(u"Borders.LineStyle=%1"_s.arg(s)); }

    private:
        void say(const QString &what) { m_log << u"Range(%1).%2"_s.arg(m_address, what); }
        QStringList &m_log;
        QString m_address;
    };

    void setVisible(bool v) override { m_log << u"Visible="_s + (v ? u"true"_s : u"false"_s); }
    HostWorkbooks &WorkBooks() override { return *this; }
    void setDisplayAlerts(bool a) override { m_log << u"DisplayAlerts="_s + (a ? u"true"_s : u"false"_s); }
    HostWorkbook &ActiveWorkBook() override { return *this; }
    void Quit() override { m_log << u"Quit"_s; }
    HostWorkbook &Add() override { m_log << u"WorkBooks.Add"_s; return *this; }
    HostWorkbook &Item(int i) override { m_log << u"WorkBooks(%1)"_s.arg(i); return *this; }
    void Open(const QString &path) override { m_log << u"WorkBooks.Open(%1)"_s.arg(QFileInfo(path).fileName()); }
    HostWorksheet &WorkSheets(int i) override { m_log << u"WorkSheets(%1)"_s.arg(i); return *this; }
    HostWorksheet &addWorkSheet() override { return *this; }
    void SaveAs(const QString &path) override { m_log << u"SaveAs(%1)"_s.arg(QFileInfo(path).fileName()); }
    void setName(const QString &name) override { m_log << u"Name=%1"_s.arg(name); }
    void Cells(int row, int column, const QString &value) override { m_log << u"Cells(%1,%2)=%3"_s.arg(row).arg(column).arg(value); }
    std::unique_ptr<HostRange> Range(const QString &address) override { return std::make_unique<class Range>(m_log, address); }

private:
    QStringList &m_log;
};

// A recording application that also counts how many are alive.
class CountedApplication : public RecordingApplication
{
public:
    CountedApplication(QStringList &log, int &alive) : RecordingApplication(log), m_alive(alive) { ++m_alive; }
    ~CountedApplication() override { --m_alive; }

private:
    int &m_alive;
};

// Logistics with only tab 3 filled: one transfer, one road freight row.
MapSource trucking()
{
    MapSource source;
    source.title = u"Logistics and Transportation"_s;
    source.controls = {{u"Button3"_s, u"Trucking"_s},
                       {u"Label31"_s, u"Point of departure"_s}, {u"Label32"_s, u"Select machine type"_s},
                       {u"Label33"_s, u"Use time machine"_s}, {u"Label34"_s, u"The sum"_s},
                       {u"Label35"_s, u"Point of departure"_s}, {u"Label36"_s, u"Select machine type"_s},
                       {u"Label37"_s, u"The number of tons"_s}, {u"Label38"_s, u"The number of kilometers"_s},
                       {u"Label39"_s, u"The sum"_s}, {u"SumEdit3"_s, u"36000"_s}, {u"Edit1"_s, u"36000"_s}};
    source.row(3, 1, {u"Astana airport"_s, u"Minibus"_s, u"4"_s, u"10000"_s});
    source.row(3, 5, {u"Astana"_s, u"wagon"_s, u"1"_s, u"1"_s, u"26000"_s});
    source.row(3, 6, {u"Almaty"_s, u"gazeel"_s, u"3"_s, u"0"_s, u"0"_s}); // quantities, but not priced
    return source;
}

} // namespace

class TestReport : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_folder;
    QTemporaryDir &folder() { return *m_folder; }
    QStringList m_log;
    QStringList m_opened;

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        m_log.clear();
        m_opened.clear();
        setReportFolderForTesting(folder().path());
        SpreadsheetHost::setOpenerForTesting([this](const QString &path) {
            m_opened << path;
            return true;
        });
    }
    void cleanup()
    {
        SpreadsheetHost::setFactoryForTesting({});
        SpreadsheetHost::setOpenerForTesting({});
        setReportFolderForTesting({});
        base::AssetPath::setRootForTesting({});
    }

    void typedTextBecomesNumberOrText_data();
    void typedTextBecomesNumberOrText();
    void rangeAddresses();
    void exportFollowsThePlanCallByCall();
    void nothingIsHeldBetweenClicks();
    void missingApplicationFailsTheExport();
    void groupWithoutPricedRowsKeepsTitleAndHeader();
    void tabWithZeroSubtotalLeavesNoTrace();
    void nothingToExportWritesNothing();
    void writtenReportReadsBack();
    void longSheetNameIsShortenedFileNameKept();
    void exportingAgainReplacesTheFile();
    void unwritableTargetIsReportedAndLeavesNoFile();
    void unwritableProgramFolderFallsBackToDocuments();
    void reportThatCannotBeOpenedSaysWhereItIs();
    void referenceWorkbookOpensOrSaysWhyNot();
};

void TestReport::typedTextBecomesNumberOrText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("point");
    QTest::addColumn<bool>("number");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("format");
    QTest::newRow("whole") << u"50000"_s << u"."_s << true << 50000.0 << u"0"_s;
    QTest::newRow("zero") << u"0"_s << u"."_s << true << 0.0 << u"0"_s;
    QTest::newRow("beyond 32 bits") << u"2200000000"_s << u"."_s << true << 2200000000.0 << u"0"_s;
    QTest::newRow("beyond exact doubles") << u"9007199254740993"_s << u"."_s << false << 0.0 << QString();
    QTest::newRow("decimal with comma") << u"683,55"_s << u","_s << true << 683.55 << u"0.00"_s;
    QTest::newRow("decimal with point") << u"683.55"_s << u"."_s << true << 683.55 << u"0.00"_s;
    QTest::newRow("other separator stays text") << u"683.55"_s << u","_s << false << 0.0 << QString();
    QTest::newRow("leading zero stays as typed") << u"007"_s << u"."_s << false << 0.0 << QString();
    QTest::newRow("size with Cyrillic x") << u"3\u04456 m"_s << u"."_s << false << 0.0 << QString();
    QTest::newRow("option text") << u"Almaty"_s << u"."_s << false << 0.0 << QString();
}

void TestReport::typedTextBecomesNumberOrText()
{
    QFETCH(QString, text);
    QFETCH(QString, point);
    QFETCH(bool, number);
    QFETCH(double, value);
    QFETCH(QString, format);
    const Cell cell = cellFromText(text, point.front());
    QCOMPARE(cell.kind == Cell::Kind::Number, number);
    if (number) {
        QCOMPARE(cell.number, value);
        QCOMPARE(cell.style.numberFormat, format);
    } else {
        QCOMPARE(cell.text, text);
    }
}

void TestReport::rangeAddresses()
{
    QCOMPARE(parseRangeAddress(u"b5:f9"_s), (CellRange{5, 2, 9, 6}));
    QCOMPARE(parseRangeAddress(u"E12:E12"_s), (CellRange{12, 5, 12, 5}));
    QVERIFY_THROWS_EXCEPTION(HostError, parseRangeAddress(u"B5"_s));
    QVERIFY_THROWS_EXCEPTION(HostError, parseRangeAddress(u"B0:C1"_s));
}

void TestReport::exportFollowsThePlanCallByCall()
{
    SpreadsheetHost::setFactoryForTesting([this](const QString &id) {
        m_log << u"create(%1)"_s.arg(id);
        return std::make_unique<RecordingApplication>(m_log);
    });
    const ExportOutcome outcome = exportSection(model::reportPlanOf(model::sections::logisticCatalogue()), trucking());
    const QStringList expected{
        u"create(Excel.Application)"_s,
        u"WorkBooks.Add"_s,
        u"WorkBooks(1)"_s,
        u"WorkSheets(1)"_s,
        u"Name=Logistics and Transportation"_s,
        // Tab 3, group 1: the title goes into the first cell of its merge.
        u"Cells(2,2)=Trucking"_s,
        u"Cells(3,3)=Point of departure"_s,
        u"Cells(3,4)=Select machine type"_s,
        u"Cells(3,5)=Use time machine"_s,
        u"Cells(3,6)=The sum"_s,
        u"Cells(4,3)=Astana airport"_s,
        u"Cells(4,4)=Minibus"_s,
        u"Cells(4,5)=4"_s,
        u"Cells(4,6)=10000"_s,
        u"Range(B2:F2).Merge"_s,
        u"Range(B2:F2).Font.Bold=true"_s,
        u"Range(B2:F2).HorizontalAlignment=3"_s,
        u"Range(B2:F2).Borders.LineStyle=1"_s,
        u"Range(C2:F5).ColumnWidth=25"_s,
        u"Range(C2:F5).WrapText=true"_s,
        u"Range(C2:F5).VerticalAlignment=2"_s,
        u"Range(C2:F4).Borders.LineStyle=1"_s,
        // One empty row, then group 2 with the subtotal.
        u"Cells(6,2)=Point of departure"_s,
        u"Cells(6,3)=Select machine type"_s,
        u"Cells(6,4)=The number of tons"_s,
        u"Cells(6,5)=The number of kilometers"_s,
        u"Cells(6,6)=The sum"_s,
        u"Cells(7,2)=Astana"_s,
        u"Cells(7,3)=wagon"_s,
        u"Cells(7,4)=1"_s,
        u"Cells(7,5)=1"_s,
        u"Cells(7,6)=26000"_s,
        u"Cells(8,6)=36000"_s,
        u"Range(B6:F8).ColumnWidth=25"_s,
        u"Range(B6:F8).WrapText=true"_s,
        u"Range(B6:F8).VerticalAlignment=2"_s,
        u"Range(B6:F7).Borders.LineStyle=1"_s,
        u"Range(F8:F8).Borders.LineStyle=1"_s,
        u"Range(F8:F8).Font.Bold=true"_s,
        // The section total after one empty row.
        u"Cells(10,6)=36000"_s,
        u"Range(F10:F10).Borders.LineStyle=1"_s,
        u"Range(F10:F10).Font.Bold=true"_s,
        u"DisplayAlerts=false"_s,
        u"SaveAs(Logistics and Transportation.xls)"_s,
        u"Quit"_s,
        u"create(Excel.Application)"_s,
        u"Visible=true"_s,
        u"WorkBooks.Open(Logistics and Transportation.xls)"_s,
    };
    QCOMPARE(m_log, expected);
    QCOMPARE(outcome.status, ExportOutcome::Status::Saved);
    QVERIFY(outcome.opened);
    QCOMPARE(outcome.path, folder().filePath(u"Logistics and Transportation.xls"_s));
}

void TestReport::nothingIsHeldBetweenClicks()
{
    int alive = 0;
    int made = 0;
    SpreadsheetHost::setFactoryForTesting([&](const QString &) {
        ++made;
        return std::make_unique<CountedApplication>(m_log, alive);
    });
    const auto plan = model::reportPlanOf(model::sections::logisticCatalogue());
    QCOMPARE(exportSection(plan, trucking()).status, ExportOutcome::Status::Saved);
    QCOMPARE(alive, 0);
    // A second export makes its own applications instead of reusing the first's.
    QCOMPARE(exportSection(plan, trucking()).status, ExportOutcome::Status::Saved);
    QCOMPARE(made, 4);
    QCOMPARE(alive, 0);
    QCOMPARE(m_log.count(u"Quit"_s), 2);

    QTemporaryDir program;
    base::AssetPath::setRootForTesting(program.path());
    QFile workbook(program.filePath(u"sprav.xlsx"_s));
    QVERIFY(workbook.open(QIODevice::WriteOnly));
    workbook.close();
    QCOMPARE(openReferenceWorkbook().status, ReferenceOutcome::Status::Opened);
    QCOMPARE(made, 5);
    QCOMPARE(alive, 0);
}

void TestReport::missingApplicationFailsTheExport()
{
    SpreadsheetHost::setFactoryForTesting([](const QString &id) -> std::unique_ptr<SpreadsheetApplication> {
        throw HostError(u"No spreadsheet application is registered as \"%1\"."_s.arg(id));
    });
    const ExportOutcome outcome = exportSection(model::reportPlanOf(model::sections::logisticCatalogue()), trucking());
    QCOMPARE(outcome.status, ExportOutcome::Status::Failed);
    QCOMPARE(outcome.reason, u"No spreadsheet application is registered as \"Excel.Application\"."_s);
    QVERIFY(!QFile::exists(outcome.path));
    QVERIFY(m_opened.isEmpty());
}

void TestReport::groupWithoutPricedRowsKeepsTitleAndHeader()
{
    SpreadsheetHost::setFactoryForTesting([this](const QString &) { return std::make_unique<RecordingApplication>(m_log); });
    MapSource source = trucking();
    source.row(3, 1, {u"Astana airport"_s, u"Minibus"_s, u"0"_s, u"0"_s});
    source.controls[u"SumEdit3"_s] = u"26000"_s;
    exportSection(model::reportPlanOf(model::sections::logisticCatalogue()), source);
    const int title = int(m_log.indexOf(u"Cells(2,2)=Trucking"_s));
    QVERIFY(title > 0);
    QCOMPARE(m_log.value(title + 4), u"Cells(3,6)=The sum"_s);
    QVERIFY(m_log.value(title + 5).startsWith(u"Range(B2:F2)"_s)); // no priced row under the header
    QVERIFY(m_log.contains(u"Range(C2:F4).ColumnWidth=25"_s));
    QVERIFY(m_log.contains(u"Cells(5,2)=Point of departure"_s));
}

void TestReport::tabWithZeroSubtotalLeavesNoTrace()
{
    SpreadsheetHost::setFactoryForTesting([this](const QString &) { return std::make_unique<RecordingApplication>(m_log); });
    MapSource source = trucking();
    source.controls.insert(u"Button5"_s, u"Warehousing"_s);
    source.row(5, 1, {u"40"_s, u"0"_s}); // a quantity left, but the tab's subtotal is 0
    exportSection(model::reportPlanOf(model::sections::logisticCatalogue()), source);
    QVERIFY(m_log.filter(u"Warehousing"_s).isEmpty());
    QVERIFY(m_log.filter(u"=40"_s).isEmpty());
}

void TestReport::nothingToExportWritesNothing()
{
    SpreadsheetHost::setFactoryForTesting([this](const QString &) { return std::make_unique<RecordingApplication>(m_log); });
    MapSource source;
    source.title = u"Logistics and Transportation"_s;
    source.row(5, 1, {u"40"_s, u"20000"_s});
    const ExportOutcome outcome = exportSection(model::reportPlanOf(model::sections::logisticCatalogue()), source);
    QCOMPARE(outcome.status, ExportOutcome::Status::NothingToExport);
    QVERIFY(m_log.isEmpty());
    QVERIFY(!QFile::exists(folder().filePath(u"Logistics and Transportation.xls"_s)));
}

void TestReport::writtenReportReadsBack()
{
    base::DecimalFormat::setRegionalForTesting(QLocale::c());
    const ExportOutcome outcome = exportSection(model::reportPlanOf(model::sections::logisticCatalogue()), trucking());
    const QString path = folder().filePath(u"Logistics and Transportation.xls"_s);
    QCOMPARE(outcome.status, ExportOutcome::Status::Saved);
    QCOMPARE(outcome.path, path);
    QVERIFY(outcome.opened);
    QCOMPARE(m_opened, QStringList{path});
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(8).toHex(), QByteArray("d0cf11e0a1b11ae1"));

    const QJsonObject book = readBack(path);
    const QJsonObject sheet = book.value(u"sheets"_s).toArray().at(0).toObject();
    QCOMPARE(sheet.value(u"name"_s).toString(), u"Logistics and Transportation"_s);
    QCOMPARE(sheet.value(u"merges"_s).toArray(), QJsonArray{u"B2:F2"_s});

    const QJsonObject title = cellOf(sheet, u"B2"_s);
    QCOMPARE(title.value(u"value"_s).toString(), u"Trucking"_s);
    QVERIFY(title.value(u"bold"_s).toBool());
    QCOMPARE(title.value(u"horizontal"_s).toString(), u"center"_s);
    QCOMPARE(title.value(u"borders"_s).toArray().at(0).toString(), u"thin"_s);
    QVERIFY(cellOf(sheet, u"C2"_s).value(u"value"_s).isNull()); // nothing lost outside the merge's first cell

    const QJsonObject header = cellOf(sheet, u"C3"_s);
    QCOMPARE(header.value(u"value"_s).toString(), u"Point of departure"_s);
    QVERIFY(header.value(u"wrap"_s).toBool());
    QCOMPARE(header.value(u"vertical"_s).toString(), u"center"_s);
    QCOMPARE(header.value(u"borders"_s).toArray(), (QJsonArray{u"thin"_s, u"thin"_s, u"thin"_s, u"thin"_s}));

    const QJsonObject amount = cellOf(sheet, u"F4"_s);
    QCOMPARE(amount.value(u"type"_s).toString(), u"number"_s);
    QCOMPARE(amount.value(u"value"_s).toDouble(), 10000.0);
    QCOMPARE(amount.value(u"format"_s).toString(), u"0"_s);
    QCOMPARE(cellOf(sheet, u"B7"_s).value(u"value"_s).toString(), u"Astana"_s);

    const QJsonObject subtotal = cellOf(sheet, u"F8"_s);
    QCOMPARE(subtotal.value(u"value"_s).toDouble(), 36000.0);
    QVERIFY(subtotal.value(u"bold"_s).toBool());
    QVERIFY(!cellOf(sheet, u"E8"_s).value(u"borders"_s).toArray().contains(u"thin"_s));
    const QJsonObject total = cellOf(sheet, u"F10"_s);
    QCOMPARE(total.value(u"value"_s).toDouble(), 36000.0);
    QVERIFY(total.value(u"bold"_s).toBool());
    QCOMPARE(total.value(u"borders"_s).toArray().at(3).toString(), u"thin"_s);

    // Printed across one A4 page width.
    const QJsonObject print = sheet.value(u"print"_s).toObject();
    QVERIFY(print.value(u"landscape"_s).toBool());
    QCOMPARE(print.value(u"fit_width"_s).toInt(), 1);
    QCOMPARE(print.value(u"paper"_s).toInt(), 9);

    const QJsonObject widths = sheet.value(u"widths"_s).toObject();
    for (const QString &column : {u"B"_s, u"C"_s, u"F"_s})
        QVERIFY2(qAbs(widths.value(column).toObject().value(u"width"_s).toInt() - 25 * 256) < 256, qPrintable(column));
    QVERIFY(!widths.contains(u"G"_s));
    base::DecimalFormat::setRegionalForTesting(QLocale::system());
}

void TestReport::longSheetNameIsShortenedFileNameKept()
{
    MapSource source = trucking();
    source.title = u"Divertissement et de la nourriture"_s;
    const ExportOutcome outcome = exportSection(model::reportPlanOf(model::sections::logisticCatalogue()), source);
    const QString path = folder().filePath(u"Divertissement et de la nourriture.xls"_s);
    QVERIFY(QFile::exists(path));
    const QJsonObject sheet = readBack(path).value(u"sheets"_s).toArray().at(0).toObject();
    QCOMPARE(sheet.value(u"name"_s).toString(), u"Divertissement et de la nourrit"_s);
    // Nothing for the screen to tell the user.
    QCOMPARE(outcome.status, ExportOutcome::Status::Saved);
    QVERIFY(outcome.reason.isEmpty());
}

void TestReport::exportingAgainReplacesTheFile()
{
    const auto plan = model::reportPlanOf(model::sections::logisticCatalogue());
    MapSource source = trucking();
    exportSection(plan, source);
    source.controls[u"Edit1"_s] = u"99"_s;
    exportSection(plan, source);
    const QString path = folder().filePath(u"Logistics and Transportation.xls"_s);
    const QJsonObject sheet = readBack(path).value(u"sheets"_s).toArray().at(0).toObject();
    QCOMPARE(cellOf(sheet, u"F10"_s).value(u"value"_s).toDouble(), 99.0);
    QCOMPARE(QDir(folder().path()).entryList(QDir::Files), QStringList{u"Logistics and Transportation.xls"_s});
}

void TestReport::unwritableTargetIsReportedAndLeavesNoFile()
{
    // A folder below a plain file can never be written, whoever runs the test.
    const QString blocker = folder().filePath(u"not-a-folder"_s);
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    setReportFolderForTesting(blocker + u"/reports"_s);
    const ExportOutcome outcome = exportSection(model::reportPlanOf(model::sections::logisticCatalogue()), trucking());
    QCOMPARE(outcome.status, ExportOutcome::Status::Failed);
    QVERIFY2(outcome.path.endsWith(u"not-a-folder/reports/Logistics and Transportation.xls"_s), qPrintable(outcome.path));
    QVERIFY(!outcome.reason.isEmpty());
    QVERIFY(m_opened.isEmpty());
}

void TestReport::unwritableProgramFolderFallsBackToDocuments()
{
    const QString blocker = folder().filePath(u"program-file"_s);
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    setReportFolderForTesting({});
    base::AssetPath::setRootForTesting(blocker);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QCOMPARE(QDir(reportFolder().path), QDir(documents));
    const ExportOutcome outcome = exportSection(model::reportPlanOf(model::sections::logisticCatalogue()), trucking());
    const QString path = QDir(documents).filePath(u"Logistics and Transportation.xls"_s);
    QVERIFY(QFile::exists(path));
    QCOMPARE(m_opened, QStringList{path});
    QCOMPARE(outcome.status, ExportOutcome::Status::Saved);
    QVERIFY(outcome.inDocuments);
    QCOMPARE(outcome.path, path);
    QFile::remove(path);
}

void TestReport::reportThatCannotBeOpenedSaysWhereItIs()
{
    SpreadsheetHost::setOpenerForTesting([](const QString &) { return false; });
    const ExportOutcome outcome = exportSection(model::reportPlanOf(model::sections::logisticCatalogue()), trucking());
    const QString path = folder().filePath(u"Logistics and Transportation.xls"_s);
    QVERIFY(QFile::exists(path));
    QCOMPARE(outcome.status, ExportOutcome::Status::Saved);
    QVERIFY(!outcome.opened);
    QVERIFY(outcome.viewerMissing);
    QCOMPARE(outcome.path, path);
}

void TestReport::referenceWorkbookOpensOrSaysWhyNot()
{
    QTemporaryDir folder;
    base::AssetPath::setRootForTesting(folder.path());
    const ReferenceOutcome missing = openReferenceWorkbook();
    QCOMPARE(missing.status, ReferenceOutcome::Status::Missing);
    QVERIFY(missing.path.endsWith(u"sprav.xlsx"_s));
    QVERIFY(m_opened.isEmpty());

    QFile workbook(folder.filePath(u"sprav.xlsx"_s));
    QVERIFY(workbook.open(QIODevice::WriteOnly));
    workbook.close();
    QCOMPARE(openReferenceWorkbook().status, ReferenceOutcome::Status::Opened);
    QCOMPARE(openReferenceWorkbook().status, ReferenceOutcome::Status::Opened);
    QCOMPARE(m_opened, (QStringList{folder.filePath(u"sprav.xlsx"_s), folder.filePath(u"sprav.xlsx"_s)}));
}

QTEST_MAIN(TestReport)
#include "test_report.moc"
