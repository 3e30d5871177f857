// The whole-budget outputs: amounts as each language writes them, the
// workbook read back by independent readers in both formats, the PDF read
// back as text and fonts, and what a failed or empty write leaves behind.

#include "reportsupport.h"

#include "base/amountformat.h"
#include "report/budgetoutput.h"
#include "report/budgetpdf.h"
#include "report/budgetworkbook.h"
#include "report/reportfolder.h"
#include "report/reportexport.h"
#include "report/spreadsheethost.h"
#include "report/workbook.h"
#include "model/sections/food.h"
#include "model/sections/logistic.h"
#include "base/decimalformat.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstring>
#include <sys/resource.h>

using namespace torvane;
using namespace torvane::report;
using torvane::test::MapSource;
using torvane::test::readBack;
using namespace Qt::StringLiterals;

namespace {

const QString kLongFood = u"Divertissement et de la nourriture"_s; // 34 characters

std::shared_ptr<MapSource> truckingSource(const QString &caption)
{
    auto source = std::make_shared<MapSource>();
    source->title = caption;
    source->controls = {{u"Button3"_s, u"Trucking"_s},
                        {u"Label31"_s, u"Point of departure"_s}, {u"Label32"_s, u"Select machine type"_s},
                        {u"Label33"_s, u"Use time machine"_s}, {u"Label34"_s, u"The sum"_s},
                        {u"Label35"_s, u"Point of departure"_s}, {u"Label36"_s, u"Select machine type"_s},
                        {u"Label37"_s, u"The number of tons"_s}, {u"Label38"_s, u"The number of kilometers"_s},
                        {u"Label39"_s, u"The sum"_s}, {u"SumEdit3"_s, u"36000"_s}, {u"Edit1"_s, u"36000"_s}};
    source->row(3, 1, {u"Astana airport"_s, u"Minibus"_s, u"4"_s, u"10000"_s});
    source->row(3, 5, {u"Astana"_s, u"wagon"_s, u"1.5"_s, u"1"_s, u"26000"_s});
    return source;
}

std::shared_ptr<MapSource> cafeSource(const QString &caption)
{
    auto source = std::make_shared<MapSource>();
    source->title = caption;
    source->controls = {{u"Button1"_s, u"Restaurants et cafés"_s},
                        {u"Label11"_s, u"Type de repas"_s}, {u"Label12"_s, u"Classe"_s},
                        {u"Label13"_s, u"Personnes"_s}, {u"Label14"_s, u"Somme"_s},
                        {u"Label16"_s, u"Type de repas"_s}, {u"Label17"_s, u"Classe"_s},
                        {u"Label18"_s, u"Personnes"_s}, {u"Label19"_s, u"Somme"_s},
                        {u"SumEdit1"_s, u"1250000"_s}, {u"Edit1"_s, u"1250000"_s}};
    source->row(1, 1, {u"Petit déjeuner"_s, u"Économique"_s, u"50"_s, u"1250000"_s});
    return source;
}

// Eight sections, two of them filled: logistics (36 000) and food (1 250 000).
BudgetReport budget(int language)
{
    static const QStringList captions[] = {
        {u"Logistique et transport"_s, u"Logements"_s, kLongFood, u"Construction et réparation"_s,
         u"Services aux entreprises"_s, u"Les charges d exploitation"_s, u"Publicité"_s, u"Planification d événements"_s},
        {u"Логистика и траспорт"_s, u"Размещение и проживание"_s, u"Развлечение и питание"_s, u"Строительство и ремонт"_s,
         u"Услуги для бизнеса"_s, u"Операционные расходы"_s, u"Реклама"_s, u"Организация мероприятий"_s},
        {u"Logistics and Transportation"_s, u"Accommodation and lodging"_s, u"Entertainment and food"_s,
         u"Construction and repair"_s, u"Services for Business"_s, u"Operating expenses"_s, u"Advertising"_s,
         u"Organization of events"_s},
    };
    BudgetReport d;
    d.title = u"Pavillon Astana 2025 — «Ёлка» & Cie"_s;
    d.date = QDateTime(QDate(2025, 3, 14), QTime(9, 30));
    d.language = base::Language(language);
    d.followUp.headers = followUpTable(model::Budget(), d.language).headers;
    for (const QString &caption : captions[language]) {
        BudgetSectionData s;
        s.caption = caption;
        d.sections.append(s);
        BudgetSummaryRow row;
        row.caption = caption;
        d.summary.append(row);
    }
    BudgetSectionData &logistics = d.sections[0];
    logistics.empty = d.summary[0].empty = false;
    logistics.total = 36000;
    d.summary[0].estimateTiyn = 3600000;
    d.summary[0].shareTenths = 28;
    logistics.totalText = u"36000"_s;
    logistics.plan = model::reportPlanOf(model::sections::logisticCatalogue());
    logistics.source = truckingSource(logistics.caption);
    logistics.tabs = {{u"Trucking"_s, u"36000"_s,
                       {{u"Trucking"_s, u"Transfer"_s, u"From: Astana airport · Car: Minibus · Hours: 4"_s, u"10000"_s},
                        {u"Trucking"_s, u"Road freight"_s, u"From: Astana · Wagon · Tons: 1.5 · km: 1"_s, u"26000"_s}}}};

    BudgetSectionData &food = d.sections[2];
    food.empty = d.summary[2].empty = false;
    food.total = 1250000;
    d.summary[2].estimateTiyn = 125000000;
    d.summary[2].shareTenths = 972;
    food.totalText = u"1250000"_s;
    food.plan = model::reportPlanOf(model::sections::foodCatalogue());
    food.source = cafeSource(food.caption);
    food.tabs = {{u"Restaurants et cafés"_s, u"1250000"_s,
                  {{u"Restaurants et cafés"_s, u"Un voyage quotidien au café"_s,
                    u"Petit déjeuner · Économique · Personnes : 50"_s, u"1250000"_s}}}};

    d.estimateTiyn = 128600000;
    d.contingencyTenths = 75; // 7.5 %
    d.contingency = 96450;
    d.grandTotalTiyn = 138245000;
    d.currencyCode = u"EUR"_s;
    d.currencyRateText = u"520.5"_s;
    d.currencyHundredths = 265600; // 1 382 450 / 520.5, to the cent
    return d;
}

QJsonObject sheetNamed(const QJsonObject &book, const QString &name)
{
    for (const QJsonValue &sheet : book.value(u"sheets"_s).toArray())
        if (sheet.toObject().value(u"name"_s).toString() == name)
            return sheet.toObject();
    return {};
}

QJsonObject cellOf(const QJsonObject &sheet, const QString &ref)
{
    return sheet.value(u"cells"_s).toObject().value(ref).toObject();
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        qWarning("%s failed: %s", qUtf8Printable(program), process.readAllStandardError().constData());
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Extracted text as plain characters: no-break spaces of either width and
// ligatures such as "ﬁ" read as what they stand for.
QString plainSpaces(const QString &text)
{
    return text.normalized(QString::NormalizationForm_KC);
}

// The "n / N" footer of a page's text, extracted spacing aside.
bool numbered(const QString &page, int n, int count)
{
    static const QRegularExpression footer(u"^\\s*(\\d+)\\s*/\\s*(\\d+)\\s*$"_s, QRegularExpression::MultilineOption);
    for (auto it = footer.globalMatch(page); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (match.captured(1).toInt() == n && match.captured(2).toInt() == count)
            return true;
    }
    return false;
}

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// TORVANE_KEEP_OUTPUT=/some/prefix keeps copies of the written files for a look.
class TestBudgetReport : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_folder;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        base::DecimalFormat::setRegionalForTesting(QLocale::c());
    }
    void init() { m_folder = std::make_unique<QTemporaryDir>(); }
    void cleanup()
    {
        SpreadsheetHost::setOpenerForTesting({});
        setReportFolderForTesting({});
    }

