#pragma once

#include <iosfwd>
#include <map>

#include "render/bridge_sprite_key.h"
#include "render/sprite_key.h"

// The index files of the pre-rendered sheets: a header line, then one record a
// picture. Readers and the export's writers share the format here. A record is
// read as blank-separated tokens, so it may span lines; only the header is a line.
//   index.txt:   type tileSize direction beltSpeed armFilterClass stateBits frame frame2 file x y w h
//   bridges.txt: cellSize bridgeDir bridgePart frame file x y w h lift

constexpr const char* CONTROL_INDEX_HEADER = "GEARHAVEN_CONTROL_SPRITES 1";
constexpr const char* BRIDGE_INDEX_HEADER = "GEARHAVEN_BRIDGE_SPRITES 1";

// Add the records of an index to the map. A first line other than the header
// adds nothing; reading stops at the first record that is incomplete or holds a
// token that is not an integer where one belongs, keeping the records before it;
// the first record of a key wins.
void readControlSpriteIndex(std::istream& in, std::map<SpriteKey, SpriteRef>& index);
// As above; a record whose lift lies outside its cell (below 0 or above its
// height) is dropped and reading goes on.
void readBridgeSpriteIndex(std::istream& in, std::map<BridgeSpriteKey, BridgeSpriteRef>& index);

// One record as its line, newline included.
void writeControlSpriteRecord(std::ostream& out, const SpriteKey& key, const SpriteRef& ref);
void writeBridgeSpriteRecord(std::ostream& out, const BridgeSpriteKey& key, const BridgeSpriteRef& ref);
