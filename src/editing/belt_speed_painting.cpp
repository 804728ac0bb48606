#include "editing/belt_speed_painting.h"

#include "editing/grid_walk.h"
#include "simulation/item_transport.h"
#include "world/game.h"

bool setBeltSpeed(Game& game, int x, int y, int level)
{
    // Compared unsigned, so that a negative level is refused too.
    if (static_cast<unsigned>(level) > static_cast<unsigned>(MAX_BELT_SPEED) || !game.inBounds(x, y)) return false;
    Tile& tile = game.tileAt(x, y);
    if (!isBeltOrBridge(tile.type) || tile.beltSpeed == level) return false;
    tile.beltSpeed = level;
    for (CargoItem& item : game.items) {
        if (item.x == x && item.y == y) item.speedCredit = 0;
    }
    return true;
}

bool paintBeltSpeed(Game& game, int x0, int y0, int x1, int y1, int level)
{
    if (static_cast<unsigned>(level) > static_cast<unsigned>(MAX_BELT_SPEED)) return false;
    bool changed = false;
    forEachTileOnLine(x0, y0, x1, y1, [&](int x, int y) { changed = setBeltSpeed(game, x, y, level) || changed; });
    return changed;
}
