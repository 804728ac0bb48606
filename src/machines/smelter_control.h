#pragma once

#include "world/control.h"

constexpr float SMELTER_JOB_SECONDS = 5.0f;
constexpr int SMELTER_STOCK_LIMIT = 10;  // per kind: coal, ore, iron ingots, steel ingots
constexpr int SMELTER_INGOTS_PER_STEEL = 3;

// The smelter: ore and one coal make an iron ingot in one job; three iron
// ingots and one coal make a steel ingot in three jobs. A job takes 5 s and
// needs coal on hand, though only the ore job and the third ingot burn it.
class SmelterControl : public Control {
  public:
    bool canAccept(const Tile& tile, Direction travel, CargoType cargo) const override;
    bool place(ControlGrid& grid, int x, int y) const override;
    bool remove(ControlGrid& grid, int x, int y) const override;
    void acceptItem(Tile& tile, CargoType cargo, ItemRecord&& record) const override;
    void update(Tile& tile, float seconds) const override;

    // Units of a kind the smelter holds: queued, in the steel batch and finished.
    int countOf(const Tile& tile, CargoType cargo) const;
    // Position in the input queue of the job to work next, front to back;
    // -1 when no queued entry has room for its product.
    int firstWorkableEntry(const Tile& tile) const;
    // Takes the front product out; the caller has read its kind and record before.
    void popOutput(Tile& tile) const;
};