    void amountsReadAsEachLanguageWritesThem_data();
    void amountsReadAsEachLanguageWritesThem();
    void workbookReadsBack_data();
    void workbookReadsBack();
    void sectionSheetIsTheSectionsOwnReport_data();
    void sectionSheetIsTheSectionsOwnReport();
    void pdfShowsEveryRowAndTotal_data();
    void pdfShowsEveryRowAndTotal();
    void longTableRepeatsItsHeaderOnEveryPage();
    void failedWriteKeepsTheEarlierFile_data();
    void failedWriteKeepsTheEarlierFile();
    void nothingToWriteWritesNothing();
};

void TestBudgetReport::amountsReadAsEachLanguageWritesThem_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("language");
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("expected");
    // Qt 6.4's locale data: narrow no-break space in French, no-break space in Russian.
    QTest::newRow("tenge fr") << u"tenge"_s << 0 << qint64(1234567) << u"1\u202F234\u202F567\u00A0\u20B8"_s;
    QTest::newRow("tenge ru") << u"tenge"_s << 1 << qint64(1234567) << u"1\u00A0234\u00A0567\u00A0тг"_s;
    QTest::newRow("tenge en") << u"tenge"_s << 2 << qint64(1234567) << u"\u20B81,234,567"_s;
    QTest::newRow("tenge zero") << u"tenge"_s << 2 << qint64(0) << u"\u20B80"_s;
    QTest::newRow("tenge below a group") << u"tenge"_s << 0 << qint64(999) << u"999\u00A0\u20B8"_s;
    QTest::newRow("tenge negative en") << u"tenge"_s << 2 << qint64(-1000) << u"-\u20B81,000"_s;
    QTest::newRow("beyond 2^53 stays exact") << u"grouped"_s << 2 << qint64(9007199254740993) << u"9,007,199,254,740,993"_s;
    QTest::newRow("most negative") << u"grouped"_s << 1 << std::numeric_limits<qint64>::min()
                                   << u"-9\u00A0223\u00A0372\u00A0036\u00A0854\u00A0775\u00A0808"_s;
    QTest::newRow("share fr") << u"share"_s << 0 << qint64(125) << u"12,5\u202F%"_s;
    QTest::newRow("share ru") << u"share"_s << 1 << qint64(125) << u"12,5\u00A0%"_s;
    QTest::newRow("share en") << u"share"_s << 2 << qint64(125) << u"12.5%"_s;
    QTest::newRow("share whole") << u"share"_s << 2 << qint64(1000) << u"100.0%"_s;
    QTest::newRow("share under one") << u"share"_s << 0 << qint64(7) << u"0,7\u202F%"_s;
    QTest::newRow("currency fr") << u"currency"_s << 0 << qint64(123456) << u"1\u202F234,56\u00A0EUR"_s;
    QTest::newRow("currency ru") << u"currency"_s << 1 << qint64(123456) << u"1\u00A0234,56\u00A0EUR"_s;
    QTest::newRow("currency en cents") << u"currency"_s << 2 << qint64(5) << u"0.05\u00A0EUR"_s;
    QTest::newRow("currency negative") << u"currency"_s << 2 << qint64(-50) << u"-0.50\u00A0EUR"_s;
    QTest::newRow("shown text grouped") << u"text"_s << 2 << qint64(1250000) << u"1,250,000"_s;
}

