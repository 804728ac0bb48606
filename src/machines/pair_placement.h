#pragma once

#include "world/control_grid.h"
#include "world/control_type.h"

struct Tile;

// The two tile types of a distributor or mixer.
struct PairTypes {
    ControlType main;
    ControlType second;
};

// Copies the routing settings that survive a turn from the old main tile into the new one.
using CarryPairSettings = void (*)(const Tile& from, Tile& to);

// Builds a pair facing east with its second tile to the south, or turns an
// existing pair a quarter turn clockwise about its main tile; a click on the
// second tile acts on the pair. Both tiles must be free for building where
// they are new; false leaves the grid untouched.
bool placePair(ControlGrid& grid, int x, int y, PairTypes types, CarryPairSettings carry);

// Removes the pair and the items on it from either of its tiles.
bool removePair(ControlGrid& grid, int x, int y, PairTypes types);
