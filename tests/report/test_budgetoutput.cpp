// The whole-budget document built from a budget: figures worked out by
// hand, the sections in the tiles' order, only priced tabs and rows with
// their choices named by their columns in the document's language, one name
// per section everywhere, the follow-up of every line in the workbook, the
// PDF and the CSV, and each read back by an independent reader.

#include "reportsupport.h"

#include "base/amountformat.h"
#include "base/decimalformat.h"
#include "model/budget.h"
#include "model/followupmodel.h"
#include "model/sectionlist.h"
#include "report/budgetchart.h"
#include "report/budgetoutput.h"
#include "report/budgetpdf.h"
#include "report/budgetwords.h"
#include "report/budgetworkbook.h"
#include "report/followupcsv.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QProcess>
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

// The budget above followed up: the Almaty flight quoted at 65,000.50 and
// partly paid, its note looking like a formula; the Moscow flight invoiced
// under its estimate and paid; a third flight for one adult and no child
// (25000); staff travel of one's own in logistics; insurance among the
// other costs. Amounts typed the English way.
bool followBudget(model::Budget &budget)
{
    if (!fillBudget(budget)
        || !enter(budget, u"Form_logistic"_s, {{1, 3, 1, 0}, {1, 3, 2, 0}, {1, 3, 3, -1, u"1"_s}, {1, 3, 4, -1, u"0"_s}}))
        return false;
    const int logistics = budget.indexOf(u"Form_logistic"_s);
    return budget.setFollowUp(logistics, 1, 1, {u"65,000.50"_s, u"30000"_s, u"Air Astana"_s, QDate(2017, 5, 20),
                                                u"=SUM(A1:A9) is a note\nnot a formula"_s})
        && budget.setFollowUp(logistics, 1, 4, {u"190000"_s, u"190000"_s, u"SCAT"_s, {}, {}})
        && budget.addOwnLine({logistics, u"Staff travel from Paris"_s, u"120000.50"_s,
                              {u"125000"_s, {}, u"Agency, \"Voyages\""_s, {}, {}}}) == 0
        && budget.addOwnLine({-1, u"Insurance"_s, u"45000"_s, {{}, u"10000"_s, {}, QDate(2017, 6, 1), {}}}) == 1;
}

// Something in every section: the first option of every list and 1 in
// every quantity of each section's first row.
void fillFirstRows(model::Budget &budget)
{
    for (int s = 0; s < budget.sectionCount(); ++s) {
        model::SectionEntries entries = budget.entries(s);
        const model::GridRow &row = entries.grid().rows().front();
        for (int c = row.firstCell; c < row.firstCell + row.cellCount; ++c) {
            const model::ColumnRole role = entries.grid().cell(c).spec->role;
            if (role == model::ColumnRole::Choice)
                entries.setPosition(c, 0);
            else if (role == model::ColumnRole::Quantity)
                entries.setText(c, u"1"_s);
        }
        budget.replaceEntries(s, entries);
    }
}

// What a painter writes, and in which pixel size, on a screen of 96 dpi.
class TextRecorder : public QPaintDevice
{
public:
    struct Text {
        QString text;
        int pixels;
    };
    QList<Text> texts;

    QPaintEngine *paintEngine() const override { return &m_engine; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return 1024;
        case PdmHeight: return 768;
        case PdmWidthMM: return 271;
        case PdmHeightMM: return 203;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return 96;
        case PdmDepth: return 32;
        case PdmNumColors: return INT_MAX;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        default: return 0;
        }
    }

