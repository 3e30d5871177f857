#pragma once

#include "base/localizedtext.h"

#include <QList>

#include <span>

namespace torvane::model {

struct SectionCatalogue;

// One of the eight sections: its catalogue and the main menu tile that opens it.
struct SectionInfo {
    const SectionCatalogue &(*catalogue)();
    int tile; // 1..8, the tiles' order on the main menu
    const base::LocalizedText &tileName() const;
};

// The eight sections, kept once, in their start-up order (logistics,
// accommodation, food, construction, services, expenses, advertising,
// events).
std::span<const SectionInfo> sectionList();

// Their catalogues, in start-up order.
QList<const SectionCatalogue *> allCatalogues();
// The section of main menu tile k (1..8); null for another k.
const SectionInfo *sectionOfTile(int k);

} // namespace torvane::model
