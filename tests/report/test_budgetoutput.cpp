// The whole-budget document built from a budget: figures worked out by
// hand, the sections in the tiles' order, only priced tabs and rows with the
// option texts of the document's language, the overview's tile names, and
// the workbook written from it read back by an independent reader.

#include "reportsupport.h"

#include "base/decimalformat.h"
#include "model/budget.h"
#include "model/sectionlist.h"
#include "report/budgetoutput.h"
#include "report/budgetworkbook.h"

#include <QJsonArray>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace torvane;
using namespace torvane::report;
using torvane::test::cellOf;
using torvane::test::readBack;
using namespace Qt::StringLiterals;

namespace {

using Rows = QList<QStringList>; // per row: its cells, then its sum

struct Cell {
    int tab, row, column;
    int position = -1; // an option box's choice
    QString text;      // a quantity's text
};

bool enter(model::Budget &budget, const QString &screen, const QList<Cell> &cells)
{
    const int section = budget.indexOf(screen);
    if (section < 0)
        return false;
    model::SectionEntries entries = budget.entries(section);
    for (const Cell &cell : cells) {
        const int index = entries.grid().indexOf(cell.tab, cell.row, cell.column);
        if (index < 0)
            return false;
        if (cell.position >= 0)
            entries.setPosition(index, cell.position);
        else
            entries.setText(index, cell.text);
    }
    budget.replaceEntries(section, entries);
    return true;
}

// Logistics: a flight to Almaty for 2 adults and 1 child (2 x 25000 + 13000),
// one to Moscow for 1 and 1 (140000 + 55000), rail to Tashkent for 1 and 2
// (3 x 33000); a flight without departure and a car without duration cost
// nothing. Food: a luxury restaurant dinner for 2 (2 x 25783) and sushi
// delivered to 3 (3 x 2000).
bool fillBudget(model::Budget &budget)
{
    budget.setSettings({u"Spring fair"_s, 75, u"EUR"_s, u"520,5"_s, {}});
    return enter(budget, u"Form_logistic"_s,
                 {{1, 1, 1, 0}, {1, 1, 2, 0}, {1, 1, 3, -1, u"2"_s}, {1, 1, 4, -1, u"1"_s},
                  {1, 2, 2, 0}, {1, 2, 3, -1, u"5"_s}, {1, 2, 4, -1, u"5"_s},
                  {1, 4, 1, 0}, {1, 4, 2, 2}, {1, 4, 3, -1, u"1"_s}, {1, 4, 4, -1, u"1"_s},
                  {2, 1, 1, 0}, {2, 1, 2, 5}, {2, 1, 3, -1, u"1"_s}, {2, 1, 4, -1, u"2"_s},
                  {4, 1, 1, 0}})
        && enter(budget, u"Form_food"_s,
                 {{1, 5, 1, 2}, {1, 5, 2, 2}, {1, 5, 3, -1, u"2"_s},
                  {2, 2, 1, 1}, {2, 2, 2, -1, u"3"_s}});
}

// Section captions of the document, as the tiles order them.
const char16_t *const kTileOrder[] = {u"Form_logistic", u"Form_construct", u"Form_living", u"Form_food",
                                      u"Form_expenses", u"Form_event", u"Form_reclame", u"Form_service"};

QJsonObject sheetNamed(const QJsonObject &book, const QString &name)
{
    for (const QJsonValue &sheet : book.value(u"sheets"_s).toArray())
        if (sheet.toObject().value(u"name"_s).toString() == name)
            return sheet.toObject();
    return {};
}

bool holdsNumber(const QJsonObject &sheet, double value)
{
    const QJsonObject cells = sheet.value(u"cells"_s).toObject();
    for (auto it = cells.begin(); it != cells.end(); ++it)
        if (it.value().toObject().value(u"type"_s).toString() == u"number"_s
            && it.value().toObject().value(u"value"_s).toDouble() == value)
            return true;
    return false;
}

} // namespace

class TestBudgetOutput : public QObject
{
    Q_OBJECT

