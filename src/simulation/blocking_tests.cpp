#include "simulation/blocking_tests.h"

#include <algorithm>
#include <cmath>

#include "simulation/item_transport.h"
#include "simulation/room_index.h"
#include "simulation/step_tables.h"

namespace {

constexpr float OVERLAP_COUNTS = 1e-5f;
constexpr float OVERLAP_HYSTERESIS = 1e-6f;
constexpr float ROUTE_FREES = 0.998f;

// Mixer way-out test: how near another item must be, and how far ahead on a route it still holds.
constexpr float WAY_OUT_NEAR = 0.99f;
constexpr float WAY_OUT_ROUTE = 0.998f;
constexpr float WAY_OUT_CLEARANCE = 0.5f;
constexpr float TRIAL_SPEED = 1.7f;

// Output entry search.
constexpr float NEAREST_START = 2.0f;
constexpr float OUTPUT_ROOM = 0.9999f;
constexpr float LINE_TOLERANCE = 0.001f;
constexpr float TEST_POINT_SPEED = 1.7f;

bool onRouteWithin(const Game& game, const CargoItem& item, FloatPoint p, float limit)
{
    return game.pathDistanceTo(item, p.x, p.y) < limit;
}

FloatPoint positionOf(const CargoItem& item) { return {item.posX, item.posY}; }

// onRouteWithin for the obstacle's own route. The box around it, found at
// the first ask, spares the walk for points clear of it.
bool obstacleRouteWithin(const Game& game, Obstacle& obstacle, const CargoItem& other, FloatPoint p)
{
    if (!obstacle.routeKnown) {
        obstacle.route = game.routeBounds(other);
        obstacle.routeKnown = true;
    }
    return obstacle.route.keepsOff(p.x, p.y) || onRouteWithin(game, other, p, ROUTE_FREES);
}

}  // namespace

float unitSquareOverlap(FloatPoint a, FloatPoint b)
{
    return std::max(0.0f, 1.0f - std::fabs(a.x - b.x)) * std::max(0.0f, 1.0f - std::fabs(a.y - b.y));
}

FloatPoint visualPosition(const Game& game, const CargoItem& item)
{
    return {item.posX, item.posY - game.itemDeckProgress(item)};
}

bool approachBlocked(FloatPoint trial, FloatPoint current, FloatPoint point)
{
    const float overlapTrial = unitSquareOverlap(trial, point);
    if (!(overlapTrial > OVERLAP_COUNTS)) return false;
    const float overlapNow = unitSquareOverlap(current, point);
    if (overlapNow - OVERLAP_HYSTERESIS > overlapTrial) return false;
    const float away = (trial.x - current.x) * (current.x - point.x) + (trial.y - current.y) * (current.y - point.y);
    return away <= 0.0f || overlapTrial > overlapNow + OVERLAP_HYSTERESIS;
}

void reservedPointsInReach(int mover, FloatPoint current, const std::vector<Reservation>& reservations,
                           std::vector<FloatPoint>& points)
{
    points.clear();
    for (const Reservation& r : reservations) {
        const FloatPoint point{r.x, r.y};
        if (r.owner == mover || unitSquareOverlap(current, point) > OVERLAP_COUNTS)
            continue;  // it may still move off the point
        points.push_back(point);
    }
}

// The tests of each obstacle have no side effects; the cheap ones go first.
bool isTrialBlocked(const Game& game, FloatPoint current, const CargoItem& trial, FloatPoint trialSeen,
                    const std::vector<FloatPoint>& reservedInReach, std::vector<Obstacle>& obstacles)
{
    for (const FloatPoint& point : reservedInReach) {
        if (approachBlocked(trialSeen, current, point)) return true;
    }
    for (Obstacle& obstacle : obstacles) {
        if (!(unitSquareOverlap(trialSeen, obstacle.seen) > OVERLAP_COUNTS)) continue;
        if (!approachBlocked(trialSeen, current, obstacle.seen)) continue;
        const CargoItem& other = game.items[static_cast<std::size_t>(obstacle.item)];
        if (onRouteWithin(game, trial, positionOf(other), ROUTE_FREES) &&
            obstacleRouteWithin(game, obstacle, other, positionOf(trial))) {
            return true;
        }
    }
    return false;
}

bool itemsOverlap(const Game& game, const CargoItem& item, const CargoItem& other)
{
    if (&other == &item || other.layer != item.layer || isHeldByArm(other)) return false;
    if (isPassingThroughTunnel(other)) return false;
    if (other.leavingTunnel && game.inBounds(other.x, other.y) && game.tileUnder(other).type == TUNNEL_EXIT) {
        return false;  // just out of a tunnel and still on its exit
    }
    return unitSquareOverlap(positionOf(item), visualPosition(game, other)) > OVERLAP_COUNTS;
}

