#pragma once

#include "calc/sectionscreen.h"

namespace torvane::sections {

// Logistics and transport: flights, rail, road, car rental, warehousing.
const calc::SectionCatalogue &logisticCatalogue();

class TForm_logistic : public calc::SectionScreen
{
    Q_OBJECT
public:
    explicit TForm_logistic(shell::TForm_login *login) : SectionScreen(logisticCatalogue(), login) {}
};

} // namespace torvane::sections
