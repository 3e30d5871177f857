// Facts every one of the eight section catalogues must hold: names the
// screens and the report find controls by, texts in all three languages,
// well-formed groups, and a reference price list that the pricing rules
// really apply.

#include "modelsupport.h"

#include "model/gridname.h"
#include "model/sectionlist.h"

#include <QSet>

#include <cmath>

using namespace torvane;
using namespace torvane::model;
using namespace Qt::StringLiterals;

namespace {

const SectionCatalogue &catalogueAt(int index)
{
    return *allCatalogues().at(index);
}

// One row per section, in start-up order.
void addSectionRows()
{
    QTest::addColumn<int>("index");
    const QList<const SectionCatalogue *> catalogues = allCatalogues();
    for (int i = 0; i < catalogues.size(); ++i)
        QTest::newRow(QString::fromUtf16(catalogues[i]->screenName).toUtf8().constData()) << i;
}

QString where(int tab, const GroupSpec &group)
{
    return u"tab %1 group %2"_s.arg(tab).arg(group.number);
}

// Every option list a choice column offers on any row of its group.
QList<OptionList> optionListsOf(const GroupSpec &group, const ColumnSpec &column)
{
    QList<OptionList> lists;
    if (column.optionsOfRow) {
        for (int r = group.firstRow; r <= group.lastRow; ++r)
            lists.append(column.optionsOfRow(r));
    } else {
        lists.append(column.options);
    }
    return lists;
}

// Every whole amount a group's rule gives for one row, over every option of
// each choice and a quantity of 0 or 1 in each quantity column.
void collectAmounts(const GroupSpec &group, int row, QSet<qint64> &amounts)
{
    QList<int> choices, quantities;
    for (int c = 1; c <= group.columnCount(); ++c) {
        const ColumnSpec &column = group.columns[c - 1];
        if (column.role == ColumnRole::Choice)
            choices.append(c);
        else if (column.role == ColumnRole::Quantity)
            quantities.append(c);
    }
    RowInput in;
    in.row = row;
    const auto walkQuantities = [&](auto &&self, int k) -> void {
        if (k == int(quantities.size())) {
            const Amount amount = group.rule(in);
            // Decimal rows (square feet) are compared in whole tenge.
            amounts.insert(amount.isDecimal ? qRound64(amount.decimal) : amount.money.value());
            return;
        }
        for (int q : {0, 1}) {
            in.quantities[quantities[k]] = q;
            self(self, k + 1);
        }
    };
    const auto walkChoices = [&](auto &&self, int k) -> void {
        if (k == int(choices.size())) {
            walkQuantities(walkQuantities, 0);
            return;
        }
        const int count = optionCount(group.columns[choices[k] - 1], row);
        for (int p = 0; p < count; ++p) {
            in.positions[choices[k]] = p;
            self(self, k + 1);
        }
    };
    walkChoices(walkChoices, 0);
}

} // namespace

class TestCatalogues : public QObject
{
    Q_OBJECT

private slots:
    void screenTabsAndTotalsPanel_data();
    void screenTabsAndTotalsPanel();
    void controlNamesAreUnique_data() { addSectionRows(); }
    void controlNamesAreUnique();
    void groupsAreWellFormed_data() { addSectionRows(); }
    void groupsAreWellFormed();
    void everyTextInEveryLanguage_data() { addSectionRows(); }
    void everyTextInEveryLanguage();
    void priceListFollowsThePricingRules_data() { addSectionRows(); }
    void priceListFollowsThePricingRules();
};

void TestCatalogues::screenTabsAndTotalsPanel_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<int>("tabs");
    QTest::addColumn<QString>("panel");
    // Food keeps the panel name of a five-tab screen although it has three.
    QTest::newRow("logistics") << 0 << u"Form_logistic"_s << 5 << u"ScrollBox6"_s;
    QTest::newRow("accommodation") << 1 << u"Form_living"_s << 5 << u"ScrollBox6"_s;
    QTest::newRow("food") << 2 << u"Form_food"_s << 3 << u"ScrollBox5"_s;
    QTest::newRow("construction") << 3 << u"Form_construct"_s << 9 << u"ScrollBox10"_s;
    QTest::newRow("services") << 4 << u"Form_service"_s << 8 << u"ScrollBox9"_s;
    QTest::newRow("expenses") << 5 << u"Form_expenses"_s << 4 << u"ScrollBox5"_s;
    QTest::newRow("advertising") << 6 << u"Form_reclame"_s << 4 << u"ScrollBox5"_s;
    QTest::newRow("events") << 7 << u"Form_event"_s << 4 << u"ScrollBox5"_s;
}

