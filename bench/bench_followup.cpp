// Following a fully filled budget: every row of all eight sections priced
// and followed up (an actual, a payment, a supplier, a due date, a note),
// plus 500 lines of one's own; the table, the file, and the outputs that
// carry the follow-up. Prints the median of repeated runs beside each target.

#include "app/startup.h"
#include "base/decimalformat.h"
#include "base/safefile.h"
#include "benchsupport.h"
#include "model/budgetfile.h"
#include "model/followupmodel.h"
#include "report/budgetoutput.h"
#include "report/budgetworkbook.h"
#include "report/followupcsv.h"
#include "ui/budget/budgetdocument.h"
#include "ui/budget/budgetpanel.h"
#include "ui/budget/followupproxy.h"
#include "ui/common/budgeteditor.h"
#include "ui/common/errorreporter.h"
#include "ui/common/oneshottimer.h"
#include "ui/shell/code_login.h"
#include "ui/shell/code_main.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QStandardPaths>
#include <QSortFilterProxyModel>
#include <QTemporaryDir>

#include <cstdio>

using namespace torvane;
using bench::measure;
using bench::print;
using namespace Qt::StringLiterals;

namespace {

constexpr base::Language kLanguage = base::Language::English;

// Every row followed up, and 500 lines of one's own.
void followUpAll(model::Budget &budget)
{
    for (int s = 0; s < budget.sectionCount(); ++s)
        for (const model::GridRow &row : budget.entries(s).grid().rows())
            budget.setFollowUp(s, row.tab, row.row,
                               {QString::number(1000 + row.row * 37) + u",50"_s, QString::number(500 + row.row), u"Supplier %1"_s.arg(row.row),
                                QDate(2017, 1 + row.row % 12, 1 + row.row % 28), u"Invoice %1 of %2"_s.arg(row.row).arg(row.tab)});
    for (int i = 0; i < 500; ++i)
        budget.addOwnLine({i % 9 - 1, u"Own line %1"_s.arg(i), QString::number(10000 + i * 13), {QString::number(9000 + i), {}, u"Agency"_s, {}, {}}});
}

} // namespace

