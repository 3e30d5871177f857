#include "report/budgetoutput.h"

#include "model/budgetsummary.h"
#include "model/passmessages.h"
#include "model/sectionlist.h"
#include "report/budgetpdf.h"
#include "report/budgetworkbook.h"
#include "report/outputformat.h"
#include "report/sectionsource.h"

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

BudgetSectionData sectionData(const Budget &budget, int index, const BudgetSummary &summary, base::Language language, bool rows)
{
    const SectionCatalogue &catalogue = budget.catalogue(index);
    BudgetSectionData data;
    data.caption = catalogue.caption.in(language);
    data.empty = summary.sections[std::size_t(index)].empty;
    data.total = summary.sections[std::size_t(index)].tenge;
    data.shareTenths = summary.shareTenths[std::size_t(index)];
    if (!rows)
        return data;
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
            line.group = row.group->header.in(language).trimmed();
            line.sum = sum;
            for (int c = row.firstCell; c < row.firstCell + row.cellCount; ++c) {
                const GridCell &cell = grid.cell(c);
                if (cell.spec->role != ColumnRole::Sum)
                    line.cells << source->cellText(cell.tab, cell.row, cell.column);
            }
            tab.rows.append(line);
        }
        data.tabs.append(tab);
    }
    return data;
}

} // namespace

namespace {
BudgetReport collect(const Budget &budget, const BudgetSummary &summary, base::Language language, const QDateTime &date, bool rows)
{
    BudgetReport data;
    data.title = budget.settings().title;
    data.date = date;
    data.language = language;
    for (int tile = 1; tile <= 8; ++tile) {
        const SectionInfo *section = sectionOfTile(tile);
        const int index = section ? budget.indexOf(section->catalogue()) : -1;
        if (index < 0)
            continue;
        data.sections.append(sectionData(budget, index, summary, language, rows));
        // The overview names a section as its tile does, which is shorter.
        if (!rows)
            data.sections.back().caption = section->tileName().in(language);
    }
    data.sectionsTotal = summary.sectionsTotal;
    data.contingencyTenths = summary.contingencyTenths;
    data.contingency = summary.contingency;
    data.grandTotal = summary.grandTotal;
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
    return collect(budget, summarize(budget), language, date, true);
}

BudgetReport budgetOverview(const Budget &budget, const BudgetSummary &summary, base::Language language)
{
    return collect(budget, summary, language, {}, false);
}

BudgetWriteResult writeBudget(const BudgetReport &document, const QString &path)
{
    return outputFormatOf(path) == OutputFormat::Pdf ? writeBudgetPdf(document, path) : writeBudgetWorkbook(document, path);
}

} // namespace torvane::report
