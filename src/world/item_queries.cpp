#include <algorithm>
#include <cmath>

#include "world/control.h"
#include "world/game.h"
#include "world/sensor_directions.h"

namespace {

// Beyond this distance along its route an item does not care what lies ahead.
constexpr float ROUTE_REACH = 3.001f;
constexpr float ROUTE_HIT = RouteBounds::ROUTE_HIT;
constexpr float ROUTE_MIN_SEGMENT = 0.0001f;
constexpr int ROUTE_LOOKAHEAD_TILES = 2;

constexpr float SENSOR_WINDOW = 0.16f;
constexpr float MIN_VISIBLE_AREA = 0.005f;

// Machines drawn over the items that move into them: every tile of the
// controls that take items in, apart from the open belts and bridges.
bool hidesItems(ControlType t)
{
    if (t == BELT || t == BRIDGE) return false;
    return takesItemsIn(t) || t == DISTRIBUTOR_SECOND || t == TUNNEL_EXIT;
}

bool carriesRoute(ControlType t) { return t == BELT || t == BRIDGE || t == MIXER; }

struct Point {
    float x = 0.0f;
    float y = 0.0f;
};

struct Rect {
    float x0 = 0.0f;
    float y0 = 0.0f;
    float x1 = 0.0f;
    float y1 = 0.0f;

    float area() const { return std::max(0.0f, x1 - x0) * std::max(0.0f, y1 - y0); }
    bool overlaps(const Rect& o) const { return !(o.x0 >= x1 || x0 >= o.x1 || o.y0 >= y1 || y0 >= o.y1); }
};

// Walks an item's route segment by segment, measuring where it passes a point.
class RouteWalk {
  public:
    RouteWalk(Point start, Point target) : corner_(start), target_(target) {}

    float walked() const { return walked_; }

    // Measures the segment from the current corner to end; true when the route passes the target on it.
    bool passesOn(Point end)
    {
        const float sx = end.x - corner_.x;
        const float sy = end.y - corner_.y;
        const float length = std::sqrt(sx * sx + sy * sy);
        if (length < ROUTE_MIN_SEGMENT) {
            corner_ = end;
            return false;
        }
        const float along =
            std::clamp(((target_.x - corner_.x) * sx + (target_.y - corner_.y) * sy) / length, 0.0f, length);
        const float qx = corner_.x + sx * along / length;
        const float qy = corner_.y + sy * along / length;
        if (isNear(qx - target_.x, qy - target_.y)) {
            hit_ = walked_ + along;
            return true;
        }
        walked_ += length;
        corner_ = end;
        return false;
    }

    // The distance of the hit, or -1 when it lies beyond reach (later hits lie further still).
    float hitDistance() const { return hit_ <= ROUTE_REACH ? hit_ : -1.0f; }

  private:
    // hypot(dx, dy) < ROUTE_HIT; hypot is at least the larger offset, so
    // most points are told apart without the library call.
    static bool isNear(float dx, float dy)
    {
        if (!(std::fabs(dx) < ROUTE_HIT && std::fabs(dy) < ROUTE_HIT)) return false;
        if (dx == 0.0f || dy == 0.0f) return true;  // hypot(x, 0) is |x|
        return std::hypot(dx, dy) < ROUTE_HIT;
    }

    Point corner_;
    Point target_;
    float walked_ = 0.0f;
    float hit_ = -1.0f;
};

Point tileCentre(int x, int y) { return {static_cast<float>(x), static_cast<float>(y)}; }

// Walks the same corners as RouteWalk, never hitting, and keeps the box around them.
class RouteBoundsWalk {
  public:
    explicit RouteBoundsWalk(Point start) : corner_(start), bounds_{start.x, start.y, start.x, start.y} {}

    float walked() const { return walked_; }

