#include "persistence/path_repair.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <utility>

#include "world/geometry.h"

namespace {

// Before this version items kept no ejector state, so the belt in front of an
// active ejector may hold an item the ejector is about to push.
constexpr int FIRST_VERSION_WITH_EJECTOR_STATE = 28;
constexpr float SAME_PLACE = 0.0001f;

using Point = std::pair<int, int>;
using ConflictPoints = std::set<Point>;

Point pointOf(const PathPoint& point) { return {point.x, point.y}; }

const Tile* tileOrNull(const std::vector<Tile>& tiles, int x, int y)
{
    return inGrid(x, y) ? &tiles[tileIndex(x, y)] : nullptr;
}

// Another item heading for the same first point does so from the same spot,
// or from the other side.
bool itemConflicts(const CargoItem& item, const CargoItem& other, const PathPoint& target)
{
    const float dx = static_cast<float>(target.x) - item.posX;
    const float dy = static_cast<float>(target.y) - item.posY;
    const bool samePlace = !item.leavingTunnel && !other.leavingTunnel &&
                           std::hypot(item.posX - other.posX, item.posY - other.posY) < SAME_PLACE;
    const float approach =
        (static_cast<float>(target.x) - other.posX) * dx + (static_cast<float>(target.y) - other.posY) * dy;
    return samePlace || approach < -SAME_PLACE;
}

// Items by the first point of their paths.
std::multimap<Point, const CargoItem*> itemsByFirstPoint(const std::vector<CargoItem>& items)
{
    std::multimap<Point, const CargoItem*> heading;
    for (const CargoItem& item : items) {
        if (!item.path.empty()) heading.emplace(pointOf(item.path.front()), &item);
    }
    return heading;
}

bool leavesTunnelIntoConflict(const std::vector<Tile>& tiles, const std::multimap<Point, const CargoItem*>& heading,
                              const CargoItem& item)
{
    if (item.path.empty()) return false;
    const Tile* under = tileOrNull(tiles, tileCoordinate(item.posX), tileCoordinate(item.posY));
    if (under == nullptr || under->type != TUNNEL_EXIT) return false;
    const auto [first, last] = heading.equal_range(pointOf(item.path.front()));
    return std::any_of(first, last, [&](const auto& entry) {
        return entry.second != &item && itemConflicts(item, *entry.second, item.path.front());
    });
}

// Items standing still on a belt that the path of a ground item crosses.
void addStandingItemsInTheWay(const std::vector<Tile>& tiles, const std::vector<CargoItem>& items,
                              ConflictPoints& conflicts)
{
    ConflictPoints groundPaths;
    for (const CargoItem& item : items) {
        if (item.layer != 0 || item.carried) continue;
        for (const PathPoint& point : item.path)
            groundPaths.insert(pointOf(point));
    }
    for (const CargoItem& item : items) {
        const bool standing = item.layer == 0 && item.path.empty() && !item.leavingTunnel;
        if (standing && tiles[tileIndex(item.x, item.y)].type == BELT && groundPaths.contains({item.x, item.y}))
            conflicts.insert({item.x, item.y});
    }
}

void addBeltsBeforeEjectors(const std::vector<Tile>& tiles, ConflictPoints& conflicts)
{
    for (int index = 0; index < TILE_COUNT; ++index) {
        const Tile& ejector = tiles[index];
        if (ejector.type != EJECTOR || !ejector.ejectorActive) continue;
        const int x = index % GRID_WIDTH + directionDx(ejector.dir);
        const int y = index / GRID_WIDTH + directionDy(ejector.dir);
        const Tile* front = tileOrNull(tiles, x, y);
        if (front != nullptr && front->type == BELT) conflicts.insert({x, y});
    }
}

ConflictPoints collectConflicts(const std::vector<Tile>& tiles, const std::vector<CargoItem>& items, int version)
{
    ConflictPoints conflicts;
    const std::multimap<Point, const CargoItem*> heading = itemsByFirstPoint(items);
    for (const CargoItem& item : items) {
        if (leavesTunnelIntoConflict(tiles, heading, item)) conflicts.insert(pointOf(item.path.front()));
    }
    if (!conflicts.empty()) addStandingItemsInTheWay(tiles, items, conflicts);
    if (version < FIRST_VERSION_WITH_EJECTOR_STATE) addBeltsBeforeEjectors(tiles, conflicts);
    return conflicts;
}

bool mayBeReset(const CargoItem& item) { return item.layer == 0 && !item.carried && item.state == ITEM_FREE; }

// Whoever crosses a conflict point stops, and its own places become conflicts
// in turn, until no further item is caught.
std::vector<bool> markStoppedItems(const std::vector<CargoItem>& items, ConflictPoints& conflicts)
{
    std::multimap<Point, std::size_t> crossing;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!mayBeReset(items[i])) continue;
        for (const PathPoint& point : items[i].path)
            crossing.emplace(pointOf(point), i);
    }
    std::vector<bool> marked(items.size(), false);
    std::vector<Point> pending(conflicts.begin(), conflicts.end());
    auto addConflict = [&](Point point) {
        if (conflicts.insert(point).second) pending.push_back(point);
    };
    while (!pending.empty()) {
        const auto [first, last] = crossing.equal_range(pending.back());
        pending.pop_back();
        for (auto entry = first; entry != last; ++entry) {
            if (marked[entry->second]) continue;
            marked[entry->second] = true;
            const CargoItem& item = items[entry->second];
            addConflict({item.x, item.y});
            for (const PathPoint& point : item.path)
                addConflict(pointOf(point));
        }
    }
    return marked;
}

