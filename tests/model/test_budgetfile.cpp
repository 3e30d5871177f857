// The budget file and the budget's summary, on the model alone.

#include "base/decimalformat.h"
#include "model/budgetfile.h"
#include "model/budgetsummary.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace torvane;
using namespace torvane::model;
using namespace Qt::StringLiterals;
using Status = budgetfile::ReadResult::Status;

namespace {

// Every entry cell of a section filled: the last option of each list, "2" in each quantity.
SectionEntries filled(const SectionCatalogue &catalogue)
{
    SectionEntries entries(catalogue);
    const SectionGrid &grid = entries.grid();
    for (int c = 0; c < grid.cells().size(); ++c) {
        const GridCell &cell = grid.cell(c);
        if (cell.spec->role == ColumnRole::Choice)
            entries.setPosition(c, optionCount(*cell.spec, cell.row) - 1);
        else if (cell.spec->role == ColumnRole::Quantity)
            entries.setText(c, u"2"_s);
    }
    return entries;
}

QByteArray json(const QJsonObject &object)
{
    return QJsonDocument(object).toJson();
}

QJsonObject budgetWith(const QJsonObject &sections)
{
    return {{u"format"_s, u"torvane-budget"_s}, {u"version"_s, 1}, {u"sections"_s, sections}};
}

} // namespace

class TestBudgetFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { base::DecimalFormat::setRegionalForTesting(QLocale::c()); }

    void everySectionRoundTrips_data()
    {
        QTest::addColumn<int>("section");
        const auto catalogues = allCatalogues();
        for (int i = 0; i < catalogues.size(); ++i)
            QTest::newRow(qPrintable(QString::fromUtf16(catalogues[i]->screenName))) << i;
    }
    void everySectionRoundTrips()
    {
        QFETCH(int, section);
        Budget budget;
        budget.replaceEntries(section, filled(budget.catalogue(section)));
        const budgetfile::ReadResult read = budgetfile::read(budgetfile::write(budget, base::Language::English), allCatalogues());
        QVERIFY(read.ok());
        QVERIFY(read.skipped.isEmpty());
        QCOMPARE(read.language, std::optional(base::Language::English));
        QVERIFY(read.content.sections[std::size_t(section)] == budget.entries(section));
        Budget reopened;
        reopened.load(read.content, false);
        const auto *before = std::get_if<SectionFigures>(&budget.figures(section));
        const auto *after = std::get_if<SectionFigures>(&reopened.figures(section));
        QVERIFY(before && after);
        QCOMPARE(after->total, before->total);
        QCOMPARE(after->subtotals, before->subtotals);
        QVERIFY(!reopened.isModified());
    }

    void fileIsDeterministicAndHoldsOnlyEntries()
    {
        Budget budget;
        const int logistics = budget.indexOf(u"Form_logistic"_s);
        const SectionGrid &grid = budget.entries(logistics).grid();
        budget.setPosition(logistics, grid.indexOf(u"ComboBox112"_s), 0);
        budget.setText(logistics, grid.indexOf(u"Edit113"_s), u"2"_s);
        budget.setText(logistics, grid.indexOf(u"Edit114"_s), u"0"_s); // no entry: not written
        BudgetSettings settings;
        settings.title = u"Astana pavilion"_s;
        budget.setSettings(settings);
        const QDateTime saved(QDate(2026, 12, 10), QTime(9, 30), Qt::UTC);
        const QByteArray bytes = budgetfile::write(budget, base::Language::Russian, saved);
        QCOMPARE(budgetfile::write(budget, base::Language::Russian, saved), bytes);
        const QJsonObject root = QJsonDocument::fromJson(bytes).object();
        QCOMPARE(root.keys(), (QStringList{u"budget"_s, u"format"_s, u"language"_s, u"saved"_s, u"sections"_s, u"version"_s}));
        QCOMPARE(root.value(u"saved"_s).toString(), u"2026-12-10T09:30:00Z"_s);
        QCOMPARE(root.value(u"sections"_s).toObject().keys(), QStringList{u"Form_logistic"_s});
        const QJsonObject cells = root.value(u"sections"_s).toObject().value(u"Form_logistic"_s).toObject().value(u"cells"_s).toObject();
        QCOMPARE(cells, (QJsonObject{{u"ComboBox112"_s, 0}, {u"Edit113"_s, u"2"_s}}));
        QCOMPARE(root.value(u"budget"_s).toObject().value(u"title"_s).toString(), u"Astana pavilion"_s);
        // Keys sorted in the text itself, so budgets diff well.
        QVERIFY(bytes.indexOf("\"budget\"") < bytes.indexOf("\"format\""));
    }

    void badFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("status");
        const QByteArray good = json(budgetWith({}));
        QTest::newRow("empty") << QByteArray() << int(Status::Empty);
        QTest::newRow("blank") << QByteArray(" \n") << int(Status::Empty);
        QTest::newRow("invalid JSON") << QByteArray("{\"format\": torvane}") << int(Status::NotJson);
        QTest::newRow("truncated") << good.left(good.size() / 2) << int(Status::NotJson);
        QTest::newRow("spreadsheet renamed") << QByteArray("PK\x03\x04\x14\x00\x06\x00", 8) + QByteArray(200, '\x01')
                                             << int(Status::NotJson);
        QTest::newRow("JSON of another kind") << json({{u"name"_s, u"x"_s}}) << int(Status::NotABudget);
        QTest::newRow("JSON array") << QByteArray("[1, 2]") << int(Status::NotABudget);
        QTest::newRow("version missing")
            << json({{u"format"_s, u"torvane-budget"_s}}) << int(Status::BadVersion);
        QTest::newRow("version as a string")
            << json({{u"format"_s, u"torvane-budget"_s}, {u"version"_s, u"1"_s}}) << int(Status::BadVersion);
        QTest::newRow("version 0") << json({{u"format"_s, u"torvane-budget"_s}, {u"version"_s, 0}}) << int(Status::BadVersion);
        QTest::newRow("version 1.5")
            << json({{u"format"_s, u"torvane-budget"_s}, {u"version"_s, 1.5}}) << int(Status::BadVersion);
        QTest::newRow("newer version")
            << json({{u"format"_s, u"torvane-budget"_s}, {u"version"_s, 3}}) << int(Status::NewerVersion);
        QTest::newRow("200 MB") << QByteArray(budgetfile::kMaxBytes + 1, ' ') << int(Status::TooLarge);
        QJsonObject many;
        for (int i = 0; i < budgetfile::kMaxCells + 1; ++i)
            many.insert(u"Edit%1"_s.arg(i), u"1"_s);
        QTest::newRow("a million cells")
            << json(budgetWith({{u"Form_logistic"_s, QJsonObject{{u"cells"_s, many}}}})) << int(Status::TooManyCells);
    }
    void badFilesAreRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, status);
        QCOMPARE(int(budgetfile::read(bytes, allCatalogues()).status), status);
    }

    void unknownEntriesAreSkippedAndTheRestLoaded()
    {
        const QJsonObject logistics{{u"cells"_s, QJsonObject{
            {u"ComboBox112"_s, 0},           // kept
            {u"Edit113"_s, u"2a"_s},         // kept as typed; the pass will name it
            {u"ComboBox111"_s, 5},           // off its one-option list
            {u"ComboBox122"_s, u"Paris"_s},  // a text where a position belongs
            {u"Edit999"_s, u"1"_s},          // no such cell
            {u"Edit115"_s, u"99"_s},         // a row sum is no entry
        }}};
        const QJsonObject sections{{u"Form_logistic"_s, logistics}, {u"Form_garden"_s, QJsonObject{}}};
        const budgetfile::ReadResult read = budgetfile::read(json(budgetWith(sections)), allCatalogues());
        QVERIFY(read.ok());
        QCOMPARE(read.skipped, (QStringList{u"Form_garden"_s, u"Form_logistic/ComboBox111"_s, u"Form_logistic/ComboBox122"_s,
                                             u"Form_logistic/Edit115"_s, u"Form_logistic/Edit999"_s}));
        const SectionEntries &entries = read.content.sections[0];
        QCOMPARE(entries.position(1, 1, 2), 0);
        QCOMPARE(entries.text(1, 1, 3), u"2a"_s);
        QCOMPARE(entries.position(1, 1, 1), -1);
        const PassResult result = recalculate(entries, base::DecimalFormat(QLocale::c()));
        const auto *failure = std::get_if<PassFailure>(&result);
        QVERIFY(failure);
        QCOMPARE(invalidQuantityMessage(failure->text), u"'2a' is not a valid integer value"_s);
    }

    void settingsAndUnknownKeysSurvive()
    {
        QJsonObject settings{{u"title"_s, u"Pavillon"_s}, {u"contingencyPercent"_s, 7.5},
                             {u"currency"_s, QJsonObject{{u"code"_s, u"EUR"_s}, {u"rate"_s, u"520,5"_s}}},
                             {u"colour"_s, u"teal"_s}};
        QJsonObject root = budgetWith({});
        root.insert(u"budget"_s, settings);
        const budgetfile::ReadResult read = budgetfile::read(json(root), allCatalogues());
        QVERIFY(read.ok());
        QCOMPARE(read.content.settings.title, u"Pavillon"_s);
        QCOMPARE(read.content.settings.contingencyTenths, 75);
        QCOMPARE(read.content.settings.currencyRate, u"520,5"_s);
        Budget budget;
        budget.load(read.content, false);
        const QJsonObject written = QJsonDocument::fromJson(budgetfile::write(budget, base::Language::French)).object().value(u"budget"_s).toObject();
        QCOMPARE(written, settings);
    }

    void settingsOfAWrongTypeAreSkipped_data()
    {
        QTest::addColumn<QJsonValue>("budget");
        QTest::addColumn<QStringList>("skipped");
        QTest::addColumn<QString>("rate"); // as it is then held
        using Obj = QJsonObject;
        QTest::newRow("a rate written as a number is that number")
            << QJsonValue(Obj{{u"currency"_s, Obj{{u"code"_s, u"EUR"_s}, {u"rate"_s, 520.5}}}}) << QStringList() << u"520.5"_s;
        QTest::newRow("a whole rate as a number")
            << QJsonValue(Obj{{u"currency"_s, Obj{{u"code"_s, u"EUR"_s}, {u"rate"_s, 520}}}}) << QStringList() << u"520"_s;
        QTest::newRow("a rate that is true")
            << QJsonValue(Obj{{u"currency"_s, Obj{{u"code"_s, u"EUR"_s}, {u"rate"_s, true}}}})
            << QStringList{u"budget/currency/rate"_s} << QString();
        QTest::newRow("a code that is a number")
            << QJsonValue(Obj{{u"currency"_s, Obj{{u"code"_s, 978}, {u"rate"_s, u"520"_s}}}})
            << QStringList{u"budget/currency/code"_s} << u"520"_s;
        QTest::newRow("a title that is a number") << QJsonValue(Obj{{u"title"_s, 2017}}) << QStringList{u"budget/title"_s}
                                                  << QString();
        QTest::newRow("a contingency of 51") << QJsonValue(Obj{{u"contingencyPercent"_s, 51}})
                                             << QStringList{u"budget/contingencyPercent"_s} << QString();
        QTest::newRow("settings that are a list") << QJsonValue(QJsonArray{1}) << QStringList{u"budget"_s} << QString();
    }
    void settingsOfAWrongTypeAreSkipped()
    {
        QFETCH(QJsonValue, budget);
        QFETCH(QStringList, skipped);
        QFETCH(QString, rate);
        QJsonObject root = budgetWith({});
        root.insert(u"budget"_s, budget);
        const budgetfile::ReadResult read = budgetfile::read(json(root), allCatalogues());
        QVERIFY(read.ok());
        QCOMPARE(read.skipped, skipped);
        QCOMPARE(read.content.settings.currencyRate, rate);
    }

    // The example of docs/budget-format.md is read as the page describes it,
    // and it is what the program writes for that budget.
    void theDocumentedExampleReadsAsThePageSays()
    {
        QFile page(QStringLiteral(TORVANE_TEST_DIR "/../docs/budget-format.md"));
        QVERIFY2(page.open(QIODevice::ReadOnly), qPrintable(page.fileName()));
        const QString text = QString::fromUtf8(page.readAll());
        const qsizetype heading = text.indexOf(u"\n## Example\n"_s);
        QVERIFY(heading >= 0);
        const QString fence = u"```json\n"_s;
        const qsizetype open = text.indexOf(fence, heading);
        const qsizetype close = text.indexOf(u"\n```"_s, open + fence.size());
        const qsizetype nextHeading = text.indexOf(u"\n## "_s, heading + 1);
        QVERIFY(open > heading && close > open && (nextHeading < 0 || close < nextHeading));
        const QByteArray example = text.mid(open + fence.size(), close + 1 - open - fence.size()).toUtf8();

        const budgetfile::ReadResult read = budgetfile::read(example, allCatalogues());
        QVERIFY2(read.ok(), qPrintable(read.reason));
        QVERIFY(read.skipped.isEmpty());
        QCOMPARE(read.version, 2);
        QCOMPARE(read.language, std::optional(base::Language::English));
        QCOMPARE(read.content.settings.title, u"Pavilion, spring fair"_s);
        QCOMPARE(read.content.settings.contingencyTenths, 75); // 7.5 %
        QCOMPARE(read.content.settings.currencyCode, u"EUR"_s);
        QCOMPARE(read.content.settings.currencyRate, u"520,5"_s); // kept as typed
        QVERIFY(read.content.settings.otherKeys.isEmpty());

        // Logistics: Astana to Almaty, 2 adults and 1 child. Food: a dinner
        // in a luxury restaurant for 2. No other section holds an entry.
        const SectionEntries &logistics = read.content.sections[0];
        QCOMPARE(logistics.position(1, 1, 1), 0);
        QCOMPARE(logistics.position(1, 1, 2), 0);
        QCOMPARE(logistics.text(1, 1, 3), u"2"_s);
        QCOMPARE(logistics.text(1, 1, 4), u"1"_s);
        const SectionEntries &food = read.content.sections[2];
        QCOMPARE(food.position(1, 5, 1), 2);
        QCOMPARE(food.position(1, 5, 2), 2);
        QCOMPARE(food.text(1, 5, 3), u"2"_s);
        for (std::size_t s = 0; s < read.content.sections.size(); ++s)
            QCOMPARE(read.content.sections[s].isEmpty(), s != 0 && s != 2);

        // The flights' invoice, and a design agency no catalogue has.
        const FollowUp &flightsInvoice = read.content.followUps[0].at({1, 1});
        QCOMPARE(flightsInvoice.actual, u"64 500"_s);
        QCOMPARE(flightsInvoice.paid, u"30000"_s);
        QCOMPARE(flightsInvoice.supplier, u"Air Astana"_s);
        QCOMPARE(flightsInvoice.due, QDate(2025, 4, 1));
        QCOMPARE(flightsInvoice.note, u"Invoice 118"_s);
        QCOMPARE(read.content.ownLines.size(), std::size_t(1));
        QCOMPARE(read.content.ownLines[0].section, -1);
        QCOMPARE(read.content.ownLines[0].item, u"Stand design agency"_s);
        QCOMPARE(read.content.ownLines[0].estimate, u"450 000"_s);

        // The figures follow from the entries: 2 x 25000 + 13000 and 2 x 25783.
        Budget budget;
        budget.load(read.content, false);
        const auto *flights = std::get_if<SectionFigures>(&budget.figures(0));
        const auto *dinner = std::get_if<SectionFigures>(&budget.figures(2));
        QVERIFY(flights && dinner);
        QCOMPARE(flights->total, u"63000"_s);
        QCOMPARE(dinner->total, u"51566"_s);
        const BudgetSummary summary = summarize(budget);
        QCOMPARE(summary.sectionsTotal, qint64(114566));
        QCOMPARE(summary.ownLinesTiyn, qint64(45000000));
        QCOMPARE(summary.contingency, qint64(42342));   // 564566 x 7.5 % = 42342.45
        QCOMPARE(summary.grandTotal, qint64(606908));
        QCOMPARE(summary.currencyHundredths.value_or(-1), qint64(116601)); // 606908 / 520.5 = 1166.0096
        QCOMPARE(summary.followUp.actual, qint64(6450000));
        QCOMPARE(summary.followUp.variance, qint64(150000)); // 64500 - 63000

        // Written again at the same moment, the budget gives the page's bytes.
        const QDateTime saved(QDate(2025, 3, 14), QTime(9, 26, 53), Qt::UTC);
        QCOMPARE(QString::fromUtf8(budgetfile::write(budget, base::Language::English, saved)), QString::fromUtf8(example));
    }

    void aRecoveryCopyNamesItsBudgetFile()
    {
        Budget budget;
        const QString owner = u"/home/ann/Astana pavilion.torvane"_s;
        const budgetfile::ReadResult copy
            = budgetfile::read(budgetfile::write(budget, base::Language::English, QDateTime::currentDateTimeUtc(), owner), allCatalogues());
        QVERIFY(copy.ok());
        QCOMPARE(copy.recoveryOf, owner);
        // A budget file itself names nothing.
        const QByteArray plain = budgetfile::write(budget, base::Language::English);
        QVERIFY(!plain.contains("recoveryOf"));
        QVERIFY(budgetfile::read(plain, allCatalogues()).recoveryOf.isEmpty());
    }

    void sharesAddUpAsShown_data()
    {
        QTest::addColumn<QList<qint64>>("amounts");
        QTest::addColumn<QList<int>>("tenths");
        QTest::newRow("thirds") << QList<qint64>{1, 1, 1} << QList<int>{334, 333, 333};
        QTest::newRow("one section") << QList<qint64>{0, 500, 0} << QList<int>{0, 1000, 0};
        QTest::newRow("nothing") << QList<qint64>{0, 0} << QList<int>{0, 0};
        QTest::newRow("largest remainder wins") << QList<qint64>{1155, 8845} << QList<int>{116, 884}; // 115.5, 884.5
        QTest::newRow("small share") << QList<qint64>{1, 9999} << QList<int>{0, 1000}; // 0.1 and 999.9 tenths
        QTest::newRow("huge amounts") << QList<qint64>{4000000000000000000, 4000000000000000000} << QList<int>{500, 500};
    }
    void sharesAddUpAsShown()
    {
        QFETCH(QList<qint64>, amounts);
        QFETCH(QList<int>, tenths);
        const std::vector<int> shares = largestRemainderTenths({amounts.begin(), amounts.end()});
        QCOMPARE(QList<int>(shares.begin(), shares.end()), tenths);
    }

    void summaryOfAHandComputedBudget()
    {
        Budget budget;
        const auto cell = [&](const QString &screen, const QString &name) {
            const int s = budget.indexOf(screen);
            return std::pair{s, budget.entries(s).grid().indexOf(name)};
        };
        // Logistics: Astana to Almaty, 2 adults = 50000.
        auto [l, from] = cell(u"Form_logistic"_s, u"ComboBox111"_s);
        budget.setPosition(l, from, 0);
        budget.setPosition(l, cell(u"Form_logistic"_s, u"ComboBox112"_s).second, 0);
        budget.setText(l, cell(u"Form_logistic"_s, u"Edit113"_s).second, u"2"_s);
        // Events: 3 regional shows = 4200000.
        auto [e, artist] = cell(u"Form_event"_s, u"ComboBox111"_s);
        budget.setPosition(e, artist, 1);
        budget.setText(e, cell(u"Form_event"_s, u"Edit112"_s).second, u"3"_s);
        BudgetSettings settings;
        settings.contingencyTenths = 75; // 7.5 %
        settings.currencyCode = u"EUR"_s;
        settings.currencyRate = u"520,5"_s;
        budget.setSettings(settings);

        const BudgetSummary summary = summarize(budget);
        QVERIFY(summary.priced);
        QCOMPARE(summary.sectionsTotal, qint64(4250000));
        QCOMPARE(summary.contingency, qint64(318750));  // 4250000 x 7.5 %
        QCOMPARE(summary.grandTotal, qint64(4568750));
        QCOMPARE(summary.shareTenths[std::size_t(l)], 12); // 1.18 %
        QCOMPARE(summary.shareTenths[std::size_t(e)], 988);
        QVERIFY(summary.sections[std::size_t(l)].tenge == 50000 && !summary.sections[std::size_t(l)].empty);
        QVERIFY(summary.sections[1].empty);
        QCOMPARE(summary.currencyHundredths.value_or(-1), qint64(877762)); // 4568750 / 520.5 = 8777.6177 -> 8777.62
    }

    void contingencyRoundsToWholeTenge_data()
    {
        QTest::addColumn<qint64>("total");
        QTest::addColumn<int>("tenths");
        QTest::addColumn<qint64>("amount");
        QTest::newRow("none") << qint64(1000) << 0 << qint64(0);
        QTest::newRow("half up") << qint64(5) << 100 << qint64(1);       // 0.5
        QTest::newRow("just below half") << qint64(4) << 100 << qint64(0); // 0.4
        QTest::newRow("fifty percent") << qint64(999) << 500 << qint64(500); // 499.5
        QTest::newRow("one decimal") << qint64(123457) << 125 << qint64(15432); // 15432.125
    }
    void contingencyRoundsToWholeTenge()
    {
        QFETCH(qint64, total);
        QFETCH(int, tenths);
        QFETCH(qint64, amount);
        QCOMPARE(contingencyOf(total, tenths).value_or(-1), amount);
    }

    void ratesAsTyped_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("micros"); // -1: not a rate
        QTest::newRow("whole") << u"520"_s << qint64(520000000);
        QTest::newRow("point") << u"520.5"_s << qint64(520500000);
        QTest::newRow("comma") << u"520,5"_s << qint64(520500000);
        QTest::newRow("blanks around") << u" 6.25 "_s << qint64(6250000);
        QTest::newRow("empty") << u""_s << qint64(-1);
        QTest::newRow("zero") << u"0"_s << qint64(-1);
        QTest::newRow("negative") << u"-520"_s << qint64(-1);
        QTest::newRow("not a number") << u"abc"_s << qint64(-1);
        QTest::newRow("two separators") << u"1.000,5"_s << qint64(-1);
    }
    void ratesAsTyped()
    {
        QFETCH(QString, text);
        QFETCH(qint64, micros);
        QCOMPARE(parseRate(text).value_or(-1), micros);
    }

    void invalidRateGivesNoConvertedFigure()
    {
        Budget budget;
        BudgetSettings settings;
        settings.currencyCode = u"USD"_s;
        settings.currencyRate = u"zero"_s;
        budget.setSettings(settings);
        const BudgetSummary summary = summarize(budget);
        QVERIFY(summary.rateInvalid);
        QVERIFY(!summary.currencyHundredths);
    }
};

QTEST_APPLESS_MAIN(TestBudgetFile)
#include "test_budgetfile.moc"
