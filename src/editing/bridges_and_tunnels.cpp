#include "editing/bridges_and_tunnels.h"

#include <cstdlib>

#include "editing/demolishing.h"
#include "editing/sensors_and_water.h"
#include "world/game.h"

namespace {

// Where a bridge goes: its deck tile and the direction it runs.
struct BridgePlan {
    int deckX = 0;
    int deckY = 0;
    Direction dir = EAST;
    Direction oldDir = NONE;  // the bridge being turned, NONE for a new one
};

// The deck lies at the clicked tile, or stays where the clicked bridge has
// it; a turn goes a quarter clockwise. Either way the bridge crosses a belt
// under its deck rather than run along it.
BridgePlan planBridge(const Game& game, int x, int y)
{
    const Tile& clicked = game.tileAt(x, y);
    BridgePlan plan{x, y, EAST, NONE};
    if (clicked.bridgePart >= 0) {
        plan.oldDir = clicked.bridgeDir;
        plan.deckX = x - directionDx(clicked.bridgeDir) * (clicked.bridgePart - 1);
        plan.deckY = y - directionDy(clicked.bridgeDir) * (clicked.bridgePart - 1);
        plan.dir = clockwiseDirection(clicked.bridgeDir);
    }
    if (game.inBounds(plan.deckX, plan.deckY)) {
        const Tile& under = game.tileAt(plan.deckX, plan.deckY);
        if (under.type == BELT && onSameAxis(under.dir, plan.dir)) plan.dir = clockwiseDirection(plan.dir);
    }
    return plan;
}

// The tile `side` steps from the deck (-1 entry ramp, 0 deck, 1 exit ramp)
// may take its part of the planned bridge: on the map, no item on it, a ramp
// only on empty ground, the deck only over ground or a belt crossing it, and
// a tile of a bridge only where it is a tile of the bridge being turned.
bool tileTakesBridge(const Game& game, const BridgePlan& plan, int side)
{
    const int x = plan.deckX + side * directionDx(plan.dir);
    const int y = plan.deckY + side * directionDy(plan.dir);
    if (!game.inBounds(x, y) || game.itemAt(x, y)) return false;
    const Tile& tile = game.tileAt(x, y);
    if (tile.bridgePart >= 0) {
        const int offset = tile.bridgePart - 1;
        if (tile.bridgeDir != plan.oldDir || x - plan.deckX != directionDx(plan.oldDir) * offset ||
            y - plan.deckY != directionDy(plan.oldDir) * offset) {
            return false;
        }
    } else if (side != 0 && tile.type != EMPTY) {
        return false;
    }
    if (side != 0) return true;
    return tile.type == EMPTY || (tile.type == BELT && !onSameAxis(tile.dir, plan.dir));
}

// An item on any tile of the bridge being turned holds the turn back.
bool itemOnOldBridge(const Game& game, const BridgePlan& plan)
{
    for (const int side : {-1, 0, 1}) {
        if (game.itemAt(plan.deckX + side * directionDx(plan.oldDir), plan.deckY + side * directionDy(plan.oldDir)))
            return true;
    }
    return false;
}

void writeRamp(Game& game, int x, int y, Direction dir, int part)
{
    Tile& ramp = writeFreshTile(game, x, y, BRIDGE, dir);
    ramp.bridgeDir = dir;
    ramp.bridgePart = part;
}

void writeBridge(Game& game, const BridgePlan& plan)
{
    const int dx = directionDx(plan.dir);
    const int dy = directionDy(plan.dir);
    writeRamp(game, plan.deckX - dx, plan.deckY - dy, plan.dir, BRIDGE_ENTRY_RAMP);
    Tile& ground = game.tileAt(plan.deckX, plan.deckY);
    ground.bridgeDir = plan.dir;
    ground.bridgePart = BRIDGE_DECK;
    writeRamp(game, plan.deckX + dx, plan.deckY + dy, plan.dir, BRIDGE_EXIT_RAMP);

    Tile& deck = game.deckTiles[tileIndex(plan.deckX, plan.deckY)];
    deck = Tile{};
    deck.type = BELT;
    deck.dir = plan.dir;
}

// The exit faces along the larger distance from the entrance; a tie goes east or west.
Direction tunnelDirection(int x1, int y1, int x2, int y2)
{
    const int dx = x2 - x1;
    const int dy = y2 - y1;
    if (std::abs(dx) < std::abs(dy)) return y1 > y2 ? NORTH : SOUTH;
    return x1 > x2 ? WEST : EAST;
}

void writeTunnelEnd(Game& game, int x, int y, ControlType type, Direction dir, int partnerX, int partnerY)
{
    Tile& end = writeFreshTile(game, x, y, type, dir);
    end.tunnelPartnerX = partnerX;
    end.tunnelPartnerY = partnerY;
}

}  // namespace

bool placeBridge(Game& game, int x, int y)
{
    if (!game.inBounds(x, y)) return false;
    const BridgePlan plan = planBridge(game, x, y);
    for (const int side : {-1, 0, 1}) {
        if (!tileTakesBridge(game, plan, side)) return false;
    }
    if (plan.oldDir != NONE) {
        if (itemOnOldBridge(game, plan)) return false;
        demolishBridge(game, plan.deckX, plan.deckY);
    }
    writeBridge(game, plan);
    return true;
}

bool placeTunnel(Game& game, int x1, int y1, int x2, int y2)
{
    if ((x1 == x2 && y1 == y2) || !isBuildableGround(game, x1, y1) || !isBuildableGround(game, x2, y2)) return false;
    writeTunnelEnd(game, x1, y1, TUNNEL, NONE, x2, y2);
    writeTunnelEnd(game, x2, y2, TUNNEL_EXIT, tunnelDirection(x1, y1, x2, y2), x1, y1);
    return true;
}

bool clickTunnelTool(Game& game, int& entranceX, int& entranceY, int x, int y)
{
    if (!game.inBounds(x, y)) return false;
    if (!game.inBounds(entranceX, entranceY)) {
        if (isBuildableGround(game, x, y)) {
            entranceX = x;
            entranceY = y;
        }
        return false;
    }
    if (!placeTunnel(game, entranceX, entranceY, x, y)) return false;
    entranceX = -1;
    entranceY = -1;
    return true;
}
