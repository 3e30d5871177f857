#pragma once

#include "calc/sectionscreen.h"

namespace torvane::sections {

// Advertising: outdoor, printing, internet marketing, promotion actions.
const calc::SectionCatalogue &reclameCatalogue();

class TForm_reclame : public calc::SectionScreen
{
    Q_OBJECT
public:
    explicit TForm_reclame(shell::TForm_login *login) : SectionScreen(reclameCatalogue(), login) {}
};

} // namespace torvane::sections
