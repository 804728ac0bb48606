#pragma once

#include <vector>

#include "world/tile.h"

// A tile position with a copy of the ground tile there.
struct TileCell {
    int x = 0;
    int y = 0;
    Tile tile;
};

// The tiles that form one control: a bridge's three, a tunnel's two ends,
// the two tiles of a distributor or mixer, or the tile alone.
struct MachineGroup {
    int x = -1;  // the tile asked for; -1 when there is no group
    int y = -1;
    bool isBridge = false;
    std::vector<TileCell> cells;
};
