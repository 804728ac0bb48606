#pragma once

// Compass directions as stored in tiles and map files. y grows downwards.
using Direction = int;

constexpr Direction NONE = 0;
constexpr Direction NORTH = 1;
constexpr Direction EAST = 2;
constexpr Direction SOUTH = 3;
constexpr Direction WEST = 4;

struct DirectionVector {
    float dx = 0.0f;
    float dy = 0.0f;
};

inline bool isCompassDirection(Direction d) { return d >= NORTH && d <= WEST; }

// Every reader guards the index: values outside 1..4 give the neutral answer.
// Inline, as the item steps ask them for every item and route corner.
namespace direction_tables {
constexpr int DX[4] = {0, 1, 0, -1};
constexpr int DY[4] = {-1, 0, 1, 0};
constexpr Direction CLOCKWISE[4] = {EAST, SOUTH, WEST, NORTH};
constexpr Direction OPPOSITE[4] = {SOUTH, WEST, NORTH, EAST};
}  // namespace direction_tables

inline DirectionVector directionVector(Direction d)
{
    if (!isCompassDirection(d)) return {};
    return {static_cast<float>(direction_tables::DX[d - 1]), static_cast<float>(direction_tables::DY[d - 1])};
}
inline Direction clockwiseDirection(Direction d)
{
    return isCompassDirection(d) ? direction_tables::CLOCKWISE[d - 1] : NONE;
}
inline Direction oppositeDirection(Direction d)
{
    return isCompassDirection(d) ? direction_tables::OPPOSITE[d - 1] : NONE;
}

// Integer steps of a direction, (0, 0) for anything outside 1..4.
inline int directionDx(Direction d) { return isCompassDirection(d) ? direction_tables::DX[d - 1] : 0; }
inline int directionDy(Direction d) { return isCompassDirection(d) ? direction_tables::DY[d - 1] : 0; }

// Both directions run east-west, or both north-south; NONE lies on no axis.
inline bool onSameAxis(Direction a, Direction b)
{
    return isCompassDirection(a) && isCompassDirection(b) && (a == EAST || a == WEST) == (b == EAST || b == WEST);
}