    bool passesOn(Point end)
    {
        const float sx = end.x - corner_.x;
        const float sy = end.y - corner_.y;
        const float length = std::sqrt(sx * sx + sy * sy);
        if (!(length < ROUTE_MIN_SEGMENT)) walked_ += length;
        corner_ = end;
        bounds_.x0 = std::min(bounds_.x0, end.x);
        bounds_.y0 = std::min(bounds_.y0, end.y);
        bounds_.x1 = std::max(bounds_.x1, end.x);
        bounds_.y1 = std::max(bounds_.y1, end.y);
        return false;
    }

    const RouteBounds& bounds() const { return bounds_; }

  private:
    Point corner_;
    RouteBounds bounds_;
    float walked_ = 0.0f;
};

// Leads the walk along the item's route until it reports a hit (true) or the
// route ends: the path points until the reach is used up, then the belts
// under the item, counted from the item's own tile.
template <typename Walk> bool walkRoute(const Game& game, const CargoItem& item, Walk& walk)
{
    for (const PathPoint& p : item.path) {
        if (walk.walked() > ROUTE_REACH) return false;
        if (walk.passesOn(tileCentre(p.x, p.y))) return true;
    }
    int tx = item.x;
    int ty = item.y;
    int layer = item.layer;
    for (int step = 0; step < ROUTE_LOOKAHEAD_TILES; ++step) {
        if (!game.inBounds(tx, ty)) return false;
        const Tile& tile = layer == 1 ? game.deckTiles[tileIndex(tx, ty)] : game.tileAt(tx, ty);
        if (!carriesRoute(tile.type)) return false;
        tx += directionDx(tile.dir);
        ty += directionDy(tile.dir);
        if (game.inBounds(tx, ty)) {
            const Tile& next = game.tileAt(tx, ty);
            layer = next.bridgePart == BRIDGE_DECK && next.bridgeDir == tile.dir ? 1 : 0;
        }
        if (walk.passesOn(tileCentre(tx, ty))) return true;
    }
    return false;
}

// Raised decks hide a shifted strip of their tile.
Rect occluderRect(const Tile& tile, int tx, int ty)
{
    Rect r{tx - 0.5f, ty - 0.5f, tx + 0.5f, ty + 0.5f};
    if (tile.bridgePart != BRIDGE_DECK) return r;
    if (tile.bridgeDir == EAST || tile.bridgeDir == WEST) {
        r.y0 -= 0.125f;
        r.y1 -= 0.21875f;
    } else {
        r.x0 += 0.0625f;
        r.x1 -= 0.03125f;
        r.y0 -= 0.1875f;
        r.y1 -= 0.1875f;
    }
    return r;
}

// The largest strip of the item's square outside the occluding box; the earlier strip wins a tie.
Rect largestStripOutside(const Rect& item, const Rect& box)
{
    const Rect strips[4] = {
        {item.x0, item.y0, std::min(box.x0, item.x1), item.y1},
        {std::max(box.x1, item.x0), item.y0, item.x1, item.y1},
        {item.x0, item.y0, item.x1, std::min(box.y0, item.y1)},
        {item.x0, std::max(box.y1, item.y0), item.x1, item.y1},
    };
    Rect best = strips[0];
    for (const Rect& strip : strips) {
        if (strip.area() > best.area()) best = strip;
    }
    return best;
}

}  // namespace

bool Game::canEnterTile(int x, int y, Direction travel, CargoType cargo) const
{
    if (!inBounds(x, y)) return false;
    const Tile& ground = tileAt(x, y);
    const bool alongDeck = ground.bridgePart == BRIDGE_DECK && ground.bridgeDir == travel;
    const Tile& target = alongDeck ? deckTiles[tileIndex(x, y)] : ground;
    if (!isPoweredAt(x, y)) return false;
    if (!takesItemsIn(target.type)) return false;
    return controlForType(target.type).canAccept(target, travel, cargo);
}

