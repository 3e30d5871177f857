#include "model/budgetfile.h"

#include "model/typedinput.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QRegularExpression>

#include <QLocale>

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
        const QJsonObject fields = currency.toObject();
        if (const QJsonValue code = fields.value(u"code"_s); code.isString())
            settings.currencyCode = code.toString();
        else if (!code.isUndefined())
            skipped << u"budget/currency/code"_s;
        // A rate is kept as typed; one a tool wrote as a JSON number reads as that number.
        if (const QJsonValue rate = fields.value(u"rate"_s); rate.isString())
            settings.currencyRate = rate.toString();
        else if (rate.isDouble() && std::isfinite(rate.toDouble()))
            settings.currencyRate = QString::number(rate.toDouble(), 'g', QLocale::FloatingPointShortest);
        else if (!rate.isUndefined())
            skipped << u"budget/currency/rate"_s;
    } else if (!currency.isUndefined()) {
        skipped << u"budget/currency"_s;
    }
    settings.otherKeys = object;
    return settings;
}

QJsonObject followUpObject(const FollowUp &followUp)
{
    QJsonObject object;
    const auto put = [&](const QString &key, const QString &value) {
        if (!value.isEmpty())
            object.insert(key, value);
    };
    put(u"actual"_s, followUp.actual);
    put(u"paid"_s, followUp.paid);
    put(u"supplier"_s, followUp.supplier);
    put(u"due"_s, followUp.due.isValid() ? followUp.due.toString(Qt::ISODate) : QString());
    put(u"note"_s, followUp.note);
    return object;
}

// Reads the follow-up fields of a row or a line; what cannot be taken is
// left out and named (where/field) in skipped.
FollowUp followUpFrom(const QJsonObject &object, const QString &where, base::Language language, QStringList &skipped)
{
    FollowUp followUp;
    const auto text = [&](const QString &key, int maxLength) -> QString {
        const QJsonValue value = object.value(key);
        if (value.isUndefined())
            return {};
        if (!value.isString() || value.toString().size() > maxLength) {
            skipped << where + u'/' + key;
            return {};
        }
        return value.toString();
    };
    const auto amount = [&](const QString &key) -> QString {
        const QString typed = text(key, 64);
        if (!typed.isEmpty() && !parseAmount(typed, language).isAmount()) {
            skipped << where + u'/' + key;
            return {};
        }
        return typed;
    };
    followUp.actual = amount(u"actual"_s);
    followUp.paid = amount(u"paid"_s);
    followUp.supplier = text(u"supplier"_s, kMaxSupplierLength);
    followUp.note = text(u"note"_s, kMaxNoteLength);
    if (const QString due = text(u"due"_s, 10); !due.isEmpty()) {
        followUp.due = QDate::fromString(due, Qt::ISODate);
        if (!followUp.due.isValid() || due.size() != 10)
            skipped << where + u"/due"_s;
    }
    for (auto it = object.begin(); it != object.end(); ++it)
        if (!QStringList{u"actual"_s, u"paid"_s, u"supplier"_s, u"due"_s, u"note"_s}.contains(it.key()))
            skipped << where + u'/' + it.key();
    return followUp;
}

ReadResult failed(ReadResult::Status status, const QString &reason = {})
{
    ReadResult result;
    result.status = status;
    result.reason = reason;
    return result;
}

} // namespace