void TestBudgetReport::amountsReadAsEachLanguageWritesThem()
{
    QFETCH(QString, kind);
    QFETCH(int, language);
    const base::Language lang = base::Language(language);
    QFETCH(qint64, value);
    QFETCH(QString, expected);
    if (kind == u"tenge"_s)
        QCOMPARE(tengeAmount(value, lang), expected);
    else if (kind == u"grouped"_s)
        QCOMPARE(groupedNumber(value, lang), expected);
    else if (kind == u"share"_s)
        QCOMPARE(shareText(int(value), lang), expected);
    else if (kind == u"currency"_s)
        QCOMPARE(currencyAmount(value, u"EUR"_s, lang), expected);
    else
        QCOMPARE(groupedAmountText(QString::number(value), lang), expected);
    // Texts that are not whole numbers stay as shown.
    QCOMPARE(groupedAmountText(u"683.55"_s, lang), u"683.55"_s);
    QCOMPARE(groupedAmountText(u"007"_s, lang), u"007"_s);
}

void TestBudgetReport::workbookReadsBack_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("rateWords");
    QTest::newRow("xlsx fr") << u"budget.xlsx"_s << 0
                             << QStringList{u"Résumé"_s, u"Logistique et transport"_s, u"Divertissement et de la nourrit"_s}
                             << u"taux saisi"_s;
    QTest::newRow("xls fr") << u"budget.xls"_s << 0
                            << QStringList{u"Résumé"_s, u"Logistique et transport"_s, u"Divertissement et de la nourrit"_s}
                            << u"taux saisi"_s;
    QTest::newRow("xls ru") << u"budget.xls"_s << 1
                            << QStringList{u"Сводка"_s, u"Логистика и траспорт"_s, u"Развлечение и питание"_s}
                            << u"по курсу пользователя"_s;
    QTest::newRow("xlsx en") << u"budget.xlsx"_s << 2
                             << QStringList{u"Summary"_s, u"Logistics and Transportation"_s, u"Entertainment and food"_s}
                             << u"user's rate"_s;
}

