#pragma once

#include <array>

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
