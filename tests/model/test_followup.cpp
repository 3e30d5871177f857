// Following the budget from estimate to invoice, on the model alone: the
// lines and their figures, the file that keeps them, the table over them.

#include "base/decimalformat.h"
#include "model/budgetfile.h"
#include "model/budgetsummary.h"
#include "model/followupbook.h"
#include "model/followupmodel.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>

using namespace torvane;
using namespace torvane::model;
using namespace Qt::StringLiterals;
using base::Language;

namespace {

// Logistics: row 1 flies 2 adults to Almaty (50 000), row 2 one adult
// (25 000), row 3 has no entry but an invoice's supplier; an own line of the
// section, and one among the other costs.
struct Story {
    Budget budget;
    int logistics = budget.indexOf(u"Form_logistic"_s);

    Story()
    {
        const SectionGrid &grid = budget.entries(logistics).grid();
        for (int row : {1, 2}) {
            budget.setPosition(logistics, grid.indexOf(1, row, 1), 0);
            budget.setPosition(logistics, grid.indexOf(1, row, 2), 0);
        }
        budget.setText(logistics, grid.indexOf(1, 1, 3), u"2"_s);
        budget.setText(logistics, grid.indexOf(1, 2, 3), u"1"_s);
        budget.setFollowUp(logistics, 1, 1, {u"52 000"_s, u"20000"_s, u"Air Astana"_s, QDate(2017, 5, 2), u"two seats"_s});
        budget.setFollowUp(logistics, 1, 3, {{}, {}, u"Kazakh Rail"_s, {}, {}});
        budget.addOwnLine({logistics, u"Staff travel from home"_s, u"300 000,50"_s, {u"0"_s, {}, {}, {}, {}}});
        budget.addOwnLine({-1, u"Insurance"_s, {}, {u"150000"_s, u"150000"_s, {}, {}, {}}});
    }
};

QByteArray json(const QJsonObject &object)
{
    return QJsonDocument(object).toJson();
}

} // namespace

