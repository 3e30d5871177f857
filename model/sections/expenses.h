#pragma once

#include "model/catalogue.h"

namespace torvane::model::sections {

// Running expenses: cleaning, utilities, furniture, consumables.
const model::SectionCatalogue &expensesCatalogue();

} // namespace torvane::model::sections
