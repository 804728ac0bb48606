#pragma once

#include "world/control.h"

constexpr int GENERATOR_COAL_LIMIT = 10;
constexpr float GENERATOR_SECONDS_PER_COAL = 10.0f;  // at full load
constexpr int GENERATOR_CAPACITY_KW = 120;

// The coal generator: holds up to ten coal and burns them one at a time, as
// fast as the load it carries demands. The power update hands it the burn
// time as full-load seconds (load / 120 kW times the world step).
class GeneratorControl : public Control {
  public:
    bool canAccept(const Tile& tile, Direction travel, CargoType cargo) const override;
    bool place(ControlGrid& grid, int x, int y) const override;
    bool remove(ControlGrid& grid, int x, int y) const override;
    void acceptItem(Tile& tile, CargoType cargo, ItemRecord&& record) const override;
    void update(Tile& tile, float burnSeconds) const override;
};
