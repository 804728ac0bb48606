#pragma once

#include "world/control.h"

// A conveyor belt: takes every item; laid and turned by the editor, not by place.
class BeltControl : public Control {
  public:
    bool canAccept(const Tile& tile, Direction travel, CargoType cargo) const override;
    bool remove(ControlGrid& grid, int x, int y) const override;
};
