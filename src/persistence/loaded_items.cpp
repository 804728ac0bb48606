#include "persistence/loaded_items.h"

#include <cmath>
#include <cstdlib>
#include <set>
#include <utility>

#include "world/geometry.h"

namespace {

constexpr float HELD_ITEM_SLACK = 0.1601f;
constexpr float FLIGHT_LINE_SLACK = 0.0001f;

struct Places {
    std::set<std::pair<int, int>> taken;      // layer, tile
    std::set<std::pair<int, int>> inTunnels;  // entrance tile, progress
    std::set<int> busyEjectors;
};

int tileOf(const CargoItem& item) { return tileIndex(item.x, item.y); }

bool firstPointIsOwnTile(const CargoItem& item)
{
    if (item.path.empty()) return true;
    const PathPoint& first = item.path.front();
    return first.x == item.x && first.y == item.y && first.speed < JUMP_SPEED;
}

// Waiting on the belt in front of the ejector, a hair off its centre at most.
bool waitsForPush(const CargoItem& item, const Tile& under)
{
    return under.type == BELT && std::fabs(item.posX - static_cast<float>(item.x)) <= HELD_ITEM_SLACK &&
           std::fabs(item.posY - static_cast<float>(item.y)) <= HELD_ITEM_SLACK;
}

// Thrown: somewhere on the straight line between the ejector's front and the landing tile.
bool fliesToLanding(const CargoItem& item, const Tile& under, DirectionVector v)
{
    const bool landable = under.type == EMPTY || under.type == BELT || under.type == STORAGE;
    const float dx = static_cast<float>(item.x) - item.posX;
    const float dy = static_cast<float>(item.y) - item.posY;
    const float along = dx * v.dx + dy * v.dy;
    const float across = v.dy * dx - v.dx * dy;
    return landable && item.ejectSkipTile == -1 && along >= -FLIGHT_LINE_SLACK && along <= 1.0f + FLIGHT_LINE_SLACK &&
           std::fabs(across) <= FLIGHT_LINE_SLACK;
}

bool ejectorStateFits(const std::vector<Tile>& tiles, const CargoItem& item, Places& places)
{
    if (item.state == ITEM_FREE) return true;
    const Tile& ejector = tiles[item.ejectTarget];
    if (ejector.type != EJECTOR || ejector.dir == NONE || item.layer != 0 || item.carried || item.leavingTunnel ||
        !places.busyEjectors.insert(item.ejectTarget).second) {
        return false;
    }
    const int ejectorX = item.ejectTarget % GRID_WIDTH;
    const int ejectorY = item.ejectTarget / GRID_WIDTH;
    if (item.x != ejectorX + item.state * directionDx(ejector.dir) ||
        item.y != ejectorY + item.state * directionDy(ejector.dir) || item.path.size() > 1 ||
        !firstPointIsOwnTile(item)) {
        return false;
    }
    const Tile& under = tiles[tileOf(item)];
    if (item.state == ITEM_TAKEN_BY_EJECTOR) return waitsForPush(item, under);
    return fliesToLanding(item, under, directionVector(ejector.dir));
}

bool takesPlace(const std::vector<Tile>& tiles, const CargoItem& item, Places& places)
{
    const Tile& under = tiles[tileOf(item)];
    if (under.type == TUNNEL && item.tunnelProgress > 0)
        return places.inTunnels.emplace(tileOf(item), item.tunnelProgress).second;
    return under.type == SHOP || places.taken.emplace(item.layer, tileOf(item)).second;
}

bool standsOnFittingTile(const Tile& under, const CargoItem& item)
{
    if (item.layer == 1) return under.bridgePart == BRIDGE_DECK && item.dir == under.bridgeDir && !item.carried;
    if (item.carried) return under.type == ARM || under.type == LONG_ARM;
    const bool holdsItems =
        under.type == BELT || (under.type >= SOURCE && under.type <= COAL_GENERATOR) || under.type == INJECTION_MOLDER;
    return holdsItems || (under.type == EMPTY && item.state == ITEM_IN_FLIGHT);
}

// Only an item inside a tunnel has come some way through it.
bool tunnelProgressFits(const Tile& under, const CargoItem& item)
{
    if ((item.tunnelProgress > 0) != (under.type == TUNNEL)) return false;
    if (under.type != TUNNEL) return true;
    const int length = std::abs(item.x - under.tunnelPartnerX) + std::abs(item.y - under.tunnelPartnerY);
    return item.tunnelProgress <= length + 1;
}

bool itemFits(const std::vector<Tile>& tiles, const CargoItem& item, MapIdentities& identities, Places& places)
{
    const Tile& under = tiles[tileOf(item)];
    const bool passFits = item.ejectSkipTile == -1 || (item.ejectSkipTile == tileOf(item) && under.type == BELT);
    return passFits && ejectorStateFits(tiles, item, places) && validateItemIdForMap(identities, item.id, item.parts) &&
           takesPlace(tiles, item, places) && standsOnFittingTile(under, item) && tunnelProgressFits(under, item);
}

}  // namespace

bool itemsFitTheirTiles(const std::vector<Tile>& tiles, const std::vector<CargoItem>& items, MapIdentities& identities)
{
    Places places;
    for (const CargoItem& item : items) {
        if (!itemFits(tiles, item, identities, places)) return false;
    }
    return true;
}
