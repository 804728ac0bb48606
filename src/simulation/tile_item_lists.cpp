#include "simulation/tile_item_lists.h"

#include "simulation/item_transport.h"
#include "world/geometry.h"

void TileItemLists::reserve()
{
    // Room for every item twice, as path points are filed too, so that a
    // busier step than all before does not grow the lists.
    constexpr std::size_t USUAL_MOST_ENTRIES = 2 * MOST_WORLD_ITEMS;
    if (entries_.capacity() >= USUAL_MOST_ENTRIES) return;
    entries_.reserve(USUAL_MOST_ENTRIES);
    items_.reserve(USUAL_MOST_ENTRIES);
    first_.reserve(TILE_COUNT + 1);
}

void TileItemLists::start()
{
    reserve();
    entries_.clear();
}

void TileItemLists::finish()
{
    // Counted per tile, summed to where each tile's items end, and placed from
    // the back, so that each tile's start is left behind and its items keep
    // the filing order.
    first_.assign(TILE_COUNT + 1, 0);
    for (const auto& entry : entries_)
        ++first_[static_cast<std::size_t>(entry.first)];
    for (std::size_t t = 0; t < TILE_COUNT; ++t)
        first_[t + 1] += first_[t];
    items_.resize(entries_.size());
    for (auto entry = entries_.rbegin(); entry != entries_.rend(); ++entry)
        items_[static_cast<std::size_t>(--first_[static_cast<std::size_t>(entry->first)])] = entry->second;
}