void TestBudgetReport::workbookReadsBack()
{
    QFETCH(QString, file);
    QFETCH(int, language);
    const base::Language lang = base::Language(language);
    QFETCH(QStringList, names);
    QFETCH(QString, rateWords);
    const QString path = m_folder->filePath(file);
    const BudgetReport d = budget(language);
    const BudgetWriteResult result = writeBudgetWorkbook(d, path);
    QVERIFY2(result.ok(), qPrintable(result.reason));
    QCOMPARE(result.path, path);
    if (const QByteArray keep = qgetenv("TORVANE_KEEP_OUTPUT"); !keep.isEmpty())
        QFile::copy(path, QString::fromLocal8Bit(keep) + u"-%1-%2"_s.arg(language).arg(file));

    const QJsonObject book = readBack(path);
    QStringList read;
    for (const QJsonValue &sheet : book.value(u"sheets"_s).toArray())
        read << sheet.toObject().value(u"name"_s).toString();
    QCOMPARE(read, names);

    const QJsonObject summary = sheetNamed(book, names.front());
    QCOMPARE(cellOf(summary, u"A1"_s).value(u"value"_s).toString(), d.title);
    QVERIFY(cellOf(summary, u"A1"_s).value(u"bold"_s).toBool());
    // One row a section under the header of row 5, empty sections included.
    for (int i = 0; i < d.sections.size(); ++i) {
        const QString row = QString::number(6 + i);
        QCOMPARE(cellOf(summary, u"A"_s + row).value(u"value"_s).toString(), d.sections[i].caption);
        const QJsonObject total = cellOf(summary, u"B"_s + row);
        QCOMPARE(total.value(u"type"_s).toString(), u"number"_s);
        QCOMPARE(total.value(u"value"_s).toDouble(), double(d.sections[i].total));
        QCOMPARE(total.value(u"format"_s).toString(), u"#,##0"_s);
        QCOMPARE(cellOf(summary, u"C"_s + row).value(u"value"_s).toDouble(), d.summary[i].shareTenths / 1000.0);
        QCOMPARE(cellOf(summary, u"C"_s + row).value(u"format"_s).toString(), u"0.0%"_s);
    }
    QCOMPARE(cellOf(summary, u"B14"_s).value(u"value"_s).toDouble(), 1286000.0);
    QVERIFY(cellOf(summary, u"A15"_s).value(u"value"_s).toString().contains(shareText(75, lang)));
    QCOMPARE(cellOf(summary, u"B15"_s).value(u"value"_s).toDouble(), 96450.0);
    QCOMPARE(cellOf(summary, u"B16"_s).value(u"value"_s).toDouble(), 1382450.0);
    QVERIFY(cellOf(summary, u"B16"_s).value(u"bold"_s).toBool());
    const QString rate = cellOf(summary, u"A18"_s).value(u"value"_s).toString();
    QVERIFY2(rate.contains(u"EUR"_s) && rate.contains(u"520.5"_s) && rate.contains(rateWords), qPrintable(rate));
    QCOMPARE(cellOf(summary, u"B18"_s).value(u"value"_s).toDouble(), 2656.0);
    QVERIFY(cellOf(summary, u"B18"_s).value(u"format"_s).toString().startsWith(u"#,##0.00"_s));
    QCOMPARE(summary.value(u"frozen_rows"_s).toInt(), 5);
    QCOMPARE(summary.value(u"print"_s).toObject().value(u"titles"_s).toString(), u"5:5"_s);

    // Section sheets: caption on top, amounts grouped, decimals kept.
    const QJsonObject logistics = sheetNamed(book, names[1]);
    QCOMPARE(cellOf(logistics, u"A1"_s).value(u"value"_s).toString(), d.sections[0].caption);
    QCOMPARE(cellOf(logistics, u"F4"_s).value(u"value"_s).toDouble(), 10000.0);
    QCOMPARE(cellOf(logistics, u"F4"_s).value(u"format"_s).toString(), u"#,##0"_s);
    QCOMPARE(cellOf(logistics, u"D7"_s).value(u"value"_s).toDouble(), 1.5);
    QCOMPARE(cellOf(logistics, u"D7"_s).value(u"format"_s).toString(), u"#,##0.0##"_s);
    QCOMPARE(cellOf(sheetNamed(book, names[2]), u"E4"_s).value(u"value"_s).toDouble(), 1250000.0);

    for (const QString &name : names) {
        const QJsonObject sheet = sheetNamed(book, name);
        const QJsonObject print = sheet.value(u"print"_s).toObject();
        QVERIFY2(print.value(u"landscape"_s).toBool(), qPrintable(name));
        QCOMPARE(print.value(u"paper"_s).toInt(), 9);
        QCOMPARE(print.value(u"fit_width"_s).toInt(), 1);
        if (name != names.front()) {
            QCOMPARE(sheet.value(u"frozen_rows"_s).toInt(), 1);
            QCOMPARE(print.value(u"titles"_s).toString(), u"1:1"_s);
        }
    }
    if (book.value(u"format"_s).toString() == u"xls"_s)
        QCOMPARE(book.value(u"stream"_s).toObject().value(u"problems"_s).toArray(), QJsonArray{});
}

