#include "world/cargo_item.h"

#include <cmath>

#include "world/geometry.h"

namespace {

constexpr float ARRIVAL_EPSILON = 0.0001f;

// Turns the heading round when the motion toward the next point runs against it.
void faceMotion(CargoItem& item, float dx, float dy)
{
    if (dx > ARRIVAL_EPSILON && item.heading == WEST) {
        item.heading = EAST;
    } else if (dx < -ARRIVAL_EPSILON && item.heading == EAST) {
        item.heading = WEST;
    } else if (dy > ARRIVAL_EPSILON && item.heading == NORTH) {
        item.heading = SOUTH;
    } else if (dy < -ARRIVAL_EPSILON && item.heading == SOUTH) {
        item.heading = NORTH;
    }
}

void reachFrontPoint(CargoItem& item)
{
    const PathPoint& p = item.path.front();
    item.posX = static_cast<float>(p.x);
    item.posY = static_cast<float>(p.y);
    item.heading = p.dir;
    if (item.leavingTunnel && p.x == item.tunnelExitX && p.y == item.tunnelExitY) item.leavingTunnel = false;
    item.path.pop_front();
    item.targetTile = -1;
}

}  // namespace

void CargoItem::advance(float budget)
{
    if (!(budget > 0.0f)) return;
    while (!path.empty()) {
        const PathPoint& p = path.front();
        float dx = static_cast<float>(p.x) - posX;
        float dy = static_cast<float>(p.y) - posY;
        float dist = std::sqrt(dx * dx + dy * dy);
        if (dist >= ARRIVAL_EPSILON) {
            faceMotion(*this, dx, dy);
            float step = p.speed * budget;
            float moved = dist <= step ? dist : step;
            posX += dx * moved / dist;
            posY += dy * moved / dist;
            budget -= moved / p.speed;
            if (moved < dist - ARRIVAL_EPSILON) {
                if (!(budget > 0.0f)) return;
                continue;
            }
        }
        reachFrontPoint(*this);
        if (!(budget > 0.0f)) return;
    }
}

bool CargoItem::occupies(int tileX, int tileY) const
{
    if (x == tileX && y == tileY) return true;
    if (!carried && tileCoordinate(posX) == tileX && tileCoordinate(posY) == tileY) return true;
    for (const PathPoint& p : path) {
        if (p.x == tileX && p.y == tileY) return true;
    }
    return false;
}
