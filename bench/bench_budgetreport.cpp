// The whole budget with every section filled in: every row of every group
// priced. Writes the workbook as .xlsx and .xls and the PDF, and prints the
// median time of each.

#include "model/catalogue.h"
#include "report/budgetpdf.h"
#include "report/budgetworkbook.h"
#include "model/sectionlist.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace torvane;
using namespace Qt::StringLiterals;

namespace {

// Every cell holds something: option texts in the first columns, a quantity,
// then the sum; every subtotal is non-zero.
class FullSource : public model::ReportSource
{
public:
    explicit FullSource(QString caption) : m_caption(std::move(caption)) {}
    QString caption() const override { return m_caption; }
    QString controlText(const QString &name) const override
    {
        if (name.startsWith(u"SumEdit"_s) || name == u"Edit1"_s)
            return u"1250000"_s;
        return u"Column header %1"_s.arg(name);
    }
    QString cellText(int tab, int row, int column) const override
    {
        if (column == 1)
            return u"Option %1.%2"_s.arg(tab).arg(row);
        return QString::number(row * 1000 + column * 10 + tab);
    }

private:
    QString m_caption;
};

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QTemporaryDir folder;

    report::BudgetReport d;
    d.title = u"Pavilion budget"_s;
    d.date = QDateTime::currentDateTime();
    d.language = base::Language::French;
    int rows = 0;
    qint64 sum = 0;
    const auto catalogues = model::allCatalogues();
    for (const model::SectionCatalogue *catalogue : catalogues) {
        report::BudgetSectionData s;
        s.caption = catalogue->caption.in(d.language);
        s.empty = false;
        s.plan = model::reportPlanOf(*catalogue);
        auto source = std::make_shared<FullSource>(s.caption);
        s.source = source;
        for (int t = 1; t <= catalogue->tabCount(); ++t) {
            report::BudgetTabData tab;
            tab.title = catalogue->tabs[t - 1].title.in(d.language);
            tab.subtotal = u"1250000"_s;
            for (const model::GroupSpec &group : catalogue->tabs[t - 1].groups)
                for (int r = group.firstRow; r <= group.lastRow; ++r) {
                    QStringList cells;
                    for (int c = 1; c < group.columnCount(); ++c)
                        cells << source->cellText(t, r, c);
                    tab.rows.append({tab.title, group.header.in(d.language), cells.join(u" · "_s),
                                     source->cellText(t, r, group.columnCount())});
                    ++rows;
                }
            s.tabs.append(tab);
        }
        s.total = 1250000LL * catalogue->tabCount();
        s.totalText = QString::number(s.total);
        sum += s.total;
        d.sections.append(s);
        d.summary.append({s.caption, false, s.total * 100, 0, {}});
    }
    int shares = 0;
    for (report::BudgetSummaryRow &s : d.summary)
        shares += s.shareTenths = int(s.estimateTiyn / 100 * 1000 / sum);
    d.summary.front().shareTenths += 1000 - shares;
    d.estimateTiyn = sum * 100;
    d.contingencyTenths = 100;
    d.contingency = sum / 10;
    d.grandTotalTiyn = (sum + d.contingency) * 100;
    d.currencyCode = u"EUR"_s;
    d.currencyRateText = u"520.5"_s;
    d.currencyHundredths = (sum + d.contingency) * 1000 / 5205;

    struct Output {
        const char *what;
        QString file;
        std::function<report::BudgetWriteResult(const QString &)> write;
        double target;
    };
    const std::vector<Output> outputs{
        {"workbook .xlsx", u"budget.xlsx"_s, [&](const QString &p) { return report::writeBudgetWorkbook(d, p); }, 100},
        {"workbook .xls ", u"budget.xls"_s, [&](const QString &p) { return report::writeBudgetWorkbook(d, p); }, 100},
        {"PDF          ", u"budget.pdf"_s, [&](const QString &p) { return report::writeBudgetPdf(d, p); }, 300},
    };
    std::printf("whole budget, %lld sections, %d priced rows\n", qlonglong(d.sections.size()), rows);
    for (const Output &output : outputs) {
        const QString path = folder.filePath(output.file);
        std::vector<double> times;
        for (int i = 0; i < 15; ++i) {
            QElapsedTimer timer;
            timer.start();
            const report::BudgetWriteResult result = output.write(path);
            times.push_back(timer.nsecsElapsed() / 1e6);
            if (!result.ok()) {
                std::printf("%s failed: %s\n", output.what, qUtf8Printable(result.message(base::Language::English)));
                return 1;
            }
        }
        std::printf("%s : median %6.1f ms (max %.1f), %lld bytes  target <= %.0f ms\n", output.what, median(times),
                    *std::max_element(times.begin(), times.end()), QFileInfo(path).size(), output.target);
    }
    return 0;
}
