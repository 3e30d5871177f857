#pragma once

#include "model/sections/code_construct.h"
#include "model/sections/code_event.h"
#include "model/sections/code_expenses.h"
#include "model/sections/code_food.h"
#include "model/sections/code_living.h"
#include "model/sections/code_logistic.h"
#include "model/sections/code_reclame.h"
#include "model/sections/code_service.h"
#include "ui/sectionscreen.h"

namespace torvane::ui {

// One screen class per section, each the view of its catalogue in the budget.
class TForm_logistic : public SectionScreen
{
    Q_OBJECT
public:
    static const model::SectionCatalogue &catalogue() { return sections::logisticCatalogue(); }
    TForm_logistic(shell::TForm_login *login, model::Budget &budget) : SectionScreen(catalogue(), login, budget) {}
};

class TForm_living : public SectionScreen
{
    Q_OBJECT
public:
    static const model::SectionCatalogue &catalogue() { return sections::livingCatalogue(); }
    TForm_living(shell::TForm_login *login, model::Budget &budget) : SectionScreen(catalogue(), login, budget) {}
};

class TForm_food : public SectionScreen
{
    Q_OBJECT
public:
    static const model::SectionCatalogue &catalogue() { return sections::foodCatalogue(); }
    TForm_food(shell::TForm_login *login, model::Budget &budget) : SectionScreen(catalogue(), login, budget) {}
};

class TForm_construct : public SectionScreen
{
    Q_OBJECT
public:
    static const model::SectionCatalogue &catalogue() { return sections::constructCatalogue(); }
    TForm_construct(shell::TForm_login *login, model::Budget &budget) : SectionScreen(catalogue(), login, budget) {}
};

class TForm_service : public SectionScreen
{
    Q_OBJECT
public:
    static const model::SectionCatalogue &catalogue() { return sections::serviceCatalogue(); }
    TForm_service(shell::TForm_login *login, model::Budget &budget) : SectionScreen(catalogue(), login, budget) {}
};

class TForm_expenses : public SectionScreen
{
    Q_OBJECT
public:
    static const model::SectionCatalogue &catalogue() { return sections::expensesCatalogue(); }
    TForm_expenses(shell::TForm_login *login, model::Budget &budget) : SectionScreen(catalogue(), login, budget) {}
};

class TForm_reclame : public SectionScreen
{
    Q_OBJECT
public:
    static const model::SectionCatalogue &catalogue() { return sections::reclameCatalogue(); }
    TForm_reclame(shell::TForm_login *login, model::Budget &budget) : SectionScreen(catalogue(), login, budget) {}
};

class TForm_event : public SectionScreen
{
    Q_OBJECT
public:
    static const model::SectionCatalogue &catalogue() { return sections::eventCatalogue(); }
    TForm_event(shell::TForm_login *login, model::Budget &budget) : SectionScreen(catalogue(), login, budget) {}
};

// The screens of the eight sections of the budget, created in the sections' start-up order.
QList<SectionScreen *> createSectionScreens(shell::TForm_login *login, model::Budget &budget);

} // namespace torvane::ui
