#include "editing/demolishing.h"

#include <algorithm>

#include "editing/grid_walk.h"
#include "world/control.h"
#include "world/control_type.h"
#include "world/game.h"

namespace {

bool endsOn(const Link& link, int x, int y) { return (link.x0 == x && link.y0 == y) || (link.x1 == x && link.y1 == y); }

void dropLinksEndingOn(std::vector<Link>& links, int x, int y)
{
    std::erase_if(links, [x, y](const Link& link) { return endsOn(link, x, y); });
}

// Wires end on a distributor's main tile, so its second tile stands for it;
// a broken pair pointing off the map keeps the tile named.
void moveToDistributorMain(const Game& game, int& x, int& y)
{
    const Tile& tile = game.tileAt(x, y);
    if (tile.type != DISTRIBUTOR_SECOND) return;
    const Direction side = clockwiseDirection(tile.dir);
    const int mainX = x - directionDx(side);
    const int mainY = y - directionDy(side);
    if (!game.inBounds(mainX, mainY)) return;
    x = mainX;
    y = mainY;
}

bool carriesPowerCables(ControlType type)
{
    return type == COAL_GENERATOR || type == POWER_POLE || type == POWER_SUPPLY;
}

// Switch wires, measure wires and 5V cables may end on these.
bool carriesSignalLinks(ControlType type)
{
    return isSignalType(type) || type == POWER_SUPPLY || isSwitchWireTarget(type);
}

// Types whose control has no remove of its own: the tile is cleared here.
bool clearedByHand(ControlType type) { return isSignalType(type) || type == WATER_SOURCE || type == WATER_PIPE; }

bool removeControl(Game& game, ControlType type, int x, int y)
{
    if (type <= PLAIN || type == BRIDGE || type >= CONTROL_TYPE_COUNT) return false;
    if (clearedByHand(type)) {
        game.removeItemsAt(x, y);
        game.tileAt(x, y) = Tile{};
        return true;
    }
    const bool removed = controlForType(type).remove(game, x, y);
    if (removed && type == SOURCE) game.titleDirty = true;
    return removed;
}

float alongAxis(Direction d, DirectionVector axis)
{
    const DirectionVector v = directionVector(d);
    return v.dx * axis.dx + v.dy * axis.dy;
}

}  // namespace

bool ridesBridge(const CargoItem& item, int deckX, int deckY, Direction bridgeDir)
{
    const int dx = directionDx(bridgeDir);
    const int dy = directionDy(bridgeDir);
    if (item.occupies(deckX - dx, deckY - dy) || item.occupies(deckX + dx, deckY + dy)) return true;
    if (item.layer == 1 && item.x == deckX && item.y == deckY) return true;
    const DirectionVector axis = directionVector(bridgeDir);
    if (!item.carried && item.occupies(deckX, deckY) && alongAxis(item.heading, axis) != 0.0f) return true;
    return std::any_of(item.path.begin(), item.path.end(), [&](const PathPoint& p) {
        return p.x == deckX && p.y == deckY && alongAxis(p.dir, axis) != 0.0f;
    });
}

bool demolishBridge(Game& game, int x, int y)
{
    if (!game.inBounds(x, y)) return false;
    const Tile part = game.tileAt(x, y);
    if (part.bridgePart < 0) return false;
    const int dx = directionDx(part.bridgeDir);
    const int dy = directionDy(part.bridgeDir);
    const int deckX = x - dx * (part.bridgePart - 1);
    const int deckY = y - dy * (part.bridgePart - 1);

    std::erase_if(game.items, [&](const CargoItem& item) { return ridesBridge(item, deckX, deckY, part.bridgeDir); });
    for (const int side : {-1, 1}) {
        if (game.inBounds(deckX + side * dx, deckY + side * dy))
            game.tileAt(deckX + side * dx, deckY + side * dy) = Tile{};
    }
    if (game.inBounds(deckX, deckY)) {
        Tile& ground = game.tileAt(deckX, deckY);
        ground.bridgePart = BRIDGE_NONE;
        ground.bridgeDir = NONE;
        game.deckTiles[tileIndex(deckX, deckY)] = Tile{};
    }
    return true;
}

bool demolishBeltUnderDeck(Game& game, int x, int y)
{
    if (!game.inBounds(x, y)) return false;
    Tile& ground = game.tileAt(x, y);
    if (ground.type != BELT || ground.bridgePart != BRIDGE_DECK) return false;
    std::erase_if(game.items, [&](const CargoItem& item) {
        return item.layer == 0 && item.occupies(x, y) && !ridesBridge(item, x, y, ground.bridgeDir);
    });
    Tile freeGround;
    freeGround.bridgeDir = ground.bridgeDir;
    freeGround.bridgePart = BRIDGE_DECK;
    ground = std::move(freeGround);
    return true;
}

bool demolish(Game& game, int x, int y)
{
    if (!game.inBounds(x, y)) return false;
    if (game.tileAt(x, y).bridgePart >= 0) return demolishBridge(game, x, y);
    moveToDistributorMain(game, x, y);
    const ControlType type = game.tileAt(x, y).type;
    if (carriesPowerCables(type)) unlinkPowerCablesAt(game, x, y);
    if (carriesSignalLinks(type)) unlinkAt(game, x, y);
    return removeControl(game, type, x, y);
}

bool demolishLine(Game& game, int x0, int y0, int x1, int y1)
{
    bool any = false;
    forEachTileOnLine(x0, y0, x1, y1, [&](int x, int y) { any = demolish(game, x, y) || any; });
    return any;
}

void unlinkPowerCablesAt(Game& game, int x, int y) { dropLinksEndingOn(game.powerLinks, x, y); }

void unlinkAt(Game& game, int x, int y)
{
    dropLinksEndingOn(game.signalControlLinks, x, y);
    dropLinksEndingOn(game.signalMeasureLinks, x, y);
    dropLinksEndingOn(game.dcLinks, x, y);
    releaseUnwiredTargets(game);
}

void releaseUnwiredTargets(Game& game)
{
    for (int y = 0; y < GRID_HEIGHT; ++y) {
        for (int x = 0; x < GRID_WIDTH; ++x) {
            Tile& tile = game.tileAt(x, y);
            if ((tile.type != DISTRIBUTOR && !isArm(tile.type)) || game.hasSwitchWireTo(x, y)) continue;
            if (tile.type == DISTRIBUTOR) {
                tile.signalSelectsB = false;
            } else {
                tile.armPendingJobs = 0;
                tile.armSignalOn = false;
            }
        }
    }
}

bool removeItemById(Game& game, const ItemId& id)
{
    if (id.machineId == 0 || id.serial == 0) return false;
    const auto found = std::find_if(game.items.begin(), game.items.end(), [&id](const CargoItem& item) {
        return item.id.machineId == id.machineId && item.id.serial == id.serial;
    });
    if (found == game.items.end()) return false;
    game.items.erase(found);
    return true;
}
