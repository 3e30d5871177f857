// `torvane --export BUDGET OUT`, run as the real program: the whole budget
// written in each format and read back, its follow-up included, and every
// failure ending with its own exit code, one line on stderr and no file
// left behind.

#include "reportsupport.h"

#include "base/decimalformat.h"
#include "base/safefile.h"
#include "model/budget.h"
#include "model/budgetfile.h"
#include "base/amountformat.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace torvane;
using torvane::test::cellOf;
using torvane::test::readBack;
using namespace Qt::StringLiterals;

namespace {

// A flight to Almaty for 2 adults and 1 child: 2 x 25000 + 13000 = 63000,
// with 10 % contingency 69300 in all.
constexpr qint64 kGrandTotal = 69300;

enum class Budget { Good, Empty, Missing, NotJson };

struct Run {
    int exitCode = -1;
    QStringList errorLines;
};

Run runProgram(const QStringList &arguments)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    // As in a desktop session; without it Qt warns on stderr before the program says anything.
    static QTemporaryDir runtime;
    environment.insert(u"XDG_RUNTIME_DIR"_s, runtime.path());
    program.setProcessEnvironment(environment);
    program.start(QCoreApplication::applicationDirPath() + u"/torvane"_s, arguments);
    Run run;
    if (!program.waitForFinished(120000) || program.exitStatus() != QProcess::NormalExit) {
        qWarning("the program did not end normally: %s", qPrintable(program.errorString()));
        return run;
    }
    run.exitCode = program.exitCode();
    run.errorLines = QString::fromUtf8(program.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
    return run;
}

// Writes a budget file as the program saves it; returns its path.
QString budgetFile(const QTemporaryDir &folder, Budget kind, int language)
{
    const QString path = folder.filePath(u"fair.torvane"_s);
    model::Budget budget;
    switch (kind) {
    case Budget::Missing: return folder.filePath(u"absent.torvane"_s);
    case Budget::NotJson:
        return base::writeFileAtomically(path, "{\"format\": \"torvane-budget\", \"version\": 1,").ok ? path : QString();
    case Budget::Good: {
        const int section = budget.indexOf(u"Form_logistic"_s);
        const model::SectionGrid &grid = budget.entries(section).grid();
        budget.setPosition(section, grid.indexOf(1, 1, 1), 0);
        budget.setPosition(section, grid.indexOf(1, 1, 2), 0);
        budget.setText(section, grid.indexOf(1, 1, 3), u"2"_s);
        budget.setText(section, grid.indexOf(1, 1, 4), u"1"_s);
        budget.setSettings({u"Spring fair"_s, 100, {}, {}, {}});
        break;
    }
    case Budget::Empty: budget.setSettings({u"Nothing yet"_s, 100, {}, {}, {}}); break;
    }
    return base::writeFileAtomically(path, model::budgetfile::write(budget, base::Language(language))).ok ? path : QString();
}

QString pdfText(const QString &path)
{
    QProcess pdftotext;
    pdftotext.start(u"pdftotext"_s, {u"-enc"_s, u"UTF-8"_s, path, u"-"_s});
    if (!pdftotext.waitForFinished(60000) || pdftotext.exitCode() != 0)
        return {};
    // No-break spaces of either width read as plain ones.
    return QString::fromUtf8(pdftotext.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
}

} // namespace

Q_DECLARE_METATYPE(Budget)

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(QFileInfo(QCoreApplication::applicationDirPath() + u"/torvane"_s).isExecutable(),
                 "the program lies beside the test");
    }

    void exportWritesTheWholeBudget_data()
    {
        QTest::addColumn<QString>("out");
        QTest::addColumn<int>("language");
        QTest::newRow("xlsx, English") << u"budget.xlsx"_s << 2;
        QTest::newRow("xls, Russian") << u"budget.xls"_s << 1;
        QTest::newRow("upper-case XLSX, French") << u"BUDGET.XLSX"_s << 0;
        QTest::newRow("pdf, French") << u"budget.pdf"_s << 0;
        QTest::newRow("pdf, English") << u"budget.pdf"_s << 2;
    }
    void exportWritesTheWholeBudget()
    {
        QFETCH(QString, out);
        QFETCH(int, language);
    const base::Language lang = base::Language(language);
        QTemporaryDir folder;
        const QString budget = budgetFile(folder, Budget::Good, language);
        QVERIFY(!budget.isEmpty());
        const QString path = folder.filePath(out);

        const Run run = runProgram({u"--export"_s, budget, path});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.errorLines, QStringList());
        QVERIFY(QFileInfo(path).isFile());

        if (out.endsWith(u".pdf"_s)) {
            const QString text = pdfText(path);
            QVERIFY2(text.contains(base::tengeAmount(kGrandTotal, lang).normalized(QString::NormalizationForm_KC)),
                     qPrintable(text));
            QVERIFY(text.contains(u"Spring fair"_s));
            return;
        }
        const QJsonObject book = readBack(path);
        const QJsonObject summary = book.value(u"sheets"_s).toArray().first().toObject();
        QCOMPARE(cellOf(summary, u"A1"_s).value(u"value"_s).toString(), u"Spring fair"_s);
        // The grand total, below the eight sections, their total and the contingency.
        QCOMPARE(cellOf(summary, u"B16"_s).value(u"type"_s).toString(), u"number"_s);
        QCOMPARE(cellOf(summary, u"B16"_s).value(u"value"_s).toDouble(), double(kGrandTotal));
        QCOMPARE(cellOf(summary, u"B6"_s).value(u"value"_s).toDouble(), 63000.0);
    }

    // The follow-up goes out too: its sheet in the workbook, its table in the PDF.
    void exportCarriesTheFollowUp_data()
    {
        QTest::addColumn<QString>("out");
        QTest::newRow("xlsx") << u"budget.xlsx"_s;
        QTest::newRow("xls") << u"budget.xls"_s;
        QTest::newRow("pdf") << u"budget.pdf"_s;
    }
    void exportCarriesTheFollowUp()
    {
        QFETCH(QString, out);
        QTemporaryDir folder;
        // The flight of 63000 invoiced at 65000.50, 20000 paid; a stand
        // design of one's own estimated at 150000, invoiced at 149000.
        model::Budget budget;
        const int section = budget.indexOf(u"Form_logistic"_s);
        const model::SectionGrid &grid = budget.entries(section).grid();
        budget.setPosition(section, grid.indexOf(1, 1, 1), 0);
        budget.setPosition(section, grid.indexOf(1, 1, 2), 0);
        budget.setText(section, grid.indexOf(1, 1, 3), u"2"_s);
        budget.setText(section, grid.indexOf(1, 1, 4), u"1"_s);
        budget.setSettings({u"Spring fair"_s, 100, {}, {}, {}});
        budget.setFollowUp(section, 1, 1, {u"65000.50"_s, u"20000"_s, u"Air Astana"_s, {}, {}});
        budget.addOwnLine({-1, u"Stand design"_s, u"150000"_s, {u"149000"_s, {}, {}, {}, {}}});
        const QString budgetPath = folder.filePath(u"followed.torvane"_s);
        QVERIFY(base::writeFileAtomically(budgetPath, model::budgetfile::write(budget, base::Language::English)).ok);
        const QString path = folder.filePath(out);

        const Run run = runProgram({u"--export"_s, budgetPath, path});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.errorLines, QStringList());
        if (out.endsWith(u".pdf"_s)) {
            const QString text = pdfText(path);
            const qsizetype table = text.indexOf(u"Follow-up"_s);
            QVERIFY2(table > 0, qPrintable(text));
            for (const QString &word : {u"Stand design"_s, u"65,000.50"_s, u"2,000.50"_s, u"Supplier: Air Astana"_s,
                                        u"Budget total"_s, u"213,000"_s, u"214,000.50"_s, u"1,000.50"_s})
                QVERIFY2(text.indexOf(word, table) > table, qPrintable(word));
            // 213 000 and 10 %: 234 300.
            QVERIFY(text.contains(u"₸234,300"_s));
            return;
        }
        const QJsonArray sheets = readBack(path).value(u"sheets"_s).toArray();
        QCOMPARE(sheets.at(1).toObject().value(u"name"_s).toString(), u"Follow-up"_s);
        const QJsonObject followUp = sheets.at(1).toObject();
        QCOMPARE(cellOf(followUp, u"E2"_s).value(u"value"_s).toDouble(), 65000.5);
        QCOMPARE(cellOf(followUp, u"F2"_s).value(u"formula"_s).toString(), u"=E2-D2"_s);
        QCOMPARE(cellOf(followUp, u"F2"_s).value(u"value"_s).toDouble(), 2000.5);
        QCOMPARE(cellOf(followUp, u"B4"_s).value(u"value"_s).toString(), u"Stand design"_s);
        QCOMPARE(cellOf(followUp, u"F7"_s).value(u"formula"_s).toString(), u"=SUM(F3,F5)"_s);
        QCOMPARE(cellOf(followUp, u"F7"_s).value(u"value"_s).toDouble(), 1000.5);
        const QJsonObject summary = sheets.at(0).toObject();
        QCOMPARE(cellOf(summary, u"B14"_s).value(u"value"_s).toDouble(), 150000.0); // the other costs
        QCOMPARE(cellOf(summary, u"D15"_s).value(u"value"_s).toDouble(), 214000.5);
        QCOMPARE(cellOf(summary, u"B17"_s).value(u"value"_s).toDouble(), 234300.0);
    }

    void failedExportSaysWhyOnOneLine_data()
    {
        QTest::addColumn<Budget>("budget");
        QTest::addColumn<QString>("out");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("says"); // part of the one line on stderr
        QTest::newRow("missing budget") << Budget::Missing << u"budget.xlsx"_s << 3 << u"absent.torvane"_s;
        QTest::newRow("invalid JSON") << Budget::NotJson << u"budget.pdf"_s << 3 << u"fair.torvane"_s;
        QTest::newRow("folder that does not exist, xlsx") << Budget::Good << u"nowhere/budget.xlsx"_s << 4 << u""_s;
        QTest::newRow("folder that does not exist, pdf") << Budget::Good << u"nowhere/budget.pdf"_s << 4 << u""_s;
        QTest::newRow("wrong extension") << Budget::Good << u"budget.csv"_s << 2 << u".xlsx, .xls or .pdf"_s;
        QTest::newRow("no extension") << Budget::Good << u"budget"_s << 2 << u".xlsx, .xls or .pdf"_s;
        QTest::newRow("empty budget, xlsx") << Budget::Empty << u"budget.xlsx"_s << 4 << u"nothing to save"_s;
        QTest::newRow("empty budget, pdf") << Budget::Empty << u"budget.pdf"_s << 4 << u"nothing to save"_s;
    }
    void failedExportSaysWhyOnOneLine()
    {
        QFETCH(Budget, budget);
        QFETCH(QString, out);
        QFETCH(int, exitCode);
        QFETCH(QString, says);
        QTemporaryDir folder;
        const QString budgetPath = budgetFile(folder, budget, 2);
        QVERIFY(!budgetPath.isEmpty());
        const QStringList before = QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

        const Run run = runProgram({u"--export"_s, budgetPath, folder.filePath(out)});
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.errorLines.size(), 1);
        QVERIFY2(run.errorLines.first().startsWith(u"torvane: "_s), qPrintable(run.errorLines.first()));
        QVERIFY2(run.errorLines.first().contains(says, Qt::CaseInsensitive), qPrintable(run.errorLines.first()));
        // Nothing written, not even a temporary file.
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
    }

    // A quantity that is not one never leaves with a total that passes over it.
    void budgetWithAQuantityThatIsNotOneIsRefused_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("out");
        QTest::newRow("letters, xlsx") << u"abc"_s << u"budget.xlsx"_s;
        QTest::newRow("a minus sign, xls") << u"-3"_s << u"budget.xls"_s;
        QTest::newRow("too large, pdf") << u"99999999999"_s << u"budget.pdf"_s;
    }
    void budgetWithAQuantityThatIsNotOneIsRefused()
    {
        QFETCH(QString, text);
        QFETCH(QString, out);
        QTemporaryDir folder;
        // A flight of 63000 in row 1, and the children of row 2 typed as text.
        const QString budgetPath = folder.filePath(u"fair.torvane"_s);
        const QJsonObject cells{{u"ComboBox111"_s, 0}, {u"ComboBox112"_s, 0}, {u"Edit113"_s, u"2"_s}, {u"Edit114"_s, u"1"_s},
                                {u"ComboBox121"_s, 0}, {u"ComboBox122"_s, 0}, {u"Edit123"_s, u"1"_s}, {u"Edit124"_s, text}};
        const QJsonObject root{{u"format"_s, u"torvane-budget"_s}, {u"version"_s, 1}, {u"language"_s, 2},
                               {u"sections"_s, QJsonObject{{u"Form_logistic"_s, QJsonObject{{u"cells"_s, cells}}}}}};
        QVERIFY(base::writeFileAtomically(budgetPath, QJsonDocument(root).toJson()).ok);
        const QStringList before = QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

        const Run run = runProgram({u"--export"_s, budgetPath, folder.filePath(out)});
        QCOMPARE(run.exitCode, 5);
        QCOMPARE(run.errorLines.size(), 1);
        const QString line = run.errorLines.first();
        for (const QString &part : {u"Logistics and Transportation"_s, u"“Quantity of Children”"_s, u"row 2"_s, u"“Flights”"_s,
                                    u"“"_s + text + u"”"_s})
            QVERIFY2(line.contains(part), qPrintable(line));
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
    }

    // What the file held that could not be taken is said on one line; the rest is written.
    void skippedEntriesAreListedAndTheFileWritten()
    {
        QTemporaryDir folder;
        const QString budgetPath = folder.filePath(u"odd.torvane"_s);
        QVERIFY(base::writeFileAtomically(budgetPath, R"({"format": "torvane-budget", "version": 1, "language": 2,
            "budget": {"title": 2017, "contingencyPercent": 51},
            "sections": {"Form_logistic": {"cells": {"ComboBox111": 0, "ComboBox112": 0, "Edit113": "2", "ComboBox121": 9,
                                                     "Edit999": "1"}},
                         "Form_garden": {"cells": {}}}})").ok);
        const QString out = folder.filePath(u"budget.xlsx"_s);
        const Run run = runProgram({u"--export"_s, budgetPath, out});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.errorLines.size(), 1);
        const QString line = run.errorLines.first();
        for (const QString &entry : {u"Form_garden"_s, u"Form_logistic/ComboBox121"_s, u"Form_logistic/Edit999"_s,
                                     u"budget/title"_s, u"budget/contingencyPercent"_s})
            QVERIFY2(line.contains(entry), qPrintable(line));
        const QJsonObject summary = readBack(out).value(u"sheets"_s).toArray().first().toObject();
        QCOMPARE(cellOf(summary, u"B6"_s).value(u"value"_s).toDouble(), 50000.0);
    }

    void wrongUsageIsRefused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no output") << QStringList{u"--export"_s, u"fair.torvane"_s};
        QTest::newRow("one too many") << QStringList{u"--export"_s, u"fair.torvane"_s, u"a.xlsx"_s, u"b.xlsx"_s};
    }
    void wrongUsageIsRefused()
    {
        QFETCH(QStringList, arguments);
        const Run run = runProgram(arguments);
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.errorLines.size(), 1);
        QVERIFY2(run.errorLines.first().startsWith(u"torvane: usage"_s), qPrintable(run.errorLines.first()));
    }
};

QTEST_MAIN(TestCommandLine)
#include "test_commandline.moc"
