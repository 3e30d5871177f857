#pragma once

#include "calc/sectionscreen.h"

namespace torvane::sections {

// Accommodation: hotels, hostels, houses, apartments and rooms, by the night.
const calc::SectionCatalogue &livingCatalogue();

class TForm_living : public calc::SectionScreen
{
    Q_OBJECT
public:
    explicit TForm_living(shell::TForm_login *login) : SectionScreen(livingCatalogue(), login) {}
};

} // namespace torvane::sections
