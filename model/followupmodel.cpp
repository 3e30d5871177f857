#include "model/followupmodel.h"

#include "base/amountformat.h"
#include "base/localizedtext.h"
#include "model/rowtext.h"
#include "model/typedinput.h"

#include <QDate>

#include <utility>

namespace torvane::model {

using namespace Qt::StringLiterals;
using base::LocalizedText;

namespace {

constexpr LocalizedText kHeaders[FollowUpModel::ColumnCount] = {
    {u"Section", u"Раздел", u"Section"},
    {u"Poste", u"Статья", u"Item"},
    {u"Choix et quantités", u"Выбор и количество", u"Choices and quantities"},
    {u"Estimation, ₸", u"Смета, тг", u"Estimate, ₸"},
    {u"Réel, ₸", u"Факт, тг", u"Actual, ₸"},
    {u"Écart, ₸", u"Отклонение, тг", u"Variance, ₸"},
    {u"Payé, ₸", u"Оплачено, тг", u"Paid, ₸"},
    {u"Reste à payer, ₸", u"К оплате, тг", u"To pay, ₸"},
    {u"Fournisseur", u"Поставщик", u"Supplier"},
    {u"Échéance", u"Срок оплаты", u"Due"},
    {u"Note", u"Примечание", u"Note"},
};
constexpr LocalizedText kOtherCosts{u"Autres frais", u"Прочие расходы", u"Other costs"};
constexpr LocalizedText kSubtotal{u"Sous-total", u"Подытог", u"Subtotal"};
constexpr LocalizedText kBudgetTotal{u"Total du budget", u"Итого по бюджету", u"Budget total"};
constexpr LocalizedText kWaits{u"en attente", u"ждёт", u"waits"};
constexpr LocalizedText kTooLarge{u"trop grand", u"слишком велико", u"too large"};
constexpr LocalizedText kCleared{u"vidée dans la section ; gardée pour son suivi", u"очищена в разделе; оставлена ради учёта",
                                 u"emptied in the section; kept for its follow-up"};

constexpr LocalizedText kNotAnAmount{u"« %1 » n’est pas un montant : tapez des tenges, par exemple 1 234 567,50.",
                                     u"«%1» — не сумма: введите тенге, например 1 234 567,50.",
                                     u"“%1” is not an amount: type tenge, such as 1,234,567.50."};
constexpr LocalizedText kNegative{u"« %1 » est négatif : un montant est de 0 ou plus.",
                                  u"«%1» — отрицательное число: сумма должна быть 0 или больше.",
                                  u"“%1” is negative: an amount is 0 or more."};
constexpr LocalizedText kDecimals{u"« %1 » a trop de décimales : deux au plus (les tiyns).",
                                  u"В «%1» слишком много знаков после запятой: не больше двух (тиыны).",
                                  u"“%1” has too many decimals: two at most (tiyn)."};
constexpr LocalizedText kAmountTooLarge{u"« %1 » est trop grand : un montant va jusqu’à 10^15 tenges.",
                                        u"«%1» слишком велико: сумма не больше 10^15 тенге.",
                                        u"“%1” is too large: an amount goes up to 10^15 tenge."};
constexpr LocalizedText kTextTooLong{u"Ce texte a %1 caractères ; %2 au plus sont gardés ici.",
                                     u"В этом тексте %1 символов; здесь помещается не больше %2.",
                                     u"This text has %1 characters; this field keeps %2 at most."};
constexpr LocalizedText kNotADate{u"« %1 » n’est pas une date.", u"«%1» — не дата.", u"“%1” is not a date."};

QString refusalOf(const TypedAmount &amount, const QString &typed, base::Language language)
{
    switch (amount.status) {
    case TypedAmount::Status::Negative: return kNegative.in(language).arg(typed);
    case TypedAmount::Status::TooManyDecimals: return kDecimals.in(language).arg(typed);
    case TypedAmount::Status::TooLarge: return kAmountTooLarge.in(language).arg(typed);
    default: return kNotAnAmount.in(language).arg(typed);
    }
}

bool isAmountColumn(int column)
{
    switch (column) {
    case FollowUpModel::EstimateColumn:
    case FollowUpModel::ActualColumn:
    case FollowUpModel::VarianceColumn:
    case FollowUpModel::PaidColumn:
    case FollowUpModel::ToPayColumn: return true;
    default: return false;
    }
}

} // namespace

FollowUpModel::FollowUpModel(Budget &budget, QObject *parent)
    : FollowUpModel(std::as_const(budget), base::Language::English, parent)
{
    m_apply = [&budget](const Change &change) {
        if (change.kind == FollowUpLine::Kind::Own)
            budget.setOwnLine(change.ownIndex, change.ownLine);
        else
            budget.setFollowUp(change.section, change.tab, change.row, change.followUp);
    };
}

FollowUpModel::FollowUpModel(const Budget &budget, base::Language language, QObject *parent)
    : QAbstractTableModel(parent)
    , m_budget(budget)
    , m_language(language)
{
    const auto follow = [this] { refresh(); };
    connect(&m_budget, &Budget::entryChanged, this, follow);
    connect(&m_budget, &Budget::sectionReplaced, this, follow);
    connect(&m_budget, &Budget::followUpChanged, this, follow);
    connect(&m_budget, &Budget::followUpReplaced, this, follow);
    connect(&m_budget, &Budget::ownLineAdded, this, follow);
    connect(&m_budget, &Budget::ownLineRemoved, this, follow);
    connect(&m_budget, &Budget::ownLineChanged, this, follow);
    m_book = followUpBook(m_budget, m_language);
    layOut();
}

void FollowUpModel::setLanguage(base::Language language)
{
    if (language == m_language)
        return;
    m_language = language;
    refresh();
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    if (!m_rows.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

void FollowUpModel::setApply(Apply apply)
{
    m_apply = std::move(apply);
}

void FollowUpModel::layOut()
{
    m_rows.clear();
    m_rows.reserve(m_book.lines.size() + m_book.groups.size() + 1);
    for (int g = 0; g < int(m_book.groups.size()); ++g) {
        const FollowUpBook::Group &group = m_book.groups[std::size_t(g)];
        for (int l = group.firstLine; l < group.firstLine + group.lineCount; ++l)
            m_rows.push_back({RowKind::Line, l, g});
        m_rows.push_back({RowKind::Subtotal, -1, g});
    }
    m_rows.push_back({RowKind::Total, -1, -1});
}

void FollowUpModel::refresh()
{
    FollowUpBook book = followUpBook(m_budget, m_language);
    // The same lines in the same places: only figures and texts changed.
    const auto sameLines = [&] {
        if (book.lines.size() != m_book.lines.size() || book.groups.size() != m_book.groups.size())
            return false;
        for (std::size_t i = 0; i < book.lines.size(); ++i) {
            const FollowUpLine &a = book.lines[i];
            const FollowUpLine &b = m_book.lines[i];
            if (a.kind != b.kind || a.section != b.section || a.row != b.row || a.ownIndex != b.ownIndex)
                return false;
        }
        return true;
    };
    if (sameLines()) {
        m_book = std::move(book);
        if (!m_rows.empty())
            emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
        return;
    }
    beginResetModel();
    m_book = std::move(book);
    layOut();
    endResetModel();
}

FollowUpModel::RowKind FollowUpModel::kindOf(int row) const
{
    return row >= 0 && row < int(m_rows.size()) ? m_rows[std::size_t(row)].kind : RowKind::Total;
}

const FollowUpLine *FollowUpModel::lineAt(int row) const
{
    if (row < 0 || row >= int(m_rows.size()) || m_rows[std::size_t(row)].kind != RowKind::Line)
        return nullptr;
    return &m_book.lines[std::size_t(m_rows[std::size_t(row)].line)];
}

int FollowUpModel::rowOfOwnLine(int ownIndex) const
{
    for (int r = 0; r < int(m_rows.size()); ++r)
        if (const FollowUpLine *line = lineAt(r); line && line->kind == FollowUpLine::Kind::Own && line->ownIndex == ownIndex)
            return r;
    return -1;
}

int FollowUpModel::rowOfCatalogueRow(int section, int tab, int row) const
{
    for (int r = 0; r < int(m_rows.size()); ++r)
        if (const FollowUpLine *line = lineAt(r);
            line && line->kind == FollowUpLine::Kind::Row && line->section == section && line->row->tab == tab
            && line->row->row == row)
            return r;
    return -1;
}

QString FollowUpModel::sectionName(int section) const
{
    return section >= 0 && section < m_budget.sectionCount() ? m_budget.catalogue(section).caption.in(m_language)
                                                             : otherCostsName(m_language);
}

QString FollowUpModel::otherCostsName(base::Language language)
{
    return kOtherCosts.in(language);
}

int FollowUpModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int FollowUpModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString FollowUpModel::columnTitle(int column, base::Language language)
{
    return column >= 0 && column < ColumnCount ? kHeaders[column].in(language) : QString();
}

QString FollowUpModel::columnName(int column, base::Language language)
{
    // The amount headers end in their unit: ", ₸" or ", тг".
    const QString title = columnTitle(column, language);
    return isAmountColumn(column) ? title.section(u',', 0, 0) : title;
}

QVariant FollowUpModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return kHeaders[section].in(m_language);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(isAmountColumn(section) ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

const FollowUp &FollowUpModel::followUpOf(const FollowUpLine &line) const
{
    if (line.kind == FollowUpLine::Kind::Own)
        return m_budget.ownLines()[std::size_t(line.ownIndex)].followUp;
    return m_budget.followUp(line.section, line.row->tab, line.row->row);
}

const FollowUpTotals &FollowUpModel::totalsOf(const Row &row) const
{
    return row.kind == RowKind::Total ? m_book.total : m_book.groups[std::size_t(row.group)].totals;
}

QString FollowUpModel::amountText(const std::optional<qint64> &tiyn) const
{
    return tiyn ? base::tiynText(*tiyn, m_language) : QString();
}

QString FollowUpModel::totalText(qint64 tiyn, bool known, const FollowUpTotals &totals) const
{
    if (totals.overflow)
        return kTooLarge.in(m_language);
    return known ? base::tiynText(tiyn, m_language) : QString();
}

QVariant FollowUpModel::display(const Row &row, int column) const
{
    if (row.kind != RowKind::Line) {
        const FollowUpTotals &totals = totalsOf(row);
        switch (column) {
        case SectionColumn:
            return row.kind == RowKind::Total ? QString() : sectionName(m_book.groups[std::size_t(row.group)].section);
        case ItemColumn: return (row.kind == RowKind::Total ? kBudgetTotal : kSubtotal).in(m_language);
        case EstimateColumn:
            return totals.estimateWaits ? kWaits.in(m_language) : totalText(totals.estimate, true, totals);
        case ActualColumn: return totalText(totals.actual, totals.anyActual, totals);
        case VarianceColumn:
            return totals.estimateWaits ? QString() : totalText(totals.variance, totals.anyActual, totals);
        case PaidColumn: return totalText(totals.paid, totals.anyPaid, totals);
        case ToPayColumn: return totalText(totals.toPay, totals.anyActual, totals);
        default: return QString();
        }
    }
    const FollowUpLine &line = m_book.lines[std::size_t(row.line)];
    const FollowUp &followUp = followUpOf(line);
    const bool own = line.kind == FollowUpLine::Kind::Own;
    switch (column) {
    case SectionColumn: return sectionName(line.section);
    case ItemColumn:
        if (own)
            return m_budget.ownLines()[std::size_t(line.ownIndex)].item;
        return rowItem(*line.row, m_budget.catalogue(line.section), m_language);
    case ChoicesColumn:
        if (own)
            return QString();
        return line.cleared ? kCleared.in(m_language)
                            : rowChoices(m_budget.entries(line.section), *line.row, m_language);
    case EstimateColumn: return line.estimateWaits ? kWaits.in(m_language) : amountText(line.estimate);
    case ActualColumn: return amountText(line.actual);
    case VarianceColumn: return amountText(line.variance());
    case PaidColumn: return amountText(line.paid);
    case ToPayColumn: return amountText(line.toPay());
    case SupplierColumn: return followUp.supplier;
    case DueColumn: return followUp.due.isValid() ? base::localeOf(m_language).toString(followUp.due, QLocale::ShortFormat) : QString();
    case NoteColumn: return QString(followUp.note).replace(u'\n', u' ');
    default: return {};
    }
}

QVariant FollowUpModel::sortValue(const Row &row, int column) const
{
    if (row.kind != RowKind::Line)
        return display(row, column);
    const FollowUpLine &line = m_book.lines[std::size_t(row.line)];
    const auto amount = [](const std::optional<qint64> &tiyn) {
        // Unknown amounts sort before every known one.
        return QVariant::fromValue(tiyn.value_or(std::numeric_limits<qint64>::min()));
    };
    switch (column) {
    case EstimateColumn: return amount(line.estimate);
    case ActualColumn: return amount(line.actual);
    case VarianceColumn: return amount(line.variance());
    case PaidColumn: return amount(line.paid);
    case ToPayColumn: return amount(line.toPay());
    case DueColumn: return followUpOf(line).due;
    default: return display(row, column).toString().toCaseFolded();
    }
}

QVariant FollowUpModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_rows.size()) || index.column() >= ColumnCount)
        return {};
    const Row &row = m_rows[std::size_t(index.row())];
    const FollowUpLine *line = row.kind == RowKind::Line ? &m_book.lines[std::size_t(row.line)] : nullptr;
    switch (role) {
    case Qt::DisplayRole: return display(row, index.column());
    case Qt::ToolTipRole:
        if (line && index.column() == NoteColumn)
            return followUpOf(*line).note;
        if (line && index.column() == ChoicesColumn)
            return display(row, index.column());
        return {};
    case Qt::EditRole: {
        if (!line)
            return {};
        const FollowUp &followUp = followUpOf(*line);
        const bool own = line->kind == FollowUpLine::Kind::Own;
        switch (index.column()) {
        case SectionColumn: return line->section;
        case ItemColumn: return own ? m_budget.ownLines()[std::size_t(line->ownIndex)].item : display(row, ItemColumn);
        case EstimateColumn: return own ? m_budget.ownLines()[std::size_t(line->ownIndex)].estimate : display(row, EstimateColumn);
        case ActualColumn: return followUp.actual;
        case PaidColumn: return followUp.paid;
        case SupplierColumn: return followUp.supplier;
        case DueColumn: return followUp.due;
        case NoteColumn: return followUp.note;
        default: return display(row, index.column());
        }
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(isAmountColumn(index.column()) ? Qt::AlignRight | Qt::AlignVCenter
                                                                  : Qt::AlignLeft | Qt::AlignVCenter);
    case KindRole: return int(row.kind);
    case GroupRole: return row.group < 0 ? int(m_book.groups.size()) : row.group;
    case SortRole: return sortValue(row, index.column());
    case OverEstimateRole:
        if (line)
            return line->overEstimate();
        return !totalsOf(row).overflow && !totalsOf(row).estimateWaits && totalsOf(row).variance > 0;
    case WaitsRole: return line ? line->estimateWaits : totalsOf(row).estimateWaits;
    case ClearedRole: return line && line->cleared;
    case NotFullyPaidRole: return line && line->actual && !line->fullyPaid();
    case SectionRole:
        return line ? line->section : row.kind == RowKind::Total ? -2 : m_book.groups[std::size_t(row.group)].section;
    case OwnLineRole: return line && line->kind == FollowUpLine::Kind::Own ? line->ownIndex : -1;
    default: return {};
    }
}

Qt::ItemFlags FollowUpModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const FollowUpLine *line = lineAt(index.row());
    if (!line || !m_apply)
        return flags;
    switch (index.column()) {
    case ActualColumn:
    case PaidColumn:
    case SupplierColumn:
    case DueColumn:
    case NoteColumn: return flags | Qt::ItemIsEditable;
    case SectionColumn:
    case ItemColumn:
    case EstimateColumn: return line->kind == FollowUpLine::Kind::Own ? flags | Qt::ItemIsEditable : flags;
    default: return flags;
    }
}

bool FollowUpModel::refuse(const QModelIndex &index, const QString &typed, const QString &why)
{
    emit refused(index, typed, why);
    return false;
}

bool FollowUpModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    const FollowUpLine *line = index.isValid() && role == Qt::EditRole ? lineAt(index.row()) : nullptr;
    if (!line || !(flags(index) & Qt::ItemIsEditable))
        return false;
    Change change;
    change.kind = line->kind;
    change.section = line->section;
    change.column = Column(index.column());
    const bool own = line->kind == FollowUpLine::Kind::Own;
    if (own) {
        change.ownIndex = line->ownIndex;
        change.ownLine = m_budget.ownLines()[std::size_t(line->ownIndex)];
    } else {
        change.tab = line->row->tab;
        change.row = line->row->row;
        change.followUp = m_budget.followUp(line->section, line->row->tab, line->row->row);
    }
    FollowUp &followUp = own ? change.ownLine.followUp : change.followUp;
    const QString typed = value.typeId() == QMetaType::QDate ? QString() : value.toString();
    const auto amount = [&](QString &field) {
        const QString text = typed.trimmed();
        const TypedAmount parsed = parseAmount(text, m_language);
        if (parsed.isRefused())
            return refuse(index, text, refusalOf(parsed, text, m_language));
        field = text;
        return true;
    };
    const auto text = [&](QString &field, int maxLength) {
        if (typed.size() > maxLength)
            return refuse(index, typed.left(40) + u'…', kTextTooLong.in(m_language).arg(typed.size()).arg(maxLength));
        field = typed;
        return true;
    };
    switch (index.column()) {
    case ActualColumn:
        if (!amount(followUp.actual))
            return false;
        break;
    case PaidColumn:
        if (!amount(followUp.paid))
            return false;
        break;
    case SupplierColumn:
        if (!text(followUp.supplier, kMaxSupplierLength))
            return false;
        followUp.supplier = followUp.supplier.trimmed();
        break;
    case NoteColumn:
        if (!text(followUp.note, kMaxNoteLength))
            return false;
        break;
    case DueColumn:
        if (value.typeId() == QMetaType::QDate || value.isNull() || typed.trimmed().isEmpty()) {
            followUp.due = value.toDate();
        } else {
            const QDate date = QDate::fromString(typed.trimmed(), Qt::ISODate);
            if (!date.isValid())
                return refuse(index, typed, kNotADate.in(m_language).arg(typed));
            followUp.due = date;
        }
        break;
    case SectionColumn: {
        const int section = value.toInt();
        change.ownLine.section = section >= 0 && section < m_budget.sectionCount() ? section : -1;
        break;
    }
    case ItemColumn:
        if (!text(change.ownLine.item, kMaxItemLength))
            return false;
        change.ownLine.item = change.ownLine.item.trimmed();
        break;
    case EstimateColumn:
        if (!amount(change.ownLine.estimate))
            return false;
        break;
    default: return false;
    }
    m_apply(change);
    return true;
}

} // namespace torvane::model