bool Game::takesRoomOnTile(const CargoItem& item, int x, int y, bool underDeck) const
{
    // Items riding over the bridge do not stand on the ground beneath its deck.
    if (underDeck && (item.layer == 1 || isItemOnDeck(item))) return false;
    if (std::fabs(item.posX - static_cast<float>(x)) < 1.0f && std::fabs(item.posY - static_cast<float>(y)) < 1.0f) {
        return true;
    }
    return std::any_of(item.path.begin(), item.path.end(), [x, y](const PathPoint& p) { return p.x == x && p.y == y; });
}

float Game::pathDistanceTo(const CargoItem& item, float x, float y) const
{
    RouteWalk walk({item.posX, item.posY}, {x, y});
    return walkRoute(*this, item, walk) ? walk.hitDistance() : -1.0f;
}

RouteBounds Game::routeBounds(const CargoItem& item) const
{
    RouteBoundsWalk walk({item.posX, item.posY});
    walkRoute(*this, item, walk);
    return walk.bounds();
}

int Game::ejectorBehindBelt(int x, int y, Direction d) const
{
    const int bx = x - directionDx(d);
    const int by = y - directionDy(d);
    const int fx = x + directionDx(d);
    const int fy = y + directionDy(d);
    if (!inBounds(bx, by) || !inBounds(fx, fy)) return -1;
    const Tile& behind = tileAt(bx, by);
    if (behind.type != EJECTOR || behind.dir != d) return -1;
    const ControlType beyond = tileAt(fx, fy).type;
    if (beyond != EMPTY && beyond != BELT && beyond != STORAGE) return -1;
    return tileIndex(bx, by);
}

int Game::ejectorForBelt(int x, int y) const
{
    if (!inBounds(x, y) || tileAt(x, y).type != BELT) return -1;
    int best = -1;
    for (Direction d = NORTH; d <= WEST; ++d) {
        const int index = ejectorBehindBelt(x, y, d);
        if (index < 0 || !tiles[static_cast<std::size_t>(index)].ejectorActive) continue;
        if (best < 0 || index < best) best = index;
    }
    return best;
}

bool Game::canEjectItem(const CargoItem& item, int ejectorIndex) const
{
    if (!item.path.empty()) return false;
    const int index = ejectorIndex < 0 ? item.ejectTarget : ejectorIndex;
    if (index < 0 || index >= TILE_COUNT) return false;
    const Direction push = tiles[index].dir;
    const int tx = item.x + directionDx(push);
    const int ty = item.y + directionDy(push);
    if (!inBounds(tx, ty) || itemAt(tx, ty)) return false;
    switch (tileAt(tx, ty).type) {
    case EMPTY:
        return hasRoomOnTile(tx, ty, &item);
    case BELT:
    case STORAGE:
        return canEnterTile(tx, ty, push, item.cargo) && hasRoomOnTile(tx, ty, &item);
    default:
        return false;
    }
}

bool Game::isItemPowerStopped(const CargoItem& item) const
{
    if (item.layer != 0) return false;
    if (!isPoweredAt(item.x, item.y)) return true;
    const int cx = nearestWhole(item.posX);
    const int cy = nearestWhole(item.posY);
    if (inBounds(cx, cy) && runsOnlyWithPower(tileAt(cx, cy).type) && !isPoweredAt(cx, cy)) return true;
    if (item.path.empty()) return false;
    const PathPoint& next = item.path.front();
    if (!inBounds(next.x, next.y) || !runsOnlyWithPower(tileAt(next.x, next.y).type)) return false;
    return !isPoweredAt(next.x, next.y);
}

int Game::sensorWatchedTile(int x, int y, const Tile& sensor) const
{
    if (sensor.type != SENSOR || !sensor.sensorWatchItems) return -1;
    const TileOffset offset =
        SENSOR_DIRECTIONS[static_cast<std::size_t>(sensorViewIndex(sensor.sensorTargetIndex, sensor.dir))];
    const int tx = x + offset.dx;
    const int ty = y + offset.dy;
    if (!inBounds(tx, ty) || tileAt(tx, ty).type != BELT) return -1;
    return tileIndex(tx, ty);
}