    model::Budget m_budget;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        base::DecimalFormat::setRegionalForTesting(QLocale::c());
        QVERIFY(fillBudget(m_budget));
    }

    void figuresAreWorkedOutOnTheWholeBudget_data()
    {
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("code");
        QTest::addColumn<qint64>("hundredths");
        // 445658 / 520.5 = 856.2113...
        QTest::newRow("comma rate") << u"520,5"_s << u"EUR"_s << qint64(85621);
        QTest::newRow("point rate, padded") << u" 520.5 "_s << u" EUR "_s << qint64(85621);
        // 445658 / 3 = 148552.666...
        QTest::newRow("rounded up") << u"3"_s << u"USD"_s << qint64(14855267);
        QTest::newRow("no code") << u"520,5"_s << u""_s << qint64(-1);
        QTest::newRow("rate not a number") << u"abc"_s << u"EUR"_s << qint64(-1);
        QTest::newRow("zero rate") << u"0"_s << u"EUR"_s << qint64(-1);
    }
    void figuresAreWorkedOutOnTheWholeBudget()
    {
        QFETCH(QString, rate);
        QFETCH(QString, code);
        QFETCH(qint64, hundredths);
        model::Budget budget;
        QVERIFY(fillBudget(budget));
        budget.setSettings({u"Spring fair"_s, 75, code, rate, {}});
        const BudgetReport d = budgetReport(budget, base::Language::English);

        QCOMPARE(d.sections.size(), 8);
        QCOMPARE(d.sections[0].total, 357000);
        QCOMPARE(d.sections[3].total, 57566);
        // 357000 / 414566 = 86.114 %, 57566 / 414566 = 13.886 %: the left-over tenth goes to food.
        QCOMPARE(d.sections[0].shareTenths, 861);
        QCOMPARE(d.sections[3].shareTenths, 139);
        for (int i : {1, 2, 4, 5, 6, 7}) {
            QVERIFY(d.sections[i].empty);
            QCOMPARE(d.sections[i].total, 0);
            QCOMPARE(d.sections[i].shareTenths, 0);
            QVERIFY(d.sections[i].tabs.isEmpty());
        }
        QCOMPARE(d.sectionsTotal, 414566);
        QCOMPARE(d.contingencyTenths, 75);
        QCOMPARE(d.contingency, 31092); // 31092.45
        QCOMPARE(d.grandTotal, 445658);
        QCOMPARE(d.currencyHundredths, hundredths);
        QCOMPARE(d.hasCurrencyLine(), hundredths >= 0);
        QCOMPARE(d.title, u"Spring fair"_s);
        QCOMPARE(d.language, base::Language::English);
    }

    void sectionsFollowTheTilesWithTheirPricedRows_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("logisticTabs");
        QTest::addColumn<Rows>("logisticRows");
        QTest::addColumn<QStringList>("foodTabs");
        QTest::addColumn<Rows>("foodRows");
        QTest::addColumn<QString>("restaurantGroup");
        QTest::newRow("French") << 0 << QStringList{u"Vols onglet"_s, u"Onglet train"_s}
                                << Rows{{u"Astana"_s, u"Almaty"_s, u"2"_s, u"1"_s, u"63000"_s},
                                        {u"Astana"_s, u"Moscou"_s, u"1"_s, u"1"_s, u"195000"_s},
                                        {u"Astana"_s, u"Tashkent"_s, u"1"_s, u"2"_s, u"99000"_s}}
                                << QStringList{u"Restaurants et cafés"_s, u"Onglet de la livraison du produit fini"_s}
                                << Rows{{u"Dîner"_s, u"luxe"_s, u"2"_s, u"51566"_s}, {u"sushi"_s, u"3"_s, u"6000"_s}}
                                << u"Voyage de vacances au restaurant"_s;
        QTest::newRow("Russian") << 1 << QStringList{u"Авиа перелеты"_s, u"ЖД перевозки"_s}
                                 << Rows{{u"Астана"_s, u"Алматы"_s, u"2"_s, u"1"_s, u"63000"_s},
                                         {u"Астана"_s, u"Москва"_s, u"1"_s, u"1"_s, u"195000"_s},
                                         {u"Астана"_s, u"Ташкент"_s, u"1"_s, u"2"_s, u"99000"_s}}
                                 << QStringList{u"Рестораны и кафе"_s, u"Доставка готового питания"_s}
                                 << Rows{{u"Ужин"_s, u"Люкс"_s, u"2"_s, u"51566"_s}, {u"Суши"_s, u"3"_s, u"6000"_s}}
                                 << u"Праздничный поход в ресторан"_s;
        QTest::newRow("English") << 2 << QStringList{u"Flights"_s, u"Train"_s}
                                 << Rows{{u"Astana"_s, u"Almaty"_s, u"2"_s, u"1"_s, u"63000"_s},
                                         {u"Astana"_s, u"Moscow"_s, u"1"_s, u"1"_s, u"195000"_s},
                                         {u"Astana"_s, u"Tashkent"_s, u"1"_s, u"2"_s, u"99000"_s}}
                                 << QStringList{u"Tab restaurants and cafes"_s, u"Food Home Delivery"_s}
                                 << Rows{{u"Dinner"_s, u"luxury"_s, u"2"_s, u"51566"_s}, {u"Sushi"_s, u"3"_s, u"6000"_s}}
                                 << u"Holiday trip to the restaurant"_s;
    }
    void sectionsFollowTheTilesWithTheirPricedRows()
    {
        QFETCH(int, language);
    const base::Language lang = base::Language(language);
        QFETCH(QStringList, logisticTabs);
        QFETCH(Rows, logisticRows);
        QFETCH(QStringList, foodTabs);
        QFETCH(Rows, foodRows);
        QFETCH(QString, restaurantGroup);
        const BudgetReport d = budgetReport(m_budget, lang);
        QCOMPARE(d.language, lang);

        QStringList captions, expected;
        for (const BudgetSectionData &section : d.sections)
            captions << section.caption;
        for (const char16_t *screen : kTileOrder)
            expected << m_budget.catalogue(m_budget.indexOf(QString::fromUtf16(screen))).caption.in(lang);
        QCOMPARE(captions, expected);

        const auto check = [](const BudgetSectionData &section, const QStringList &tabs, const Rows &rows) {
            QVERIFY(!section.empty);
            QVERIFY(section.source);
            QCOMPARE(section.totalText, QString::number(section.total));
            QStringList titles;
            Rows read;
            for (const BudgetTabData &tab : section.tabs) {
                titles << tab.title;
                qint64 sum = 0;
                for (const BudgetRowData &row : tab.rows) {
                    QCOMPARE(row.tab, tab.title);
                    read << (QStringList(row.cells) << row.sum);
                    sum += row.sum.toLongLong();
                }
                QCOMPARE(tab.subtotal, QString::number(sum));
            }
            QCOMPARE(titles, tabs);
            QCOMPARE(read, rows);
        };
        check(d.sections[0], logisticTabs, logisticRows);
        if (QTest::currentTestFailed())
            return;
        check(d.sections[3], foodTabs, foodRows);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(d.sections[3].tabs[0].rows[0].group, restaurantGroup);
        // The section's own report reads the same entries in the same language.
        QCOMPARE(d.sections[3].source->cellText(1, 5, 2), foodRows[0][1]);
    }

    void overviewNamesSectionsAsTheTilesDo_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("French") << 0 << QStringList{u"Logistique et transport"_s, u"Construction et réparation"_s,
                                                    u"Hébergement"_s, u"Restauration et loisirs"_s,
                                                    u"Charges d’exploitation"_s, u"Événements"_s, u"Publicité"_s,
                                                    u"Services aux entreprises"_s};
        QTest::newRow("English") << 2 << QStringList{u"Logistics and transport"_s, u"Construction and repair"_s,
                                                     u"Accommodation"_s, u"Food and leisure"_s, u"Running expenses"_s,
                                                     u"Events and entertainment"_s, u"Advertising"_s,
                                                     u"Business services"_s};
    }
    void overviewNamesSectionsAsTheTilesDo()
    {
        QFETCH(int, language);
    const base::Language lang = base::Language(language);
        QFETCH(QStringList, names);
        const BudgetReport overview = budgetOverview(m_budget, model::summarize(m_budget), lang);
        const BudgetReport document = budgetReport(m_budget, lang);
        QStringList read;
        for (const BudgetSectionData &section : overview.sections)
            read << section.caption;
        QCOMPARE(read, names);
        for (int i = 0; i < overview.sections.size(); ++i) {
            QCOMPARE(overview.sections[i].empty, document.sections[i].empty);
            QCOMPARE(overview.sections[i].total, document.sections[i].total);
            QCOMPARE(overview.sections[i].shareTenths, document.sections[i].shareTenths);
            QVERIFY(overview.sections[i].tabs.isEmpty());
        }
        QCOMPARE(overview.grandTotal, 445658);
        QCOMPARE(overview.currencyHundredths, 85621);
    }

    void workbookReadsBack_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("xlsx") << u"budget.xlsx"_s;
        QTest::newRow("xls") << u"budget.xls"_s;
    }
    void workbookReadsBack()
    {
        QFETCH(QString, file);
        QTemporaryDir folder;
        const QString path = folder.filePath(file);
        const BudgetReport d = budgetReport(m_budget, base::Language::English);
        const BudgetWriteResult written = writeBudgetWorkbook(d, path);
        QVERIFY2(written.ok(), qPrintable(written.reason));

        const QJsonObject book = readBack(path);
        QStringList names;
        for (const QJsonValue &sheet : book.value(u"sheets"_s).toArray())
            names << sheet.toObject().value(u"name"_s).toString();
        // A sheet for each section with anything entered, in the tiles' order.
        QCOMPARE(names, (QStringList{u"Summary"_s, u"Logistics and Transportation"_s, u"Entertainment and food"_s}));

        const QJsonObject summary = sheetNamed(book, u"Summary"_s);
        QCOMPARE(cellOf(summary, u"A6"_s).value(u"value"_s).toString(), u"Logistics and Transportation"_s);
        QCOMPARE(cellOf(summary, u"B6"_s).value(u"value"_s).toDouble(), 357000.0);
        QCOMPARE(cellOf(summary, u"C6"_s).value(u"value"_s).toDouble(), 0.861);
        QCOMPARE(cellOf(summary, u"A9"_s).value(u"value"_s).toString(), u"Entertainment and food"_s);
        QCOMPARE(cellOf(summary, u"B9"_s).value(u"value"_s).toDouble(), 57566.0);
        QCOMPARE(cellOf(summary, u"C9"_s).value(u"value"_s).toDouble(), 0.139);
        QCOMPARE(cellOf(summary, u"B7"_s).value(u"value"_s).toDouble(), 0.0);
        QCOMPARE(cellOf(summary, u"B14"_s).value(u"value"_s).toDouble(), 414566.0);
        QCOMPARE(cellOf(summary, u"B15"_s).value(u"value"_s).toDouble(), 31092.0);
        QCOMPARE(cellOf(summary, u"C15"_s).value(u"value"_s).toDouble(), 0.075);
        QCOMPARE(cellOf(summary, u"B16"_s).value(u"value"_s).toDouble(), 445658.0);
        QCOMPARE(cellOf(summary, u"B18"_s).value(u"value"_s).toDouble(), 856.21);

        const QJsonObject logistics = sheetNamed(book, u"Logistics and Transportation"_s);
        QCOMPARE(cellOf(logistics, u"A1"_s).value(u"value"_s).toString(), u"Logistics and Transportation"_s);
        for (double sum : {63000.0, 195000.0, 99000.0, 357000.0})
            QVERIFY2(holdsNumber(logistics, sum), qPrintable(QString::number(sum)));
        const QJsonObject food = sheetNamed(book, u"Entertainment and food"_s);
        for (double sum : {51566.0, 6000.0, 57566.0})
            QVERIFY2(holdsNumber(food, sum), qPrintable(QString::number(sum)));
        QVERIFY(!holdsNumber(food, 357000.0));
    }
};

QTEST_MAIN(TestBudgetOutput)
#include "test_budgetoutput.moc"
