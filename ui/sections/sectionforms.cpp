#include "ui/sections/sectionforms.h"

namespace torvane::ui::sections {

namespace {
template<typename... Forms>
SectionScreen *createForm(const model::SectionCatalogue &catalogue, ui::shell::ScreenHost *login, model::Budget &budget)
{
    SectionScreen *screen = nullptr;
    ((&Forms::catalogue() == &catalogue ? (screen = new Forms(login, budget), true) : false) || ...);
    return screen;
}
} // namespace

QList<SectionScreen *> createSectionScreens(ui::shell::ScreenHost *login, model::Budget &budget)
{
    QList<SectionScreen *> screens;
    for (const model::SectionInfo &section : model::sectionList())
        screens.append(createForm<TForm_logistic, TForm_living, TForm_food, TForm_construct, TForm_service,
                                  TForm_expenses, TForm_reclame, TForm_event>(section.catalogue(), login, budget));
    return screens;
}

} // namespace torvane::ui::sections
