#include "ui/budget/followupcsv.h"

#include "model/budget.h"
#include "model/followupmodel.h"

#include <QStringList>

#include <optional>

namespace torvane::ui::budget {

using namespace Qt::StringLiterals;
using Model = model::FollowUpModel;

namespace {

QString field(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    return u'"' + QString(text).replace(u"\""_s, u"\"\""_s) + u'"';
}

QString plain(const std::optional<qint64> &tiyn)
{
    if (!tiyn)
        return {};
    const quint64 magnitude = *tiyn < 0 ? quint64(0) - quint64(*tiyn) : quint64(*tiyn);
    const quint64 cents = magnitude % 100;
    return (*tiyn < 0 ? u"-"_s : QString()) + QString::number(magnitude / 100) + u'.' + (cents < 10 ? u"0"_s : QString())
        + QString::number(cents);
}

} // namespace

QByteArray followUpCsv(const model::Budget &budget, base::Language language)
{
    // The table model is the budget's table: the same rows, in the same order.
    auto &source = const_cast<model::Budget &>(budget);
    Model table(source);
    table.setLanguage(language);
    const model::FollowUpBook &book = table.book();
    QStringList records;
    QStringList header;
    for (int column = 0; column < Model::ColumnCount; ++column)
        header << field(table.headerData(column, Qt::Horizontal).toString());
    records << header.join(u',');
    for (int row = 0; row < table.rowCount(); ++row) {
        std::optional<qint64> estimate, actual, variance, paid, toPay;
        if (const model::FollowUpLine *line = table.lineAt(row)) {
            estimate = line->estimate;
            actual = line->actual;
            variance = line->variance();
            paid = line->paid;
            toPay = line->toPay();
        } else {
            const int group = table.index(row, 0).data(Model::GroupRole).toInt();
            const model::FollowUpTotals &totals = group < int(book.groups.size()) ? book.groups[std::size_t(group)].totals : book.total;
            if (!totals.overflow) {
                if (!totals.estimateWaits)
                    estimate = totals.estimate;
                if (totals.anyActual) {
                    actual = totals.actual;
                    toPay = totals.toPay;
                    if (!totals.estimateWaits)
                        variance = totals.variance;
                }
                if (totals.anyPaid)
                    paid = totals.paid;
            }
        }
        QStringList record;
        for (int column = 0; column < Model::ColumnCount; ++column) {
            const QModelIndex index = table.index(row, column);
            switch (column) {
            case Model::EstimateColumn: record << plain(estimate); break;
            case Model::ActualColumn: record << plain(actual); break;
            case Model::VarianceColumn: record << plain(variance); break;
            case Model::PaidColumn: record << plain(paid); break;
            case Model::ToPayColumn: record << plain(toPay); break;
            case Model::DueColumn: {
                const QDate due = table.lineAt(row) ? index.data(Qt::EditRole).toDate() : QDate();
                record << (due.isValid() ? due.toString(Qt::ISODate) : QString());
                break;
            }
            case Model::NoteColumn:
                // The note as typed, with its new lines.
                record << field(table.lineAt(row) ? index.data(Qt::EditRole).toString() : QString());
                break;
            default: record << field(index.data(Qt::DisplayRole).toString()); break;
            }
        }
        records << record.join(u',');
    }
    return (records.join(u"\r\n"_s) + u"\r\n"_s).toUtf8();
}

} // namespace torvane::ui::budget
