#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "persistence/map_state.h"
#include "world/cargo_item.h"
#include "world/link.h"
#include "world/tile.h"

class Game;

// What the map text of a world is written from: the ground tiles, the items,
// the cables and wires, the STATE values and the next machine id. A press
// keeps a copy of it, which costs a fraction of writing the text, and writes
// the text only when the press has changed the world.
struct MapContent {
    std::vector<Tile> tiles;
    std::vector<CargoItem> items;
    std::vector<Link> powerLinks;
    std::vector<Link> signalControlLinks;
    std::vector<Link> signalMeasureLinks;
    std::vector<Link> dcLinks;
    MapState state;
    std::uint64_t nextMachineId = 0;
};

MapContent mapContentOf(const Game& game);

// The world holds the same content. Fields the text leaves out (the flags the
// network refresh derives) count too; edits change them only together with
// fields the text holds.
bool sameMapContent(const MapContent& content, const Game& game);

// Replaces out by the map text the world had when the content was taken; the
// world is as before afterwards. False (out unchanged) when the writer fails.
bool writeMapText(Game& game, MapContent& content, std::string& out);
