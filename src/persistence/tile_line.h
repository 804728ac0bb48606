#pragma once

#include <iosfwd>

#include "persistence/map_tokens.h"
#include "world/tile.h"

// The tile line of the map text: the type, direction, bridge, identity and
// settings of one layer-0 tile.

// The largest control type a format version knows.
int largestControlTypeForVersion(int version);

// Reads one tile line of the version into a default tile and checks the rules
// that concern the line alone. The identity rules, which need the header and
// the other producers, are the map reader's.
bool readTileLine(std::istream& in, Tile& tile, int version);
void writeTileLine(TextOut& out, const Tile& tile);

// Before version 16 an arm filter of 1023 meant every kind there was.
void migrateCargoMask(Tile& tile, int version);
