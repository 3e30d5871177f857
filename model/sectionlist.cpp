#include "model/sectionlist.h"

#include "base/pictures.h"
#include "model/sections/construct.h"
#include "model/sections/event.h"
#include "model/sections/expenses.h"
#include "model/sections/food.h"
#include "model/sections/living.h"
#include "model/sections/logistic.h"
#include "model/sections/reclame.h"
#include "model/sections/service.h"

namespace torvane::model {

namespace {
constexpr SectionInfo kSections[] = {
    {sections::logisticCatalogue, 1}, {sections::livingCatalogue, 3},   {sections::foodCatalogue, 4},
    {sections::constructCatalogue, 2}, {sections::serviceCatalogue, 8}, {sections::expensesCatalogue, 5},
    {sections::reclameCatalogue, 7},  {sections::eventCatalogue, 6},
};
} // namespace

const base::LocalizedText &SectionInfo::tileName() const
{
    return base::pictures::kTiles[std::size_t(tile - 1)];
}

std::span<const SectionInfo> sectionList()
{
    return kSections;
}

QList<const SectionCatalogue *> allCatalogues()
{
    QList<const SectionCatalogue *> catalogues;
    for (const SectionInfo &section : kSections)
        catalogues.append(&section.catalogue());
    return catalogues;
}

const SectionInfo *sectionOfTile(int k)
{
    for (const SectionInfo &section : kSections)
        if (section.tile == k)
            return &section;
    return nullptr;
}

} // namespace torvane::model
