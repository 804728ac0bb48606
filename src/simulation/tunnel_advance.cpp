#include <algorithm>
#include <cstdlib>

#include "simulation/step_tables.h"
#include "world/game.h"

namespace {

// Lists the items of every tile in item order: heads per tile, links per item.
void listItemsByTile(const Game& game, std::vector<int>& heads, std::vector<int>& next)
{
    heads.assign(TILE_COUNT, -1);
    next.assign(game.items.size(), -1);
    for (std::size_t i = game.items.size(); i-- > 0;) {
        const CargoItem& item = game.items[i];
        if (!game.inBounds(item.x, item.y)) continue;
        const auto tile = static_cast<std::size_t>(tileIndex(item.x, item.y));
        next[i] = heads[tile];
        heads[tile] = static_cast<int>(i);
    }
}

bool groundItemOn(const Game& game, const std::vector<int>& heads, const std::vector<int>& next, int x, int y)
{
    for (int i = heads[static_cast<std::size_t>(tileIndex(x, y))]; i >= 0; i = next[static_cast<std::size_t>(i)]) {
        const CargoItem& item = game.items[static_cast<std::size_t>(i)];
        if (item.layer == 0 && item.x == x && item.y == y) return true;
    }
    return false;
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
    listItemsByTile(*this, s.tunnelHeads, s.tunnelNext);
    for (int index : currentLayout().tunnels) {
        const int ex = index % GRID_WIDTH;
        const int ey = index / GRID_WIDTH;
        const Tile& entrance = tileAt(ex, ey);
        const int px = entrance.tunnelPartnerX;
        const int py = entrance.tunnelPartnerY;
        if (!inBounds(px, py)) continue;

        const int length = std::abs(px - ex) + std::abs(py - ey) + 2;
        std::vector<int>& slots = s.tunnelSlots;
        slots.assign(static_cast<std::size_t>(length), -1);
        for (int i = s.tunnelHeads[static_cast<std::size_t>(tileIndex(ex, ey))]; i >= 0;
             i = s.tunnelNext[static_cast<std::size_t>(i)]) {
            const int slot = items[static_cast<std::size_t>(i)].tunnelProgress;
            if (slot >= 1 && slot < length) slots[static_cast<std::size_t>(slot)] = i;
        }
        if (slots[1] >= 0 && !groundItemOn(*this, s.tunnelHeads, s.tunnelNext, px, py)) {
            comeOut(items[static_cast<std::size_t>(slots[1])], px, py, tileAt(px, py).dir);
            slots[1] = -1;
        }
        for (int k = 2; k < length; ++k) {
            const auto at = static_cast<std::size_t>(k);
            if (slots[at] < 0 || slots[at - 1] >= 0) continue;
            --items[static_cast<std::size_t>(slots[at])].tunnelProgress;
            slots[at - 1] = slots[at];
            slots[at] = -1;
        }
    }
}
