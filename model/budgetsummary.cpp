#include "model/budgetsummary.h"

#include "base/decimalformat.h"
#include "model/typedinput.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace torvane::model {

using namespace Qt::StringLiterals;

namespace {
// Products of amounts and rates are formed in 128 bits (a GCC and Clang extension).
__extension__ typedef __int128 Wide;
} // namespace

std::vector<int> largestRemainderTenths(const std::vector<qint64> &amounts)
{
    std::vector<int> shares(amounts.size(), 0);
    Wide total = 0;
    for (qint64 amount : amounts)
        total += std::max<qint64>(amount, 0);
    if (total == 0)
        return shares;
    std::vector<std::pair<Wide, std::size_t>> remainders;
    int given = 0;
    for (std::size_t i = 0; i < amounts.size(); ++i) {
        const Wide scaled = Wide(std::max<qint64>(amounts[i], 0)) * 1000;
        shares[i] = int(scaled / total);
        given += shares[i];
        remainders.emplace_back(scaled % total, i);
    }
    // Ties go to the earlier section, so the result never depends on sorting.
    std::stable_sort(remainders.begin(), remainders.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    for (std::size_t k = 0; given < 1000 && k < remainders.size(); ++k, ++given)
        ++shares[remainders[k].second];
    return shares;
}

std::optional<qint64> parseRate(const QString &text)
{
    static const QRegularExpression pattern(u"^\\s*([0-9]{1,12})(?:[.,]([0-9]{1,6}))?\\s*$"_s);
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const qint64 whole = match.captured(1).toLongLong();
    const QString fraction = match.captured(2).leftJustified(6, u'0');
    const qint64 micros = whole * 1000000 + fraction.toLongLong();
    if (micros <= 0)
        return std::nullopt;
    return micros;
}

std::optional<qint64> contingencyOf(qint64 total, int tenths)
{
    const Wide amount = (Wide(total) * tenths + 500) / 1000;
    if (amount > std::numeric_limits<qint64>::max())
        return std::nullopt;
    return qint64(amount);
}

BudgetSummary summarize(const Budget &budget, base::Language language)
{
    BudgetSummary summary;
    std::vector<qint64> totals;
    qint64 sum = 0;
    for (int i = 0; i < budget.sectionCount(); ++i) {
        BudgetSummary::Section section;
        section.empty = budget.entries(i).isEmpty();
        const auto *figures = std::get_if<SectionFigures>(&budget.figures(i));
        if (!figures) {
            section.priced = false;
        } else if (budget.catalogue(i).arithmetic == Arithmetic::Decimal) {
            bool ok = false;
            const double value = base::DecimalFormat::regional().fromText(figures->total, &ok);
            section.priced = ok && std::abs(value) < 9.0e18;
            section.tenge = section.priced ? std::llround(value) : 0;
        } else {
            bool ok = false;
            section.tenge = figures->total.toLongLong(&ok);
            section.priced = ok;
        }
        summary.priced &= section.priced;
        if (__builtin_add_overflow(sum, section.tenge, &sum))
            summary.priced = false;
        totals.push_back(section.tenge);
        summary.sections.push_back(section);
    }
    summary.sectionsTotal = sum;
    summary.shareTenths = largestRemainderTenths(totals);
    summary.contingencyTenths = std::clamp(budget.settings().contingencyTenths, 0, 500);

    // The user's own lines add to the estimate, exactly, in tiyn.
    for (const OwnLine &line : budget.ownLines())
        if (const TypedAmount estimate = parseAmount(line.estimate, language); estimate.isAmount())
            if (__builtin_add_overflow(summary.ownLinesTiyn, estimate.tiyn, &summary.ownLinesTiyn))
                summary.priced = false;
    if (__builtin_mul_overflow(sum, qint64(100), &summary.estimateTiyn)
        || __builtin_add_overflow(summary.estimateTiyn, summary.ownLinesTiyn, &summary.estimateTiyn))
        summary.priced = false;
    // Rounded to whole tenge, as it always was.
    const Wide contingency = (Wide(summary.estimateTiyn) * summary.contingencyTenths + 50000) / 100000;
    if (contingency > std::numeric_limits<qint64>::max() / 100)
        summary.priced = false;
    else
        summary.contingency = qint64(contingency);
    if (__builtin_add_overflow(summary.estimateTiyn, summary.contingency * 100, &summary.grandTotalTiyn))
        summary.priced = false;
    summary.grandTotal = qint64((Wide(summary.grandTotalTiyn) + 50) / 100);
    summary.followUp = followUpBook(budget, language).total;

    const BudgetSettings &settings = budget.settings();
    if (!settings.currencyRate.trimmed().isEmpty() || !settings.currencyCode.trimmed().isEmpty()) {
        const std::optional<qint64> rate = parseRate(settings.currencyRate);
        summary.rateInvalid = !settings.currencyRate.trimmed().isEmpty() && !rate;
        if (rate && !settings.currencyCode.trimmed().isEmpty() && summary.priced) {
            const Wide hundredths = (Wide(summary.grandTotalTiyn) * 1000000 + *rate / 2) / *rate;
            if (hundredths <= std::numeric_limits<qint64>::max())
                summary.currencyHundredths = qint64(hundredths);
        }
    }
    return summary;
}

} // namespace torvane::model
