#include "editing/placing.h"

#include <algorithm>
#include <cstdlib>

#include "world/control.h"
#include "world/game.h"

namespace {

// Tiles a belt stroke may lay from: they take a direction from the stroke.
bool startsBeltStep(ControlType type)
{
    return type == EMPTY || type == BELT || type == SOURCE || type == SINK || type == BRIDGE;
}

// Tiles a belt stroke may lay onto: the same, and the machines fed by a belt.
bool endsBeltStep(ControlType type)
{
    switch (type) {
    case OVEN:
    case SMELTER:
    case FILLER:
    case STORAGE:
    case SHOP:
    case COAL_GENERATOR:
    case INJECTION_MOLDER:
        return true;
    default:
        return startsBeltStep(type);
    }
}

Direction stepDirection(int x0, int y0, int x1, int y1)
{
    if (x1 > x0) return EAST;
    if (x1 < x0) return WEST;
    return y1 > y0 ? SOUTH : NORTH;
}

// A stroke passes under a deck only crosswise and over a ramp only along the bridge.
bool bridgeLetsStrokePass(const Tile& tile, Direction d)
{
    if (tile.bridgePart == BRIDGE_DECK && onSameAxis(tile.bridgeDir, d)) return false;
    return tile.type != BRIDGE || tile.bridgeDir == d;
}

}  // namespace

bool placeControl(Game& game, ControlType type, int x, int y)
{
    if (!controlForType(type).place(game, x, y)) return false;
    // Any other control with a machine id would not read back.
    if (isProducerType(type)) game.assignMachineId(game.tileAt(x, y));
    return true;
}

bool placeSource(Game& game, int x, int y)
{
    if (!placeControl(game, SOURCE, x, y)) return false;
    game.titleDirty = true;
    return true;
}

bool placeEjector(Game& game, int x, int y)
{
    if (!game.inBounds(x, y)) return false;
    Tile& tile = game.tileAt(x, y);
    if (tile.type != EJECTOR) return controlForType(EJECTOR).place(game, x, y);
    const int index = tileIndex(x, y);
    const bool tiedToItem = std::any_of(game.items.begin(), game.items.end(),
                                        [index](const CargoItem& item) { return item.ejectTarget == index; });
    if (tiedToItem) return false;
    tile.dir = clockwiseDirection(tile.dir);
    return true;
}

bool layBeltStep(Game& game, int x0, int y0, int x1, int y1)
{
    if (!game.inBounds(x0, y0) || !game.inBounds(x1, y1) || std::abs(x1 - x0) + std::abs(y1 - y0) != 1) return false;
    Tile& from = game.tileAt(x0, y0);
    Tile& to = game.tileAt(x1, y1);
    if (!startsBeltStep(from.type) || !endsBeltStep(to.type)) return false;
    const Direction d = stepDirection(x0, y0, x1, y1);
    if (!bridgeLetsStrokePass(from, d) || !bridgeLetsStrokePass(to, d)) return false;

    if (from.type != BRIDGE) {
        if (from.type == EMPTY) from.type = BELT;
        from.dir = d;
    }
    if (to.type == EMPTY) {
        to.type = BELT;
        to.dir = d;
    }
    return true;
}
