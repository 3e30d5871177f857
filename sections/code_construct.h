#pragma once

#include "calc/sectionscreen.h"

namespace torvane::sections {

// Construction and finishing works: fixed work items priced by area, length or piece.
const calc::SectionCatalogue &constructCatalogue();

class TForm_construct : public calc::SectionScreen
{
    Q_OBJECT
public:
    explicit TForm_construct(shell::TForm_login *login) : SectionScreen(constructCatalogue(), login) {}
};

} // namespace torvane::sections
