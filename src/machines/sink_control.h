#pragma once

#include <cstddef>

#include "world/control.h"

// How many delivered identities a sink keeps; older ones drop out first.
constexpr std::size_t SINK_KEPT_IDENTITIES = 1000;

// A sink takes items off the map and records what and whose it received.
class SinkControl : public Control {
  public:
    // Any cargo from any side, while accepting.
    bool canAccept(const Tile& tile, Direction travel, CargoType cargo) const override;
    // Writes only its type into a free tile; never turns.
    bool place(ControlGrid& grid, int x, int y) const override;
    bool remove(ControlGrid& grid, int x, int y) const override;
    void acceptItem(Tile& tile, CargoType cargo, ItemRecord&& record) const override;

    static void toggleAccepting(Tile& tile);
};
