#pragma once

#include <iosfwd>

#include "persistence/map_tokens.h"
#include "world/tile.h"

// The tile-state line of the map text: counters, queues, timers and masks of
// the control on one tile, with the identities of the units it holds.

// Writes the line with the float precision of the stream.
void writeTileState(std::ostream& out, const Tile& tile);
void writeTileState(TextOut& out, const Tile& tile);

// Reads the line of the version into a tile that already holds its tile line.
bool readTileState(std::istream& in, Tile& tile, int version);

// Equal when both tiles write the same state line (at the default precision).
bool sameTileState(const Tile& a, const Tile& b);

// Before version 16 a distributor, storage or shop mask of 1023 meant every kind.
void migrateTileCargoMasks(Tile& tile, int version);
