#pragma once

#include <array>
#include <cstdint>
#include <set>
#include <vector>

#include "persistence/map_format.h"
#include "persistence/map_state.h"
#include "world/game.h"

// What a map read builds before anything of the game is touched.
struct ScratchWorld {
    int version = 0;
    std::uint64_t nextMachineId = 1;
    std::vector<Tile> tiles;
    std::vector<Tile> deckTiles;
    std::array<std::vector<Link>, LINK_SECTION_COUNT> links;
    std::vector<CargoItem> items;
    MapState state;
    std::set<std::uint64_t> producerIds;
};
