#pragma once

#include "world/control.h"

// How a distributor picks the lane, from its two mode flags.
constexpr int DISTRIBUTOR_AUTOMATIC = 0;    // "WECHSEL AUTOMATISCH"
constexpr int DISTRIBUTOR_CARGO_RULES = 1;  // "REGELN AN"
constexpr int DISTRIBUTOR_SIGNAL = 2;       // "SIGNALWAHL: AUS A - EIN B"
constexpr int DISTRIBUTOR_MODE_COUNT = 3;

// A distributor takes items in through its main tile and sends them out on
// two lanes; the simulation routes them. It occupies two tiles.
class DistributorControl : public Control {
  public:
    // Only the main tile takes items, and only those travelling its way.
    bool canAccept(const Tile& tile, Direction travel, CargoType cargo) const override;
    // Builds the pair or turns it about its main tile, keeping its routing mode and rules.
    bool place(ControlGrid& grid, int x, int y) const override;
    bool remove(ControlGrid& grid, int x, int y) const override;

    static int mode(const Tile& tile);
    // A value outside the three modes is ignored.
    static void setMode(Tile& tile, int mode);
};
