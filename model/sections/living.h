#pragma once

#include "model/catalogue.h"

namespace torvane::model::sections {

// Accommodation: hotels, hostels, houses, apartments and rooms, by the night.
const model::SectionCatalogue &livingCatalogue();

} // namespace torvane::model::sections
