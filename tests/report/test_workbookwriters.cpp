#include "report/workbook.h"
#include "report/biffwriter.h"
#include "report/ooxmlwriter.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>
#include <map>
#include <stdexcept>
#include <tuple>

using namespace Qt::StringLiterals;
using namespace torvane::report;

Q_DECLARE_METATYPE(torvane::report::Workbook)

namespace {

enum Look { Bold = 1, HCentre = 2, VCentre = 4, Wrap = 8, Border = 16 };

CellStyle style(int look, const QString &numberFormat = {})
{
    CellStyle s;
    s.bold = look & Bold;
    s.horizontalCentre = look & HCentre;
    s.verticalCentre = look & VCentre;
    s.wrap = look & Wrap;
    s.border = look & Border;
    s.numberFormat = numberFormat;
    return s;
}

Sheet oneCellSheet(const QString &name)
{
    Sheet sheet;
    sheet.name = name;
    sheet.cells[{1, 1}] = Cell{Cell::Kind::Text, u"x"_s, 0, {}};
    return sheet;
}

Cell text(const QString &value, const CellStyle &style = {})
{
    return Cell{Cell::Kind::Text, value, 0, style};
}

Cell number(double value, const CellStyle &style = {})
{
    return Cell{Cell::Kind::Number, {}, value, style};
}

Cell blank(const CellStyle &style)
{
    return Cell{Cell::Kind::Blank, {}, 0, style};
}

// A formula with the value a viewer that does not calculate shows.
Cell formula(const QString &text, double value, const CellStyle &style = {})
{
    return Cell{Cell::Kind::Formula, {}, value, style, text};
}
Cell textFormula(const QString &text, const QString &value)
{
    return Cell{Cell::Kind::Formula, value, 0, {}, text, true};
}

// One sheet shaped like a cost report, one small summary sheet.
Workbook reportBook()
{
    const CellStyle title = style(Bold | HCentre | VCentre | Border);
    const CellStyle header = style(Bold | HCentre | VCentre | Wrap | Border);
    const CellStyle body = style(VCentre | Wrap | Border);
    const CellStyle integer = style(Border, u"0"_s);
    const CellStyle money = style(Border, u"0.00"_s);
    const CellStyle totalMoney = style(Bold | Border, u"0.00"_s);

    Sheet report;
    report.name = u"Смета «Б-12»"_s;
    // E2 and F2 are left to the writer, which must still frame them.
    report.cells[{2, 2}] = text(u"Расчёт стоимости конструкции"_s, title);
    report.cells[{2, 3}] = blank(title);
    report.cells[{2, 4}] = blank(title);
    report.merges.push_back({2, 2, 2, 6});

    const QStringList headings{u"Désignation"_s, u"Quantité"_s, u"Prix unitaire, €"_s, u"Montant"_s,
                               u"Примечание"_s};
    for (int i = 0; i < headings.size(); ++i)
        report.cells[{4, 2 + i}] = text(headings.at(i), header);

    report.cells[{5, 2}] = text(u"Poutre en chêne “massif” l’été"_s, body);
    report.cells[{5, 3}] = number(12, integer);
    report.cells[{5, 4}] = number(683.55, money);
    report.cells[{5, 5}] = number(8202.6, money);
    report.cells[{5, 6}] = text(u"à vérifier "_s, body); // trailing blank

    report.cells[{6, 2}] = text(u"Колонна\tстальная"_s, body);
    report.cells[{6, 3}] = number(3, integer);
    report.cells[{6, 4}] = number(1250.5, money);
    report.cells[{6, 5}] = number(3751.5, money);
    report.cells[{6, 6}] = blank(body);

    report.cells[{7, 2}] = text(u"Итого"_s, header);
    report.cells[{7, 3}] = blank(body);
    report.cells[{7, 4}] = blank(body);
    report.cells[{7, 5}] = number(11954.1, totalMoney);
    report.cells[{7, 6}] = blank(body);

    report.cells[{9, 2}] = text(u"Составил: Zoë O’Brien"_s);

    report.columnWidths = {{1, 3}, {2, 25}, {3, 25}, {4, 25}, {5, 25}, {6, 25}};
    report.rowHeights = {{2, 30}, {4, 45}};

    Sheet summary;
    summary.name = u"Summary"_s;
    // A number anchoring a vertical merge; a one-cell merge is dropped.
    summary.cells[{1, 1}] = number(42, style(VCentre | Border));
    summary.merges.push_back({1, 1, 3, 1});
    summary.merges.push_back({5, 5, 5, 5});
    summary.cells[{1, 2}] = text(u"Total"_s);
    summary.cells[{2, 2}] = number(-0.5);
    summary.cells[{1, 3}] = text(QString(), style(Border));
    summary.columnWidths = {{2, 12.5}};

    Workbook book;
    book.sheets = {report, summary};
    return book;
}

// The cells a reader should find: the model's, less unformatted blanks,
// plus the anchor's look on the cells of a merged range the model omits.
std::map<QString, Cell> expectedCells(const Sheet &sheet)
{
    std::map<QString, Cell> cells;
    for (const auto &[position, cell] : sheet.cells) {
        const bool isBlank = cell.kind == Cell::Kind::Blank || (cell.kind == Cell::Kind::Text && cell.text.isEmpty());
        if (isBlank && cell.style == CellStyle{})
            continue;
        cells[cellName(position.first, position.second)] = isBlank ? blank(cell.style) : cell;
    }
    for (const CellRange &range : sheet.merges) {
        const auto anchor = sheet.cells.find({range.firstRow, range.firstColumn});
        if (anchor == sheet.cells.end() || anchor->second.style == CellStyle{})
            continue;
        for (int r = range.firstRow; r <= range.lastRow; ++r) {
            for (int c = range.firstColumn; c <= range.lastColumn; ++c) {
                if (!sheet.cells.contains({r, c}))
                    cells[cellName(r, c)] = blank(anchor->second.style);
            }
        }
    }
    return cells;
}

} // namespace

