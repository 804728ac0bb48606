#include <algorithm>

#include "machines/generator_control.h"
#include "simulation/cable_groups.h"
#include "world/game.h"

namespace {

// Feeding order: an arm holding an item first, then a molder in mid-cycle,
// then whatever was fed last time, so an overloaded network keeps feeding
// the same consumers instead of flickering between them.
constexpr int PRIORITY_CARRYING = 3;
constexpr int PRIORITY_MOLDING = 2;
constexpr int PRIORITY_FED_BEFORE = 1;

void rankCarryingArms(const Game& game, std::vector<int>& priority)
{
    priority.assign(TILE_COUNT, 0);
    for (const CargoItem& item : game.items) {
        if (item.carried && inGrid(item.x, item.y)) priority[tileIndex(item.x, item.y)] = PRIORITY_CARRYING;
    }
}

// Reads last rebuild's flags, so it runs before they are cleared.
void rankTile(const Tile& tile, int& priority)
{
    if (tile.molderTimer > 0.0f) {
        priority = PRIORITY_MOLDING;
    } else if (tile.powerSupplied) {
        priority = std::max(priority, PRIORITY_FED_BEFORE);
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

// One pass over the tiles: ranks them, clears last rebuild's flags and
// gathers the running generators, what each network offers, the consumers
// and the tiles that cables join.
void takeCensus(Game& game, NetworkBuffers& work)
{
    rankCarryingArms(game, work.priority);
    work.networkSupplyKw.assign(TILE_COUNT, 0);
    work.networkLoadKw.assign(TILE_COUNT, 0);
    work.runningGenerators.clear();
    work.consumers.clear();
    work.networkTiles.clear();
    for (int i = 0; i < TILE_COUNT; ++i) {
        Tile& tile = game.tiles[i];
        rankTile(tile, work.priority[i]);
        clearPowerFlags(tile);
        if (isPowerNetworkType(tile.type)) work.networkTiles.push_back(i);
        if (generatorCanSupply(tile)) {
            work.runningGenerators.push_back(i);
            work.networkSupplyKw[cableRoot(work.parent, i)] += GENERATOR_CAPACITY_KW;
        } else if (isPowerConsumerType(tile.type)) {
            work.consumers.push_back(i);
        }
    }
    work.networkFreeKw = work.networkSupplyKw;
}

void markConnectedNetworkTiles(Game& game, NetworkBuffers& work)
{
    for (int i : work.networkTiles) game.tiles[i].powerConnected = work.networkSupplyKw[cableRoot(work.parent, i)] > 0;
}

// Highest priority first; equal priorities keep tile-index order.
void sortForFeeding(NetworkBuffers& work)
{
    work.feedOrder.clear();
    for (int rank = PRIORITY_CARRYING; rank >= 0; --rank) {
        for (int consumer : work.consumers) {
            if (work.priority[consumer] == rank) work.feedOrder.push_back(consumer);
        }
    }
}

// A 5V supply draws through its own cable; every other consumer through the
// poles around it, each network once, lowest root first.
void findReachingNetworks(const Game& game, int consumer, NetworkBuffers& work)
{
    work.reachingRoots.clear();
    if (game.tiles[consumer].type == POWER_SUPPLY) {
        work.reachingRoots.push_back(cableRoot(work.parent, consumer));
        return;
    }
    game.polesCovering(consumer % GRID_WIDTH, consumer / GRID_WIDTH, work.poles);
    for (int pole : work.poles) work.reachingRoots.push_back(cableRoot(work.parent, pole));
    std::sort(work.reachingRoots.begin(), work.reachingRoots.end());
    work.reachingRoots.erase(std::unique(work.reachingRoots.begin(), work.reachingRoots.end()), work.reachingRoots.end());
}

// The second tile of a distributor or mixer shows its main tile's power.
void copyPowerToSecondTile(Game& game, int main)
{
    const Tile& tile = game.tiles[main];
    if (tile.type != DISTRIBUTOR && tile.type != MIXER) return;
    const Direction side = clockwiseDirection(tile.dir);
    const int x = main % GRID_WIDTH + directionDx(side);
    const int y = main / GRID_WIDTH + directionDy(side);
    if (!inGrid(x, y)) return;
    Tile& second = game.tileAt(x, y);
    second.powerConnected = tile.powerConnected;
    second.powerSupplied = tile.powerSupplied;
    second.powerNetwork = tile.powerNetwork;
}

// Whole demand from the first reaching network that can still carry it, or nothing.
void feedConsumer(Game& game, int consumer, NetworkBuffers& work)
{
    Tile& tile = game.tiles[consumer];
    const int demand = powerDemandKw(tile);
    findReachingNetworks(game, consumer, work);
    for (int root : work.reachingRoots) {
        if (work.networkSupplyKw[root] <= 0) continue;
        tile.powerConnected = true;
        if (tile.powerSupplied || demand > work.networkFreeKw[root]) continue;
        tile.powerSupplied = true;
        tile.powerNetwork = root;
        tile.molderPowered = tile.type == INJECTION_MOLDER && demand > 0;
        work.networkFreeKw[root] -= demand;
        work.networkLoadKw[root] += demand;
    }
    copyPowerToSecondTile(game, consumer);
}

// Each network's load fills its running generators one after the other, in tile order.
void spreadLoadOverGenerators(Game& game, NetworkBuffers& work)
{
    for (int index : work.runningGenerators) {
        Tile& generator = game.tiles[index];
        int& load = work.networkLoadKw[cableRoot(work.parent, index)];
        generator.generatorInUse = load > 0;
        generator.generatorLoadKw = std::min(load, GENERATOR_CAPACITY_KW);
        load -= generator.generatorLoadKw;
    }
}

}  // namespace

void Game::updatePowerNetwork()
{
    NetworkBuffers& work = networkBuffers_;
    groupByCables(powerLinks, work.parent);
    takeCensus(*this, work);
    markConnectedNetworkTiles(*this, work);
    sortForFeeding(work);
    for (int consumer : work.feedOrder) feedConsumer(*this, consumer, work);
    spreadLoadOverGenerators(*this, work);
}
