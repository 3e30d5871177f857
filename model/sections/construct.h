#pragma once

#include "model/catalogue.h"

namespace torvane::model::sections {

// Construction and finishing works: fixed work items priced by area, length or piece.
const model::SectionCatalogue &constructCatalogue();

} // namespace torvane::model::sections