bool Game::isSightedOn(const CargoItem& item, int tx, int ty)
{
    if (item.layer != 0 || item.carried || item.leavingTunnel) return false;
    return std::fabs(item.posX - static_cast<float>(tx)) <= SENSOR_WINDOW &&
           std::fabs(item.posY - static_cast<float>(ty)) <= SENSOR_WINDOW;
}

const CargoItem* Game::itemSeenBySensor(int x, int y, const Tile& sensor) const
{
    const int watched = sensorWatchedTile(x, y, sensor);
    if (watched < 0) return nullptr;
    for (const CargoItem& item : items) {
        if (isSightedOn(item, watched % GRID_WIDTH, watched / GRID_WIDTH)) return &item;
    }
    return nullptr;
}

bool Game::visibleItemRect(const CargoItem& item, float& x0, float& y0, float& x1, float& y1) const
{
    if (item.leavingTunnel) return false;
    if (inBounds(item.x, item.y) && tileAt(item.x, item.y).type == SOURCE) return false;
    const Rect square{item.posX - 0.5f, item.posY - 0.5f, item.posX + 0.5f, item.posY + 0.5f};
    x0 = square.x0, y0 = square.y0, x1 = square.x1, y1 = square.y1;

    bool occluded = false;
    Rect box;
    const int left = static_cast<int>(std::floor(item.posX));
    const int right = static_cast<int>(std::ceil(item.posX));
    const int top = static_cast<int>(std::floor(item.posY));
    const int bottom = static_cast<int>(std::ceil(item.posY));
    for (int ty = top; ty <= bottom; ++ty) {
        for (int tx = left; tx <= right; ++tx) {
            if (!inBounds(tx, ty)) continue;
            const Tile& tile = tileAt(tx, ty);
            const bool hides = hidesItems(tile.type) || (tile.bridgePart == BRIDGE_DECK && !isItemOnDeck(item));
            if (!hides) continue;
            const Rect r = occluderRect(tile, tx, ty);
            box = occluded ? Rect{std::min(box.x0, r.x0), std::min(box.y0, r.y0), std::max(box.x1, r.x1),
                                  std::max(box.y1, r.y1)}
                           : r;
            occluded = true;
        }
    }
    if (!occluded || !box.overlaps(square)) return true;

    const Rect strip = largestStripOutside(square, box);
    x0 = strip.x0, y0 = strip.y0, x1 = strip.x1, y1 = strip.y1;
    return strip.area() > MIN_VISIBLE_AREA;
}

bool Game::hasSwitchWireTo(int x, int y) const
{
    return std::any_of(signalControlLinks.begin(), signalControlLinks.end(),
                       [x, y](const Link& wire) { return wire.x1 == x && wire.y1 == y; });
}

float Game::itemDeckProgress(const CargoItem& item) const
{
    const int tx = tileCoordinate(item.posX);
    const int ty = tileCoordinate(item.posY);
    if (!inBounds(tx, ty)) return 0.0f;
    const Tile& tile = tileAt(tx, ty);
    if (tile.bridgePart < 0 || tile.bridgeDir != item.heading) return 0.0f;
    if (tile.bridgePart == BRIDGE_DECK) return DECK_HEIGHT;
    const DirectionVector v = directionVector(tile.bridgeDir);
    const float along = (item.posX - static_cast<float>(tx)) * v.dx + (item.posY - static_cast<float>(ty)) * v.dy;
    const float climbed = tile.bridgePart == BRIDGE_ENTRY_RAMP ? along + 0.5f : 0.5f - along;
    if (climbed < 0.0f) return 0.0f;
    if (climbed > 1.0f) return DECK_HEIGHT;
    return climbed * DECK_HEIGHT;
}

bool Game::isItemOnDeck(const CargoItem& item) const
{
    const int tx = tileCoordinate(item.posX);
    const int ty = tileCoordinate(item.posY);
    if (!inBounds(tx, ty)) return false;
    const Tile& tile = tileAt(tx, ty);
    return tile.bridgePart >= 0 && tile.bridgeDir == item.heading;
}
