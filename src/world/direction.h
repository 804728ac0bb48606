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

// Every reader guards the index: values outside 1..4 give the neutral answer.
DirectionVector directionVector(Direction d);
Direction clockwiseDirection(Direction d);
Direction oppositeDirection(Direction d);

// Integer steps of a direction, (0, 0) for anything outside 1..4.
int directionDx(Direction d);
int directionDy(Direction d);

inline bool isCompassDirection(Direction d) { return d >= NORTH && d <= WEST; }

// Both directions run east-west, or both north-south; NONE lies on no axis.
inline bool onSameAxis(Direction a, Direction b)
{
    return isCompassDirection(a) && isCompassDirection(b) && (a == EAST || a == WEST) == (b == EAST || b == WEST);
}
