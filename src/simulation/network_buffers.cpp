#include "simulation/network_buffers.h"

#include "world/game.h"

void groupWiresByTile(const std::vector<Link>& links, WiresByTile& groups)
{
    groups.start.assign(TILE_COUNT + 1, 0);
    auto endOf = [](const Link& link) { return tileIndex(link.x0, link.y0); };
    auto inside = [](const Link& link) { return inGrid(link.x0, link.y0) && inGrid(link.x1, link.y1); };
    for (const Link& link : links) {
        if (inside(link)) ++groups.start[endOf(link) + 1];
    }
    for (int i = 0; i < TILE_COUNT; ++i)
        groups.start[i + 1] += groups.start[i];
    groups.wires.resize(static_cast<std::size_t>(groups.start[TILE_COUNT]));
    // Fill each group from its front; start[i] runs ahead and is moved back after.
    for (int w = 0; w < static_cast<int>(links.size()); ++w) {
        if (inside(links[w])) groups.wires[groups.start[endOf(links[w])]++] = w;
    }
    for (int i = TILE_COUNT; i > 0; --i)
        groups.start[i] = groups.start[i - 1];
    groups.start[0] = 0;
}
