#pragma once

#include "calc/sectionscreen.h"

namespace torvane::sections {

const calc::SectionCatalogue &foodCatalogue();

class TForm_food : public calc::SectionScreen
{
    Q_OBJECT
public:
    explicit TForm_food(shell::TForm_login *login) : SectionScreen(foodCatalogue(), login) {}
};

} // namespace torvane::sections
