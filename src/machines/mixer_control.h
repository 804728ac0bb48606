#pragma once

#include "world/control.h"

// Each side's share of a mixer's cycle lies in 1..MAX_MIXER_RATIO.
constexpr int MAX_MIXER_RATIO = 5;

// A mixer joins the items entering its two tiles by a ratio; the simulation
// merges them. It occupies two tiles.
class MixerControl : public Control {
  public:
    // Both tiles take items travelling the mixer's way, of any cargo.
    bool canAccept(const Tile& tile, Direction travel, CargoType cargo) const override;
    // Builds the pair or turns it about its main tile, keeping its ratio and cycle position.
    bool place(ControlGrid& grid, int x, int y) const override;
    bool remove(ControlGrid& grid, int x, int y) const override;

    // Sets ratio B (which not 0) or ratio A; a value outside 1..5 is ignored.
    // The cycle position is kept inside the new, maybe shorter, cycle.
    static void setRatio(Tile& tile, int which, int value);
};
