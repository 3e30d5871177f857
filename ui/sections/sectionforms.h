#pragma once

#include "model/sections/construct.h"
#include "model/sections/event.h"
#include "model/sections/expenses.h"
#include "model/sections/food.h"
#include "model/sections/living.h"
#include "model/sections/logistic.h"
#include "model/sections/reclame.h"
#include "model/sections/service.h"
#include "ui/sections/sectionscreen.h"

namespace torvane::ui::sections {

// One screen class per section, each the view of its catalogue in the budget.
class TForm_logistic : public SectionScreen
{
    Q_OBJECT
public:
    static const model::SectionCatalogue &catalogue() { return model::sections::logisticCatalogue(); }
    TForm_logistic(ui::shell::ScreenHost *login, model::Budget &budget) : SectionScreen(catalogue(), login, budget) {}
};

class TForm_living : public SectionScreen
{
    Q_OBJECT
public:
    static const model::SectionCatalogue &catalogue() { return model::sections::livingCatalogue(); }
    TForm_living(ui::shell::ScreenHost *login, model::Budget &budget) : SectionScreen(catalogue(), login, budget) {}
};

class TForm_food : public SectionScreen
{
    Q_OBJECT
public:
    static const model::SectionCatalogue &catalogue() { return model::sections::foodCatalogue(); }
    TForm_food(ui::shell::ScreenHost *login, model::Budget &budget) : SectionScreen(catalogue(), login, budget) {}
};

class TForm_construct : public SectionScreen
{
    Q_OBJECT
public:
    static const model::SectionCatalogue &catalogue() { return model::sections::constructCatalogue(); }
    TForm_construct(ui::shell::ScreenHost *login, model::Budget &budget) : SectionScreen(catalogue(), login, budget) {}
};

class TForm_service : public SectionScreen
{
    Q_OBJECT
public:
    static const model::SectionCatalogue &catalogue() { return model::sections::serviceCatalogue(); }
    TForm_service(ui::shell::ScreenHost *login, model::Budget &budget) : SectionScreen(catalogue(), login, budget) {}
};

class TForm_expenses : public SectionScreen
{
    Q_OBJECT
public:
    static const model::SectionCatalogue &catalogue() { return model::sections::expensesCatalogue(); }
    TForm_expenses(ui::shell::ScreenHost *login, model::Budget &budget) : SectionScreen(catalogue(), login, budget) {}
};

class TForm_reclame : public SectionScreen
{
    Q_OBJECT
public:
    static const model::SectionCatalogue &catalogue() { return model::sections::reclameCatalogue(); }
    TForm_reclame(ui::shell::ScreenHost *login, model::Budget &budget) : SectionScreen(catalogue(), login, budget) {}
};

class TForm_event : public SectionScreen
{
    Q_OBJECT
public:
    static const model::SectionCatalogue &catalogue() { return model::sections::eventCatalogue(); }
    TForm_event(ui::shell::ScreenHost *login, model::Budget &budget) : SectionScreen(catalogue(), login, budget) {}
};

// The screens of the eight sections of the budget, created in the sections' start-up order.
QList<SectionScreen *> createSectionScreens(ui::shell::ScreenHost *login, model::Budget &budget);

} // namespace torvane::ui::sections
