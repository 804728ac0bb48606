#pragma once

#include "world/control.h"

// A mixer joins the items entering its two tiles by a ratio; the simulation
// merges them. It occupies two tiles.
class MixerControl : public Control {
  public:
    // Both tiles take items travelling the mixer's way, of any cargo.
    bool canAccept(const Tile& tile, Direction travel, CargoType cargo) const override;
    // Builds the pair or turns it about its main tile, keeping its ratio and cycle position.
    bool place(ControlGrid& grid, int x, int y) const override;
    bool remove(ControlGrid& grid, int x, int y) const override;
};
