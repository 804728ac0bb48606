#include <algorithm>
#include <bitset>
#include <cstdlib>

#include "simulation/step_tables.h"
#include "simulation/world_layout.h"
#include "world/game.h"

namespace {

using GroundTiles = std::bitset<TILE_COUNT>;

// Files the items on tunnel entrances that the tunnel index does not hold,
// by tile in list order, and marks the tiles a ground item stands on; held
// items are ground items on tunnel entrances.
void listTunnelItems(const Game& game, const WorldLayout& layout, TunnelItemIndex& tunnels, ItemStepScratch& s,
                     GroundTiles& ground)
{
    s.onEntrances.start();
    tunnels.forEachOutside(game.items.size(), [&](std::size_t i) {
        const CargoItem& item = game.items[i];
        if (!inGrid(item.x, item.y)) return;
        const int tile = tileIndex(item.x, item.y);
        if (item.layer == 0) ground.set(static_cast<std::size_t>(tile));
        if (layout.types[static_cast<std::size_t>(tile)] == TUNNEL) s.onEntrances.file(tile, static_cast<int>(i));
    });
    s.onEntrances.finish();
    for (int entrance : layout.tunnels) {
        if (tunnels.countOn(entrance) > 0) ground.set(static_cast<std::size_t>(entrance));
    }
}

void comeOut(CargoItem& item, int x, int y, Direction exitDir)
{
    item.x = x;
    item.y = y;
    item.originX = x;
    item.originY = y;
    item.dir = exitDir;
    item.heading = exitDir;
    item.posX = static_cast<float>(x);
    item.posY = static_cast<float>(y);
    item.path.clear();
    item.leavingTunnel = true;
    item.tunnelExitX = x;
    item.tunnelExitY = y;
    item.tunnelProgress = 0;
}

}  // namespace

void Game::indexTunnelItems()
{
    ItemStepScratch& s = tables_.get().itemStep;
    advanceTunnelItems(*this, currentLayout(), tables_.get().tunnels, s);
}

void advanceTunnelItems(Game& game, const WorldLayout& layout, TunnelItemIndex& tunnels, ItemStepScratch& s)
{
    GroundTiles ground;
    listTunnelItems(game, layout, tunnels, s, ground);
    for (int index : layout.tunnels) {
        const int ex = index % GRID_WIDTH;
        const int ey = index / GRID_WIDTH;
        const Tile& entrance = game.tileAt(ex, ey);
        const int px = entrance.tunnelPartnerX;
        const int py = entrance.tunnelPartnerY;
        if (!inGrid(px, py)) continue;

        const int length = std::abs(px - ex) + std::abs(py - ey) + 2;
        std::vector<int>& slots = s.tunnelSlots;
        slots.assign(static_cast<std::size_t>(length), -1);
        tunnels.forEachOn(index, s.onEntrances.begin(index), s.onEntrances.end(index), [&](int i) {
            const int slot = game.items[static_cast<std::size_t>(i)].tunnelProgress;
            if (slot >= 1 && slot < length) slots[static_cast<std::size_t>(slot)] = i;
        });
        if (slots[1] >= 0 && !ground.test(static_cast<std::size_t>(tileIndex(px, py)))) {
            comeOut(game.items[static_cast<std::size_t>(slots[1])], px, py, game.tileAt(px, py).dir);
            tunnels.release(static_cast<std::size_t>(slots[1]));
            slots[1] = -1;
        }
        for (int k = 2; k < length; ++k) {
            const auto at = static_cast<std::size_t>(k);
            if (slots[at] < 0 || slots[at - 1] >= 0) continue;
            --game.items[static_cast<std::size_t>(slots[at])].tunnelProgress;
            slots[at - 1] = slots[at];
            slots[at] = -1;
        }
    }
}
