#pragma once

#include "world/control.h"

// An ejector kicks items off the belt in front of it; the simulation throws
// them. It is built facing north and turned only by its own editing operation.
class EjectorControl : public Control {
  public:
    bool place(ControlGrid& grid, int x, int y) const override;
    bool remove(ControlGrid& grid, int x, int y) const override;
};
