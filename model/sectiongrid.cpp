#include "model/sectiongrid.h"

#include <map>
#include <memory>

namespace torvane::model {

SectionGrid::SectionGrid(const SectionCatalogue &catalogue)
    : m_catalogue(&catalogue)
{
    for (int t = 1; t <= catalogue.tabCount(); ++t) {
        for (const GroupSpec &group : catalogue.tabs[t - 1].groups) {
            for (int r = group.firstRow; r <= group.lastRow; ++r) {
                m_rows.append({t, r, &group, int(m_cells.size()), group.columnCount()});
                for (int c = 1; c <= group.columnCount(); ++c) {
                    const ColumnSpec &spec = group.columns[c - 1];
                    GridCell cell{t, r, c, &group, &spec, GridName::of(spec.kind(), t, r, c)};
                    m_byPlace.insert(key(t, r, c), int(m_cells.size()));
                    m_byName.insert(cell.name, int(m_cells.size()));
                    m_cells.append(std::move(cell));
                }
            }
        }
    }
}

const SectionGrid &SectionGrid::of(const SectionCatalogue &catalogue)
{
    // Catalogues are constant data that live for the whole run.
    static std::map<const SectionCatalogue *, std::unique_ptr<SectionGrid>> grids;
    auto &grid = grids[&catalogue];
    if (!grid)
        grid = std::make_unique<SectionGrid>(catalogue);
    return *grid;
}

} // namespace torvane::model
