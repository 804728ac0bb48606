#include "world/water_network.h"

#include "world/game.h"

namespace {

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
        const EdgeNeighbours around = edgeNeighbours(i);
        for (int k = 0; k < around.count; ++k)
            reachPipe(game, around.index[k], 0, network, queue);
    }
    while (!queue.empty()) {
        const int pipe = queue.pop();
        const EdgeNeighbours around = edgeNeighbours(pipe);
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
        const EdgeNeighbours around = edgeNeighbours(i);
        for (int k = 0; k < around.count; ++k) {
            if (network.pipeDistance[around.index[k]] < 0) continue;
            network.molderHasWater[i] = 1;
            markFeedingPipe(around.index[k], network, queue);
        }
    }
    while (!queue.empty()) {
        const EdgeNeighbours around = edgeNeighbours(queue.pop());
        for (int k = 0; k < around.count; ++k)
            markFeedingPipe(around.index[k], network, queue);
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
