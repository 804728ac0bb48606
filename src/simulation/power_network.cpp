#include <algorithm>

#include "machines/generator_control.h"
#include "simulation/step_tables.h"
#include "world/game.h"

namespace {

// Feeding order: an arm holding an item first, then a molder in mid-cycle,
// then whatever was fed last time, so an overloaded network keeps feeding
// the same consumers instead of flickering between them.
constexpr int PRIORITY_CARRYING = 3;
constexpr int PRIORITY_MOLDING = 2;
constexpr int PRIORITY_FED_BEFORE = 1;

// Reads last rebuild's flags, so it runs before they are cleared. No arm
// carries an item at rest in a tunnel.
void rankConsumers(const Game& game, const NetworkLayout& layout, TunnelItemIndex& tunnels, NetworkBuffers& work)
{
    work.priority.resize(TILE_COUNT);
    for (int consumer : layout.consumers)
        work.priority[static_cast<std::size_t>(consumer)] = 0;
    tunnels.forEachOutside(game.items.size(), [&](std::size_t i) {
        const CargoItem& item = game.items[i];
        if (item.carried && inGrid(item.x, item.y)) {
            work.priority[static_cast<std::size_t>(tileIndex(item.x, item.y))] = PRIORITY_CARRYING;
        }
    });
    for (int consumer : layout.consumers) {
        const Tile& tile = game.tiles[static_cast<std::size_t>(consumer)];
        int& priority = work.priority[static_cast<std::size_t>(consumer)];
        if (tile.molderTimer > 0.0f) {
            priority = PRIORITY_MOLDING;
        } else if (tile.powerSupplied) {
            priority = std::max(priority, PRIORITY_FED_BEFORE);
        }
    }
}

void clearPowerFlags(Tile& tile)
{
    tile.powerSupplied = false;
    tile.powerConnected = false;
    tile.molderPowered = false;
    tile.generatorInUse = false;
    tile.powerNetwork = -1;
    tile.generatorLoadKw = 0;
}

// Only the layout's power tiles ever get flags set; the first rebuild on a
// new layout clears every tile, as an edit may have left flags anywhere.
void clearLastRebuild(Game& game, NetworkLayout& layout)
{
    if (layout.powerFresh) {
        for (Tile& tile : game.tiles)
            clearPowerFlags(tile);
        layout.powerFresh = false;
        return;
    }
    for (int index : layout.powerTiles)
        clearPowerFlags(game.tiles[static_cast<std::size_t>(index)]);
}

// What each network's running generators offer.
void countSupply(const Game& game, const NetworkLayout& layout, NetworkBuffers& work)
{
    if (work.networkSupplyKw.size() != TILE_COUNT) {
        work.networkSupplyKw.assign(TILE_COUNT, 0);
        work.networkFreeKw.assign(TILE_COUNT, 0);
        work.networkLoadKw.assign(TILE_COUNT, 0);
    }
    for (int root : layout.powerRoots) {
        work.networkSupplyKw[static_cast<std::size_t>(root)] = 0;
        work.networkLoadKw[static_cast<std::size_t>(root)] = 0;
    }
    work.runningGenerators.clear();
    for (int index : layout.generators) {
        if (!generatorCanSupply(game.tiles[static_cast<std::size_t>(index)])) continue;
        work.runningGenerators.push_back(index);
        work.networkSupplyKw[static_cast<std::size_t>(layout.powerRoot[static_cast<std::size_t>(index)])] +=
            GENERATOR_CAPACITY_KW;
    }
    for (int root : layout.powerRoots) {
        work.networkFreeKw[static_cast<std::size_t>(root)] = work.networkSupplyKw[static_cast<std::size_t>(root)];
    }
}

void markConnectedNetworkTiles(Game& game, const NetworkLayout& layout, const NetworkBuffers& work)
{
    for (int i : layout.networkTiles) {
        game.tiles[static_cast<std::size_t>(i)].powerConnected =
            work.networkSupplyKw[static_cast<std::size_t>(layout.powerRoot[static_cast<std::size_t>(i)])] > 0;
    }
}

// Highest priority first; equal priorities keep tile-index order.
void sortForFeeding(const NetworkLayout& layout, NetworkBuffers& work)
{
    work.feedOrder.clear();
    const int count = static_cast<int>(layout.consumers.size());
    for (int rank = PRIORITY_CARRYING; rank >= 0; --rank) {
        for (int k = 0; k < count; ++k) {
            if (work.priority[static_cast<std::size_t>(layout.consumers[static_cast<std::size_t>(k)])] == rank) {
                work.feedOrder.push_back(k);
            }
        }
    }
}

// The second tile of a distributor or mixer shows its main tile's power.
void copyPowerToSecondTile(Game& game, const Tile& main, int second)
{
    if (second < 0) return;
    Tile& shown = game.tiles[static_cast<std::size_t>(second)];
    shown.powerConnected = main.powerConnected;
    shown.powerSupplied = main.powerSupplied;
    shown.powerNetwork = main.powerNetwork;
}

// Whole demand from the first reaching network that can still carry it, or
// nothing; k is the consumer's place in the layout's list.
void feedConsumer(Game& game, const NetworkLayout& layout, int k, NetworkBuffers& work)
{
    Tile& tile = game.tiles[static_cast<std::size_t>(layout.consumers[static_cast<std::size_t>(k)])];
    const int demand = powerDemandKw(tile);
    for (int slot = layout.reachStart[static_cast<std::size_t>(k)];
         slot < layout.reachStart[static_cast<std::size_t>(k) + 1]; ++slot) {
        const auto root = static_cast<std::size_t>(layout.reachRoots[static_cast<std::size_t>(slot)]);
        if (work.networkSupplyKw[root] <= 0) continue;
        tile.powerConnected = true;
        if (tile.powerSupplied || demand > work.networkFreeKw[root]) continue;
        tile.powerSupplied = true;
        tile.powerNetwork = static_cast<int>(root);
        tile.molderPowered = tile.type == INJECTION_MOLDER && demand > 0;
        work.networkFreeKw[root] -= demand;
        work.networkLoadKw[root] += demand;
    }
    copyPowerToSecondTile(game, tile, layout.shownOn[static_cast<std::size_t>(k)]);
}

// Each network's load fills its running generators one after the other, in tile order.
void spreadLoadOverGenerators(Game& game, const NetworkLayout& layout, NetworkBuffers& work)
{
    for (int index : work.runningGenerators) {
        Tile& generator = game.tiles[static_cast<std::size_t>(index)];
        int& load = work.networkLoadKw[static_cast<std::size_t>(layout.powerRoot[static_cast<std::size_t>(index)])];
        generator.generatorInUse = load > 0;
        generator.generatorLoadKw = std::min(load, GENERATOR_CAPACITY_KW);
        load -= generator.generatorLoadKw;
    }
}

}  // namespace

void Game::updatePowerNetwork()
{
    currentLayout();
    NetworkLayout& layout = tables_.get().layout.network;
    NetworkBuffers& work = tables_.get().network;
    rankConsumers(*this, layout, tables_.get().tunnels, work);
    clearLastRebuild(*this, layout);
    countSupply(*this, layout, work);
    markConnectedNetworkTiles(*this, layout, work);
    sortForFeeding(layout, work);
    for (int k : work.feedOrder)
        feedConsumer(*this, layout, k, work);
    spreadLoadOverGenerators(*this, layout, work);
}
