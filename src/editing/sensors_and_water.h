#pragma once

#include "world/control_type.h"
#include "world/direction.h"

class Game;
struct Tile;

// The three controls without a control class of their own: their tools write
// a fresh tile here. Each is built only on free ground (nothing built, no
// bridge over it) with no item lying on it: a sensor or pipe under a deck
// would wipe the deck's ground fields and leave a map that no longer reads
// back. None of them rebuilds the networks: the next frame does.

// Free ground without an item: where a sensor, water source, pipe or tunnel
// end may be built.
bool isBuildableGround(const Game& game, int x, int y);

// Replaces the whole record at (x, y) by a fresh tile of the type facing dir;
// nothing of the old record survives.
Tile& writeFreshTile(Game& game, int x, int y, ControlType type, Direction dir = NONE);

// A sensor facing east with every sensor setting at its default. The sensor
// tool runs it as one recorded command.
bool placeSensor(Game& game, int x, int y);

// A water source with the next machine id, which names the water it delivers.
bool placeWaterSource(Game& game, int x, int y);

// A water pipe. Pipes hold no connection: they join whatever shares an edge.
bool placeWaterPipe(Game& game, int x, int y);

// One move of the pointer in a pipe stroke: walks from the stroke's last tile
// (lastX, lastY) towards (x, y) a tile at a time, along x while the x distance
// is at least the y distance, laying a pipe on each tile that has none. The
// walk ends at the map's edge or at the first tile that refuses a pipe; each
// tile reached becomes the last tile. True when a pipe was laid.
bool layPipesTowards(Game& game, int& lastX, int& lastY, int x, int y);
