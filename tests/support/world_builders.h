#pragma once

#include "world/game.h"

// Small helpers that tests use to build worlds.

// Writes a fresh control of the type straight onto the ground tile, facing
// dir, as the map reader would: no placement rules are asked.
inline Tile& setTile(Game& game, int x, int y, ControlType type, Direction dir = NONE)
{
    Tile& tile = game.tileAt(x, y);
    tile = Tile{};
    tile.type = type;
    tile.dir = dir;
    return tile;
}
