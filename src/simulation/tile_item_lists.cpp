#include "simulation/tile_item_lists.h"

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
