#pragma once

#include <vector>

#include "world/tile.h"

// Controls that span several tiles must be whole in a map: tunnel pairs name
// each other, bridges run ramp, deck, ramp, and distributors and mixers have
// their second tile on the clockwise side.
bool tileStructureFits(const std::vector<Tile>& tiles);
