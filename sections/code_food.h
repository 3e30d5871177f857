#pragma once

#include "calc/sectionscreen.h"

namespace torvane::sections {

// Food and leisure: cafés and restaurants, food delivery and catering, leisure activities.
const calc::SectionCatalogue &foodCatalogue();

class TForm_food : public calc::SectionScreen
{
    Q_OBJECT
public:
    explicit TForm_food(shell::TForm_login *login) : SectionScreen(foodCatalogue(), login) {}
};

} // namespace torvane::sections
