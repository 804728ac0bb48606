#pragma once

#include "world/control.h"

// Both ends of a tunnel; the editor lays them and writes each end's partner.
class TunnelControl : public Control {
  public:
    // The entrance takes every item from every side; the exit takes none.
    bool canAccept(const Tile& tile, Direction travel, CargoType cargo) const override;
    // Clears this end and, when the two ends point at each other, its partner.
    bool remove(ControlGrid& grid, int x, int y) const override;
};
