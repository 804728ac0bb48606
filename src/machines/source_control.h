#pragma once

#include "world/control.h"

// A source buys items of one cargo kind; the simulation puts them on the map.
class SourceControl : public Control {
  public:
    bool place(ControlGrid& grid, int x, int y) const override;
    bool remove(ControlGrid& grid, int x, int y) const override;

    static bool isRunning(const Tile& tile);
    static void toggleRunning(Tile& tile);
    // A kind outside the thirteen is ignored.
    static void setCargoType(Tile& tile, CargoType cargo);
    // Counts one emitted item of the current kind and raises the serial counter.
    static void recordProduced(Tile& tile);
};
