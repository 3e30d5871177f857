#pragma once

#include "model/catalogue.h"

namespace torvane::model::sections {

// Events and entertainment: artists, photo and video, accessories.
const model::SectionCatalogue &eventCatalogue();

} // namespace torvane::model::sections
