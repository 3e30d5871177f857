#include "model/budgetfile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

#include <cmath>

namespace torvane::model::budgetfile {

using namespace Qt::StringLiterals;

namespace {

QJsonObject settingsObject(const BudgetSettings &settings)
{
    QJsonObject object = settings.otherKeys;
    if (!settings.title.isEmpty())
        object.insert(u"title"_s, settings.title);
    if (settings.contingencyTenths != 0)
        object.insert(u"contingencyPercent"_s, settings.contingencyTenths / 10.0);
    if (!settings.currencyCode.isEmpty() || !settings.currencyRate.isEmpty())
        object.insert(u"currency"_s, QJsonObject{{u"code"_s, settings.currencyCode}, {u"rate"_s, settings.currencyRate}});
    return object;
}

BudgetSettings settingsFrom(QJsonObject object, QStringList &skipped)
{
    BudgetSettings settings;
    if (const QJsonValue title = object.take(u"title"_s); title.isString())
        settings.title = title.toString();
    else if (!title.isUndefined())
        skipped << u"budget/title"_s;
    if (const QJsonValue percent = object.take(u"contingencyPercent"_s); percent.isDouble()) {
        const double tenths = std::round(percent.toDouble() * 10);
        if (tenths >= 0 && tenths <= 500)
            settings.contingencyTenths = int(tenths);
        else
            skipped << u"budget/contingencyPercent"_s;
    } else if (!percent.isUndefined()) {
        skipped << u"budget/contingencyPercent"_s;
    }
    if (const QJsonValue currency = object.take(u"currency"_s); currency.isObject()) {
        settings.currencyCode = currency.toObject().value(u"code"_s).toString();
        settings.currencyRate = currency.toObject().value(u"rate"_s).toString();
    } else if (!currency.isUndefined()) {
        skipped << u"budget/currency"_s;
    }
    settings.otherKeys = object;
    return settings;
}

ReadResult failed(ReadResult::Status status, const QString &reason = {})
{
    ReadResult result;
    result.status = status;
    result.reason = reason;
    return result;
}

} // namespace

QByteArray write(const Budget &budget, int language, const QDateTime &saved)
{
    QJsonObject sections;
    for (int i = 0; i < budget.sectionCount(); ++i) {
        const SectionEntries &entries = budget.entries(i);
        const SectionGrid &grid = entries.grid();
        QJsonObject cells;
        for (int c = 0; c < grid.cells().size(); ++c) {
            const GridCell &cell = grid.cell(c);
            if (cell.spec->role == ColumnRole::Choice && entries.position(c) >= 0)
                cells.insert(cell.name, entries.position(c));
            else if (cell.spec->role == ColumnRole::Quantity && !SectionEntries::isEmptyText(entries.text(c)))
                cells.insert(cell.name, entries.text(c));
        }
        if (!cells.isEmpty())
            sections.insert(QString::fromUtf16(budget.catalogue(i).screenName), QJsonObject{{u"cells"_s, cells}});
    }
    const QJsonObject root{
        {u"format"_s, u"torvane-budget"_s},
        {u"version"_s, kVersion},
        {u"saved"_s, saved.toUTC().toString(Qt::ISODate)},
        {u"language"_s, language},
        {u"budget"_s, settingsObject(budget.settings())},
        {u"sections"_s, sections},
    };
    // QJsonObject keeps its keys sorted, so the text is the same for the same budget.
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

ReadResult read(const QByteArray &bytes, const QList<const SectionCatalogue *> &catalogues)
{
    if (bytes.size() > kMaxBytes)
        return failed(ReadResult::Status::TooLarge);
    if (bytes.trimmed().isEmpty())
        return failed(ReadResult::Status::Empty);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return failed(ReadResult::Status::NotJson, u"%1 (byte %2)"_s.arg(error.errorString()).arg(error.offset));
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(u"format"_s).toString() != u"torvane-budget"_s)
        return failed(ReadResult::Status::NotABudget);
    const QJsonValue version = root.value(u"version"_s);
    if (!version.isDouble() || version.toDouble() != std::floor(version.toDouble()) || version.toDouble() < 1)
        return failed(ReadResult::Status::NotABudget);
    if (version.toDouble() > kVersion) {
        ReadResult result = failed(ReadResult::Status::NewerVersion);
        result.version = int(std::min(version.toDouble(), 1e9));
        return result;
    }

    ReadResult result;
    result.version = version.toInt();
    if (const QJsonValue language = root.value(u"language"_s); language.isDouble() && language.toInt() >= 0 && language.toInt() <= 2)
        result.language = language.toInt();
    for (const SectionCatalogue *catalogue : catalogues)
        result.content.sections.push_back(SectionEntries(*catalogue));
    result.content.settings = settingsFrom(root.value(u"budget"_s).toObject(), result.skipped);

    const QJsonObject sections = root.value(u"sections"_s).toObject();
    int cellCount = 0;
    for (auto it = sections.begin(); it != sections.end(); ++it)
        cellCount += it.value().toObject().value(u"cells"_s).toObject().size();
    if (cellCount > kMaxCells)
        return failed(ReadResult::Status::TooManyCells);

    for (auto it = sections.begin(); it != sections.end(); ++it) {
        int index = -1;
        for (int i = 0; i < catalogues.size(); ++i)
            if (QStringView(catalogues[i]->screenName) == it.key())
                index = i;
        if (index < 0) {
            result.skipped << it.key();
            continue;
        }
        SectionEntries &entries = result.content.sections[std::size_t(index)];
        const SectionGrid &grid = entries.grid();
        const QJsonObject cells = it.value().toObject().value(u"cells"_s).toObject();
        for (auto cellIt = cells.begin(); cellIt != cells.end(); ++cellIt) {
            const int c = grid.indexOf(cellIt.key());
            const GridCell *cell = c >= 0 ? &grid.cell(c) : nullptr;
            const QJsonValue value = cellIt.value();
            bool taken = false;
            if (cell && cell->spec->role == ColumnRole::Choice && value.isDouble()) {
                const double position = value.toDouble();
                if (position == std::floor(position) && position >= 0 && position < optionCount(*cell->spec, cell->row))
                    taken = entries.setPosition(c, int(position)) || true;
            } else if (cell && cell->spec->role == ColumnRole::Quantity && value.isString()) {
                // Kept as typed: a text that is not a quantity is named by the recalculation.
                taken = entries.setText(c, value.toString()) || true;
            }
            if (!taken)
                result.skipped << it.key() + u'/' + cellIt.key();
        }
    }
    return result;
}

ReadResult readFile(const QString &path, const QList<const SectionCatalogue *> &catalogues)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(ReadResult::Status::Unreadable, file.errorString());
    if (file.size() > kMaxBytes)
        return failed(ReadResult::Status::TooLarge);
    const QByteArray bytes = file.read(kMaxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return failed(ReadResult::Status::Unreadable, file.errorString());
    return read(bytes, catalogues);
}

} // namespace torvane::model::budgetfile