void TestCatalogues::screenTabsAndTotalsPanel()
{
    QFETCH(int, index);
    QFETCH(QString, screen);
    QFETCH(int, tabs);
    QFETCH(QString, panel);

    QCOMPARE(allCatalogues().size(), 8);
    const SectionCatalogue &catalogue = catalogueAt(index);
    const QString name = QString::fromUtf16(catalogue.screenName);
    QCOMPARE(name, screen);
    QVERIFY(name.startsWith(u"Form_"_s));
    int same = 0;
    for (const SectionCatalogue *other : allCatalogues())
        same += QString::fromUtf16(other->screenName) == name;
    QCOMPARE(same, 1);

    QCOMPARE(catalogue.tabCount(), tabs);
    QCOMPARE(QString::fromUtf16(catalogue.totalsPanel), panel);
    // The grid's digits read back one way only with at most nine tabs.
    QVERIFY(catalogue.tabCount() <= 9);
    if (!catalogue.buttonRows.empty()) {
        int buttons = 0;
        for (int n : catalogue.buttonRows)
            buttons += n;
        QCOMPARE(buttons, catalogue.tabCount());
    }
    QVERIFY(catalogue.priceList);
}

void TestCatalogues::controlNamesAreUnique()
{
    QFETCH(int, index);
    const SectionCatalogue &catalogue = catalogueAt(index);

    QStringList names{ControlName::total(), ControlName::totalCaption(), ControlName::saveButton(),
                      QString::fromUtf16(catalogue.totalsPanel)};
    QSet<qint32> numbers;
    int cells = 0;
    for (int t = 1; t <= catalogue.tabCount(); ++t) {
        names << ControlName::tabButton(t) << ControlName::tabBox(t) << ControlName::subtotal(t);
        for (const GroupSpec &group : catalogue.tabs[t - 1].groups) {
            names << ControlName::groupHeader(t, group.number);
            for (const ColumnHeader &header : group.columnHeaders)
                names << ControlName::columnHeader(t, header.label);
            for (int r = group.firstRow; r <= group.lastRow; ++r)
                for (int c = 1; c <= group.columnCount(); ++c) {
                    names << GridName::of(group.columns[c - 1].kind(), t, r, c);
                    numbers.insert(GridName::number(t, r, c));
                    ++cells;
                }
        }
    }
    QStringList repeated;
    QSet<QString> seen;
    for (const QString &name : std::as_const(names))
        if (seen.contains(name))
            repeated << name;
        else
            seen.insert(name);
    QVERIFY2(repeated.isEmpty(), qPrintable(repeated.join(u", "_s)));
    // Whatever the kind of a cell, its number names it alone.
    QCOMPARE(numbers.size(), cells);
}

void TestCatalogues::groupsAreWellFormed()
{
    QFETCH(int, index);
    const SectionCatalogue &catalogue = catalogueAt(index);

    for (int t = 1; t <= catalogue.tabCount(); ++t) {
        int lastRow = 0;
        for (const GroupSpec &group : catalogue.tabs[t - 1].groups) {
            const QString at = where(t, group);
            // Groups follow each other down the tab without sharing a row.
            QVERIFY2(group.firstRow == lastRow + 1, qPrintable(at));
            QVERIFY2(group.lastRow >= group.firstRow, qPrintable(at));
            lastRow = group.lastRow;
            QVERIFY2(group.rule, qPrintable(at));
            QVERIFY2(group.columnCount() >= 1 && group.columnCount() <= 5, qPrintable(at));

            QVERIFY2(group.sumColumn >= 1 && group.sumColumn <= group.columnCount(), qPrintable(at));
            QVERIFY2(group.columns[group.sumColumn - 1].role == ColumnRole::Sum, qPrintable(at));
            int sums = 0;
            for (const ColumnSpec &column : group.columns) {
                sums += column.role == ColumnRole::Sum;
                if (column.role == ColumnRole::Choice)
                    QVERIFY2(bool(column.optionsOfRow) != !column.options.empty(), qPrintable(at));
                if (column.role == ColumnRole::Name)
                    QVERIFY2(column.nameOfRow, qPrintable(at));
            }
            QVERIFY2(sums == 1, qPrintable(at));

            // One header a column. No catalogue differs: where label numbers
            // skip (food, advertising, services) a group still has one per column.
            QVERIFY2(int(group.columnHeaders.size()) == group.columnCount(), qPrintable(at));
        }
    }
}

