#pragma once

#include "calc/sectionscreen.h"

namespace torvane::sections {

// Running expenses: cleaning, utilities, furniture, consumables.
const calc::SectionCatalogue &expensesCatalogue();

class TForm_expenses : public calc::SectionScreen
{
    Q_OBJECT
public:
    explicit TForm_expenses(shell::TForm_login *login) : SectionScreen(expensesCatalogue(), login) {}
};

} // namespace torvane::sections
