#pragma once

#include "world/control.h"

// A distributor takes items in through its main tile and sends them out on
// two lanes; the simulation routes them. It occupies two tiles.
class DistributorControl : public Control {
  public:
    // Only the main tile takes items, and only those travelling its way.
    bool canAccept(const Tile& tile, Direction travel, CargoType cargo) const override;
    // Builds the pair or turns it about its main tile, keeping its routing mode and rules.
    bool place(ControlGrid& grid, int x, int y) const override;
    bool remove(ControlGrid& grid, int x, int y) const override;
};
