#pragma once

#include <map>
#include <string>
#include <vector>

#include "world/game.h"

// Writes map texts of older format versions, token by token from the "from
// version" columns of the format: every token a version does not carry is left
// out, and every token not given takes the value of a new tile, item or world
// (an old writer's 1023 for "every cargo kind" before version 16).

// Tokens by their field number in the tile line (1..50), the tile-state line
// (1..51) or the item record (1..27; field 22 is the item's identity).
using LegacyFields = std::map<int, std::string>;

struct LegacyTile {
    int x = 0;
    int y = 0;
    LegacyFields line;
    LegacyFields state;
    std::string triple = "0 -1 -1";  // the dropped belt mark of versions 31 to 40
};

struct LegacyItem {
    LegacyFields fields;  // 1..21 and 25..27
    ItemId id;
};

struct LegacyMap {
    int version = 1;
    int width = GRID_WIDTH;
    int height = GRID_HEIGHT;
    std::string nextMachineId = "1";
    std::vector<LegacyTile> tiles;
    LegacyFields state;                                 // STATE values 1..10
    std::map<std::string, std::vector<Link>> sections;  // by keyword
    std::vector<LegacyItem> items;
};

std::string legacyMapText(const LegacyMap& map);
