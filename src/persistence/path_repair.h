#pragma once

#include <vector>

#include "world/cargo_item.h"
#include "world/tile.h"

// Paths saved in the middle of a move can collide once loaded: two items
// leaving tunnel exits onto one tile, or heading at each other. Such items, and
// every item whose path runs through a place they need, are put back onto
// their tiles without a path. Never refuses a map.
void repairItemPaths(const std::vector<Tile>& tiles, std::vector<CargoItem>& items, int version);
