#pragma once

#include "base/language.h"
#include "model/catalogue.h"

#include <QHash>
#include <QString>

namespace torvane::model {

// What a section's controls read in a language, by control name: the tab
// buttons, the group and column headers, and the read-only grid fields that
// carry a row's fixed name. The screen writes these and the report reads
// them, so both always say the same.
QHash<QString, QString> sectionTexts(const SectionCatalogue &catalogue, base::Language language);

// The options a choice cell of the given row offers, in their order; none
// for other cells. A position means the same option in every language.
OptionList optionsOf(const ColumnSpec &column, int row);

inline int optionCount(const ColumnSpec &column, int row)
{
    return int(optionsOf(column, row).size());
}

} // namespace torvane::model
