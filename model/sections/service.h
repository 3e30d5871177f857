#pragma once

#include "model/catalogue.h"

namespace torvane::model::sections {

// Business services: staff, legal, IT, accounting, equipment, security, maintenance, translation.
const model::SectionCatalogue &serviceCatalogue();

} // namespace torvane::model::sections
