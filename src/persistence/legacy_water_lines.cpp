#include "persistence/legacy_water_lines.h"

#include <cstdio>

namespace {

// Pipes may pass ground without a control or bridge, and earlier pipes.
bool pipeMayPass(const Tile& tile)
{
    return (tile.type == EMPTY || tile.type == WATER_PIPE) && tile.bridgePart == BRIDGE_NONE;
}

// Breadth-first search from the line's source; prev[t] stays -1 when the
// molder cannot be reached.
std::vector<int> searchWay(const std::vector<Tile>& tiles, int source, int molder)
{
    std::vector<int> prev(TILE_COUNT, -1);
    std::vector<int> queue{source};
    prev[source] = source;
    for (std::size_t next = 0; prev[molder] == -1 && next < queue.size(); ++next) {
        const int current = queue[next];
        const EdgeNeighbours around = edgeNeighbours(current);
        for (int k = 0; k < around.count; ++k) {
            const int neighbour = around.index[k];
            if (prev[neighbour] != -1 || (neighbour != molder && !pipeMayPass(tiles[neighbour]))) continue;
            prev[neighbour] = current;
            queue.push_back(neighbour);
        }
    }
    return prev;
}

// The warning goes where the game's other log lines go: stderr, as a warning.
void warnUnconvertible(const Link& line)
{
    std::fprintf(stderr, "WARN: Alte Wasserleitung (%d,%d)-(%d,%d) konnte nicht in Rohrkacheln umgewandelt werden\n",
                 line.x0, line.y0, line.x1, line.y1);
}

}  // namespace

void layLegacyWaterPipes(std::vector<Tile>& tiles, const std::vector<Link>& lines)
{
    for (const Link& line : lines) {
        const int source = tileIndex(line.x0, line.y0);
        const int molder = tileIndex(line.x1, line.y1);
        const std::vector<int> prev = searchWay(tiles, source, molder);
        if (prev[molder] == -1) {
            warnUnconvertible(line);
            continue;
        }
        for (int at = prev[molder]; at != source; at = prev[at]) {
            tiles[at] = Tile{};
            tiles[at].type = WATER_PIPE;
        }
    }
}
