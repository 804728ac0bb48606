#pragma once

#include <vector>

#include "persistence/map_identities.h"
#include "world/cargo_item.h"
#include "world/tile.h"

// Every item of a map must stand where it can be: on a tile that holds items,
// on its own place (a shop takes any number), in a tunnel at most as deep as
// the tunnel is long, held by an arm, on a deck it travels along, or in its
// ejector's push or throw; and it carries a produced identity of its own.
bool itemsFitTheirTiles(const std::vector<Tile>& tiles, const std::vector<CargoItem>& items, MapIdentities& identities);