void TestCatalogues::everyTextInEveryLanguage()
{
    QFETCH(int, index);
    const SectionCatalogue &catalogue = catalogueAt(index);

    const auto check = [](const LocalizedText &text, const QString &what) {
        for (const base::Language language : base::kLanguages)
            if (text.in(language).isEmpty())
                return u"%1 is empty in language %2"_s.arg(what).arg(base::codeOf(language));
        return QString();
    };
    QStringList faults;
    const auto note = [&faults](const QString &fault) {
        if (!fault.isEmpty())
            faults << fault;
    };
    note(check(catalogue.caption, u"caption"_s));
    for (int t = 1; t <= catalogue.tabCount(); ++t) {
        const TabSpec &tab = catalogue.tabs[t - 1];
        note(check(tab.title, u"title of tab %1"_s.arg(t)));
        for (const GroupSpec &group : tab.groups) {
            const QString at = where(t, group);
            note(check(group.header, at + u" header"_s));
            for (const ColumnHeader &header : group.columnHeaders)
                note(check(header.text, at + u" Label%1%2"_s.arg(t).arg(header.label)));
            for (int c = 1; c <= group.columnCount(); ++c) {
                const ColumnSpec &column = group.columns[c - 1];
                if (column.role == ColumnRole::Choice) {
                    for (const OptionList &options : optionListsOf(group, column)) {
                        if (options.empty())
                            faults << at + u" column %1 offers no option"_s.arg(c);
                        for (std::size_t o = 0; o < options.size(); ++o)
                            note(check(options[o], at + u" column %1 option %2"_s.arg(c).arg(o)));
                    }
                } else if (column.role == ColumnRole::Name) {
                    for (int r = group.firstRow; r <= group.lastRow; ++r)
                        note(check(column.nameOfRow(r), at + u" name of row %1"_s.arg(r)));
                }
            }
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void TestCatalogues::priceListFollowsThePricingRules()
{
    QFETCH(int, index);
    const SectionCatalogue &catalogue = catalogueAt(index);

    // The amounts of every group, by its English header; headers repeat
    // across tabs, so a line may be met by any group of that name.
    QHash<QString, QSet<qint64>> amountsByHeader;
    for (const TabSpec &tab : catalogue.tabs)
        for (const GroupSpec &group : tab.groups) {
            QSet<qint64> &amounts = amountsByHeader[group.header.in(base::Language::English)];
            for (int r = group.firstRow; r <= group.lastRow; ++r)
                collectAmounts(group, r, amounts);
        }

    const QList<PriceLine> lines = catalogue.priceList();
    QVERIFY(!lines.isEmpty());
    QStringList unmatched;
    for (const PriceLine &line : lines) {
        const QString what = u"%1 / %2 / %3: %4"_s.arg(line.group.in(base::Language::English), line.item.in(base::Language::English), line.detail.in(base::Language::English)).arg(line.price);
        const auto found = amountsByHeader.constFind(line.group.in(base::Language::English));
        if (found == amountsByHeader.cend()) {
            unmatched << what + u" (no group has this header)"_s;
            continue;
        }
        // The price itself, or a marginal one: what one more unit of a
        // second quantity, or a second option, adds to a row.
        bool priced = found->contains(line.price);
        for (auto it = found->cbegin(); !priced && it != found->cend(); ++it)
            priced = found->contains(*it - line.price);
        if (!priced)
            unmatched << what;
    }
    QVERIFY2(unmatched.isEmpty(), qPrintable(unmatched.join(u'\n')));
}

QTEST_APPLESS_MAIN(TestCatalogues)
#include "test_catalogues.moc"
