#include "simulation/tile_item_lists.h"

#include "simulation/item_transport.h"
#include "world/geometry.h"

void TileItemLists::reserve()
{
    // Room for every item twice, as path points are filed too, so that a
    // busier step than all before does not grow the lists.
    constexpr std::size_t USUAL_MOST_ENTRIES = 2 * MOST_WORLD_ITEMS;
    if (count_.size() != TILE_COUNT) {
        start_.assign(TILE_COUNT, 0);
        count_.assign(TILE_COUNT, 0);
        touched_.reserve(TILE_COUNT);
    }
    if (entries_.capacity() >= USUAL_MOST_ENTRIES) return;
    entries_.reserve(USUAL_MOST_ENTRIES);
    items_.reserve(USUAL_MOST_ENTRIES);
}

void TileItemLists::start()
{
    reserve();
    for (int tile : touched_) {
        start_[static_cast<std::size_t>(tile)] = 0;
        count_[static_cast<std::size_t>(tile)] = 0;
    }
    touched_.clear();
    entries_.clear();
}

void TileItemLists::finish()
{
    for (const auto& entry : entries_) {
        if (count_[static_cast<std::size_t>(entry.first)]++ == 0) touched_.push_back(entry.first);
    }
    // Each tile's slots end where the next touched tile's begin; placed from
    // the back, the items keep their filing order and the start is left behind.
    int end = 0;
    for (int tile : touched_) {
        end += count_[static_cast<std::size_t>(tile)];
        start_[static_cast<std::size_t>(tile)] = end;
    }
    items_.resize(entries_.size());
    for (auto entry = entries_.rbegin(); entry != entries_.rend(); ++entry)
        items_[static_cast<std::size_t>(--start_[static_cast<std::size_t>(entry->first)])] = entry->second;
}
