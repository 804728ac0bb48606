#pragma once

#include <utility>
#include <vector>

// Items filed under tiles: each tile's items in the order they were filed.
// Filled afresh for one phase of a step and kept so that refilling it
// allocates nothing once it has reached its size. Only the tiles a filing
// touched are cleared and grouped, so a filing costs what it files, not the
// size of the map.
class TileItemLists {
  public:
    // Sizes the lists for every item twice, so that later fillings allocate nothing.
    void reserve();
    void start();
    void file(int tile, int item) { entries_.emplace_back(tile, item); }
    // Groups the filed entries by tile; call before reading.
    void finish();

    const int* begin(int tile) const { return items_.data() + start_[static_cast<std::size_t>(tile)]; }
    const int* end(int tile) const { return begin(tile) + count_[static_cast<std::size_t>(tile)]; }

  private:
    std::vector<std::pair<int, int>> entries_;  // (tile, item)
    std::vector<int> start_;                    // per tile: where its items begin
    std::vector<int> count_;                    // per tile: how many there are
    std::vector<int> touched_;                  // the tiles with items
    std::vector<int> items_;
};
