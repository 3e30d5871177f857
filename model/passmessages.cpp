#include "model/passmessages.h"

#include "base/localizedtext.h"
#include "model/catalogue.h"

namespace torvane::model::passmessages {

using base::LocalizedText;

namespace {

QString tabTitle(const SectionCatalogue &catalogue, int tab, base::Language language)
{
    return tab >= 1 && tab <= catalogue.tabCount() ? catalogue.tabs[tab - 1].title.in(language).trimmed() : QString();
}

// "row 2 of the tab «Trucking»"
QString rowOfTab(const CellRef &where, const SectionCatalogue &catalogue, base::Language language)
{
    constexpr LocalizedText text{u"ligne %1 de l’onglet « %2 »", u"строка %1 на вкладке «%2»", u"row %1 of the tab “%2”"};
    return text.in(language).arg(where.row).arg(tabTitle(catalogue, where.tab, language));
}

// The header over a field's column, as its group shows it.
QString columnHeader(const CellRef &cell, const SectionCatalogue &catalogue, base::Language language)
{
    if (cell.tab < 1 || cell.tab > catalogue.tabCount())
        return {};
    for (const GroupSpec &group : catalogue.tabs[cell.tab - 1].groups)
        if (cell.row >= group.firstRow && cell.row <= group.lastRow && cell.column >= 1
            && cell.column <= int(group.columnHeaders.size()))
            return group.columnHeaders[std::size_t(cell.column - 1)].text.in(language).simplified();
    return {};
}

QString sectionCaption(const SectionCatalogue &catalogue, base::Language language)
{
    return catalogue.caption.in(language);
}

} // namespace

QString fieldName(const CellRef &cell, const SectionCatalogue &catalogue, base::Language language)
{
    constexpr LocalizedText text{u"« %1 », %2", u"«%1», %2", u"“%1”, %2"};
    const QString header = columnHeader(cell, catalogue, language);
    if (header.isEmpty())
        return rowOfTab(cell, catalogue, language);
    return text.in(language).arg(header, rowOfTab(cell, catalogue, language));
}

QString failure(const PassFailure &failure, const SectionCatalogue &catalogue, base::Language language)
{
    switch (failure.kind) {
    case PassFailure::Kind::InvalidQuantity:
        return invalidQuantityMessage(failure.text);
    case PassFailure::Kind::RowTooLarge: {
        constexpr LocalizedText text{
            u"Le montant de la %1 est trop grand pour être calculé. Réduisez ses quantités.",
            u"Сумма: %1 слишком велика, её нельзя рассчитать. Уменьшите количества в этой строке.",
            u"The amount of %1 is too large to compute. Lower its quantities."};
        return text.in(language).arg(rowOfTab(failure.where, catalogue, language));
    }
    case PassFailure::Kind::SubtotalTooLarge: {
        constexpr LocalizedText text{
            u"Le sous-total de l’onglet « %1 » est trop grand pour être calculé ; la %2 y pèse le plus.",
            u"Подытог вкладки «%1» слишком велик, его нельзя рассчитать; больше всего в него вносит %2.",
            u"The subtotal of the tab “%1” is too large to compute; %2 adds the most to it."};
        return text.in(language).arg(tabTitle(catalogue, failure.where.tab, language),
                                     rowOfTab(failure.where, catalogue, language));
    }
    case PassFailure::Kind::TotalTooLarge: {
        constexpr LocalizedText text{
            u"Le total de la section est trop grand pour être calculé ; la %1 y pèse le plus.",
            u"Итог раздела слишком велик, его нельзя рассчитать; больше всего в него вносит %1.",
            u"The section total is too large to compute; %1 adds the most to it."};
        return text.in(language).arg(rowOfTab(failure.where, catalogue, language));
    }
    }
    return {};
}

QString waitingFor(const PassFailure &failure, const SectionCatalogue &catalogue, base::Language language)
{
    if (failure.kind == PassFailure::Kind::InvalidQuantity) {
        constexpr LocalizedText text{u"Montant en attente : corrigez le champ %1, qui contient « %2 ».",
                                     u"Сумма ждёт исправления поля %1: в нём «%2».",
                                     u"This amount waits for the field %1 to be corrected: it holds “%2”."};
        return text.in(language).arg(fieldName(failure.where, catalogue, language), failure.text);
    }
    constexpr LocalizedText text{u"Montant en attente : %1", u"Сумма ждёт: %1", u"This amount waits: %1"};
    return text.in(language).arg(passmessages::failure(failure, catalogue, language));
}

QString waitingForOption(const CellRef &box, const SectionCatalogue &catalogue, base::Language language)
{
    constexpr LocalizedText text{
        u"En attente de « %1 » : cette ligne contient une quantité, mais son montant reste à 0 tant qu’aucune option n’est choisie ici.",
        u"Ждёт выбора в поле «%1»: в строке указано количество, но её сумма остаётся 0, пока здесь ничего не выбрано.",
        u"Waiting for “%1”: this row holds a quantity, but its amount stays 0 until an option is chosen here."};
    constexpr LocalizedText unnamed{
        u"En attente d’une option : cette ligne contient une quantité, mais son montant reste à 0 tant qu’aucune option n’est choisie ici.",
        u"Ждёт выбора варианта: в строке указано количество, но её сумма остаётся 0, пока здесь ничего не выбрано.",
        u"Waiting for an option: this row holds a quantity, but its amount stays 0 until an option is chosen here."};
    const QString header = columnHeader(box, catalogue, language);
    return header.isEmpty() ? unnamed.in(language) : text.in(language).arg(header);
}

QString reportRefused(const PassFailure &failure, const SectionCatalogue &catalogue, base::Language language)
{
    constexpr LocalizedText text{
        u"Le rapport n’a pas été enregistré : %1 Corrigez d’abord le champ marqué.",
        u"Отчёт не сохранён: %1 Сначала исправьте отмеченное поле.",
        u"The report was not saved: %1 Correct the marked field first."};
    QString reason = passmessages::failure(failure, catalogue, language);
    if (!reason.endsWith(u'.'))
        reason += u'.';
    return text.in(language).arg(reason);
}

QString budgetRefused(const PassFailure &failure, const SectionCatalogue &catalogue, base::Language language)
{
    if (failure.kind == PassFailure::Kind::InvalidQuantity) {
        constexpr LocalizedText text{
            u"Le budget n’a pas été écrit : dans « %1 », le champ %2 contient « %3 », qui n’est pas une quantité. Corrigez-le d’abord.",
            u"Бюджет не записан: в разделе «%1» поле %2 содержит «%3», а это не количество. Сначала исправьте его.",
            u"The budget was not written: in “%1”, the field %2 holds “%3”, which is not a quantity. Correct it first."};
        return text.in(language).arg(sectionCaption(catalogue, language), fieldName(failure.where, catalogue, language),
                                     failure.text);
    }
    constexpr LocalizedText text{u"Le budget n’a pas été écrit : dans « %1 », %2",
                                 u"Бюджет не записан: в разделе «%1»: %2",
                                 u"The budget was not written: in “%1”, %2"};
    QString reason = passmessages::failure(failure, catalogue, language);
    if (language != base::Language::Russian && !reason.isEmpty())
        reason[0] = reason[0].toLower();
    return text.in(language).arg(sectionCaption(catalogue, language), reason);
}

QString budgetTooLarge(base::Language language)
{
    constexpr LocalizedText text{
        u"Le budget n’a pas été écrit : son total est trop grand pour être calculé. Réduisez les quantités les plus grandes.",
        u"Бюджет не записан: его итог слишком велик, его нельзя рассчитать. Уменьшите самые большие количества.",
        u"The budget was not written: its total is too large to compute. Lower the largest quantities."};
    return text.in(language);
}

} // namespace torvane::model::passmessages
