// One recalculation pass of a fully filled section screen: every option box
// selected, every quantity typed, read from the widgets and written back.

#include "testsupport.h"

#include "ui/common/torvaneapplication.h"
#include "ui/sections/sectionscreen.h"
#include "model/sections/construct.h"
#include "model/sections/logistic.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace torvane;
using namespace torvane::test;

namespace {

void fill(ui::sections::SectionScreen *s)
{
    for (int t = 1; t <= s->catalogue().tabCount(); ++t)
        for (const model::GroupSpec &group : s->catalogue().tabs[t - 1].groups)
            for (int r = group.firstRow; r <= group.lastRow; ++r)
                for (int c = 1; c <= group.columnCount(); ++c) {
                    const model::ColumnSpec &column = group.columns[c - 1];
                    if (column.role == model::ColumnRole::Choice)
                        s->comboBox(t, r, c)->setCurrentIndex(s->comboBox(t, r, c)->count() - 1);
                    else if (column.role == model::ColumnRole::Quantity)
                        s->edit(t, r, c)->setText(QString::number(r + c));
                }
    settle(s);
}

void measure(const char *what, ui::sections::SectionScreen *s)
{
    fill(s);
    std::vector<double> runs;
    for (int i = 0; i < 2000; ++i) {
        s->Timer3->switchOn();
        QElapsedTimer t;
        t.start();
        s->Timer3->fireNow();
        runs.push_back(t.nsecsElapsed() / 1e3);
    }
    std::sort(runs.begin(), runs.end());
    std::printf("%-42s median %7.1f us, p95 %7.1f us, max %7.1f us  (total %s)  target < 1000 us\n", what,
                runs[runs.size() / 2], runs[runs.size() * 95 / 100], runs.back(), qPrintable(s->Edit1->text()));
}

} // namespace

int main(int argc, char **argv)
{
    ui::common::TorvaneApplication application(argc, argv);
    Screens screens;
    measure("logistics, 31 rows, fully filled", screens.openSection(u"Form_logistic"_s, 2));
    measure("construction, 110 rows, fully filled", screens.openSection(u"Form_construct"_s, 1));
    return 0;
}
