#pragma once

#include "model/catalogue.h"

namespace torvane::model::sections {

// Logistics and transport: flights, rail, road, car rental, warehousing.
const model::SectionCatalogue &logisticCatalogue();

} // namespace torvane::model::sections