void standOnOwnTile(CargoItem& item)
{
    item.heading = item.dir;
    item.posX = static_cast<float>(item.x);
    item.posY = static_cast<float>(item.y);
    item.path.clear();
    item.leavingTunnel = false;
}

// The ejector whose front is (x, y), or null.
const Tile* ejectorBehind(const std::vector<Tile>& tiles, int x, int y, Direction& facing)
{
    for (Direction d = NORTH; d <= WEST; ++d) {
        const Tile* ejector = tileOrNull(tiles, x - directionDx(d), y - directionDy(d));
        if (ejector != nullptr && ejector->type == EJECTOR && ejector->dir == d) {
            facing = d;
            return ejector;
        }
    }
    return nullptr;
}

// An item on the belt in front of an ejector whose path first runs back
// against the belt and then over it in the throw's line starts at the belt.
void trimBacktrackBeforeEjector(const std::vector<Tile>& tiles, CargoItem& item)
{
    if (item.path.empty()) return;
    const int x = tileCoordinate(item.posX);
    const int y = tileCoordinate(item.posY);
    const Tile* belt = tileOrNull(tiles, x, y);
    if (belt == nullptr || belt->type != BELT || std::fabs(item.posX - static_cast<float>(x)) > SAME_PLACE ||
        std::fabs(item.posY - static_cast<float>(y)) > SAME_PLACE) {
        return;
    }
    Direction facing = NONE;
    if (ejectorBehind(tiles, x, y, facing) == nullptr) return;
    const PathPoint& first = item.path.front();
    if ((first.x - x) * directionDx(belt->dir) + (first.y - y) * directionDy(belt->dir) >= 0) return;
    const Point beyond{x + directionDx(facing), y + directionDy(facing)};
    for (std::size_t i = 0; i + 1 < item.path.size(); ++i) {
        if (pointOf(item.path[i]) == Point{x, y} && pointOf(item.path[i + 1]) == beyond) {
            for (; i > 0; --i)
                item.path.pop_front();
            return;
        }
    }
}

}  // namespace

void repairItemPaths(const std::vector<Tile>& tiles, std::vector<CargoItem>& items, int version)
{
    ConflictPoints conflicts = collectConflicts(tiles, items, version);
    const std::vector<bool> marked = markStoppedItems(items, conflicts);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (marked[i]) standOnOwnTile(items[i]);
    }
    for (CargoItem& item : items) {
        if (item.layer == 0) trimBacktrackBeforeEjector(tiles, item);
    }
}
