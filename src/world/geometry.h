#pragma once

#include <climits>

constexpr int GRID_WIDTH = 80;
constexpr int GRID_HEIGHT = 60;
constexpr int TILE_COUNT = GRID_WIDTH * GRID_HEIGHT;

// Compared as unsigned numbers, so every negative coordinate is outside.
inline bool inGrid(int x, int y)
{
    return static_cast<unsigned>(x) < static_cast<unsigned>(GRID_WIDTH) &&
           static_cast<unsigned>(y) < static_cast<unsigned>(GRID_HEIGHT);
}

inline int tileIndex(int x, int y) { return y * GRID_WIDTH + x; }

// The edge neighbours of a tile that lie inside the grid, north first, clockwise.
struct EdgeNeighbours {
    int index[4];
    int count = 0;
};
EdgeNeighbours edgeNeighbours(int tile);

// The tile a float position lies on: whole values are tile centres. The
// floor is taken by hand, as the library call costs the hot paths dearly.
inline int tileCoordinate(float position)
{
    const float shifted = position + 0.5f;
    const int whole = static_cast<int>(shifted);  // toward zero
    return static_cast<float>(whole) > shifted && whole != INT_MIN ? whole - 1 : whole;
}

// The coordinate of the tile a position lies on, held inside 0 .. size - 1
// (NaN counts as 0): floor(position + 0.5) without the library call.
inline int clampedCoordinate(float position, int size)
{
    const float shifted = position + 0.5f;
    if (!(shifted >= 1.0f)) return 0;
    if (shifted >= static_cast<float>(size - 1)) return size - 1;
    return static_cast<int>(shifted);  // positive, so truncation is floor
}

// The whole number nearest to the position, halves away from zero: what
// static_cast<int>(std::lround(position)) gives, without the library call.
inline int nearestWhole(float position)
{
    const long whole = static_cast<long>(position);           // toward zero
    const float rest = position - static_cast<float>(whole);  // exact below 2^23, and 0 above
    if (rest >= 0.5f) return static_cast<int>(whole + 1);
    if (rest <= -0.5f) return static_cast<int>(whole - 1);
    return static_cast<int>(whole);
}

// Squared distance from p to the segment a-b, in double precision.
double pointSegmentDistanceSquared(float px, float py, float ax, float ay, float bx, float by);
