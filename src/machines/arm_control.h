#pragma once

#include <cstdint>

#include "world/control.h"

// An arm's return position, kept in Tile::armHomeMode.
using ArmState = int;

constexpr int ARM_REACH = 1;
constexpr int LONG_ARM_REACH = 2;

// Tiles between an arm of the type and its grab and drop tiles; 0 for any other type.
constexpr int armReach(ControlType t) { return t == ARM ? ARM_REACH : t == LONG_ARM ? LONG_ARM_REACH : 0; }

// A grab arm lifts single items from the tile reach steps behind it to the
// tile reach steps ahead, along its axis. The simulation moves the items; this
// class builds, switches and removes arms and holds the rules on what they grab.
class ArmControl : public Control {
  public:
    static constexpr ArmState FREE = 0;      // rests where it last grabbed
    static constexpr ArmState FACING = 1;    // rests toward its direction
    static constexpr ArmState OPPOSITE = 2;  // rests away from its direction

    explicit ArmControl(ControlType armType) : type(armType), reach(armReach(armType)) {}

    const ControlType type;  // the type this exemplar builds and removes
    const int reach;         // tiles between the arm and its grab and drop tiles

    // Builds a horizontal arm, or switches one of this type between horizontal
    // and vertical; then aims it at a belt at either end of its reach.
    bool place(ControlGrid& grid, int x, int y) const override;
    bool remove(ControlGrid& grid, int x, int y) const override;

    // The travel direction d runs from the grab side to the drop side.
    static bool filterAccepts(const Tile& tile, CargoType cargo);
    static bool isOnAxis(const Tile& tile, Direction d);
    static bool sideEnabled(const Tile& tile, Direction d);
    static void setFilterMask(Tile& tile, std::uint32_t mask);
    static void setSideMask(Tile& tile, std::uint32_t mask);
    // The rest angle of the tile's return position, in radians.
    static float armAngle(const Tile& tile);
    // Ignores values outside 0..2 and the present position.
    static void setArmState(Tile& tile, int state);
};

// The long arm: an ArmControl that reaches two tiles.
class LongArmControl : public ArmControl {
  public:
    using ArmControl::ArmControl;
};
