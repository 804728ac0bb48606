#pragma once

#include <vector>

#include "world/control.h"

constexpr float MOLDER_SECONDS_PER_GEAR = 4.0f;
constexpr int MOLDER_GRANULATE_PER_GEAR = 2;
constexpr int MOLDER_WATER_PER_GEAR = 1;
constexpr int MOLDER_STORE_LIMIT = 10;  // granulate, water and waiting gears alike

// Enough granulate and water on hand for one gear.
inline bool molderHasInputs(const Tile& tile)
{
    return tile.molderGranulate >= MOLDER_GRANULATE_PER_GEAR && tile.molderWater >= MOLDER_WATER_PER_GEAR;
}
// Room for one more water unit.
inline bool molderTakesWater(const Tile& tile) { return tile.molderWater < MOLDER_STORE_LIMIT; }
// The gear store is full: the molder waits for its output.
inline bool molderStoreFull(const Tile& tile) { return tile.molderOutputCount >= MOLDER_STORE_LIMIT; }
// Switched on, with inputs and room for the gear: the molder works once its
// network feeds it, and draws power only then.
inline bool molderCanWork(const Tile& tile) { return tile.molderOn && molderHasInputs(tile) && !molderStoreFull(tile); }

// Storage for the part lists of gears yet to be made, handed back by the
// controls that take gears in, so that a running factory need not allocate one
// list per gear.
using SparePartLists = std::vector<std::vector<ItemId>>;

// The injection molder: two granulate and one water make a plastic gear in
// 4 s. Granulate comes as cargo, water through the pipes via acceptWater.
// The simulation runs it only while it is switched on and powered.
class InjectionMolderControl : public Control {
  public:
    bool canAccept(const Tile& tile, Direction travel, CargoType cargo) const override;
    bool place(ControlGrid& grid, int x, int y) const override;
    bool remove(ControlGrid& grid, int x, int y) const override;
    void acceptItem(Tile& tile, CargoType cargo, ItemRecord&& record) const override;
    void update(Tile& tile, float seconds) const override;
    // As update, taking the new gears' part lists from the spares.
    void update(Tile& tile, float seconds, SparePartLists& spares) const;

    // Takes one water unit in; false leaves the record with the caller.
    static bool acceptWater(Tile& tile, ItemRecord&& record);
    // Takes the front gear out; the caller has read its record before.
    void popOutput(Tile& tile) const;
};