QByteArray write(const Budget &budget, base::Language language, const QDateTime &saved, const QString &recoveryOf)
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
        QJsonObject rows;
        for (const auto &[key, followUp] : budget.followUps(i))
            rows.insert(u"%1.%2"_s.arg(key.first).arg(key.second), followUpObject(followUp));
        QJsonObject section;
        if (!cells.isEmpty())
            section.insert(u"cells"_s, cells);
        if (!rows.isEmpty())
            section.insert(u"rows"_s, rows);
        if (!section.isEmpty())
            sections.insert(QString::fromUtf16(budget.catalogue(i).screenName), section);
    }
    QJsonArray lines;
    for (const OwnLine &line : budget.ownLines()) {
        QJsonObject object = followUpObject(line.followUp);
        object.insert(u"section"_s, line.section >= 0 ? QString::fromUtf16(budget.catalogue(line.section).screenName) : QString());
        if (!line.item.isEmpty())
            object.insert(u"item"_s, line.item);
        if (!line.estimate.isEmpty())
            object.insert(u"estimate"_s, line.estimate);
        lines.append(object);
    }
    QJsonObject root{
        {u"format"_s, u"torvane-budget"_s},
        {u"version"_s, kVersion},
        {u"saved"_s, saved.toUTC().toString(Qt::ISODate)},
        {u"language"_s, base::codeOf(language)},
        {u"budget"_s, settingsObject(budget.settings())},
        {u"sections"_s, sections},
    };
    if (!lines.isEmpty())
        root.insert(u"lines"_s, lines);
    if (!recoveryOf.isEmpty())
        root.insert(u"recoveryOf"_s, recoveryOf);
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
    if (!version.isDouble() || version.toDouble() != std::floor(version.toDouble()) || version.toDouble() < 1) {
        // Shown as the file has it: "1" (a string), 0, 1.5, null.
        const QByteArray written = QJsonDocument(QJsonArray{version}).toJson(QJsonDocument::Compact);
        return failed(ReadResult::Status::BadVersion,
                      version.isUndefined() ? u"none"_s : QString::fromUtf8(written.mid(1, written.size() - 2)));
    }
    if (version.toDouble() > kVersion) {
        ReadResult result = failed(ReadResult::Status::NewerVersion);
        result.version = int(std::min(version.toDouble(), 1e9));
        return result;
    }

    ReadResult result;
    result.version = version.toInt();
    // A code the program does not know, or one that is not whole, reads as "not given".
    if (const QJsonValue language = root.value(u"language"_s); language.isDouble() && language.toDouble() == std::floor(language.toDouble()))
        result.language = base::languageOf(language.toInt(-1));
    for (const SectionCatalogue *catalogue : catalogues) {
        result.content.sections.push_back(SectionEntries(*catalogue));
        result.content.followUps.emplace_back();
    }
    // Amounts as typed are read the way their writer typed them.
    const base::Language typedIn = result.language.value_or(base::Language::English);
    const QJsonValue settings = root.value(u"budget"_s);
    if (!settings.isObject() && !settings.isUndefined())
        result.skipped << u"budget"_s;
    result.content.settings = settingsFrom(settings.toObject(), result.skipped);
    if (const QJsonValue owner = root.value(u"recoveryOf"_s); owner.isString())
        result.recoveryOf = owner.toString();

    const QJsonValue sectionsValue = root.value(u"sections"_s);
    if (!sectionsValue.isObject() && !sectionsValue.isUndefined())
        result.skipped << u"sections"_s;
    const QJsonObject sections = sectionsValue.toObject();
    int cellCount = 0;
    for (auto it = sections.begin(); it != sections.end(); ++it)
        cellCount += it.value().toObject().value(u"cells"_s).toObject().size()
            + it.value().toObject().value(u"rows"_s).toObject().size();
    const QJsonValue linesValue = root.value(u"lines"_s);
    cellCount += linesValue.toArray().size();
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
        const QJsonValue cellsValue = it.value().toObject().value(u"cells"_s);
        if (!it.value().isObject() || (!cellsValue.isObject() && !cellsValue.isUndefined())) {
            result.skipped << it.key();
            continue;
        }
        const QJsonObject cells = cellsValue.toObject();
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
        const QJsonValue rowsValue = it.value().toObject().value(u"rows"_s);
        if (!rowsValue.isObject() && !rowsValue.isUndefined())
            result.skipped << it.key() + u"/rows"_s;
        const QJsonObject rows = rowsValue.toObject();
        for (auto rowIt = rows.begin(); rowIt != rows.end(); ++rowIt) {
            const QString where = it.key() + u"/rows/"_s + rowIt.key();
            static const QRegularExpression key(u"^([1-9][0-9]?)\\.([1-9][0-9]?)$"_s);
            const QRegularExpressionMatch match = key.match(rowIt.key());
            const int tab = match.hasMatch() ? match.captured(1).toInt() : 0;
            const int row = match.hasMatch() ? match.captured(2).toInt() : 0;
            const bool known = std::any_of(grid.rows().begin(), grid.rows().end(),
                                           [&](const GridRow &r) { return r.tab == tab && r.row == row; });
            if (!known || !rowIt.value().isObject()) {
                result.skipped << where;
                continue;
            }
            const FollowUp followUp = followUpFrom(rowIt.value().toObject(), where, typedIn, result.skipped);
            if (!followUp.isEmpty())
                result.content.followUps[std::size_t(index)][{tab, row}] = followUp;
        }
    }

    if (!linesValue.isArray() && !linesValue.isUndefined())
        result.skipped << u"lines"_s;
    const QJsonArray lines = linesValue.toArray();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString where = u"lines/%1"_s.arg(i + 1);
        if (!lines[i].isObject()) {
            result.skipped << where;
            continue;
        }
        QJsonObject object = lines[i].toObject();
        OwnLine line;
        const QJsonValue section = object.take(u"section"_s);
        if (section.isString() && !section.toString().isEmpty()) {
            for (int s = 0; s < catalogues.size(); ++s)
                if (QStringView(catalogues[s]->screenName) == section.toString())
                    line.section = s;
            if (line.section < 0)
                result.skipped << where + u"/section"_s; // kept among the other costs
        } else if (!section.isUndefined() && !section.isString()) {
            result.skipped << where + u"/section"_s;
        }
        const QJsonValue item = object.take(u"item"_s);
        if (item.isString() && item.toString().size() <= kMaxItemLength)
            line.item = item.toString();
        else if (!item.isUndefined())
            result.skipped << where + u"/item"_s;
        const QJsonValue estimate = object.take(u"estimate"_s);
        if (estimate.isString() && (estimate.toString().isEmpty() || parseAmount(estimate.toString(), typedIn).isAmount()))
            line.estimate = estimate.toString();
        else if (!estimate.isUndefined())
            result.skipped << where + u"/estimate"_s;
        line.followUp = followUpFrom(object, where, typedIn, result.skipped);
        result.content.ownLines.push_back(line);
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
