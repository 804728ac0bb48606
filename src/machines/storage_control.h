#pragma once

#include <cstddef>

#include "world/control.h"

constexpr int STORAGE_CAPACITY = 100;  // units in total, whatever their kinds

// Holding its capacity, the storage takes nothing more and warns that it is full.
inline bool storageFull(const Tile& tile)
{
    return tile.storageCargo.size() >= static_cast<std::size_t>(STORAGE_CAPACITY);
}

// The storage: buffers up to 100 units of the kinds its filter allows and,
// while its output is on, gives them out first in, first out with their records.
class StorageControl : public Control {
  public:
    bool canAccept(const Tile& tile, Direction travel, CargoType cargo) const override;
    bool place(ControlGrid& grid, int x, int y) const override;
    bool remove(ControlGrid& grid, int x, int y) const override;
    void acceptItem(Tile& tile, CargoType cargo, ItemRecord&& record) const override;

    // Takes the oldest unit out; the caller has read its kind and record before.
    void popOutput(Tile& tile) const;
};
