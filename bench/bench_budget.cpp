// The whole budget with every entry cell of all eight sections filled (the
// last option of every list, "2" in every quantity): opening it, saving it,
// the overview's update after one change, and its workbooks and PDF.
// Prints the median of repeated runs beside each target.

#include "testsupport.h"

#include "base/safefile.h"
#include "benchsupport.h"
#include "model/budgetfile.h"
#include "report/budgetoutput.h"
#include "report/budgetpdf.h"
#include "report/budgetworkbook.h"
#include "ui/budget/budgetdocument.h"
#include "ui/budget/budgetpanel.h"
#include "ui/shell/code_main.h"
#include "ui/common/torvaneapplication.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace torvane;
using bench::measure;
using bench::print;
using bench::Figures;
using namespace torvane::test;

namespace {

constexpr base::Language kLanguage = base::Language::English;

int filledCells(const model::Budget &budget)
{
    int count = 0;
    for (int s = 0; s < budget.sectionCount(); ++s) {
        const model::SectionEntries &entries = budget.entries(s);
        for (int c = 0; c < entries.grid().cells().size(); ++c)
            count += entries.position(c) >= 0 || !model::SectionEntries::isEmptyText(entries.text(c));
    }
    return count;
}

} // namespace

int main(int argc, char **argv)
{
    // Recovery slots and recent files go to a throw-away place, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    ui::common::TorvaneApplication application(argc, argv);
    QTemporaryDir folder;
    const auto catalogues = model::allCatalogues();

    model::Budget full;
    bench::fillAll(full);
    full.setSettings({u"Pavilion budget"_s, 75, u"EUR"_s, u"520,5"_s, {}});
    const QByteArray bytes = model::budgetfile::write(full, kLanguage);
    const QString path = folder.filePath(u"full.torvane"_s);
    if (!base::writeFileAtomically(path, bytes).ok) {
        std::printf("cannot write %s\n", qPrintable(path));
        return 1;
    }
    std::printf("full budget: %d filled cells in 8 sections, %lld bytes\n", filledCells(full), qlonglong(bytes.size()));

    // (a) Opening: read, load, every section brought to its figures.
    {
        model::Budget budget;
        const Figures f = measure(25, [&] {
            const model::budgetfile::ReadResult read = model::budgetfile::read(bytes, catalogues);
            budget.load(read.content, false);
            for (int s = 0; s < budget.sectionCount(); ++s)
                budget.figures(s);
        }, [&] { budget.clearAll(); });
        if (filledCells(budget) != filledCells(full) || budget.content().settings != full.settings()) {
            std::printf("the budget read back is not the one written\n");
            return 1;
        }
        print("open: read + load + figures of 8 sections", f, "target <= 50 ms");
    }

    Screens screens;
    ui::budget::BudgetDocument *document = app::documentOf(*screens.login);
    model::Budget &budget = document->budget();
    auto *panel = screens.login->findChild<ui::budget::BudgetPanel *>(u"BudgetPanel"_s);
    std::vector<QWidget *> sections;
    for (const model::SectionCatalogue *catalogue : catalogues)
        sections.push_back(screens.screen(QString::fromUtf16(catalogue->screenName)));
    if (!document || !panel || std::count(sections.begin(), sections.end(), nullptr)) {
        std::printf("the screens lack the budget document, its panel or a section\n");
        return 1;
    }
    auto settleSections = [&] {
        for (QWidget *section : sections)
            settle(section);
    };

    // (a) The same through the screens: opened as a user does, until every section shows its figures.
    {
        bool opened = true;
        const Figures f = measure(15, [&] {
            opened &= document->openFile(path);
            settleSections();
        }, [&] {
            budget.clearAll();
            settleSections();
        });
        if (!opened || filledCells(budget) != filledCells(full)) {
            std::printf("opening through the screens failed\n");
            return 1;
        }
        print("open through the screens: openFile + sections shown", f, "(reported)");
    }

    // (b) Saving: the file's text and its atomic write.
    {
        const QString saved = folder.filePath(u"saved.torvane"_s);
        bool written = true;
        const Figures f = measure(25, [&] {
            written &= base::writeFileAtomically(saved, model::budgetfile::write(budget, kLanguage)).ok;
        });
        if (!written) {
            std::printf("saving failed\n");
            return 1;
        }
        print("save: write + atomic file write", f, "target <= 20 ms");
    }

    // (c) One quantity changed: the panel refreshes on the budget's signal, inside setText.
    // The overview is on the main menu, which stays open under the sections
    // the user edits (a hidden menu catches up when it is shown again).
    {
        auto *menu = screens.screen<ui::shell::TForm_main>(u"Form_main"_s);
        menu->present();
        settle(menu);
        const int section = budget.indexOf(u"Form_logistic"_s);
        const model::SectionGrid &grid = budget.entries(section).grid();
        int cell = 0;
        while (grid.cell(cell).spec->role != model::ColumnRole::Quantity)
            ++cell;
        int run = 0;
        int unchanged = 0;
        QString before;
        auto check = [&] {
            if (run > 0 && panel->BudgetTotal->text() == before)
                ++unchanged;
        };
        const Figures f = measure(201, [&] {
            budget.setText(section, cell, run % 2 ? u"3"_s : u"2"_s);
        }, [&] {
            check();
            settleSections();
            before = panel->BudgetTotal->text();
            ++run;
        });
        check();
        if (unchanged) {
            std::printf("the overview's total did not follow %d of %d changes\n", unchanged, run);
            return 1;
        }
        print("overview after one change (setText + panel refresh)", f, "target <= 2 ms");
        budget.setText(section, cell, u"2"_s);
        settleSections();
    }

    // (d) The whole-budget outputs from the full budget.
    struct Output {
        const char *what;
        QString file;
        bool pdf;
        const char *target;
    };
    const Output outputs[] = {
        {"workbook .xlsx: budgetReport + write", u"budget.xlsx"_s, false, "target <= 100 ms"},
        {"workbook .xls: budgetReport + write", u"budget.xls"_s, false, "target <= 100 ms"},
        {"PDF: budgetReport + write", u"budget.pdf"_s, true, "target <= 300 ms"},
    };
    print("  of which budgetReport alone", measure(15, [&] { report::budgetReport(budget, kLanguage); }), "");
    for (const Output &output : outputs) {
        const QString out = folder.filePath(output.file);
        bool written = true;
        const Figures f = measure(15, [&] {
            const report::BudgetReport d = report::budgetReport(budget, kLanguage);
            written &= (output.pdf ? report::writeBudgetPdf(d, out) : report::writeBudgetWorkbook(d, out)).ok();
        });
        if (!written) {
            std::printf("%s failed\n", output.what);
            return 1;
        }
        std::printf("%-52s median %8.3f ms (max %8.3f)  %s, %lld bytes\n", output.what, f.median, f.max, output.target,
                    QFileInfo(out).size());
    }
    return 0;
}
