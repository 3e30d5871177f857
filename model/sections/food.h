#pragma once

#include "model/catalogue.h"

namespace torvane::model::sections {

// Food and leisure: cafés and restaurants, food delivery and catering, leisure activities.
const model::SectionCatalogue &foodCatalogue();

} // namespace torvane::model::sections
