#include "persistence/legacy_water_lines.h"

#include <cstdio>

namespace {

constexpr int NEIGHBOUR_DX[] = {0, 1, 0, -1};
constexpr int NEIGHBOUR_DY[] = {-1, 0, 1, 0};

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
        for (int side = 0; side < 4; ++side) {
            const int x = current % GRID_WIDTH + NEIGHBOUR_DX[side];
            const int y = current / GRID_WIDTH + NEIGHBOUR_DY[side];
            if (!inGrid(x, y)) continue;
            const int neighbour = tileIndex(x, y);
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
