#include "simulation/cable_groups.h"

#include <numeric>

#include "world/game.h"

void groupByCables(const std::vector<Link>& cables, std::vector<int>& parent)
{
    parent.resize(TILE_COUNT);
    std::iota(parent.begin(), parent.end(), 0);
    for (const Link& cable : cables) {
        // An end outside the grid would alias another tile's index.
        if (!inGrid(cable.x0, cable.y0) || !inGrid(cable.x1, cable.y1)) continue;
        const int first = cableRoot(parent, tileIndex(cable.x0, cable.y0));
        const int second = cableRoot(parent, tileIndex(cable.x1, cable.y1));
        if (first != second) parent[second] = first;
    }
}

int cableRoot(std::vector<int>& parent, int tile)
{
    while (parent[tile] != tile) {
        parent[tile] = parent[parent[tile]];
        tile = parent[tile];
    }
    return tile;
}
