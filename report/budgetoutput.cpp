#include "report/budgetoutput.h"

#include "model/budgetsummary.h"
#include "model/followupmodel.h"
#include "model/rowtext.h"
#include "model/passmessages.h"
#include "model/sectionlist.h"
#include "report/budgetpdf.h"
#include "report/budgetworkbook.h"
#include "report/outputformat.h"
#include "report/sectionsource.h"

#include <limits>
#include <map>

namespace torvane::report {

using namespace model;

namespace {

// A section's report source that owns what it reads.
class OwnedSectionSource : public ReportSource
{
public:
    OwnedSectionSource(SectionEntries entries, SectionFigures figures, base::Language language)
        : m_entries(std::move(entries))
        , m_figures(std::move(figures))
        , m_source(m_entries, m_figures, language)
    {
    }
    QString caption() const override { return m_source.caption(); }
    QString controlText(const QString &name) const override { return m_source.controlText(name); }
    QString cellText(int tab, int row, int column) const override { return m_source.cellText(tab, row, column); }

private:
    SectionEntries m_entries;
    SectionFigures m_figures;
    SectionSource m_source;
};

BudgetSectionData sectionData(const Budget &budget, int index, const BudgetSummary &summary, base::Language language)
{
    const SectionCatalogue &catalogue = budget.catalogue(index);
    BudgetSectionData data;
    data.caption = catalogue.caption.in(language);
    data.empty = summary.sections[std::size_t(index)].empty;
    data.total = summary.sections[std::size_t(index)].tenge;
    data.plan = reportPlanOf(catalogue);
    const auto *figures = std::get_if<SectionFigures>(&budget.figures(index));
    if (!figures)
        return data;
    data.totalText = figures->total;
    auto source = std::make_shared<OwnedSectionSource>(budget.entries(index), *figures, language);
    data.source = source;

    QHash<qint64, QString> sums;
    for (const RowFigure &row : figures->rows)
        sums.insert(qint64(row.cell.tab) * 1000 + row.cell.row, row.text);
    const SectionGrid &grid = budget.entries(index).grid();
    for (int t = 1; t <= catalogue.tabCount(); ++t) {
        const QString subtotal = figures->subtotals.value(t - 1);
        if (subtotal == u"0")
            continue;
        BudgetTabData tab;
        tab.title = catalogue.tabs[t - 1].title.in(language).trimmed();
        tab.subtotal = subtotal;
        for (const GridRow &row : grid.rows()) {
            if (row.tab != t)
                continue;
            const QString sum = sums.value(qint64(t) * 1000 + row.row);
            if (sum.isEmpty() || sum == u"0")
                continue;
            BudgetRowData line;
            line.tab = tab.title;
            line.item = rowItem(row, catalogue, language);
            line.choices = rowChoices(budget.entries(index), row, language);
            line.sum = sum;
            tab.rows.append(line);
        }
        data.tabs.append(tab);
    }
    return data;
}

// What a group of lines comes to, as the table shows it: nothing where
// nothing is known, and nothing at all past what 64 bits hold.
FollowUpFigures figuresOf(const FollowUpTotals &totals)
{
    FollowUpFigures figures;
    if (totals.overflow)
        return figures;
    if (!totals.estimateWaits)
        figures.estimate = totals.estimate;
    if (totals.anyActual) {
        figures.actual = totals.actual;
        figures.toPay = totals.toPay;
        if (!totals.estimateWaits)
            figures.variance = totals.variance;
    }
    if (totals.anyPaid)
        figures.paid = totals.paid;
    return figures;
}

qint64 saturatedSum(qint64 a, qint64 b)
{
    qint64 sum = 0;
    return __builtin_add_overflow(a, b, &sum) ? std::numeric_limits<qint64>::max() : sum;
}

// The sections in the tiles' order, then the other costs when the user has
// lines of that kind; each with its estimate, its share of the whole and
// what arrived since.
QVector<BudgetSummaryRow> summaryRows(const Budget &budget, const BudgetSummary &summary, const FollowUpBook &book,
                                      base::Language language)
{
    std::map<int, qint64> ownEstimates; // by section; -1: other costs
    for (const FollowUpLine &line : book.lines)
        if (line.kind == FollowUpLine::Kind::Own)
            ownEstimates[line.section] = saturatedSum(ownEstimates[line.section], line.estimate.value_or(0));
    const auto groupOf = [&](int section) -> const FollowUpBook::Group * {
        for (const FollowUpBook::Group &group : book.groups)
            if (group.section == section)
                return &group;
        return nullptr;
    };

    QVector<BudgetSummaryRow> rows;
    std::vector<qint64> estimates;
    const auto add = [&](int section, BudgetSummaryRow row) {
        const FollowUpBook::Group *group = groupOf(section);
        row.estimateTiyn = saturatedSum(row.estimateTiyn, ownEstimates[section]);
        row.empty = row.empty && !group;
        if (group) {
            const FollowUpFigures figures = figuresOf(group->totals);
            row.figures.actual = figures.actual;
            row.figures.paid = figures.paid;
            row.figures.variance = figures.variance;
        }
        estimates.push_back(row.estimateTiyn);
        rows.append(row);
    };
    for (int tile = 1; tile <= 8; ++tile) {
        const SectionInfo *info = sectionOfTile(tile);
        const int index = info ? budget.indexOf(info->catalogue()) : -1;
        if (index < 0)
            continue;
        const BudgetSummary::Section &section = summary.sections[std::size_t(index)];
        BudgetSummaryRow row;
        row.caption = budget.catalogue(index).caption.in(language);
        row.empty = section.empty;
        if (__builtin_mul_overflow(section.tenge, qint64(100), &row.estimateTiyn))
            row.estimateTiyn = std::numeric_limits<qint64>::max();
        add(index, row);
    }
    if (groupOf(-1)) {
        BudgetSummaryRow row;
        row.caption = FollowUpModel::otherCostsName(language);
        add(-1, row);
    }
    const std::vector<int> shares = largestRemainderTenths(estimates);
    for (int i = 0; i < rows.size(); ++i)
        rows[i].shareTenths = shares[std::size_t(i)];
    return rows;
}

FollowUpTable tableOf(const FollowUpModel &table)
{
    FollowUpTable result;
    for (int c = 0; c < FollowUpModel::ColumnCount; ++c)
        result.headers << table.headerData(c, Qt::Horizontal).toString();
    const FollowUpBook &book = table.book();
    result.rows.reserve(table.rowCount());
    for (int r = 0; r < table.rowCount(); ++r) {
        FollowUpRowData row;
        for (int c = 0; c < FollowUpModel::ColumnCount; ++c)
            row.texts << table.data(table.index(r, c)).toString();
        row.overEstimate = table.data(table.index(r, 0), FollowUpModel::OverEstimateRole).toBool();
        if (const FollowUpLine *line = table.lineAt(r)) {
            row.kind = FollowUpRowData::Kind::Line;
            if (!line->estimateWaits)
                row.figures.estimate = line->estimate;
            row.figures.actual = line->actual;
            row.figures.variance = line->variance();
            row.figures.paid = line->paid;
            row.figures.toPay = line->toPay();
            row.due = table.data(table.index(r, FollowUpModel::DueColumn), Qt::EditRole).toDate();
            row.note = table.data(table.index(r, FollowUpModel::NoteColumn), Qt::EditRole).toString();
        } else {
            const bool total = table.kindOf(r) == FollowUpModel::RowKind::Total;
            row.kind = total ? FollowUpRowData::Kind::Total : FollowUpRowData::Kind::Subtotal;
            const int group = table.data(table.index(r, 0), FollowUpModel::GroupRole).toInt();
            row.figures = figuresOf(total ? book.total : book.groups[std::size_t(group)].totals);
        }
        result.rows.append(row);
    }
    return result;
}

BudgetReport collect(const Budget &budget, const BudgetSummary &summary, base::Language language, const QDateTime &date, bool rows)
{
    BudgetReport data;
    data.title = budget.settings().title;
    data.date = date;
    data.language = language;
    if (rows) {
        for (int tile = 1; tile <= 8; ++tile) {
            const SectionInfo *section = sectionOfTile(tile);
            if (const int index = section ? budget.indexOf(section->catalogue()) : -1; index >= 0)
                data.sections.append(sectionData(budget, index, summary, language));
        }
        const FollowUpModel table(budget, language);
        data.followUp = tableOf(table);
        data.summary = summaryRows(budget, summary, table.book(), language);
    } else {
        // The overview needs the book's totals only, not the table's texts.
        data.summary = summaryRows(budget, summary, followUpBook(budget, language), language);
    }
    data.estimateTiyn = summary.estimateTiyn;
    data.contingencyTenths = summary.contingencyTenths;
    data.contingency = summary.contingency;
    data.grandTotalTiyn = summary.grandTotalTiyn;
    data.currencyCode = budget.settings().currencyCode.trimmed();
    data.currencyRateText = budget.settings().currencyRate.trimmed();
    data.currencyHundredths = summary.currencyHundredths.value_or(-1);
    if (rows) {
        // Never a total that leaves out a section it cannot price.
        for (int tile = 1; tile <= 8 && data.refusal.isEmpty(); ++tile) {
            const SectionInfo *section = sectionOfTile(tile);
            const int index = section ? budget.indexOf(section->catalogue()) : -1;
            if (index < 0)
                continue;
            if (const auto *failure = std::get_if<PassFailure>(&budget.figures(index)))
                data.refusal = passmessages::budgetRefused(*failure, budget.catalogue(index), language);
        }
        if (data.refusal.isEmpty() && !summary.priced)
            data.refusal = passmessages::budgetTooLarge(language);
    }
    return data;
}

} // namespace

BudgetReport budgetReport(const Budget &budget, base::Language language, const QDateTime &date)
{
    return collect(budget, summarize(budget, language), language, date, true);
}

BudgetReport budgetOverview(const Budget &budget, const BudgetSummary &summary, base::Language language)
{
    return collect(budget, summary, language, {}, false);
}

FollowUpTable followUpTable(const Budget &budget, base::Language language)
{
    return tableOf(FollowUpModel(budget, language));
}

BudgetWriteResult writeBudget(const BudgetReport &document, const QString &path)
{
    return outputFormatOf(path) == OutputFormat::Pdf ? writeBudgetPdf(document, path) : writeBudgetWorkbook(document, path);
}

} // namespace torvane::report
