#pragma once

#include "world/control.h"

// A power cable spans at most 10 tiles: its squared length is at most 100.
constexpr int MAX_POWER_CABLE_LENGTH_SQUARED = 100;

// How many power cables may end on a control of the type: three on a pole,
// one on a 5V supply, any number on a coal generator, none on anything else.
int powerCableLimit(ControlType type);

// The power pole only stands on its tile; which consumers it reaches and how
// cables join it into networks is the power update's business.
class PowerPoleControl : public Control {
  public:
    bool place(ControlGrid& grid, int x, int y) const override;
    // Unlike the other controls, leaves the items standing on the tile.
    bool remove(ControlGrid& grid, int x, int y) const override;
};
