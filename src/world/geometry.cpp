#include "world/geometry.h"

#include <cmath>

#include "world/direction.h"

double pointSegmentDistanceSquared(float px, float py, float ax, float ay, float bx, float by)
{
    double dx = static_cast<double>(bx) - ax;
    double dy = static_cast<double>(by) - ay;
    double lengthSquared = dx * dx + dy * dy;
    double qx = ax;
    double qy = ay;
    if (lengthSquared > 0.0) {
        double t = ((px - static_cast<double>(ax)) * dx + (py - static_cast<double>(ay)) * dy) / lengthSquared;
        if (t > 1.0) {
            qx = bx;
            qy = by;
        } else if (t >= 0.0) {
            qx = ax + t * dx;
            qy = ay + t * dy;
        }
    }
    double ex = px - qx;
    double ey = py - qy;
    return ex * ex + ey * ey;
}

EdgeNeighbours edgeNeighbours(int tile)
{
    EdgeNeighbours result;
    const int x = tile % GRID_WIDTH;
    const int y = tile / GRID_WIDTH;
    for (Direction d = NORTH; d <= WEST; ++d) {
        const int nx = x + directionDx(d);
        const int ny = y + directionDy(d);
        if (inGrid(nx, ny)) result.index[result.count++] = tileIndex(nx, ny);
    }
    return result;
}
