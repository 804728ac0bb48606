#include "editing/belt_speed_painting.h"

#include "editing/grid_walk.h"
#include "simulation/item_transport.h"
#include "world/game.h"

namespace {

// The belt or bridge ramp at (x, y) that may take the level; null for any other tile or level.
Tile* speedTileAt(Game& game, int x, int y, int level)
{
    // Compared unsigned, so that a negative level is refused too.
    if (static_cast<unsigned>(level) > static_cast<unsigned>(MAX_BELT_SPEED) || !game.inBounds(x, y)) return nullptr;
    Tile& tile = game.tileAt(x, y);
    return isBeltOrBridge(tile.type) ? &tile : nullptr;
}

void giveSpeed(Game& game, Tile& tile, int x, int y, int level)
{
    tile.beltSpeed = level;
    for (CargoItem& item : game.items) {
        if (item.x == x && item.y == y) item.speedCredit = 0;
    }
}

}  // namespace

bool setBeltSpeed(Game& game, int x, int y, int level)
{
    Tile* tile = speedTileAt(game, x, y, level);
    if (tile == nullptr || tile->beltSpeed == level) return false;
    giveSpeed(game, *tile, x, y, level);
    return true;
}

bool pressBeltSpeed(Game& game, int x, int y, int level)
{
    Tile* tile = speedTileAt(game, x, y, level);
    if (tile == nullptr) return false;
    giveSpeed(game, *tile, x, y, level);
    return true;
}

bool paintBeltSpeed(Game& game, int x0, int y0, int x1, int y1, int level)
{
    if (static_cast<unsigned>(level) > static_cast<unsigned>(MAX_BELT_SPEED)) return false;
    bool changed = false;
    forEachTileOnLine(x0, y0, x1, y1, [&](int x, int y) { changed = setBeltSpeed(game, x, y, level) || changed; });
    return changed;
}
