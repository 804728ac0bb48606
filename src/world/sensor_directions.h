#pragma once

#include <array>

#include "world/direction.h"

struct TileOffset {
    int dx = 0;
    int dy = 0;
};

// The eight tiles a sensor can watch, clockwise from north; indexed by Tile::sensorTargetIndex.
inline constexpr std::array<TileOffset, 8> SENSOR_DIRECTIONS = {{
    {0, -1},   // N
    {1, -1},   // NE
    {1, 0},    // E
    {1, 1},    // SE
    {0, 1},    // S
    {-1, 1},   // SW
    {-1, 0},   // W
    {-1, -1},  // NW
}};

// The direction a sensor's camera looks in: its stored target when that is
// one of the eight, else its facing, and east for a sensor without one.
inline int sensorViewIndex(int targetIndex, Direction facing)
{
    if (targetIndex >= 0 && targetIndex < static_cast<int>(SENSOR_DIRECTIONS.size())) return targetIndex;
    return isCompassDirection(facing) ? (facing - NORTH) * 2 : 2;
}