void TestBudgetReport::sectionSheetIsTheSectionsOwnReport_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("section");
    QTest::newRow("logistics, xls") << u"budget.xls"_s << 0;
    QTest::newRow("food, xls") << u"budget.xls"_s << 2;
    QTest::newRow("food, xlsx") << u"budget.xlsx"_s << 2;
}

void TestBudgetReport::sectionSheetIsTheSectionsOwnReport()
{
    QFETCH(QString, file);
    QFETCH(int, section);
    const BudgetReport d = budget(0);
    const BudgetSectionData &s = d.sections[section];

    setReportFolderForTesting(m_folder->path());
    SpreadsheetHost::setOpenerForTesting([](const QString &) { return true; });
    const ExportOutcome exported = exportSection(s.plan, *s.source);
    const QJsonObject own = readBack(exported.path).value(u"sheets"_s).toArray().at(0).toObject();
    QVERIFY(!own.isEmpty());

    const QString path = m_folder->filePath(file);
    QVERIFY(writeBudgetWorkbook(d, path).ok());
    const QJsonObject book = readBack(path);
    const QJsonObject sheet = book.value(u"sheets"_s).toArray().at(section == 0 ? 1 : 2).toObject();

    QCOMPARE(sheet.value(u"merges"_s).toArray(), own.value(u"merges"_s).toArray());
    const QJsonObject ownCells = own.value(u"cells"_s).toObject();
    const QJsonObject cells = sheet.value(u"cells"_s).toObject();
    const QStringList mineKeys = cells.keys();
    const QStringList ownKeys = ownCells.keys();
    QCOMPARE(QSet<QString>(mineKeys.cbegin(), mineKeys.cend()) - QSet<QString>{u"A1"_s},
             QSet<QString>(ownKeys.cbegin(), ownKeys.cend()));
    for (auto it = ownCells.begin(); it != ownCells.end(); ++it) {
        const QJsonObject mine = cells.value(it.key()).toObject();
        const QJsonObject theirs = it.value().toObject();
        for (const QString &property : {u"type"_s, u"value"_s, u"bold"_s, u"borders"_s, u"horizontal"_s,
                                        u"vertical"_s, u"wrap"_s})
            QVERIFY2(mine.value(property) == theirs.value(property), qPrintable(it.key() + u' ' + property));
    }
    if (book.value(u"format"_s).toString() == u"xls"_s)
        QCOMPARE(sheet.value(u"widths"_s).toObject(), own.value(u"widths"_s).toObject());
}

