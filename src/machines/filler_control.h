#pragma once

#include "world/control.h"

constexpr float FILLER_SECONDS_PER_BOTTLE = 3.0f;
constexpr int FILLER_BOTTLE_LIMIT = 10;  // empty and full bottles together

// Every bottle the plant may hold is full: it waits for its output.
inline bool fillerStoreFull(const Tile& tile) { return tile.fillerOutputCount >= FILLER_BOTTLE_LIMIT; }

// The bottling plant: every empty bottle it takes in becomes a full one
// after 3 s. Its intake switch only stops new bottles.
class FillerControl : public Control {
  public:
    bool canAccept(const Tile& tile, Direction travel, CargoType cargo) const override;
    bool place(ControlGrid& grid, int x, int y) const override;
    bool remove(ControlGrid& grid, int x, int y) const override;
    void acceptItem(Tile& tile, CargoType cargo, ItemRecord&& record) const override;
    void update(Tile& tile, float seconds) const override;

    // Takes the front full bottle out; the caller has read its record before.
    void popOutput(Tile& tile) const;
};
