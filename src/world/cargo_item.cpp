#include "world/cargo_item.h"

#include <cmath>

#include "world/geometry.h"

namespace {

constexpr float ARRIVAL_EPSILON = 0.0001f;

// The heading turned round when the motion toward the next point runs against it.
Direction facing(Direction heading, float dx, float dy)
{
    if (dx > ARRIVAL_EPSILON && heading == WEST) return EAST;
    if (dx < -ARRIVAL_EPSILON && heading == EAST) return WEST;
    if (dy > ARRIVAL_EPSILON && heading == NORTH) return SOUTH;
    if (dy < -ARRIVAL_EPSILON && heading == SOUTH) return NORTH;
    return heading;
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
        if (!takeLeg(frontLeg(), budget)) return;
    }
}

FrontLeg CargoItem::frontLeg() const
{
    const PathPoint& p = path.front();
    FrontLeg leg{static_cast<float>(p.x) - posX, static_cast<float>(p.y) - posY, 0.0f, heading};
    leg.dist = std::sqrt(leg.dx * leg.dx + leg.dy * leg.dy);
    if (leg.dist >= ARRIVAL_EPSILON) leg.heading = facing(heading, leg.dx, leg.dy);
    return leg;
}

void CargoItem::advanceFrom(const FrontLeg& leg, float budget)
{
    if (!(budget > 0.0f) || path.empty()) return;
    if (takeLeg(leg, budget)) advance(budget);
}

bool CargoItem::takeLeg(const FrontLeg& leg, float& budget)
{
    if (leg.dist >= ARRIVAL_EPSILON) {
        heading = leg.heading;
        const float speed = path.front().speed;
        const float step = speed * budget;
        const float moved = leg.dist <= step ? leg.dist : step;
        posX += leg.dx * moved / leg.dist;
        posY += leg.dy * moved / leg.dist;
        budget -= moved / speed;
        if (moved < leg.dist - ARRIVAL_EPSILON) return budget > 0.0f;
    }
    reachFrontPoint(*this);
    return budget > 0.0f;
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