private:
    class Engine : public QPaintEngine
    {
    public:
        explicit Engine(TextRecorder &device) : QPaintEngine(AllFeatures), m_device(device) {}
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState &) override {}
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
        void drawRects(const QRectF *, int) override {}
        void drawLines(const QLineF *, int) override {}
        void drawPath(const QPainterPath &) override {}
        void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
        void drawTextItem(const QPointF &, const QTextItem &item) override
        {
            m_device.texts.append({item.text(), painter()->font().pixelSize()});
        }
        Type type() const override { return User; }

    private:
        TextRecorder &m_device;
    };
    mutable Engine m_engine{*this};
};

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitCode() != 0) {
        qWarning("%s failed: %s", qUtf8Printable(program), process.readAllStandardError().constData());
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A PDF's text; no-break spaces of either width read as plain ones.
QString pdfText(const QString &path)
{
    return run(u"pdftotext"_s, {u"-enc"_s, u"UTF-8"_s, path, u"-"_s}).normalized(QString::NormalizationForm_KC);
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
        QCOMPARE(d.summary.size(), 8); // no line of one's own, so no other costs
        QCOMPARE(d.sections[0].total, 357000);
        QCOMPARE(d.sections[3].total, 57566);
        QCOMPARE(d.summary[0].estimateTiyn, 35700000);
        // 357000 / 414566 = 86.114 %, 57566 / 414566 = 13.886 %: the left-over tenth goes to food.
        QCOMPARE(d.summary[0].shareTenths, 861);
        QCOMPARE(d.summary[3].shareTenths, 139);
        for (int i : {1, 2, 4, 5, 6, 7}) {
            QVERIFY(d.sections[i].empty && d.summary[i].empty);
            QCOMPARE(d.sections[i].total, 0);
            QCOMPARE(d.summary[i].shareTenths, 0);
            QVERIFY(d.sections[i].tabs.isEmpty());
        }
        QCOMPARE(d.estimateTiyn, 41456600);
        QCOMPARE(d.contingencyTenths, 75);
        QCOMPARE(d.contingency, 31092); // 31092.45
        QCOMPARE(d.grandTotalTiyn, 44565800);
        QVERIFY(!d.hasFollowUpFigures());
        QCOMPARE(d.currencyHundredths, hundredths);
        QCOMPARE(d.hasCurrencyLine(), hundredths >= 0);
        QCOMPARE(d.title, u"Spring fair"_s);
        QCOMPARE(d.language, base::Language::English);
    }

    void sectionsFollowTheTilesWithTheirPricedRows_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("logisticTabs");
        QTest::addColumn<Rows>("logisticRows"); // item, choices, sum
        QTest::addColumn<QStringList>("foodTabs");
        QTest::addColumn<Rows>("foodRows");
        QTest::newRow("French")
            << 0 << QStringList{u"Vols onglet"_s, u"Onglet train"_s}
            << Rows{{u"Vols onglet"_s, u"Point de départ: Astana · Destination: Almaty · Nombre d adultes: 2 · Nombre d enfants: 1"_s, u"63000"_s},
                    {u"Vols onglet"_s, u"Point de départ: Astana · Destination: Moscou · Nombre d adultes: 1 · Nombre d enfants: 1"_s, u"195000"_s},
                    {u"Onglet train — Les transports de voyageurs"_s,
                     u"Point de départ: Astana · Destination: Tashkent · Nombre d adultes: 1 · Nombre d enfants: 2"_s, u"99000"_s}}
            << QStringList{u"Restaurants et cafés"_s, u"Onglet de la livraison du produit fini"_s}
            << Rows{{u"Restaurants et cafés — Voyage de vacances au restaurant"_s,
                     u"Sélectionnez le type de repas: Dîner · Places de classe Sélectionnez: luxe · Nombre de personnes: 2"_s, u"51566"_s},
                    {u"Onglet de la livraison du produit fini — Alimentation Livraison à domicile"_s,
                     u"Sélectionnez le type de nourriture: sushi · Nombre de personnes: 3"_s, u"6000"_s}};
        QTest::newRow("Russian")
            << 1 << QStringList{u"Авиа перелеты"_s, u"ЖД перевозки"_s}
            << Rows{{u"Авиа перелеты"_s, u"Пункт отправления: Астана · Пункт назначения: Алматы · Количество взрослых: 2 · Количество детей: 1"_s, u"63000"_s},
                    {u"Авиа перелеты"_s, u"Пункт отправления: Астана · Пункт назначения: Москва · Количество взрослых: 1 · Количество детей: 1"_s, u"195000"_s},
                    {u"ЖД перевозки — Пассажирские перевозки"_s,
                     u"Пункт отправления: Астана · Пункт назначения: Ташкент · Количество взрослых: 1 · Количество детей: 2"_s, u"99000"_s}}
            << QStringList{u"Рестораны и кафе"_s, u"Доставка готового питания"_s}
            << Rows{{u"Рестораны и кафе — Праздничный поход в ресторан"_s,
                     u"Тип приема пищи: Ужин · Класс заведения: Люкс · Количество людей: 2"_s, u"51566"_s},
                    {u"Доставка готового питания — Доставка готовой еды на дом"_s, u"Тип кухни: Суши · Количество людей: 3"_s, u"6000"_s}};
        QTest::newRow("English")
            << 2 << QStringList{u"Flights"_s, u"Train"_s}
            << Rows{{u"Flights"_s, u"Point of departure: Astana · Destination: Almaty · Quantity of Adults: 2 · Quantity of Children: 1"_s, u"63000"_s},
                    {u"Flights"_s, u"Point of departure: Astana · Destination: Moscow · Quantity of Adults: 1 · Quantity of Children: 1"_s, u"195000"_s},
                    {u"Train — Passenger transportation"_s,
                     u"Point of departure: Astana · Destination: Tashkent · Quantity of Adults: 1 · Quantity of Children: 2"_s, u"99000"_s}}
            << QStringList{u"Tab restaurants and cafes"_s, u"Food Home Delivery"_s}
            << Rows{{u"Tab restaurants and cafes — Holiday trip to the restaurant"_s,
                     u"Select the type of meal: Dinner · Select class places: luxury · Number of people: 2"_s, u"51566"_s},
                    {u"Food Home Delivery — Tab Organization of delivery of the finished food"_s,
                     u"Select the type of food: Sushi · Number of people: 3"_s, u"6000"_s}};
    }
    void sectionsFollowTheTilesWithTheirPricedRows()
    {
        QFETCH(int, language);
        const base::Language lang = base::Language(language);
        QFETCH(QStringList, logisticTabs);
        QFETCH(Rows, logisticRows);
        QFETCH(QStringList, foodTabs);
        QFETCH(Rows, foodRows);
        const BudgetReport d = budgetReport(m_budget, lang);
        QCOMPARE(d.language, lang);

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
                    read << QStringList{row.item, row.choices, row.sum};
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
    }

    // One name a section in each language, its window's caption: in the
    // chart, the summary, the follow-up table, the workbook and the PDF.
    void sectionNamesAreTheirCaptionsEverywhere_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("captions"); // in the tiles' order
        QTest::newRow("French") << 0 << QStringList{u"Logistique et transport"_s, u"Construction et réparation"_s,
                                                    u"Logements"_s, u"Divertissement et de la nourriture"_s,
                                                    u"Les charges d exploitation"_s, u"Planification d événements"_s,
                                                    u"Publicité"_s, u"Services aux entreprises"_s};
        QTest::newRow("Russian") << 1 << QStringList{u"Логистика и траспорт"_s, u"Строительство и ремонт"_s,
                                                     u"Размещение и проживание"_s, u"Развлечение и питание"_s,
                                                     u"Операционные расходы"_s, u"Организация мероприятий"_s, u"Реклама"_s,
                                                     u"Услуги для бизнеса"_s};
        QTest::newRow("English") << 2 << QStringList{u"Logistics and Transportation"_s, u"Construction and repair"_s,
                                                     u"Accommodation and lodging"_s, u"Entertainment and food"_s,
                                                     u"Operating expenses"_s, u"Organization of events"_s, u"Advertising"_s,
                                                     u"Services for Business"_s};
    }
    void sectionNamesAreTheirCaptionsEverywhere()
    {
        QFETCH(int, language);
        const base::Language lang = base::Language(language);
        QFETCH(QStringList, captions);
        model::Budget budget;
        fillFirstRows(budget);
        const BudgetReport document = budgetReport(budget, lang);
        const BudgetReport overview = budgetOverview(budget, model::summarize(budget, lang), lang);
        QTemporaryDir folder;
        const QString workbook = folder.filePath(u"budget.xlsx"_s);
        const QString pdf = folder.filePath(u"budget.pdf"_s);
        QVERIFY(writeBudgetWorkbook(document, workbook).ok());
        QVERIFY(writeBudgetPdf(document, pdf).ok());

        std::map<QString, QStringList> names;
        // The chart as the main menu's panel draws it at 1024 x 768: each name, then its share.
        TextRecorder screen;
        {
            QPainter painter(&screen);
            BudgetChart().paint(painter, QRectF(0, 0, 240, 170), overview);
        }
        for (int i = 0; i < screen.texts.size(); i += 2)
            names[u"chart"_s] << screen.texts[i].text;
        for (const BudgetSummaryRow &row : overview.summary)
            names[u"overview"_s] << row.caption;
        for (const BudgetSectionData &section : document.sections)
            names[u"sections"_s] << section.caption;
        for (const FollowUpRowData &row : document.followUp.rows)
            if (row.kind == FollowUpRowData::Kind::Subtotal)
                names[u"follow-up table"_s] << row.texts[model::FollowUpModel::SectionColumn];
        const QJsonObject book = readBack(workbook);
        const QJsonArray sheets = book.value(u"sheets"_s).toArray();
        for (int row = 6; row < 14; ++row)
            names[u"summary sheet"_s] << cellOf(sheets.at(0).toObject(), u"A%1"_s.arg(row)).value(u"value"_s).toString();
        // A sheet's name holds 31 characters at most.
        QStringList sheetNames, cut;
        for (int i = 2; i < sheets.size(); ++i) {
            sheetNames << sheets.at(i).toObject().value(u"name"_s).toString();
            cut << captions[i - 2].left(31);
        }
        QCOMPARE(sheetNames, cut);
        const QString text = pdfText(pdf);
        for (const QString &caption : captions)
            if (text.contains(caption))
                names[u"pdf"_s] << caption;

        for (const auto &[where, read] : names)
            QVERIFY2(read == captions, qPrintable(where + u": "_s + read.join(u" | "_s)));
    }

    // At the size the main menu gives it on a 1024 x 768 screen, the chart
    // writes every name whole in a readable size; with actual amounts known
    // it compares them under a legend.
    void chartStaysReadableAtTheMenusSize_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("followed");
        QTest::addColumn<int>("reached"); // logistics: how much of its estimate, in tenths of a percent
        // "65,000.50" is an amount the English way only: elsewhere the
        // logistics actual is 190 000 + 125 000 of 502 000,50.
        for (const int language : {0, 1, 2}) {
            QTest::addRow("shares, %d", language) << language << false << 0;
            QTest::addRow("estimate and actual, %d", language) << language << true << (language == 2 ? 757 : 627);
        }
    }
    void chartStaysReadableAtTheMenusSize()
    {
        QFETCH(int, language);
        QFETCH(bool, followed);
        QFETCH(int, reached);
        const base::Language lang = base::Language(language);
        model::Budget budget;
        fillFirstRows(budget);
        if (followed) {
            QVERIFY(followBudget(budget));
            // The sushi invoiced at 90 000, more than the whole of food's estimate.
            QVERIFY(budget.setFollowUp(budget.indexOf(u"Form_food"_s), 2, 2, {u"90000"_s, {}, {}, {}, {}}));
        }
        const BudgetReport overview = budgetOverview(budget, model::summarize(budget, lang), lang);
        TextRecorder screen;
        {
            QPainter painter(&screen);
            BudgetChart().paint(painter, QRectF(0, 0, 240, 170), overview);
        }
        if (const QByteArray keep = qgetenv("TORVANE_KEEP_OUTPUT"); !keep.isEmpty()) {
            QImage picture(240, 170, QImage::Format_RGB32);
            picture.fill(Qt::white);
            QPainter painter(&picture);
            BudgetChart().paint(painter, QRectF(picture.rect()), overview);
            picture.save(QString::fromLocal8Bit(keep) + u"-chart-%1-%2.png"_s.arg(followed).arg(language));
        }
        QStringList drawn;
        int smallest = 1000;
        for (const TextRecorder::Text &text : screen.texts) {
            drawn << text.text;
            smallest = std::min(smallest, text.pixels);
        }
        for (const BudgetSummaryRow &row : overview.summary)
            if (!followed || row.estimateTiyn > 0 || row.figures.actual)
                QVERIFY2(drawn.contains(row.caption), qPrintable(row.caption + u" in "_s + drawn.join(u" | "_s)));
        // Before, the names stood beside their bars in 6 to 7 pixels; a
        // comparison has a legend and a line more to place.
        QVERIFY2(smallest >= (followed ? 9 : 10), qPrintable(QString::number(smallest)));
        const QStringList legend{words::kEstimate.in(lang), words::kActual.in(lang), words::kOverEstimate.in(lang)};
        for (const QString &word : legend)
            QVERIFY2(drawn.contains(word) == followed, qPrintable(word));
        if (followed) {
            QVERIFY(drawn.contains(base::shareText(reached, lang)));
            // Insurance: paid, nothing invoiced yet.
            QCOMPARE(overview.summary.back().caption, model::FollowUpModel(budget, lang).sectionName(-1));
            QVERIFY(overview.summary.back().figures.paid && !overview.summary.back().figures.actual);
        }
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
        QCOMPARE(names, (QStringList{u"Summary"_s, u"Follow-up"_s, u"Logistics and Transportation"_s, u"Entertainment and food"_s}));

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

    // Every line with its figures, formulas that carry their values, sums
    // per section and for the budget, a frozen header with its filter, and
    // the summary's follow-up columns.
    void followUpSheetReadsBack_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("xlsx") << u"followed.xlsx"_s;
        QTest::newRow("xls") << u"followed.xls"_s;
    }
    void followUpSheetReadsBack()
    {
        QFETCH(QString, file);
        const bool xls = file.endsWith(u".xls"_s);
        model::Budget budget;
        QVERIFY(followBudget(budget));
        QTemporaryDir folder;
        const QString path = folder.filePath(file);
        const BudgetWriteResult written = writeBudgetWorkbook(budgetReport(budget, base::Language::English), path);
        QVERIFY2(written.ok(), qPrintable(written.reason));
        if (const QByteArray keep = qgetenv("TORVANE_KEEP_OUTPUT"); !keep.isEmpty())
            QFile::copy(path, QString::fromLocal8Bit(keep) + u"-"_s + file);
        const QJsonObject book = readBack(path);
        if (xls)
            QCOMPARE(book.value(u"stream"_s).toObject().value(u"problems"_s).toArray(), QJsonArray{});
        const QJsonObject sheet = sheetNamed(book, u"Follow-up"_s);
        QVERIFY(!sheet.isEmpty());

        const QStringList header{u"Section"_s, u"Item"_s, u"Choices and quantities"_s, u"Estimate, ₸"_s, u"Actual, ₸"_s,
                                 u"Variance, ₸"_s, u"Paid, ₸"_s, u"To pay, ₸"_s, u"Supplier"_s, u"Due"_s, u"Note"_s};
        for (int c = 0; c < header.size(); ++c)
            QCOMPARE(cellOf(sheet, u"%1%2"_s.arg(QChar(u'A' + c)).arg(1)).value(u"value"_s).toString(), header[c]);
        QCOMPARE(sheet.value(u"frozen_rows"_s).toInt(), 1);
        if (!xls) // the .xls file has no filter buttons
            QCOMPARE(sheet.value(u"autofilter"_s).toString(), u"A1:K14"_s);

        // Rows 2-8 logistics (five catalogue rows in grid order, the staff
        // travel), 9 its subtotal; 10-11 food, 12 its subtotal; 13 the
        // insurance, 14 the other costs' subtotal; 16 the budget's total.
        struct Expected {
            QString cell;
            QVariant value; // double, text, or a date as text
            QString formula;
        };
        const QList<Expected> expected{
            {u"A2"_s, u"Logistics and Transportation"_s, {}},
            {u"B2"_s, u"Flights"_s, {}},
            {u"C2"_s, u"Point of departure: Astana · Destination: Almaty · Quantity of Adults: 2 · Quantity of Children: 1"_s, {}},
            {u"D2"_s, 63000.0, {}},
            {u"E2"_s, 65000.5, {}},
            {u"F2"_s, 2000.5, u"=E2-D2"_s},
            {u"G2"_s, 30000.0, {}},
            {u"H2"_s, 35000.5, u"=E2-G2"_s},
            {u"I2"_s, u"Air Astana"_s, {}},
            {u"J2"_s, u"2017-05-20"_s, {}},
            {u"K2"_s, u"=SUM(A1:A9) is a note\nnot a formula"_s, {}},
            {u"D3"_s, 0.0, {}},
            {u"C4"_s, u"Point of departure: Astana · Destination: Almaty · Quantity of Adults: 1"_s, {}},
            {u"D4"_s, 25000.0, {}},
            {u"F5"_s, -5000.0, u"=E5-D5"_s},
            {u"H5"_s, 0.0, u"=E5-G5"_s},
            {u"B8"_s, u"Staff travel from Paris"_s, {}},
            {u"D8"_s, 120000.5, {}},
            {u"F8"_s, 4999.5, u"=E8-D8"_s},
            {u"H8"_s, 125000.0, u"=E8-G8"_s},
            {u"I8"_s, u"Agency, \"Voyages\""_s, {}},
            {u"A9"_s, u"Logistics and Transportation"_s, {}},
            {u"B9"_s, u"Subtotal"_s, {}},
            {u"D9"_s, 502000.5, u"=SUM(D2:D8)"_s},
            {u"E9"_s, 380000.5, u"=SUM(E2:E8)"_s},
            {u"F9"_s, 2000.0, u"=SUM(F2:F8)"_s},
            {u"G9"_s, 220000.0, u"=SUM(G2:G8)"_s},
            {u"H9"_s, 160000.5, u"=SUM(H2:H8)"_s},
            {u"A10"_s, u"Entertainment and food"_s, {}},
            {u"D12"_s, 57566.0, u"=SUM(D10:D11)"_s},
            {u"A13"_s, u"Other costs"_s, {}},
            {u"J13"_s, u"2017-06-01"_s, {}},
            {u"G14"_s, 10000.0, u"=SUM(G13:G13)"_s},
            {u"B16"_s, u"Budget total"_s, {}},
            {u"D16"_s, 604566.5, u"=SUM(D9,D12,D14)"_s},
            {u"E16"_s, 380000.5, u"=SUM(E9,E12,E14)"_s},
            {u"F16"_s, 2000.0, u"=SUM(F9,F12,F14)"_s},
            {u"G16"_s, 230000.0, u"=SUM(G9,G12,G14)"_s},
            {u"H16"_s, 160000.5, u"=SUM(H9,H12,H14)"_s},
        };
        for (const Expected &e : expected) {
            const QJsonObject cell = cellOf(sheet, e.cell);
            const QByteArray where = e.cell.toUtf8();
            if (e.value.typeId() == QMetaType::Double) {
                QVERIFY2(cell.value(u"type"_s).toString() == u"number"_s, where.constData());
                QVERIFY2(cell.value(u"value"_s).toDouble() == e.value.toDouble(), where.constData());
            } else {
                QVERIFY2(cell.value(u"value"_s).toString() == e.value.toString(), where.constData());
            }
            QVERIFY2(cell.value(u"formula"_s).toString() == e.formula, qPrintable(e.cell + u": "_s + cell.value(u"formula"_s).toString()));
        }
        // Unknown amounts stay empty, never 0; the due date is a date.
        for (const QString &empty : {u"E3"_s, u"F3"_s, u"H3"_s, u"E12"_s, u"F12"_s, u"E14"_s, u"A15"_s, u"D15"_s})
            QVERIFY2(cellOf(sheet, empty).value(u"value"_s).toVariant().isNull(), qPrintable(empty));
        QCOMPARE(cellOf(sheet, u"J2"_s).value(u"type"_s).toString(), u"date"_s);
        QCOMPARE(cellOf(sheet, u"K2"_s).value(u"type"_s).toString(), u"text"_s);
        QVERIFY(cellOf(sheet, u"B9"_s).value(u"bold"_s).toBool());
        QCOMPARE(cellOf(sheet, u"D2"_s).value(u"format"_s).toString(), u"#,##0.00"_s);
        QCOMPARE(cellOf(sheet, u"F2"_s).value(u"format"_s).toString(), u"[Red]#,##0.00;-#,##0.00;#,##0.00"_s);
        if (xls && !QStandardPaths::findExecutable(u"ssconvert"_s).isEmpty()) {
            // A spreadsheet program reads the formulas from their tokens too.
            const QString converted = folder.filePath(u"converted.xlsx"_s);
            run(u"ssconvert"_s, {path, converted});
            const QJsonObject again = sheetNamed(readBack(converted), u"Follow-up"_s);
            QCOMPARE(cellOf(again, u"F2"_s).value(u"formula"_s).toString(), u"=E2-D2"_s);
            QCOMPARE(cellOf(again, u"D9"_s).value(u"formula"_s).toString(), u"=SUM(D2:D8)"_s);
            QCOMPARE(cellOf(again, u"D16"_s).value(u"formula"_s).toString(), u"=SUM(D9,D12,D14)"_s);
            QCOMPARE(cellOf(again, u"K2"_s).value(u"value"_s).toString(), u"=SUM(A1:A9) is a note\nnot a formula"_s);
        }

        // The summary: each section's estimate with its own lines, the other
        // costs, and what arrived since.
        const QJsonObject summary = sheetNamed(book, u"Summary"_s);
        QCOMPARE(cellOf(summary, u"D5"_s).value(u"value"_s).toString(), u"Actual, ₸"_s);
        QCOMPARE(cellOf(summary, u"E5"_s).value(u"value"_s).toString(), u"Paid, ₸"_s);
        QCOMPARE(cellOf(summary, u"F5"_s).value(u"value"_s).toString(), u"Variance, ₸"_s);
        const QList<std::pair<QString, QVariant>> figures{
            {u"B6"_s, 502000.5}, {u"C6"_s, 0.83}, {u"D6"_s, 380000.5}, {u"E6"_s, 220000.0}, {u"F6"_s, 2000.0},
            {u"B9"_s, 57566.0}, {u"C9"_s, 0.095}, {u"D9"_s, QVariant()},
            {u"A14"_s, u"Other costs"_s}, {u"B14"_s, 45000.0}, {u"C14"_s, 0.075}, {u"D14"_s, QVariant()}, {u"E14"_s, 10000.0},
            {u"A15"_s, u"Estimate total"_s}, {u"B15"_s, 604566.5}, {u"D15"_s, 380000.5}, {u"E15"_s, 230000.0}, {u"F15"_s, 2000.0},
            // 7.5 % of 604 566,50 is 45 342,49: whole tenge, as always.
            {u"B16"_s, 45342.0}, {u"B17"_s, 649908.5},
            // 649 908,50 / 520,5 = 1 248,623...
            {u"B19"_s, 1248.62},
        };
        for (const auto &[ref, value] : figures) {
            const QJsonValue read = cellOf(summary, ref).value(u"value"_s);
            QVERIFY2(value.isNull() ? read.isNull() : read.toVariant() == value, qPrintable(ref + u": "_s + read.toVariant().toString()));
        }
        QCOMPARE(cellOf(summary, u"B6"_s).value(u"format"_s).toString(), u"#,##0.00"_s);
    }

    // The PDF: after the summary, the follow-up table with each line's
    // figures, its choices named by their columns (no zero quantity), the
    // subtotals and the totals.
    void pdfShowsTheFollowUpTable()
    {
        model::Budget budget;
        QVERIFY(followBudget(budget));
        QTemporaryDir folder;
        const QString path = folder.filePath(u"followed.pdf"_s);
        QVERIFY(writeBudgetPdf(budgetReport(budget, base::Language::English), path).ok());
        if (const QByteArray keep = qgetenv("TORVANE_KEEP_OUTPUT"); !keep.isEmpty())
            QFile::copy(path, QString::fromLocal8Bit(keep) + u"-followed.pdf"_s);
        const QString text = pdfText(path);
        const QStringList pages = text.split(u'\f');
        QVERIFY(!pages.isEmpty());
        // The summary with its follow-up columns comes first.
        for (const QString &word : {u"Summary"_s, u"Other costs"_s, u"604,566.50"_s, u"380,000.50"_s, u"649,908.50"_s})
            QVERIFY2(pages.first().contains(word), qPrintable(word));
        const qsizetype table = text.indexOf(u"Follow-up"_s);
        QVERIFY(table > text.indexOf(u"Summary"_s));
        const QString followUp = text.mid(table, text.indexOf(u"Logistics and Transportation"_s, text.indexOf(u"Budget total"_s)) - table);
        for (const QString &word : {u"Staff travel from Paris"_s, u"120,000.50"_s, u"65,000.50"_s, u"2,000.50"_s, u"35,000.50"_s,
                                    u"Supplier: Air Astana"_s, u"Insurance"_s, u"Subtotal"_s, u"502,000.50"_s,
                                    u"160,000.50"_s, u"Budget total"_s, u"230,000"_s, u"Note: =SUM(A1:A9) is a note not a formula"_s})
            QVERIFY2(followUp.contains(word), qPrintable(word));
        // A row named by its columns, without its zero quantity, in the section's pages too.
        const QString flat = QString(text).replace(u'\n', u' ');
        QVERIFY(flat.contains(u"Destination: Almaty · Quantity of Adults: 1"_s));
        QVERIFY(!flat.contains(u"Quantity of Children: 0"_s));
        QVERIFY(!flat.contains(u"Astana · Almaty · 1 · 0"_s));
    }

    // The CSV: the table's headers, then a record a row, read by Python's csv module.
    void csvReadsBack()
    {
        model::Budget budget;
        QVERIFY(followBudget(budget));
        const QByteArray bytes = followUpCsv(budget, base::Language::English);
        QTemporaryDir folder;
        const QString path = folder.filePath(u"followed.csv"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        const QJsonArray records =
            QJsonDocument::fromJson(run(QStringLiteral(TORVANE_PYTHON), {QStringLiteral(TORVANE_TEST_DIR "/report/readback_csv.py"), path}).toUtf8()).array();
        QCOMPARE(records.size(), 15); // the header, 10 lines, 3 subtotals, the total
        const auto record = [&](int i) {
            QStringList fields;
            for (const QJsonValue &field : records.at(i).toArray())
                fields << field.toString();
            return fields;
        };
        QCOMPARE(record(0), (QStringList{u"Section"_s, u"Item"_s, u"Choices and quantities"_s, u"Estimate, ₸"_s, u"Actual, ₸"_s,
                                          u"Variance, ₸"_s, u"Paid, ₸"_s, u"To pay, ₸"_s, u"Supplier"_s, u"Due"_s, u"Note"_s}));
        QCOMPARE(record(1), (QStringList{u"Logistics and Transportation"_s, u"Flights"_s,
                                          u"Point of departure: Astana · Destination: Almaty · Quantity of Adults: 2 · Quantity of Children: 1"_s,
                                          u"63000.00"_s, u"65000.50"_s, u"2000.50"_s, u"30000.00"_s, u"35000.50"_s, u"Air Astana"_s,
                                          u"2017-05-20"_s, u"=SUM(A1:A9) is a note\nnot a formula"_s}));
        QCOMPARE(record(2).mid(3, 5), (QStringList{u"0.00"_s, QString(), QString(), QString(), QString()}));
        QCOMPARE(record(7), (QStringList{u"Logistics and Transportation"_s, u"Staff travel from Paris"_s, QString(), u"120000.50"_s,
                                          u"125000.00"_s, u"4999.50"_s, QString(), u"125000.00"_s, u"Agency, \"Voyages\""_s, QString(),
                                          QString()}));
        QCOMPARE(record(8), (QStringList{u"Subtotal — Logistics and Transportation"_s, QString(), QString(), u"502000.50"_s,
                                          u"380000.50"_s, u"2000.00"_s, u"220000.00"_s, u"160000.50"_s, QString(), QString(), QString()}));
        QCOMPARE(record(13), (QStringList{u"Subtotal — Other costs"_s, QString(), QString(), u"45000.00"_s, QString(), QString(),
                                           u"10000.00"_s, QString(), QString(), QString(), QString()}));
        QCOMPARE(record(14), (QStringList{u"Budget total"_s, QString(), QString(), u"604566.50"_s, u"380000.50"_s, u"2000.00"_s,
                                           u"230000.00"_s, u"160000.50"_s, QString(), QString(), QString()}));
        // Records end in CRLF; the note's own line break stays inside its quotes.
        QCOMPARE(bytes.count("\r\n"), 15);
        QVERIFY(bytes.endsWith("\r\n"));
        QVERIFY(bytes.contains("\"=SUM(A1:A9) is a note\nnot a formula\""));
    }

    // Lines of one's own are a budget too: nothing else entered, and still
    // a workbook and a PDF to write.
    void ownLinesAloneAreWritten()
    {
        model::Budget budget;
        budget.addOwnLine({-1, u"Design agency"_s, u"1 250 000,75"_s, {}});
        const BudgetReport d = budgetReport(budget, base::Language::French);
        QVERIFY(!d.nothingToWrite());
        QCOMPARE(d.estimateTiyn, 125000075);
        QTemporaryDir folder;
        QVERIFY(writeBudgetWorkbook(d, folder.filePath(u"own.xlsx"_s)).ok());
        QVERIFY(writeBudgetPdf(d, folder.filePath(u"own.pdf"_s)).ok());
        const QJsonObject book = readBack(folder.filePath(u"own.xlsx"_s));
        QCOMPARE(book.value(u"sheets"_s).toArray().size(), 2);
        QCOMPARE(cellOf(sheetNamed(book, u"Suivi"_s), u"B2"_s).value(u"value"_s).toString(), u"Design agency"_s);
        QCOMPARE(cellOf(sheetNamed(book, u"Résumé"_s), u"B15"_s).value(u"value"_s).toDouble(), 1250000.75);
        QVERIFY(pdfText(folder.filePath(u"own.pdf"_s)).contains(u"1 250 000,75 ₸"_s.normalized(QString::NormalizationForm_KC)));
    }
};

QTEST_MAIN(TestBudgetOutput)
#include "test_budgetoutput.moc"
