// The reference workbook shipped beside the program, as a spreadsheet
// reader sees it.

#include "reportsupport.h"

#include "model/catalogue.h"
#include "model/sectionlist.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QTest>

using namespace torvane;
using namespace torvane::test;

class TestReference : public QObject
{
    Q_OBJECT

    QJsonArray m_sheets;

    // Row texts (B, C, D) and price (E) of a sheet, one entry per row.
    static QList<QStringList> rows(const QJsonObject &sheet)
    {
        QMap<int, QStringList> byRow;
        const QJsonObject cells = sheet.value(u"cells"_s).toObject();
        for (auto it = cells.begin(); it != cells.end(); ++it) {
            const QString ref = it.key();
            const int column = ref.at(0).unicode() - u'A';
            const int row = ref.mid(1).toInt();
            QStringList &texts = byRow[row];
            while (texts.size() < 5)
                texts.append(QString());
            if (column >= 1 && column <= 4) {
                const QJsonValue value = it.value().toObject().value(u"value"_s);
                texts[column] = value.isDouble() ? QString::number(qint64(value.toDouble())) : value.toString();
            }
        }
        return byRow.values();
    }

    static bool hasLine(const QJsonObject &sheet, const QString &english, qint64 price)
    {
        for (const QStringList &row : rows(sheet))
            if (row.value(3).startsWith(english) && row.value(4) == QString::number(price))
                return true;
        return false;
    }

private slots:
    void initTestCase()
    {
        const QJsonObject book = readBack(QCoreApplication::applicationDirPath() + u"/sprav.xlsx"_s);
        m_sheets = book.value(u"sheets"_s).toArray();
    }

    void oneSheetPerSectionNamedInEnglish()
    {
        const QList<const model::SectionCatalogue *> catalogues = model::allCatalogues();
        QCOMPARE(m_sheets.size(), catalogues.size());
        for (int i = 0; i < catalogues.size(); ++i) {
            const QJsonObject sheet = m_sheets.at(i).toObject();
            QCOMPARE(sheet.value(u"name"_s).toString(), catalogues[i]->caption.in(base::Language::English).left(31).trimmed());
            QCOMPARE(sheet.value(u"merges"_s).toArray().first().toString(), u"B2:E2"_s);
        }
    }

    void everyPriceOfEveryCatalogueIsListed()
    {
        const QList<const model::SectionCatalogue *> catalogues = model::allCatalogues();
        for (int i = 0; i < catalogues.size(); ++i) {
            QVERIFY(catalogues[i]->priceList);
            const QJsonObject sheet = m_sheets.at(i).toObject();
            for (const model::PriceLine &line : catalogues[i]->priceList())
                QVERIFY2(hasLine(sheet, line.item.in(base::Language::English).trimmed(), line.price),
                         qPrintable(u"%1: %2 %3"_s.arg(sheet.value(u"name"_s).toString(), line.item.in(base::Language::English)).arg(line.price)));
        }
    }

    void knownPrices_data()
    {
        QTest::addColumn<int>("sheet");
        QTest::addColumn<QString>("english");
        QTest::addColumn<qint64>("price");
        QTest::newRow("flight to Almaty, adult") << 0 << u"Almaty — per adult"_s << qint64(25000);
        QTest::newRow("flight to Almaty, child") << 0 << u"Almaty — per child"_s << qint64(13000);
        QTest::newRow("hotel, five stars, double") << 1 << u"5 stars"_s << qint64(94173);
        QTest::newRow("theatre") << 2 << u"Theatre / Opera"_s << qint64(3000);
        QTest::newRow("first wall demolition") << 3 << u"demolition of brick walls, etc. 1/2 in thick brick"_s << qint64(2450);
        QTest::newRow("website, luxury") << 4 << u"luxury"_s << qint64(1000000);
        QTest::newRow("heating") << 5 << u"heating"_s << qint64(13456);
        QTest::newRow("national artist") << 7 << u"National"_s << qint64(100000000);
        QTest::newRow("SEO, luxury") << 6 << u"luxury"_s << qint64(3000000);
    }

    void knownPrices()
    {
        QFETCH(int, sheet);
        QFETCH(QString, english);
        QFETCH(qint64, price);
        QVERIFY(hasLine(m_sheets.at(sheet).toObject(), english, price));
    }
};

QTEST_GUILESS_MAIN(TestReference)
#include "test_reference.moc"
