#include "simulation/tile_item_lists.h"

#include "simulation/step_scratch.h"

#include "world/geometry.h"

void TileItemLists::finish()
{
    first_.assign(TILE_COUNT + 1, 0);
    for (const auto& entry : entries_) ++first_[static_cast<std::size_t>(entry.first) + 1];
    for (std::size_t t = 0; t < TILE_COUNT; ++t) first_[t + 1] += first_[t];
    items_.resize(entries_.size());
    // Each tile's slots fill from its front; first_[t] runs ahead and is moved back after.
    for (const auto& entry : entries_) items_[static_cast<std::size_t>(first_[static_cast<std::size_t>(entry.first)]++)] = entry.second;
    for (std::size_t t = TILE_COUNT; t > 0; --t) first_[t] = first_[t - 1];
    first_[0] = 0;
}

namespace {

// Enough for the items that leave in a busy step; more would only hoard memory.
constexpr std::size_t MOST_SPARE_PATHS = 256;

}  // namespace

void keepSparePath(StepScratch& scratch, CargoItem& leaving)
{
    if (scratch.sparePaths.size() >= MOST_SPARE_PATHS) return;
    if (scratch.sparePaths.capacity() < MOST_SPARE_PATHS) scratch.sparePaths.reserve(MOST_SPARE_PATHS);
    leaving.path.clear();
    scratch.sparePaths.push_back(std::move(leaving.path));
}

void giveSparePath(StepScratch& scratch, CargoItem& created)
{
    if (scratch.sparePaths.empty() || !created.path.empty()) return;
    created.path = std::move(scratch.sparePaths.back());
    scratch.sparePaths.pop_back();
}
