#pragma once

#include <cstdlib>

// The two ways a drag goes over the tiles between two pointer positions.

// Visits the tiles of the straight line from (x0, y0) to (x1, y1), both ends
// included, in Bresenham's all-octant order: a diagonal step moves x and y at
// once. Tiles off the map are visited too; the visitor skips them.
template <typename Visit> void forEachTileOnLine(int x0, int y0, int x1, int y1, Visit&& visit)
{
    const long long dx = std::llabs(static_cast<long long>(x1) - x0);
    const long long dy = -std::llabs(static_cast<long long>(y1) - y0);
    const int sx = x1 > x0 ? 1 : -1;
    const int sy = y1 > y0 ? 1 : -1;
    long long err = dx + dy;
    int x = x0;
    int y = y0;
    for (;;) {
        visit(x, y);
        if (x == x1 && y == y1) return;
        const long long e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

// Moves (x, y) one tile towards (toX, toY) as a laying stroke walks: along x
// while the x distance is at least the y distance, else along y. False, with
// nothing moved, once the target is reached.
inline bool stepTowards(int& x, int& y, int toX, int toY)
{
    const long long restX = static_cast<long long>(toX) - x;
    const long long restY = static_cast<long long>(toY) - y;
    if (restX == 0 && restY == 0) return false;
    if (restX != 0 && std::llabs(restX) >= std::llabs(restY)) {
        x += restX > 0 ? 1 : -1;
    } else {
        y += restY > 0 ? 1 : -1;
    }
    return true;
}
