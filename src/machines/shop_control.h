#pragma once

#include "world/control.h"

// A shop buys the items that enter through its front face; the simulation sells them.
class ShopControl : public Control {
  public:
    bool canAccept(const Tile& tile, Direction travel, CargoType cargo) const override;
    bool place(ControlGrid& grid, int x, int y) const override;
    bool remove(ControlGrid& grid, int x, int y) const override;
};
