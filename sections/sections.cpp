#include "sections/sections.h"

#include "sections/code_construct.h"
#include "sections/code_event.h"
#include "sections/code_expenses.h"
#include "sections/code_food.h"
#include "sections/code_living.h"
#include "sections/code_logistic.h"
#include "sections/code_reclame.h"
#include "sections/code_service.h"

namespace torvane::sections {

QList<calc::SectionScreen *> createSectionScreens(shell::TForm_login *login)
{
    // Start-up order of the screens.
    return {new TForm_logistic(login), new TForm_living(login),  new TForm_food(login),
            new TForm_construct(login), new TForm_service(login), new TForm_expenses(login),
            new TForm_reclame(login),  new TForm_event(login)};
}

QList<const calc::SectionCatalogue *> allCatalogues()
{
    return {&logisticCatalogue(), &livingCatalogue(),   &foodCatalogue(),    &constructCatalogue(),
            &serviceCatalogue(),  &expensesCatalogue(), &reclameCatalogue(), &eventCatalogue()};
}

} // namespace torvane::sections
