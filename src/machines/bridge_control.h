#pragma once

#include "world/control.h"

// The ramps of a bridge: laid, turned and cleared by the editor as a whole.
class BridgeControl : public Control {
  public:
    // Only items travelling along the deck direction go up a ramp.
    bool canAccept(const Tile& tile, Direction travel, CargoType cargo) const override;
};
