#pragma once

#include "model/catalogue.h"

namespace torvane::sections {

// Food and leisure: cafés and restaurants, food delivery and catering, leisure activities.
const model::SectionCatalogue &foodCatalogue();

} // namespace torvane::sections