bool Game::canMoveItemTo(const CargoItem& item, int fromX, int fromY, int toX, int toY, RoomIndex* near)
{
    CargoItem& trial = tables_.get().itemStep.trial;
    trial.layer = item.layer;
    trial.x = toX;
    trial.y = toY;
    trial.dir = item.dir;
    trial.heading = item.heading;
    trial.cargo = item.cargo;
    trial.posX = item.posX + static_cast<float>(fromX - item.x);
    trial.posY = item.posY + static_cast<float>(fromY - item.y);
    trial.path.clear();
    trial.path.push_back(PathPoint{fromX, fromY, TRIAL_SPEED, item.dir, false});
    trial.path.push_back(PathPoint{toX, toY, TRIAL_SPEED, item.dir, false});

    // The tests have no side effects, so the order in which items are asked does not matter.
    auto blocks = [&](const CargoItem& other) {
        if (&other == &item || isHeldByArm(other)) return false;
        if (!(std::fabs(other.posX - trial.posX) < WAY_OUT_NEAR && std::fabs(other.posY - trial.posY) < WAY_OUT_NEAR)) {
            return false;
        }
        return onRouteWithin(*this, item, positionOf(other), WAY_OUT_ROUTE) &&
               onRouteWithin(*this, other, positionOf(item), WAY_OUT_ROUTE) &&
               onRouteWithin(*this, other, positionOf(trial), WAY_OUT_CLEARANCE) &&
               onRouteWithin(*this, trial, positionOf(other), WAY_OUT_CLEARANCE);
    };
    if (near == nullptr) return std::none_of(items.begin(), items.end(), blocks);
    return !near->anyNear(*this, trial.posX - 1.0f, trial.posX + 1.0f, trial.posY - 1.0f, trial.posY + 1.0f,
                          [&](int j) { return blocks(items[static_cast<std::size_t>(j)]); });
}

namespace {

// The nearest item on the line from the machine's centre out over its front tile.
struct NearestAhead {
    float distance = NEAREST_START;
    int phase = 0;
};

void findNearestAhead(const Game& game, int x, int y, int frontX, int frontY, NearestAhead& nearest)
{
    const Direction machineDir = game.tileAt(x, y).dir;
    const Direction frontDir = game.tileAt(frontX, frontY).dir;
    const auto dx = static_cast<float>(directionDx(machineDir));
    const auto dy = static_cast<float>(directionDy(machineDir));
    const auto ex = static_cast<float>(directionDx(frontDir));
    const auto ey = static_cast<float>(directionDy(frontDir));
    for (const CargoItem& item : game.items) {
        if (item.layer != 0 || isHeldByArm(item)) continue;
        const float rx = item.posX - static_cast<float>(x);
        const float ry = item.posY - static_cast<float>(y);
        const float a = rx * dx + ry * dy;
        if (std::fabs(dy * rx - dx * ry) < LINE_TOLERANCE && a >= 0.0f && a <= 1.0f && a < nearest.distance) {
            nearest.distance = a;
            nearest.phase = item.speedCredit % 3;
        }
        const float fx = item.posX - static_cast<float>(frontX);
        const float fy = item.posY - static_cast<float>(frontY);
        const float b = fx * ex + fy * ey;
        if (std::fabs(ey * fx - ex * fy) < LINE_TOLERANCE && b >= 0.0f && b < 1.0f && b + 1.0f < nearest.distance) {
            nearest.distance = b + 1.0f;
            nearest.phase = item.speedCredit % 3;
        }
    }
}

}  // namespace

bool Game::outputEntryAt(int x, int y, float& entryX, float& entryY, int& phase) const
{
    const Direction machineDir = inBounds(x, y) ? tileAt(x, y).dir : NONE;
    const int dx = directionDx(machineDir);
    const int dy = directionDy(machineDir);
    const int frontX = x + dx;
    const int frontY = y + dy;
    phase = 0;
    if (!inBounds(x, y) || !inBounds(frontX, frontY)) return false;
    const Tile& front = tileAt(frontX, frontY);
    NearestAhead nearest;
    nearest.phase = static_cast<int>((stepCount % 3u) * static_cast<std::uint32_t>(std::max(front.beltSpeed, 0)) % 3u);
    findNearestAhead(*this, x, y, frontX, frontY, nearest);
    phase = nearest.phase;
    if (nearest.distance < OUTPUT_ROOM) return false;

    entryX = static_cast<float>(x);
    entryY = static_cast<float>(y);
    if (nearest.distance > 1.0f && nearest.distance < NEAREST_START) {
        entryX += static_cast<float>(dx) * (nearest.distance - 1.0f);
        entryY += static_cast<float>(dy) * (nearest.distance - 1.0f);
    }

    // A fresh item at the front tile, keeping only the storage of its path.
    CargoItem& test = tables_.get().entryTrial.item;
    Fifo<PathPoint> path = std::move(test.path);
    test = CargoItem(frontX, frontY, machineDir, 0);
    test.path = std::move(path);
    test.posX = entryX;
    test.posY = entryY;
    test.path.clear();
    test.path.push_back(PathPoint{frontX, frontY, TEST_POINT_SPEED, front.dir, false});
    const FloatPoint entry{entryX, entryY};
    for (const CargoItem& item : items) {
        if (item.layer != 0 || isHeldByArm(item)) continue;
        if (!(std::fabs(item.posX - entryX) < OUTPUT_ROOM && std::fabs(item.posY - entryY) < OUTPUT_ROOM)) continue;
        if (onRouteWithin(*this, test, positionOf(item), ROUTE_FREES) &&
            onRouteWithin(*this, item, entry, ROUTE_FREES)) {
            return false;
        }
    }
    return true;
}
