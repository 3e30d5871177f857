#include "model/followupbook.h"

#include "base/decimalformat.h"
#include "model/rowtext.h"
#include "model/typedinput.h"

#include <QHash>

#include <algorithm>
#include <cmath>

namespace torvane::model {

namespace {

std::optional<qint64> amountOf(const QString &typed, base::Language language)
{
    const TypedAmount amount = parseAmount(typed, language);
    return amount.isAmount() ? std::optional(amount.tiyn) : std::nullopt;
}

// A row's sum as its section shows it, in tiyn; none when it cannot be held.
std::optional<qint64> tiynOfSum(const QString &text, Arithmetic arithmetic)
{
    qint64 tiyn = 0;
    if (arithmetic == Arithmetic::Decimal) {
        bool ok = false;
        const double value = base::DecimalFormat::regional().fromText(text, &ok);
        if (!ok || !std::isfinite(value) || std::abs(value) > 9.0e16)
            return std::nullopt;
        return std::llround(value * 100);
    }
    bool ok = false;
    const qint64 tenge = text.toLongLong(&ok);
    if (!ok || __builtin_mul_overflow(tenge, qint64(100), &tiyn))
        return std::nullopt;
    return tiyn;
}

bool addTo(qint64 &sum, qint64 value)
{
    return !__builtin_add_overflow(sum, value, &sum);
}

} // namespace

std::optional<qint64> FollowUpLine::variance() const
{
    qint64 difference = 0;
    if (!actual || !estimate || __builtin_sub_overflow(*actual, *estimate, &difference))
        return std::nullopt;
    return difference;
}

std::optional<qint64> FollowUpLine::toPay() const
{
    qint64 difference = 0;
    if (!actual || __builtin_sub_overflow(*actual, paid.value_or(0), &difference))
        return std::nullopt;
    return difference;
}

void FollowUpTotals::add(const FollowUpLine &line)
{
    if (line.estimate)
        overflow |= !addTo(estimate, *line.estimate);
    else if (line.estimateWaits)
        estimateWaits = true;
    if (line.actual) {
        anyActual = true;
        overflow |= !addTo(actual, *line.actual);
        if (const auto v = line.variance())
            overflow |= !addTo(variance, *v);
        if (const auto t = line.toPay())
            overflow |= !addTo(toPay, *t);
    }
    if (line.paid) {
        anyPaid = true;
        overflow |= !addTo(paid, *line.paid);
    }
}

std::vector<int> sectionsInMenuOrder(const Budget &budget)
{
    std::vector<int> order;
    for (int tile = 1; tile <= 8; ++tile)
        if (const SectionInfo *info = sectionOfTile(tile))
            if (const int index = budget.indexOf(info->catalogue()); index >= 0)
                order.push_back(index);
    // Sections no tile opens (a budget made of other catalogues) follow in their own order.
    for (int i = 0; i < budget.sectionCount(); ++i)
        if (std::find(order.begin(), order.end(), i) == order.end())
            order.push_back(i);
    return order;
}

FollowUpBook followUpBook(const Budget &budget, base::Language language)
{
    FollowUpBook book;
    const auto ownLinesOf = [&](int section) {
        for (int i = 0; i < int(budget.ownLines().size()); ++i) {
            const OwnLine &own = budget.ownLines()[std::size_t(i)];
            if (own.section != section)
                continue;
            FollowUpLine line;
            line.kind = FollowUpLine::Kind::Own;
            line.section = section;
            line.ownIndex = i;
            line.estimate = amountOf(own.estimate, language);
            line.actual = amountOf(own.followUp.actual, language);
            line.paid = amountOf(own.followUp.paid, language);
            book.lines.push_back(line);
        }
    };
    const auto closeGroup = [&](int section, int first) {
        if (int(book.lines.size()) == first)
            return;
        FollowUpBook::Group group{section, first, int(book.lines.size()) - first, {}};
        for (int i = first; i < int(book.lines.size()); ++i) {
            group.totals.add(book.lines[std::size_t(i)]);
            book.total.add(book.lines[std::size_t(i)]);
        }
        book.groups.push_back(group);
    };

    for (const int section : sectionsInMenuOrder(budget)) {
        const int first = int(book.lines.size());
        const SectionEntries &entries = budget.entries(section);
        const auto *figures = std::get_if<SectionFigures>(&budget.figures(section));
        QHash<int, QString> sums; // by tab * 1000 + row
        if (figures)
            for (const RowFigure &figure : figures->rows)
                sums.insert(figure.cell.tab * 1000 + figure.cell.row, figure.text);
        for (const GridRow &row : entries.grid().rows()) {
            const FollowUp &followUp = budget.followUp(section, row.tab, row.row);
            const bool entered = rowHasEntry(entries, row);
            if (!entered && followUp.isEmpty())
                continue;
            FollowUpLine line;
            line.section = section;
            line.row = &row;
            line.cleared = !entered;
            if (!figures)
                line.estimateWaits = true;
            else if (const auto estimate = tiynOfSum(sums.value(row.tab * 1000 + row.row, QStringLiteral("0")), entries.catalogue().arithmetic))
                line.estimate = estimate;
            else
                line.estimateWaits = true;
            line.actual = amountOf(followUp.actual, language);
            line.paid = amountOf(followUp.paid, language);
            book.lines.push_back(line);
        }
        ownLinesOf(section);
        closeGroup(section, first);
    }
    const int first = int(book.lines.size());
    ownLinesOf(-1);
    closeGroup(-1, first);
    return book;
}

} // namespace torvane::model
