#pragma once

#include "calc/sectionscreen.h"

namespace torvane::sections {

// Business services: staff, legal, IT, accounting, equipment, security, maintenance, translation.
const calc::SectionCatalogue &serviceCatalogue();

class TForm_service : public calc::SectionScreen
{
    Q_OBJECT
public:
    explicit TForm_service(shell::TForm_login *login) : SectionScreen(serviceCatalogue(), login) {}
};

} // namespace torvane::sections
