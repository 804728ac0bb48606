#include "world/water_network.h"

#include "world/game.h"

namespace {

constexpr int NEIGHBOUR_DX[4] = {0, 1, 0, -1};
constexpr int NEIGHBOUR_DY[4] = {-1, 0, 1, 0};

// Tile indices waiting to be visited, first in first out; reused between passes.
struct TileQueue {
    std::vector<int> entries;
    std::size_t next = 0;

    bool empty() const { return next == entries.size(); }
    int pop() { return entries[next++]; }
    void clear()
    {
        entries.clear();
        next = 0;
    }
};

// The edge neighbours of a tile inside the grid, north first, clockwise.
struct Neighbours {
    int index[4];
    int count = 0;
};

Neighbours neighboursOf(int tile)
{
    Neighbours result;
    const int x = tile % GRID_WIDTH;
    const int y = tile / GRID_WIDTH;
    for (int d = 0; d < 4; ++d) {
        const int nx = x + NEIGHBOUR_DX[d];
        const int ny = y + NEIGHBOUR_DY[d];
        if (inGrid(nx, ny)) result.index[result.count++] = tileIndex(nx, ny);
    }
    return result;
}

void reachPipe(const Game& game, int tile, int distance, WaterNetwork& network, TileQueue& queue)
{
    if (game.tiles[tile].type != WATER_PIPE || network.pipeDistance[tile] != -1) return;
    network.pipeDistance[tile] = distance;
    queue.entries.push_back(tile);
}

void floodFromSources(const Game& game, WaterNetwork& network, TileQueue& queue)
{
    for (int i = 0; i < TILE_COUNT; ++i) {
        if (game.tiles[i].type != WATER_SOURCE) continue;
        const Neighbours around = neighboursOf(i);
        for (int k = 0; k < around.count; ++k) reachPipe(game, around.index[k], 0, network, queue);
    }
    while (!queue.empty()) {
        const int pipe = queue.pop();
        const Neighbours around = neighboursOf(pipe);
        for (int k = 0; k < around.count; ++k) {
            reachPipe(game, around.index[k], network.pipeDistance[pipe] + 1, network, queue);
        }
    }
}

void markFeedingPipe(int tile, WaterNetwork& network, TileQueue& queue)
{
    if (network.pipeDistance[tile] < 0 || network.pipeFeedsMolder[tile] != 0) return;
    network.pipeFeedsMolder[tile] = 1;
    queue.entries.push_back(tile);
}

void markPipesToMolders(const Game& game, WaterNetwork& network, TileQueue& queue)
{
    for (int i = 0; i < TILE_COUNT; ++i) {
        if (game.tiles[i].type != INJECTION_MOLDER) continue;
        const Neighbours around = neighboursOf(i);
        for (int k = 0; k < around.count; ++k) {
            if (network.pipeDistance[around.index[k]] < 0) continue;
            network.molderHasWater[i] = 1;
            markFeedingPipe(around.index[k], network, queue);
        }
    }
    while (!queue.empty()) {
        const Neighbours around = neighboursOf(queue.pop());
        for (int k = 0; k < around.count; ++k) markFeedingPipe(around.index[k], network, queue);
    }
}

}  // namespace

WaterNetwork computeWaterNetwork(const Game& game)
{
    WaterNetwork network;
    network.pipeDistance.assign(TILE_COUNT, -1);
    network.pipeFeedsMolder.assign(TILE_COUNT, 0);
    network.molderHasWater.assign(TILE_COUNT, 0);
    TileQueue queue;
    floodFromSources(game, network, queue);
    queue.clear();
    markPipesToMolders(game, network, queue);
    return network;
}
