// Export of a fully filled construction section (every row priced): the
// whole export to .xls, and the same report workbook saved as .xlsx.

#include "testsupport.h"

#include "ui/common/torvaneapplication.h"
#include "report/builtinhost.h"
#include "report/reportexport.h"
#include "report/reportfolder.h"
#include "report/sectionsource.h"
#include "report/spreadsheethost.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace torvane;
using namespace torvane::test;

int main(int argc, char **argv)
{
    ui::common::TorvaneApplication application(argc, argv);
    QTemporaryDir folder;
    report::setReportFolderForTesting(folder.path());
    QString xlsPath;
    report::SpreadsheetHost::setOpenerForTesting([&xlsPath](const QString &path) {
        xlsPath = path;
        return true;
    });

    Screens screens;
    ui::sections::SectionScreen *s = screens.openSection(u"Form_construct"_s, 2);
    for (int t = 1; t <= s->catalogue().tabCount(); ++t)
        for (const model::GroupSpec &group : s->catalogue().tabs[t - 1].groups)
            for (int r = group.firstRow; r <= group.lastRow; ++r) {
                s->comboBox(t, r, 3)->setCurrentIndex(s->comboBox(t, r, 3)->count() - 1);
                s->edit(t, r, 2)->setText(QString::number(r * 7));
            }
    settle(s);

    // The same report workbook, built through the same calls, for its .xlsx save.
    const auto &figures = std::get<model::SectionFigures>(s->budget().figures(s->budgetIndex()));
    const report::SectionSource source(s->budget().entries(s->budgetIndex()), figures, base::Language::English);
    report::BuiltinWorkbook book;
    book.WorkSheets(1).setName(report::sheetNameOf(source.caption()));
    report::writeSectionBlocks(book.WorkSheets(1), model::reportPlanOf(s->catalogue()), source, 2);

    std::vector<double> xls, xlsx;
    QString xlsxPath;
    for (int i = 0; i < 30; ++i) {
        QElapsedTimer t;
        t.start();
        s->Image1Click();
        xls.push_back(t.nsecsElapsed() / 1e6);

        xlsxPath = folder.filePath(u"report.xlsx"_s);
        t.restart();
        book.SaveAs(xlsxPath);
        xlsx.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(xls.begin(), xls.end());
    std::sort(xlsx.begin(), xlsx.end());
    std::printf("construction report, 110 priced rows, export to .xls : median %6.1f ms (max %.1f), %lld bytes  target < 50 ms\n",
                xls[xls.size() / 2], xls.back(), QFileInfo(xlsPath).size());
    std::printf("same report workbook saved as .xlsx                 : median %6.1f ms (max %.1f), %lld bytes  target < 50 ms\n",
                xlsx[xlsx.size() / 2], xlsx.back(), QFileInfo(xlsxPath).size());
    for (const QString &message : ui::common::ErrorReporter::instance().recorded())
        std::printf("reported: %s\n", qUtf8Printable(message));
    return 0;
}