class TestWorkbookWriters : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::map<QString, QJsonObject> m_reportDumps;

    static QByteArray write(const QString &format, const Workbook &book)
    {
        return format == u"xls"_s ? BiffWriter::write(book) : OoxmlWriter::write(book);
    }

    // Writes the book and reads it back through the Python script.
    bool roundTrip(const QString &format, const Workbook &book, const QString &name, QJsonObject &dump,
                   QString &error)
    {
        const QString path = m_dir.filePath(name + u'.' + format);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(write(format, book)) < 0) {
            error = u"cannot write "_s + path;
            return false;
        }
        file.close();

        QProcess python;
        python.start(QStringLiteral(TORVANE_PYTHON), {QStringLiteral(TORVANE_TEST_DIR "/report/readback_workbook.py"), path});
        if (!python.waitForFinished(120000) || python.exitStatus() != QProcess::NormalExit
            || python.exitCode() != 0) {
            error = u"reading %1 back failed: %2"_s.arg(path, QString::fromUtf8(python.readAllStandardError()));
            return false;
        }
        QJsonParseError parseError;
        const QJsonDocument document = QJsonDocument::fromJson(python.readAllStandardOutput(), &parseError);
        if (!document.isObject()) {
            error = u"bad JSON from the reader: "_s + parseError.errorString();
            return false;
        }
        dump = document.object();
        return true;
    }

    static QJsonObject sheetDump(const QJsonObject &dump, int index)
    {
        return dump.value(u"sheets"_s).toArray().at(index).toObject();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(QFile::exists(QStringLiteral(TORVANE_PYTHON)));
        for (const QString &format : {u"xls"_s, u"xlsx"_s}) {
            QJsonObject dump;
            QString error;
            QVERIFY2(roundTrip(format, reportBook(), u"report"_s, dump, error), qPrintable(error));
            m_reportDumps[format] = dump;
        }
    }

    void readsBack_data()
    {
        QTest::addColumn<QString>("format");
        QTest::newRow("xls") << u"xls"_s;
        QTest::newRow("xlsx") << u"xlsx"_s;
    }

    void readsBack()
    {
        QFETCH(QString, format);
        const QJsonObject &dump = m_reportDumps.at(format);
        const Workbook book = reportBook();
        QCOMPARE(dump.value(u"sheets"_s).toArray().size(), qsizetype(book.sheets.size()));

        for (std::size_t s = 0; s < book.sheets.size(); ++s) {
            const Sheet &sheet = book.sheets[s];
            const QJsonObject read = sheetDump(dump, int(s));
            QCOMPARE(read.value(u"name"_s).toString(), sheet.name);

            const QJsonObject cells = read.value(u"cells"_s).toObject();
            const std::map<QString, Cell> expected = expectedCells(sheet);
            QCOMPARE(cells.size(), qsizetype(expected.size()));
            for (const auto &[ref, cell] : expected) {
                const QByteArray where = (sheet.name + u'!' + ref).toUtf8();
                QVERIFY2(cells.contains(ref), where.constData());
                const QJsonObject got = cells.value(ref).toObject();
                switch (cell.kind) {
                case Cell::Kind::Text:
                    QCOMPARE(got.value(u"type"_s).toString(), u"text"_s);
                    QCOMPARE(got.value(u"value"_s).toString(), cell.text);
                    break;
                case Cell::Kind::Number:
                    QCOMPARE(got.value(u"type"_s).toString(), u"number"_s);
                    QCOMPARE(got.value(u"value"_s).toDouble(), cell.number);
                    break;
                case Cell::Kind::Blank:
                    QVERIFY2(got.value(u"type"_s).toString() == u"blank"_s, where.constData());
                    break;
                case Cell::Kind::Formula: // read back by the formula test below
                    QFAIL("a section report holds no formula");
                }

                const CellStyle &wanted = cell.style;
                const QString line = wanted.border ? u"thin"_s : u"none"_s;
                QCOMPARE(got.value(u"borders"_s).toArray(), (QJsonArray{line, line, line, line}));
                QVERIFY2(got.value(u"bold"_s).toBool() == wanted.bold, where.constData());
                QCOMPARE(got.value(u"horizontal"_s).toString(), wanted.horizontalCentre ? u"center"_s : u"general"_s);
                QCOMPARE(got.value(u"vertical"_s).toString(), wanted.verticalCentre ? u"center"_s : u"bottom"_s);
                QVERIFY2(got.value(u"wrap"_s).toBool() == wanted.wrap, where.constData());
                QCOMPARE(got.value(u"format"_s).toString(),
                         wanted.numberFormat.isEmpty() ? u"General"_s : wanted.numberFormat);
                if (format == u"xls"_s) {
                    QCOMPARE(got.value(u"font"_s).toString(), u"Arial"_s);
                    QCOMPARE(got.value(u"size"_s).toDouble(), 10.0);
                    if (wanted.border) {
                        const QJsonValue automatic = 64;
                        QCOMPARE(got.value(u"border_colours"_s).toArray(),
                                 (QJsonArray{automatic, automatic, automatic, automatic}));
                    }
                }
            }

            QStringList merges;
            for (const CellRange &range : sheet.merges) {
                if (range.firstRow != range.lastRow || range.firstColumn != range.lastColumn)
                    merges.append(cellName(range.firstRow, range.firstColumn) + u':'
                                  + cellName(range.lastRow, range.lastColumn));
            }
            merges.sort();
            QStringList readMerges;
            for (const QJsonValue &range : read.value(u"merges"_s).toArray())
                readMerges.append(range.toString());
            QCOMPARE(readMerges, merges);

            // Both add 5/7 of a character as padding; .xls counts in 1/256 of
            // a character, .xlsx rounds to whole 7-pixel digits' pixels.
            const double tolerance = format == u"xls"_s ? 1.0 / 256 : 1.0 / 7;
            const QJsonObject widths = read.value(u"widths"_s).toObject();
            QCOMPARE(widths.size(), qsizetype(sheet.columnWidths.size()));
            for (const auto &[column, width] : sheet.columnWidths) {
                const QJsonObject got = widths.value(columnLetters(column)).toObject();
                const double raw = got.value(u"width"_s).toDouble();
                const double characters = (format == u"xls"_s ? raw / 256 : raw) - 5.0 / 7.0;
                QVERIFY2(std::abs(characters - width) <= tolerance,
                         qPrintable(u"column %1: %2 read as %3"_s.arg(column).arg(width).arg(characters)));
                QVERIFY(!got.value(u"hidden"_s).toBool());
            }

            const QJsonObject heights = read.value(u"heights"_s).toObject();
            for (auto it = heights.begin(); it != heights.end(); ++it) {
                const auto wanted = sheet.rowHeights.find(it.key().toInt());
                const QJsonObject got = it.value().toObject();
                QVERIFY2(got.value(u"custom"_s).toBool() == (wanted != sheet.rowHeights.end()),
                         qPrintable(u"row "_s + it.key()));
                if (wanted != sheet.rowHeights.end()) {
                    const double raw = got.value(u"height"_s).toDouble();
                    QCOMPARE(format == u"xls"_s ? raw / 20 : raw, wanted->second);
                }
            }
            for (const auto &[row, points] : sheet.rowHeights)
                QVERIFY2(heights.contains(QString::number(row)), qPrintable(u"row %1"_s.arg(row)));
        }
    }

    void xlsContainerAndRecords()
    {
        const QJsonObject &dump = m_reportDumps.at(u"xls"_s);
        const QByteArray bytes = BiffWriter::write(reportBook());
        QVERIFY(bytes.startsWith(QByteArray::fromHex("D0CF11E0A1B11AE1")));
        QVERIFY(dump.value(u"ole2_signature"_s).toBool());
        QCOMPARE(dump.value(u"streams"_s).toArray(), QJsonArray{u"Workbook"_s});
        const QJsonObject stream = dump.value(u"stream"_s).toObject();
        QCOMPARE(stream.value(u"problems"_s).toArray(), QJsonArray{});
        QCOMPARE(stream.value(u"sst_records"_s).toInt(), 1);
    }

    // Small books live in the compound file's mini stream.
    void smallBookReadsBack_data()
    {
        readsBack_data();
    }

    void smallBookReadsBack()
    {
        QFETCH(QString, format);
        Workbook book;
        book.sheets.push_back(oneCellSheet(u"A"_s));
        QJsonObject dump;
        QString error;
        QVERIFY2(roundTrip(format, book, u"small"_s, dump, error), qPrintable(error));
        const QJsonObject cells = sheetDump(dump, 0).value(u"cells"_s).toObject();
        QCOMPARE(cells.size(), 1);
        QCOMPARE(cells.value(u"A1"_s).toObject().value(u"value"_s).toString(), u"x"_s);
    }

    // Enough text to spill the shared strings over many CONTINUE records,
    // with one- and two-byte strings and surrogate pairs split at random
    // places, and strings longer than a whole record.
    void longSharedStringTable_data()
    {
        readsBack_data();
    }

    void longSharedStringTable()
    {
        QFETCH(QString, format);
        Sheet sheet;
        sheet.name = u"Strings"_s;
        QStringList strings;
        const QStringList stems{u"Allée n°"_s, u"Балка №"_s, u"Beam "_s, u"Ώ \U0001F3D7 "_s};
        for (int i = 0; i < 3000; ++i) {
            QString value = stems.at(i % stems.size()) + QString::number(i);
            value += QString((i * 37) % 190, i % 2 ? u'é' : u'ж');
            strings.append(value);
        }
        strings.append(QString(20000, u'ü') + u"end"_s);
        strings.append(QString(9000, u'Я') + u"\U0001F600"_s.repeated(3000));
        strings.append(QString());
        for (int i = 0; i < strings.size(); ++i)
            sheet.cells[{i + 1, 1 + i % 3}] = text(strings.at(i));
        Workbook book;
        book.sheets.push_back(sheet);

        QJsonObject dump;
        QString error;
        QVERIFY2(roundTrip(format, book, u"strings"_s, dump, error), qPrintable(error));
        const QJsonObject cells = sheetDump(dump, 0).value(u"cells"_s).toObject();
        QCOMPARE(cells.size(), strings.size() - 1); // the empty text stores nothing
        for (int i = 0; i < strings.size() - 1; ++i) {
            const QJsonObject got = cells.value(cellName(i + 1, 1 + i % 3)).toObject();
            QVERIFY2(got.value(u"value"_s).toString() == strings.at(i), qPrintable(u"string %1"_s.arg(i)));
        }
        if (format == u"xls"_s) {
            const QJsonObject stream = dump.value(u"stream"_s).toObject();
            QCOMPARE(stream.value(u"problems"_s).toArray(), QJsonArray{});
            QVERIFY(stream.value(u"continue_records"_s).toInt() > 10);
            QCOMPARE(stream.value(u"max_record_size"_s).toInt(), 8224);
        }
    }

    // Formulas are stored as formulas with their value beside them; text
    // that merely starts with "=" stays text; .xlsx keeps the filter range.
    void formulasKeepTheirValues_data()
    {
        readsBack_data();
    }
    void formulasKeepTheirValues()
    {
        QFETCH(QString, format);
        Sheet sheet;
        sheet.name = u"Sums"_s;
        const CellStyle money = style(Border, u"#,##0.00"_s);
        sheet.cells[{1, 1}] = text(u"Estimate"_s);
        sheet.cells[{1, 2}] = text(u"Actual"_s);
        sheet.cells[{1, 3}] = text(u"Variance"_s);
        sheet.cells[{2, 1}] = number(1000.5, money);
        sheet.cells[{2, 2}] = number(1250.25, money);
        sheet.cells[{2, 3}] = formula(u"B2-A2"_s, 249.75, money);
        sheet.cells[{3, 1}] = number(300, money);
        sheet.cells[{3, 3}] = text(u"=B3-A3"_s);
        sheet.cells[{4, 1}] = formula(u"SUM(A2:A3)"_s, 1300.5, money);
        sheet.cells[{4, 2}] = formula(u"SUM(B2,B3)+A2-A3"_s, 1950.75);
        sheet.cells[{4, 3}] = formula(u"sum(C2:C2)"_s, 249.75);
        sheet.cells[{5, 1}] = textFormula(u"A4"_s, u"shown as text"_s);
        sheet.cells[{5, 2}] = textFormula(u"B4"_s, QString());
        sheet.frozenRows = 1;
        sheet.autoFilter = CellRange{1, 1, 3, 3};
        Workbook book;
        book.sheets = {sheet};

        QJsonObject dump;
        QString error;
        QVERIFY2(roundTrip(format, book, u"formulas"_s, dump, error), qPrintable(error));
        const QJsonObject read = sheetDump(dump, 0);
        const QJsonObject cells = read.value(u"cells"_s).toObject();
        const QList<std::tuple<QString, QString, QVariant>> expected{
            {u"C2"_s, u"=B2-A2"_s, 249.75},
            {u"C3"_s, QString(), u"=B3-A3"_s},
            {u"A4"_s, u"=SUM(A2:A3)"_s, 1300.5},
            {u"B4"_s, u"=SUM(B2,B3)+A2-A3"_s, 1950.75},
            {u"C4"_s, u"=SUM(C2:C2)"_s, 249.75},
            {u"A5"_s, u"=A4"_s, u"shown as text"_s},
        };
        for (const auto &[ref, written, value] : expected) {
            const QJsonObject cell = cells.value(ref).toObject();
            QVERIFY2(cell.value(u"formula"_s).toString().compare(written, Qt::CaseInsensitive) == 0,
                     qPrintable(ref + u": "_s + cell.value(u"formula"_s).toString()));
            QVERIFY2(cell.value(u"value"_s).toVariant() == value, qPrintable(ref + u": "_s + cell.value(u"value"_s).toVariant().toString()));
            QCOMPARE(cell.value(u"type"_s).toString(), value.typeId() == QMetaType::Double ? u"number"_s : u"text"_s);
        }
        QCOMPARE(cells.value(u"C2"_s).toObject().value(u"format"_s).toString(), u"#,##0.00"_s);
        QCOMPARE(cells.value(u"B5"_s).toObject().value(u"formula"_s).toString(), u"=B4"_s);
        QCOMPARE(read.value(u"frozen_rows"_s).toInt(), 1);
        if (format == u"xlsx"_s)
            QCOMPARE(read.value(u"autofilter"_s).toString(), u"A1:C3"_s);
        else
            QCOMPARE(dump.value(u"stream"_s).toObject().value(u"problems"_s).toArray(), QJsonArray{});
    }

    void sheetNamesAreCleanedShortAndUnique_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("earlier");
        QTest::addColumn<QString>("expected");
        // The sections' captions name their sheets as they always have.
        QTest::newRow("French food caption, 34 units") << u"Divertissement et de la nourriture"_s << QStringList{}
                                                       << u"Divertissement et de la nourrit"_s;
        QTest::newRow("French expenses caption") << u"Les charges d exploitation"_s << QStringList{}
                                                 << u"Les charges d exploitation"_s;
        QTest::newRow("Russian accommodation caption") << u"Размещение и проживание"_s << QStringList{}
                                                       << u"Размещение и проживание"_s;
        QTest::newRow("English logistics caption") << u"Logistics and Transportation"_s << QStringList{}
                                                   << u"Logistics and Transportation"_s;
        QTest::newRow("forbidden characters") << u"Coûts: [A/B] *?\\"_s << QStringList{} << u"Coûts- -A-B- ---"_s;
        QTest::newRow("runs of spaces and a line break") << u"  Coûts \n\t 2024 "_s << QStringList{} << u"Coûts 2024"_s;
        QTest::newRow("apostrophes at the ends") << u"'Les charges d'exploitation'"_s << QStringList{}
                                                 << u"Les charges d'exploitation"_s;
        QTest::newRow("apostrophe left at the cut") << QString(30, u'a') + u"'bc"_s << QStringList{} << QString(30, u'a');
        QTest::newRow("character of two units at the cut") << QString(30, u'a') + u"\U0001F600"_s << QStringList{}
                                                           << QString(30, u'a');
        QTest::newRow("character of two units kept whole") << QString(29, u'a') + u"\U0001F600"_s << QStringList{}
                                                           << QString(29, u'a') + u"\U0001F600"_s;
        QTest::newRow("same name in another case") << u"summary"_s << QStringList{u"Summary"_s} << u"summary (2)"_s;
        QTest::newRow("same after shortening") << u"Divertissement et de la nourriture bis"_s
                                               << QStringList{u"Divertissement et de la nourrit"_s}
                                               << u"Divertissement et de la nou (2)"_s;
        QTest::newRow("third of a kind") << u"Publicité"_s << QStringList{u"Publicité"_s, u"PUBLICITÉ (2)"_s}
                                         << u"Publicité (3)"_s;
        QTest::newRow("nothing left") << u"''"_s << QStringList{} << u"-"_s;
        QTest::newRow("empty twice") << QString() << QStringList{u"-"_s} << u"- (2)"_s;
    }

    void sheetNamesAreCleanedShortAndUnique()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, earlier);
        QFETCH(QString, expected);
        const QString name = sheetNameOf(text, earlier);
        QCOMPARE(name, expected);
        QVERIFY(sheetNameProblem(name, earlier).isEmpty());
    }

    void rejectsWhatTheFormatCannotHold_data()
    {
        QTest::addColumn<Workbook>("book");
        QTest::addColumn<bool>("xlsRejects");
        QTest::addColumn<bool>("xlsxRejects");
        QTest::addColumn<QString>("message");

        const auto oneSheet = [](const QString &name) {
            Workbook book;
            book.sheets.push_back(oneCellSheet(name));
            return book;
        };
        QTest::newRow("no sheet") << Workbook{} << true << true << u"at least one sheet"_s;
        QTest::newRow("empty name") << oneSheet({}) << true << true << u"1 to 31"_s;
        QTest::newRow("32 units") << oneSheet(QString(32, u'a')) << true << true << u"1 to 31"_s;
        QTest::newRow("31 units") << oneSheet(QString(31, u'Ж')) << false << false << QString();
        for (const QChar c : u":\\/?*[]"_s) {
            QTest::addRow("name with %c", char(c.unicode()))
                << oneSheet(u"Cost "_s + c + u" 2024"_s) << true << true << u"must not contain"_s;
        }
        QTest::newRow("leading apostrophe") << oneSheet(u"'Cost"_s) << true << true << u"apostrophe"_s;

        Workbook twice = oneSheet(u"Data"_s);
        twice.sheets.push_back(oneCellSheet(u"DATA"_s));
        QTest::newRow("same name twice") << twice << true << true << u"used twice"_s;

        Workbook tall = oneSheet(u"Tall"_s);
        tall.sheets[0].cells[{65537, 1}] = number(1);
        QTest::newRow("row 65537") << tall << true << false << u"outside"_s;
        Workbook wide = oneSheet(u"Wide"_s);
        wide.sheets[0].cells[{1, 257}] = number(1);
        QTest::newRow("column 257") << wide << true << false << u"outside"_s;

        Workbook notANumber = oneSheet(u"NaN"_s);
        notANumber.sheets[0].cells[{2, 1}] = number(std::numeric_limits<double>::quiet_NaN());
        QTest::newRow("NaN") << notANumber << true << true << u"cannot be stored"_s;

        Workbook overlapping = oneSheet(u"Merges"_s);
        overlapping.sheets[0].merges = {{1, 1, 2, 3}, {2, 3, 4, 4}};
        QTest::newRow("overlapping merges") << overlapping << true << true << u"overlaps"_s;

        Workbook longText = oneSheet(u"Long"_s);
        longText.sheets[0].cells[{1, 1}] = text(QString(32768, u'a'));
        QTest::newRow("text of 32768 units") << longText << true << true << u"longer than"_s;

        const auto withFormula = [&](const QString &written) {
            Workbook book = oneSheet(u"Formula"_s);
            book.sheets[0].cells[{2, 1}] = formula(written, 0);
            return book;
        };
        QTest::newRow("a product") << withFormula(u"A1*B1"_s) << true << true << u"where + or - was expected"_s;
        QTest::newRow("SUM left open") << withFormula(u"SUM(A1:A3"_s) << true << true << u"not closed"_s;
        QTest::newRow("a function of its own") << withFormula(u"AVERAGE(A1:A3)"_s) << true << true << u"not a cell"_s;
        QTest::newRow("nothing") << withFormula(QString()) << true << true << u"not a cell"_s;
        QTest::newRow("a range backwards") << withFormula(u"SUM(A3:A1)"_s) << true << true << u"backwards"_s;
        QTest::newRow("a row past .xls") << withFormula(u"SUM(A1:A65537)"_s) << true << false << u"outside"_s;
        QTest::newRow("a column past .xlsx") << withFormula(u"XFE1-A1"_s) << true << true << u"outside"_s;
        Workbook sums = withFormula(u"SUM(A1,A2,A3,A4,A5,A6,A7,A8,A9,A10,A11,A12,A13,A14,A15,A16,A17,A18,A19,A20,"
                                    u"A21,A22,A23,A24,A25,A26,A27,A28,A29,A30,A31)"_s);
        QTest::newRow("SUM of 31") << sums << true << true << u"more than 30"_s;
        Workbook infinite = withFormula(u"A1"_s);
        infinite.sheets[0].cells[{2, 1}].number = std::numeric_limits<double>::infinity();
        QTest::newRow("an infinite value") << infinite << true << true << u"cannot be stored"_s;

        Workbook reversed = oneSheet(u"Filter"_s);
        reversed.sheets[0].autoFilter = CellRange{3, 1, 1, 2};
        QTest::newRow("filter range reversed") << reversed << true << true << u"reversed"_s;
        Workbook tallFilter = oneSheet(u"Filter"_s);
        tallFilter.sheets[0].autoFilter = CellRange{1, 1, 70000, 2};
        QTest::newRow("filter past .xls") << tallFilter << true << false << u"outside"_s;
    }

    void rejectsWhatTheFormatCannotHold()
    {
        QFETCH(Workbook, book);
        QFETCH(bool, xlsRejects);
        QFETCH(bool, xlsxRejects);
        QFETCH(QString, message);
        for (const auto &[format, rejects] : {std::pair{u"xls"_s, xlsRejects}, std::pair{u"xlsx"_s, xlsxRejects}}) {
            try {
                const QByteArray bytes = write(format, book);
                QVERIFY2(!rejects, qPrintable(format + u" accepted the book"_s));
                QVERIFY(!bytes.isEmpty());
            } catch (const std::runtime_error &e) {
                const QString what = QString::fromUtf8(e.what());
                QVERIFY2(rejects, qPrintable(format + u" rejected the book: "_s + what));
                QVERIFY2(what.contains(message), qPrintable(format + u": "_s + what));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestWorkbookWriters)
#include "test_workbookwriters.moc"