void TestBudgetReport::pdfShowsEveryRowAndTotal_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("fr") << 0 << QStringList{u"Résumé"_s, u"Sous-total"_s, u"Total général"_s, u"taux saisi"_s};
    QTest::newRow("ru") << 1 << QStringList{u"Сводка"_s, u"Подытог"_s, u"Общий итог"_s, u"по курсу пользователя"_s};
    QTest::newRow("en") << 2 << QStringList{u"Summary"_s, u"Subtotal"_s, u"Grand total"_s, u"user's rate"_s};
}

void TestBudgetReport::pdfShowsEveryRowAndTotal()
{
    QFETCH(int, language);
    const base::Language lang = base::Language(language);
    QFETCH(QStringList, words);
    const BudgetReport d = budget(language);
    const QString path = m_folder->filePath(u"budget.pdf"_s);
    const BudgetWriteResult result = writeBudgetPdf(d, path);
    QVERIFY2(result.ok(), qPrintable(result.reason));
    QCOMPARE(contentsOf(path).left(5), QByteArray("%PDF-"));

    if (const QByteArray keep = qgetenv("TORVANE_KEEP_OUTPUT"); !keep.isEmpty())
        QFile::copy(path, QString::fromLocal8Bit(keep) + u"-%1.pdf"_s.arg(language));
    const QString text = plainSpaces(run(u"pdftotext"_s, {u"-enc"_s, u"UTF-8"_s, path, u"-"_s}));
    QVERIFY(!text.isEmpty());
    QStringList expected = words;
    expected << d.title << tengeAmount(1382450, lang) << tengeAmount(1286000, lang)
             << tengeAmount(d.contingency, lang) << currencyAmount(d.currencyHundredths, u"EUR"_s, lang)
             << shareText(972, lang);
    for (const BudgetSectionData &s : d.sections) {
        expected << s.caption;
        for (const BudgetTabData &tab : s.tabs) {
            expected << tab.title << groupedAmountText(tab.subtotal, lang);
            for (const BudgetRowData &row : tab.rows) {
                expected << row.item << row.choices << groupedAmountText(row.sum, lang);
            }
        }
    }
    for (const QString &word : expected)
        QVERIFY2(text.contains(plainSpaces(word)), qPrintable(word));

    // Every page counts itself out of all of them.
    const QStringList pages = text.split(u'\f', Qt::SkipEmptyParts);
    for (int n = 1; n <= pages.size(); ++n)
        QVERIFY2(numbered(pages[n - 1], n, int(pages.size())), qPrintable(QString::number(n)));

    // Every font is embedded, and it is the one that has all the glyphs.
    const QStringList fonts = run(u"pdffonts"_s, {path}).split(u'\n', Qt::SkipEmptyParts).mid(2);
    QVERIFY(!fonts.isEmpty());
    for (const QString &line : fonts) {
        QVERIFY2(line.contains(u"DejaVuSans"_s), qPrintable(line));
        const QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
        QVERIFY2(fields.size() >= 5 && fields[fields.size() - 5] == u"yes"_s, qPrintable(line)); // emb
    }
}

