#pragma once

#include "world/control.h"

// The 5V supply only stands on its tile; it draws from the power network and
// feeds the 5V network, both rebuilt by the simulation.
class PowerSupplyControl : public Control {
  public:
    bool place(ControlGrid& grid, int x, int y) const override;
    bool remove(ControlGrid& grid, int x, int y) const override;
};
