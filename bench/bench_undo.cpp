// Undoing a cleared construction section (110 rows, every entry filled) in
// a fully filled budget: the budget alone with its figures, then with the
// construction screen open over the main menu, every figure on screen
// following (rows, subtotals, total, tiles, the overview). Prints the
// median of repeated runs beside the target.

#include "testsupport.h"

#include "benchsupport.h"
#include "ui/budget/budgetdocument.h"
#include "ui/common/budgeteditor.h"
#include "ui/common/torvaneapplication.h"
#include "ui/shell/code_main.h"

#include <cstdio>

using namespace torvane;
using bench::measure;
using bench::print;
using namespace torvane::test;

int main(int argc, char **argv)
{
    ui::common::TorvaneApplication application(argc, argv);
    base::DecimalFormat::setRegionalForTesting(QLocale::c());
    {
        model::Budget budget;
        bench::fillAll(budget);
        ui::common::BudgetEditor &editor = ui::common::BudgetEditor::of(budget);
        const int construction = budget.indexOf(u"Form_construct"_s);
        std::printf("construction: %lld rows\n", static_cast<long long>(budget.entries(construction).grid().rows().size()));
        print("cleared section undone, its figures computed", measure(51, [&] {
                  editor.undo();
                  (void)budget.figures(construction);
              }, [&] {
                  editor.clearSection(construction, false);
                  (void)budget.figures(construction);
              }),
              "target <= 5 ms");
        print("... and redone", measure(51, [&] {
                  editor.redo();
                  (void)budget.figures(construction);
              }, [&] {
                  editor.undo();
                  (void)budget.figures(construction);
              }),
              "");
    }

    Screens screens;
    model::Budget &budget = app::documentOf(*screens.login)->budget();
    bench::fillAll(budget);
    ui::common::BudgetEditor &editor = ui::common::BudgetEditor::of(budget);
    const int construction = budget.indexOf(u"Form_construct"_s);
    auto *menu = screens.screen<ui::shell::TForm_main>(u"Form_main"_s);
    screens.setLanguage(2);
    menu->present();
    settle(menu);
    ui::sections::SectionScreen *section = screens.openSection(u"Form_construct"_s, 2);
    const QString total = section->Edit1->text();
    print("on screen: undone, every figure shown", measure(51, [&] {
              editor.undo();
              settle(section); // the pass and its figures, due 100 ms later
          }, [&] {
              editor.clearSection(construction, false);
              settle(section);
          }),
          "target <= 5 ms");
    std::printf("construction total after the undo: %s (filled: %s)\n", qPrintable(section->Edit1->text()), qPrintable(total));
    return section->Edit1->text() == total ? 0 : 1;
}
