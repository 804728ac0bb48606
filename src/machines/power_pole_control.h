#pragma once

#include "world/control.h"

// The power pole only stands on its tile; which consumers it reaches and how
// cables join it into networks is the power update's business.
class PowerPoleControl : public Control {
  public:
    bool place(ControlGrid& grid, int x, int y) const override;
    // Unlike the other controls, leaves the items standing on the tile.
    bool remove(ControlGrid& grid, int x, int y) const override;
};