class TestFollowUp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { base::DecimalFormat::setRegionalForTesting(QLocale::c()); }

    void linesAndTheirFigures()
    {
        Story story;
        const FollowUpBook book = followUpBook(story.budget, Language::French);
        QCOMPARE(book.lines.size(), std::size_t(5));
        QCOMPARE(book.groups.size(), std::size_t(2));
        // Row 1: 50 000 estimated, 52 000 quoted, 20 000 paid.
        const FollowUpLine &flight = book.lines[0];
        QCOMPARE(flight.estimate, std::optional<qint64>(5000000));
        QCOMPARE(flight.actual, std::optional<qint64>(5200000));
        QCOMPARE(flight.variance(), std::optional<qint64>(200000));
        QCOMPARE(flight.toPay(), std::optional<qint64>(3200000));
        QVERIFY(flight.overEstimate() && !flight.fullyPaid());
        // Row 2: nothing known beyond the estimate.
        QCOMPARE(book.lines[1].estimate, std::optional<qint64>(2500000));
        QVERIFY(!book.lines[1].actual && !book.lines[1].variance() && !book.lines[1].toPay());
        // Row 3: emptied, kept for its supplier, estimated at nothing.
        QVERIFY(book.lines[2].cleared);
        QCOMPARE(book.lines[2].estimate, std::optional<qint64>(0));
        // The own line: 300 000,50 estimated, an actual of 0, which is known.
        QCOMPARE(book.lines[3].estimate, std::optional<qint64>(30000050));
        QCOMPARE(book.lines[3].variance(), std::optional<qint64>(-30000050));
        QVERIFY(book.lines[3].fullyPaid());
        // Logistics: 375 000,50 estimated, 52 000 actual, 20 000 paid.
        const FollowUpTotals &section = book.groups[0].totals;
        QCOMPARE(book.groups[0].section, story.logistics);
        QCOMPARE(section.estimate, qint64(37500050));
        QCOMPARE(section.actual, qint64(5200000));
        QCOMPARE(section.paid, qint64(2000000));
        QCOMPARE(section.variance, qint64(200000 - 30000050));
        QCOMPARE(section.toPay, qint64(3200000));
        // Other costs: an insurance with no estimate, all paid.
        QCOMPARE(book.groups[1].section, -1);
        QVERIFY(!book.lines[4].estimate && !book.lines[4].variance());
        QCOMPARE(book.total.estimate, qint64(37500050));
        QCOMPARE(book.total.actual, qint64(20200000));
        QCOMPARE(book.total.paid, qint64(17000000));
        QCOMPARE(book.total.toPay, qint64(3200000));
        QVERIFY(!book.total.overflow && !book.total.estimateWaits);
    }

    void ownLinesAddToTheEstimateAndTheContingency()
    {
        Story story;
        BudgetSettings settings;
        settings.contingencyTenths = 100;
        story.budget.setSettings(settings);
        const BudgetSummary summary = summarize(story.budget, Language::French);
        QCOMPARE(summary.sectionsTotal, qint64(75000));
        QCOMPARE(summary.ownLinesTiyn, qint64(30000050));
        QCOMPARE(summary.estimateTiyn, qint64(37500050));
        QCOMPARE(summary.contingency, qint64(37500)); // 10 % of 375 000,50, to the tenge
        QCOMPARE(summary.grandTotalTiyn, qint64(41250050));
        QCOMPARE(summary.followUp.actual, qint64(20200000));
    }

    void figuresWaitOrOverflowRatherThanLie()
    {
        Story story;
        // A quantity that is not one: the section has no estimate to show.
        const SectionGrid &grid = story.budget.entries(story.logistics).grid();
        story.budget.setText(story.logistics, grid.indexOf(1, 2, 4), u"abc"_s);
        FollowUpBook book = followUpBook(story.budget, Language::English);
        QVERIFY(book.lines[0].estimateWaits && !book.lines[0].estimate);
        QVERIFY(book.groups[0].totals.estimateWaits && book.total.estimateWaits);
        QVERIFY(!book.lines[0].variance());
        // A hundred lines of 10^15 tenge pass what 64 bits hold.
        Budget large;
        for (int i = 0; i < 100; ++i)
            large.addOwnLine({-1, u"Pavilion"_s, u"1000000000000000"_s, {}});
        book = followUpBook(large, Language::English);
        QVERIFY(book.total.overflow);
        FollowUpModel model(large);
        QCOMPARE(model.index(model.rowCount() - 1, FollowUpModel::EstimateColumn).data().toString(), u"too large"_s);
    }

    void theTableShowsLinesSubtotalsAndTheTotal()
    {
        Story story;
        FollowUpModel model(story.budget);
        model.setLanguage(Language::French);
        // Five lines, two subtotals, the total.
        QCOMPARE(model.rowCount(), 8);
        const auto text = [&](int row, int column) { return model.index(row, column).data().toString(); };
        QCOMPARE(text(0, FollowUpModel::SectionColumn), u"Logistique et transport"_s);
        QCOMPARE(text(0, FollowUpModel::ItemColumn), u"Vols onglet"_s);
        QCOMPARE(text(0, FollowUpModel::ChoicesColumn),
                 u"Point de départ: Astana · Destination: Almaty · Nombre d adultes: 2"_s);
        QCOMPARE(text(0, FollowUpModel::EstimateColumn), u"50\u202F000"_s);
        QCOMPARE(text(0, FollowUpModel::VarianceColumn), u"2\u202F000"_s);
        QVERIFY(model.index(0, FollowUpModel::VarianceColumn).data(FollowUpModel::OverEstimateRole).toBool());
        QCOMPARE(text(0, FollowUpModel::DueColumn), u"02/05/2017"_s);
        QVERIFY(model.index(2, 0).data(FollowUpModel::ClearedRole).toBool());
        QCOMPARE(text(3, FollowUpModel::EstimateColumn), u"300\u202F000,50"_s);
        QCOMPARE(model.kindOf(4), FollowUpModel::RowKind::Subtotal);
        QCOMPARE(text(4, FollowUpModel::EstimateColumn), u"375\u202F000,50"_s);
        QCOMPARE(text(6, FollowUpModel::SectionColumn), u"Autres frais"_s);
        QCOMPARE(model.kindOf(7), FollowUpModel::RowKind::Total);
        QCOMPARE(text(7, FollowUpModel::ActualColumn), u"202\u202F000"_s);
        // Only what arrives is edited on a catalogue row; an own line is all the user's.
        QVERIFY(!(model.flags(model.index(0, FollowUpModel::EstimateColumn)) & Qt::ItemIsEditable));
        QVERIFY(model.flags(model.index(0, FollowUpModel::ActualColumn)) & Qt::ItemIsEditable);
        QVERIFY(model.flags(model.index(3, FollowUpModel::EstimateColumn)) & Qt::ItemIsEditable);
        QVERIFY(!(model.flags(model.index(4, FollowUpModel::ActualColumn)) & Qt::ItemIsEditable));
    }

    void editsAreCheckedThenReachTheBudget_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("taken");
        QTest::newRow("an invoice, French grouping") << 1 << int(FollowUpModel::ActualColumn) << u"24 999,90"_s << true;
        QTest::newRow("a payment cleared") << 0 << int(FollowUpModel::PaidColumn) << u""_s << true;
        QTest::newRow("letters") << 1 << int(FollowUpModel::ActualColumn) << u"beaucoup"_s << false;
        QTest::newRow("a minus sign") << 0 << int(FollowUpModel::PaidColumn) << u"-5"_s << false;
        QTest::newRow("three decimals") << 0 << int(FollowUpModel::ActualColumn) << u"1,234"_s << false;
        QTest::newRow("an own line's estimate") << 3 << int(FollowUpModel::EstimateColumn) << u"12"_s << true;
        QTest::newRow("a supplier too long") << 0 << int(FollowUpModel::SupplierColumn) << QString(201, u'x') << false;
        QTest::newRow("a note starting with =") << 0 << int(FollowUpModel::NoteColumn) << u"=SUM(A1:A9)"_s << true;
    }
    void editsAreCheckedThenReachTheBudget()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(bool, taken);
        Story story;
        FollowUpModel model(story.budget);
        model.setLanguage(Language::French);
        const Budget::Content before = story.budget.content();
        QSignalSpy refused(&model, &FollowUpModel::refused);
        const QModelIndex cell = model.index(row, column);
        QCOMPARE(model.setData(cell, typed), taken);
        QCOMPARE(refused.size(), taken ? 0 : 1);
        if (taken) {
            QCOMPARE(model.index(row, column).data(Qt::EditRole).toString(), typed);
        } else {
            // Nothing changed: the cell keeps its last good value.
            QVERIFY(story.budget.content().followUps == before.followUps);
            QVERIFY(story.budget.content().ownLines == before.ownLines);
            QVERIFY(!refused.first().at(2).toString().isEmpty());
        }
    }

    void aFileKeepsTheFollowUpAndReadsTheOldOneAsBefore()
    {
        Story story;
        const budgetfile::ReadResult read
            = budgetfile::read(budgetfile::write(story.budget, Language::French), allCatalogues());
        QVERIFY(read.ok());
        QCOMPARE(read.skipped, QStringList());
        QVERIFY(read.content.followUps == story.budget.content().followUps);
        QVERIFY(read.content.ownLines == story.budget.content().ownLines);
        const QJsonObject root = QJsonDocument::fromJson(budgetfile::write(story.budget, Language::French)).object();
        QCOMPARE(root.value(u"version"_s).toInt(), 2);
        const QJsonObject row = root.value(u"sections"_s)[u"Form_logistic"_s][u"rows"_s][u"1.1"_s].toObject();
        QCOMPARE(row, (QJsonObject{{u"actual"_s, u"52 000"_s}, {u"paid"_s, u"20000"_s}, {u"supplier"_s, u"Air Astana"_s},
                                    {u"due"_s, u"2017-05-02"_s}, {u"note"_s, u"two seats"_s}}));
        QCOMPARE(root.value(u"lines"_s).toArray().at(1).toObject(),
                 (QJsonObject{{u"section"_s, u""_s}, {u"item"_s, u"Insurance"_s}, {u"actual"_s, u"150000"_s},
                              {u"paid"_s, u"150000"_s}}));

        // A file of the first version: entries as before, no follow-up.
        const QByteArray first = R"({"format": "torvane-budget", "version": 1, "language": 2,
            "sections": {"Form_logistic": {"cells": {"ComboBox111": 0, "ComboBox112": 0, "Edit113": "2"}}}})";
        const budgetfile::ReadResult old = budgetfile::read(first, allCatalogues());
        QVERIFY(old.ok() && old.skipped.isEmpty());
        QCOMPARE(old.content.sections[0].text(1, 1, 3), u"2"_s);
        QVERIFY(old.content.ownLines.empty());
    }

    void badRecordsAreSkippedAndNamed()
    {
        const QJsonObject rows{
            {u"1.1"_s, QJsonObject{{u"actual"_s, u"abc"_s}, {u"supplier"_s, u"Air Astana"_s}}},
            {u"9.9"_s, QJsonObject{{u"note"_s, u"no such row"_s}}},
            {u"1.2"_s, QJsonObject{{u"due"_s, u"2017-02-30"_s}, {u"colour"_s, u"red"_s}}},
        };
        const QJsonArray lines{
            QJsonObject{{u"section"_s, u"Form_garden"_s}, {u"item"_s, u"Seeds"_s}, {u"estimate"_s, u"-5"_s}},
            u"not a line"_s,
        };
        const QJsonObject root{{u"format"_s, u"torvane-budget"_s}, {u"version"_s, 2},
                               {u"sections"_s, QJsonObject{{u"Form_logistic"_s, QJsonObject{{u"rows"_s, rows}}}}},
                               {u"lines"_s, lines}};
        const budgetfile::ReadResult read = budgetfile::read(json(root), allCatalogues());
        QVERIFY(read.ok());
        QCOMPARE(read.skipped, (QStringList{u"Form_logistic/rows/1.1/actual"_s, u"Form_logistic/rows/1.2/due"_s,
                                            u"Form_logistic/rows/1.2/colour"_s, u"Form_logistic/rows/9.9"_s,
                                            u"lines/1/section"_s, u"lines/1/estimate"_s, u"lines/2"_s}));
        // What could be taken was.
        QCOMPARE(read.content.followUps[0].at({1, 1}).supplier, u"Air Astana"_s);
        QCOMPARE(read.content.ownLines.size(), std::size_t(1));
        QCOMPARE(read.content.ownLines[0].section, -1);
    }

    void clearingASectionKeepsItsFollowUpUnlessAsked()
    {
        Story story;
        story.budget.clearSection(story.logistics);
        FollowUpBook book = followUpBook(story.budget, Language::English);
        // Rows 1 and 3 keep their follow-up, emptied; row 2 had none and is gone.
        QCOMPARE(book.groups[0].lineCount, 3);
        QVERIFY(book.lines[0].cleared && book.lines[0].actual);
        story.budget.clearSection(story.logistics, true);
        book = followUpBook(story.budget, Language::English);
        QCOMPARE(book.groups[0].lineCount, 1); // the own line is the user's, not the section's
        QVERIFY(!story.budget.hasFollowUp(story.logistics));
    }
};

QTEST_APPLESS_MAIN(TestFollowUp)
#include "test_followup.moc"
