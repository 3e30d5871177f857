#include "ui/common/settingscommand.h"

#include "ui/common/undotexts.h"

namespace torvane::ui::common {

SettingsCommand::Field SettingsCommand::fieldOf(const model::BudgetSettings &before, const model::BudgetSettings &after)
{
    int changed = 0;
    Field field = Field::Several;
    const auto check = [&](bool differs, Field which) {
        if (differs) {
            ++changed;
            field = which;
        }
    };
    check(before.title != after.title, Field::Title);
    check(before.contingencyTenths != after.contingencyTenths, Field::Contingency);
    check(before.currencyCode != after.currencyCode, Field::CurrencyCode);
    check(before.currencyRate != after.currencyRate, Field::CurrencyRate);
    check(before.otherKeys != after.otherKeys, Field::Several);
    return changed == 1 ? field : Field::Several;
}

SettingsCommand::SettingsCommand(model::Budget &budget, const model::BudgetSettings &before, const model::BudgetSettings &after,
                                 int burst)
    : BudgetCommand(budget, burst)
    , m_before(before)
    , m_after(after)
    , m_field(fieldOf(before, after))
{
}

bool SettingsCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const SettingsCommand *>(other);
    if (m_field == Field::Several || next->m_field != m_field || !sameBurst(*next))
        return false;
    m_after = next->m_after;
    setObsolete(m_after == m_before);
    return true;
}

QString SettingsCommand::describe(base::Language language) const
{
    switch (m_field) {
    case Field::Title: return undotexts::kTitle.in(language);
    case Field::Contingency: return undotexts::kContingency.in(language);
    case Field::CurrencyCode: return undotexts::kCurrency.in(language);
    case Field::CurrencyRate: return undotexts::kRate.in(language);
    case Field::Several: break;
    }
    return undotexts::kSettings.in(language);
}

} // namespace torvane::ui::common
