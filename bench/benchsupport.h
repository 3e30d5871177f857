#pragma once

// What the benchmarks share: a budget with every entry cell of all eight
// sections filled (the last option of every list, "2" in every quantity),
// and the median of repeated runs.

#include "model/budget.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace torvane::bench {

using namespace Qt::StringLiterals;

inline void fillAll(model::Budget &budget)
{
    for (int s = 0; s < budget.sectionCount(); ++s) {
        model::SectionEntries entries(budget.catalogue(s));
        const model::SectionGrid &grid = entries.grid();
        for (int c = 0; c < grid.cells().size(); ++c) {
            const model::GridCell &cell = grid.cell(c);
            if (cell.spec->role == model::ColumnRole::Choice)
                entries.setPosition(c, model::optionCount(*cell.spec, cell.row) - 1);
            else if (cell.spec->role == model::ColumnRole::Quantity)
                entries.setText(c, u"2"_s);
        }
        budget.replaceEntries(s, entries);
    }
}

struct Figures {
    double median = 0;
    double max = 0;
};

// Runs prepare (untimed) and then work (timed) a number of times.
inline Figures measure(int runs, const std::function<void()> &work, const std::function<void()> &prepare = {})
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        if (prepare)
            prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.back()};
}

inline void print(const char *what, Figures f, const char *target)
{
    std::printf("%-52s median %8.3f ms (max %8.3f)  %s\n", what, f.median, f.max, target);
}

} // namespace torvane::bench