int main(int argc, char **argv)
{
    // A widget application: the panel's measure shows the main menu.
    QApplication application(argc, argv);
    base::DecimalFormat::setRegionalForTesting(QLocale::c());
    model::Budget budget;
    bench::fillAll(budget);
    followUpAll(budget);
    {
        model::FollowUpModel model(budget);
        std::printf("a fully filled budget: %d table rows, %zu lines, %zu own lines\n", model.rowCount(),
                    model.book().lines.size(), budget.ownLines().size());
    }

    print("follow-up table model built", measure(25, [&] { model::FollowUpModel model(budget); }), "target <= 20 ms");

    model::FollowUpModel model(budget);
    QSortFilterProxyModel proxy;
    proxy.setSortRole(model::FollowUpModel::SortRole);
    proxy.setSourceModel(&model);
    int column = model::FollowUpModel::ActualColumn;
    print("sorted by a column", measure(25, [&] {
              proxy.sort(column, Qt::DescendingOrder);
              column = column == model::FollowUpModel::ActualColumn ? model::FollowUpModel::SupplierColumn
                                                                    : model::FollowUpModel::ActualColumn;
          }),
          "target <= 20 ms");

    const int logistics = budget.indexOf(u"Form_logistic"_s);
    int edit = 0;
    print("one edit through the table (figures follow)", measure(25, [&] {
              model.setData(model.index(0, model::FollowUpModel::ActualColumn), QString::number(2000 + ++edit));
          }),
          "");
    (void)logistics;

    QTemporaryDir folder;
    const QString path = folder.filePath(u"full.torvane"_s);
    print("budget file saved", measure(15, [&] {
              base::writeFileAtomically(path, model::budgetfile::write(budget, kLanguage));
          }),
          "target <= 30 ms");
    print("budget file opened", measure(15, [&] {
              model::Budget opened;
              opened.load(model::budgetfile::readFile(path, model::allCatalogues()).content, false);
          }),
          "target <= 50 ms");

    // The outputs of the whole budget with its follow-up: the budget read
    // into the document, then written.
    for (const QString &file : {u"full.xlsx"_s, u"full.xls"_s}) {
        const QString out = folder.filePath(file);
        const bench::Figures figures = measure(15, [&] {
            const report::BudgetReport document = report::budgetReport(budget, kLanguage);
            if (!report::writeBudgetWorkbook(document, out).ok())
                std::fprintf(stderr, "the workbook could not be written\n");
        });
        const QByteArray what = u"whole-budget workbook with follow-up, %1"_s.arg(file.section(u'.', 1)).toUtf8();
        print(what.constData(), figures, qPrintable(u"target <= 150 ms, %1 bytes"_s.arg(QFileInfo(out).size())));
    }
    print("  of which budgetReport alone", measure(15, [&] { report::budgetReport(budget, kLanguage); }), "");
    const QString pdf = folder.filePath(u"full.pdf"_s);
    const bench::Figures pdfFigures = measure(5, [&] { report::writeBudget(report::budgetReport(budget, kLanguage), pdf); });
    print("whole-budget PDF with follow-up", pdfFigures, qPrintable(u"(reported), %1 bytes"_s.arg(QFileInfo(pdf).size())));
    QByteArray csv;
    const bench::Figures csvFigures = measure(15, [&] { csv = report::followUpCsv(budget, kLanguage); });
    print("follow-up CSV", csvFigures, qPrintable(u"(reported), %1 bytes"_s.arg(csv.size())));
    {
        // The main menu's panel over the same full budget: one follow-up
        // edit through the budget's editor until the panel shows the new
        // actual total, and until it is painted.
        QStandardPaths::setTestModeEnabled(true);
        ui::common::ErrorReporter::instance().setRecording(true);
        auto login = app::createScreens();
        model::Budget &shown = app::documentOf(*login)->budget();
        bench::fillAll(shown);
        followUpAll(shown);
        auto *menu = login->findChild<ui::shell::TForm_main *>(u"Form_main"_s, Qt::FindDirectChildrenOnly);
        menu->present();
        ui::common::runPendingSteps(menu);
        QCoreApplication::processEvents();
        const auto *panel = menu->findChild<ui::budget::BudgetPanel *>(u"BudgetPanel"_s);
        ui::common::BudgetEditor &editor = ui::common::BudgetEditor::of(shown);
        const model::GridRow &first = shown.entries(0).grid().rows().front();
        model::FollowUpModel::Change change;
        change.section = 0;
        change.tab = first.tab;
        change.row = first.row;
        change.followUp = shown.followUp(0, first.tab, first.row);
        int actual = 0;
        QString before = panel->ActualTotal->text();
        bool followed = true;
        const auto edit = [&] {
            change.followUp.actual = QString::number(5000 + ++actual) + u",25"_s;
            editor.apply(change);
        };
        print("one edit to the panel updated (figures set)", measure(25, [&] {
                  edit();
                  followed &= panel->ActualTotal->text() != before;
                  before = panel->ActualTotal->text();
              }),
              "target <= 2 ms");
        print("one edit to the panel updated and painted", measure(25, [&] {
                  edit();
                  QCoreApplication::processEvents();
              }),
              "");
        if (!followed)
            std::printf("the panel did not follow every edit\n");

        // The window's own sort: each section's lines kept above their subtotal.
        ui::budget::FollowUpProxy window;
        model::FollowUpModel table(shown);
        window.setSourceModel(&table);
        int by = model::FollowUpModel::ItemColumn;
        print("follow-up window sorted by a column", measure(25, [&] {
                  window.sort(by, Qt::DescendingOrder);
                  by = by == model::FollowUpModel::ItemColumn ? model::FollowUpModel::ActualColumn : model::FollowUpModel::ItemColumn;
              }),
              "target <= 20 ms");
        app::releaseLocks(*login);
    }
    return 0;
}
