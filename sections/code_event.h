#pragma once

#include "calc/sectionscreen.h"

namespace torvane::sections {

// Events and entertainment: artists, photo and video, accessories.
const calc::SectionCatalogue &eventCatalogue();

class TForm_event : public calc::SectionScreen
{
    Q_OBJECT
public:
    explicit TForm_event(shell::TForm_login *login) : SectionScreen(eventCatalogue(), login) {}
};

} // namespace torvane::sections
