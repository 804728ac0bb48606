#pragma once

#include "world/control.h"

constexpr float OVEN_SECONDS_PER_COAL = 5.0f;
constexpr int OVEN_INPUT_LIMIT_PER_KIND = 10;
constexpr int OVEN_OUTPUT_LIMIT = 10;  // the kiln stops while this many coal wait

// The coal store is full: the kiln waits for its output.
inline bool ovenStoreFull(const Tile& tile) { return tile.ovenOutputCount >= OVEN_OUTPUT_LIMIT; }

// The charcoal kiln: works logs and planks into coal, one unit every 5 s,
// and keeps the coal until the output step takes it out.
class OvenControl : public Control {
  public:
    bool canAccept(const Tile& tile, Direction travel, CargoType cargo) const override;
    bool place(ControlGrid& grid, int x, int y) const override;
    bool remove(ControlGrid& grid, int x, int y) const override;
    void acceptItem(Tile& tile, CargoType cargo, ItemRecord&& record) const override;
    void update(Tile& tile, float seconds) const override;

    // Takes the front finished coal out; the caller has read its record before.
    void popOutput(Tile& tile) const;
};
