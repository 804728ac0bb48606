#pragma once

#include <vector>

#include "world/game.h"

// Version 20 joined water sources to molders by lines; later versions carry
// water through pipe tiles. Each line becomes pipes along a shortest way over
// free ground (north, east, south, west first), in file order; a line without
// such a way is logged and left out.
void layLegacyWaterPipes(std::vector<Tile>& tiles, const std::vector<Link>& lines);
