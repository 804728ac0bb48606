#include "editing/rotation.h"

#include "editing/bridges_and_tunnels.h"
#include "editing/placing.h"
#include "world/control.h"
#include "world/game.h"

namespace {

// A belt or sensor without a direction yet takes a first one; any other
// direction moves on clockwise.
void turnOrStart(Tile& tile, Direction first)
{
    tile.dir = isCompassDirection(tile.dir) ? clockwiseDirection(tile.dir) : first;
}

}  // namespace

bool rotateAt(Game& game, int x, int y)
{
    if (!game.inBounds(x, y)) return false;
    Tile& tile = game.tileAt(x, y);
    if (tile.bridgePart >= 0) return placeBridge(game, x, y);
    switch (tile.type) {
    case BELT:
        turnOrStart(tile, EAST);
        return true;
    case SENSOR:
        turnOrStart(tile, SOUTH);
        return true;
    case TUNNEL_EXIT:
        tile.dir = clockwiseDirection(tile.dir);
        return true;
    case SOURCE:
        return placeSource(game, x, y);
    case OVEN:
    case SMELTER:
    case FILLER:
    case INJECTION_MOLDER:
        return placeControl(game, tile.type, x, y);
    case EJECTOR:
        return placeEjector(game, x, y);
    case ARM:
    case LONG_ARM:
    case STORAGE:
    case SHOP:
        return controlForType(tile.type).place(game, x, y);
    case DISTRIBUTOR:
    case DISTRIBUTOR_SECOND:
        return controlForType(DISTRIBUTOR).place(game, x, y);
    case MIXER:
    case MIXER_SECOND:
        return controlForType(MIXER).place(game, x, y);
    default:
        return false;
    }
}

std::string pressRotateButton(Game& game, int x, int y)
{
    return rotateAt(game, x, y) ? std::string() : std::string(ROTATE_REFUSED_TEXT);
}
