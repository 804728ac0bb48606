#pragma once

#include "world/game.h"

// Puts a fresh control of the type on the ground tile, facing dir.
inline Tile& build(Game& game, int x, int y, ControlType type, Direction dir = NONE)
{
    Tile& tile = game.tileAt(x, y);
    tile = Tile{};
    tile.type = type;
    tile.dir = dir;
    return tile;
}