void TestBudgetReport::longTableRepeatsItsHeaderOnEveryPage()
{
    BudgetReport d = budget(2);
    BudgetTabData &tab = d.sections[2].tabs.front();
    for (int i = 1; i <= 150; ++i)
        tab.rows.append({tab.title, u"Catering"_s, u"Guest dinner %1 · Premium · Guests: 12"_s.arg(i), u"96000"_s});
    const QString path = m_folder->filePath(u"long.pdf"_s);
    QVERIFY(writeBudgetPdf(d, path).ok());
    if (const QByteArray keep = qgetenv("TORVANE_KEEP_OUTPUT"); !keep.isEmpty())
        QFile::copy(path, QString::fromLocal8Bit(keep) + u"-long.pdf"_s);
    const QStringList pages = run(u"pdftotext"_s, {u"-enc"_s, u"UTF-8"_s, path, u"-"_s}).split(u'\f', Qt::SkipEmptyParts);
    QVERIFY(pages.size() >= 3);
    for (int n = 2; n <= pages.size(); ++n)
        QVERIFY2(pages[n - 1].contains(u"Choices and quantities"_s), qPrintable(QString::number(n)));
    const QString all = pages.join(u'\n');
    for (int i = 1; i <= 150; ++i)
        QVERIFY2(all.contains(u"Guest dinner %1 "_s.arg(i)), qPrintable(QString::number(i)));
    QVERIFY(numbered(pages.back(), int(pages.size()), int(pages.size())));
}

void TestBudgetReport::failedWriteKeepsTheEarlierFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("sizeLimit");
    for (const QString &file : {u"budget.xlsx"_s, u"budget.xls"_s, u"budget.pdf"_s}) {
        QTest::addRow("%s, missing folder", qPrintable(file)) << file << false;
        QTest::addRow("%s, file size limit", qPrintable(file)) << file << true;
    }
}

void TestBudgetReport::failedWriteKeepsTheEarlierFile()
{
    QFETCH(QString, file);
    QFETCH(bool, sizeLimit);
    const BudgetReport d = budget(0);
    const auto write = [&](const QString &path) {
        return file.endsWith(u".pdf"_s) ? writeBudgetPdf(d, path) : writeBudgetWorkbook(d, path);
    };
    const QByteArray earlier = "the earlier budget";
    QString path = m_folder->filePath(file);
    BudgetWriteResult result;
    if (sizeLimit) {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(earlier) == earlier.size());
        old.close();
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit low = saved;
        low.rlim_cur = 1024;
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &low), 0);
        result = write(path);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);
        QCOMPARE(contentsOf(path), earlier);
        QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files | QDir::Hidden), QStringList{file});
        if (!file.endsWith(u".xlsx"_s)) // the library's own scratch file fails first there
            QVERIFY2(result.reason.contains(QString::fromLocal8Bit(std::strerror(EFBIG))), qPrintable(result.reason));
    } else {
        path = m_folder->filePath(u"no such folder/"_s + file);
        result = write(path);
        QVERIFY(!QFile::exists(path));
    }
    QCOMPARE(result.status, BudgetWriteResult::Status::Failed);
    QCOMPARE(result.path, path);
    QVERIFY(!result.reason.isEmpty());
    QVERIFY(result.message(base::Language::French).contains(result.reason) && result.message(base::Language::French).contains(QDir::toNativeSeparators(path)));
}

void TestBudgetReport::nothingToWriteWritesNothing()
{
    BudgetReport d = budget(1);
    for (BudgetSectionData &s : d.sections)
        s.empty = true;
    for (const QString &file : {u"budget.xlsx"_s, u"budget.xls"_s, u"budget.pdf"_s}) {
        const QString path = m_folder->filePath(file);
        const BudgetWriteResult result = file.endsWith(u".pdf"_s) ? writeBudgetPdf(d, path) : writeBudgetWorkbook(d, path);
        QCOMPARE(result.status, BudgetWriteResult::Status::NothingToWrite);
        QVERIFY(!QFile::exists(path));
        for (const base::Language language : base::kLanguages)
            QVERIFY(!result.message(language).isEmpty());
    }
}

QTEST_MAIN(TestBudgetReport)
#include "test_budgetreport.moc"
