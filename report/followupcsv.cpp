#include "report/followupcsv.h"

#include "model/followupmodel.h"
#include "report/budgetoutput.h"

#include <array>

namespace torvane::report {

using namespace Qt::StringLiterals;
using Column = model::FollowUpModel::Column;

namespace {

QString field(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    return u'"' + QString(text).replace(u'"', u"\"\""_s) + u'"';
}

// Tiyn as tenge with a point and two decimals, whatever the language.
QString plainAmount(qint64 tiyn)
{
    const quint64 magnitude = tiyn < 0 ? quint64(0) - quint64(tiyn) : quint64(tiyn);
    return (tiyn < 0 ? u"-"_s : QString()) + QString::number(magnitude / 100) + u'.'
        + QString::number(magnitude % 100).rightJustified(2, u'0');
}

} // namespace

QByteArray followUpCsv(const FollowUpTable &table)
{
    const auto record = [](const QStringList &fields) {
        QStringList quoted;
        for (const QString &text : fields)
            quoted << field(text);
        return quoted.join(u',') + u"\r\n"_s;
    };
    QString csv = record(table.headers);
    for (const FollowUpRowData &row : table.rows) {
        QStringList fields = row.texts;
        while (fields.size() < Column::ColumnCount)
            fields << QString();
        const FollowUpFigures &f = row.figures;
        const std::array<std::pair<Column, const std::optional<qint64> *>, 5> amounts{{
            {Column::EstimateColumn, &f.estimate},
            {Column::ActualColumn, &f.actual},
            {Column::VarianceColumn, &f.variance},
            {Column::PaidColumn, &f.paid},
            {Column::ToPayColumn, &f.toPay},
        }};
        // A figure the table cannot give stays in its words ("too large").
        for (const auto &[column, figure] : amounts)
            if (*figure)
                fields[column] = plainAmount(**figure);
        switch (row.kind) {
        case FollowUpRowData::Kind::Line:
            fields[Column::DueColumn] = row.due.isValid() ? row.due.toString(Qt::ISODate) : QString();
            fields[Column::NoteColumn] = row.note;
            break;
        case FollowUpRowData::Kind::Subtotal:
            fields[Column::SectionColumn] = fields[Column::ItemColumn] + u" — "_s + fields[Column::SectionColumn];
            fields[Column::ItemColumn].clear();
            break;
        case FollowUpRowData::Kind::Total:
            fields[Column::SectionColumn] = fields[Column::ItemColumn];
            fields[Column::ItemColumn].clear();
            break;
        }
        csv += record(fields);
    }
    return csv.toUtf8();
}

QByteArray followUpCsv(const model::Budget &budget, base::Language language)
{
    return followUpCsv(followUpTable(budget, language));
}

} // namespace torvane::report
