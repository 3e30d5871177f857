#pragma once

#include "model/catalogue.h"

namespace torvane::model::sections {

// Advertising: outdoor, printing, internet marketing, promotion actions.
const model::SectionCatalogue &reclameCatalogue();

} // namespace torvane::model::sections
