#include "world/direction.h"

namespace {
constexpr int DX[4] = {0, 1, 0, -1};
constexpr int DY[4] = {-1, 0, 1, 0};
constexpr Direction CLOCKWISE[4] = {EAST, SOUTH, WEST, NORTH};
constexpr Direction OPPOSITE[4] = {SOUTH, WEST, NORTH, EAST};
}  // namespace

DirectionVector directionVector(Direction d)
{
    if (!isCompassDirection(d)) return {};
    return {static_cast<float>(DX[d - 1]), static_cast<float>(DY[d - 1])};
}

Direction clockwiseDirection(Direction d) { return isCompassDirection(d) ? CLOCKWISE[d - 1] : NONE; }

Direction oppositeDirection(Direction d) { return isCompassDirection(d) ? OPPOSITE[d - 1] : NONE; }

int directionDx(Direction d) { return isCompassDirection(d) ? DX[d - 1] : 0; }

int directionDy(Direction d) { return isCompassDirection(d) ? DY[d - 1] : 0; }
