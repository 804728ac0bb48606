#include <algorithm>

#include "persistence/tile_state.h"
#include "world/game.h"

namespace {

// The starting source and sink of a new map, as far as their state lines go.
Tile starterSource()
{
    Tile source;
    source.type = SOURCE;
    source.dir = EAST;
    source.machineId = 1;
    return source;
}

Tile starterSink()
{
    Tile sink;
    sink.type = SINK;
    return sink;
}

}  // namespace

bool Game::isBlank() const
{
    if (!items.empty()) return false;
    if (!std::all_of(deckTiles.begin(), deckTiles.end(), [](const Tile& deck) { return deck.isFree(); })) return false;
    if (std::all_of(tiles.begin(), tiles.end(), [](const Tile& tile) { return tile.isFree(); })) return true;

    const Tile source = starterSource();
    const Tile sink = starterSink();
    for (int y = 0; y < GRID_HEIGHT; ++y) {
        for (int x = 0; x < GRID_WIDTH; ++x) {
            const Tile& tile = tileAt(x, y);
            // Only the state line counts at the starter positions: a fresh
            // control of another type built there still leaves the map untouched.
            if (x == STARTER_SOURCE_X && y == STARTER_SOURCE_Y) {
                if (!sameTileState(tile, source)) return false;
            } else if (x == STARTER_SINK_X && y == STARTER_SINK_Y) {
                if (!sameTileState(tile, sink)) return false;
            } else if (!tile.isFree()) {
                return false;
            }
        }
    }
    return true;
}
