#include "world/power_overview.h"

#include <algorithm>

#include "machines/generator_control.h"
#include "machines/injection_molder_control.h"
#include "world/game.h"

bool isPowerNetworkType(ControlType t) { return t == COAL_GENERATOR || t == POWER_POLE || t == POWER_SUPPLY; }

bool isPowerConsumerType(ControlType t)
{
    return t == ARM || t == LONG_ARM || t == DISTRIBUTOR || t == MIXER || t == INJECTION_MOLDER || t == POWER_SUPPLY;
}

namespace {

// Cables whose ends leave the grid would alias other tiles by index; they join nothing.
bool cableInGrid(const Link& link) { return inGrid(link.x0, link.y0) && inGrid(link.x1, link.y1); }

// Union-find without path shortening: the root of every set is its smallest index.
class CableSets {
  public:
    explicit CableSets(const std::vector<Link>& cables) : parent_(TILE_COUNT)
    {
        for (int i = 0; i < TILE_COUNT; ++i)
            parent_[i] = i;
        for (const Link& link : cables) {
            if (!cableInGrid(link)) continue;
            int a = find(tileIndex(link.x0, link.y0));
            int b = find(tileIndex(link.x1, link.y1));
            if (a < b) parent_[b] = a;
            if (b < a) parent_[a] = b;
        }
    }

    int find(int i) const
    {
        while (parent_[i] != i)
            i = parent_[i];
        return i;
    }

  private:
    std::vector<int> parent_;
};

void addNetworkMembers(const Game& game, const CableSets& sets, PowerOverview& overview)
{
    std::vector<int> networkOfRoot(TILE_COUNT, -1);
    for (int i = 0; i < TILE_COUNT; ++i) {
        const Tile& tile = game.tiles[i];
        if (!isPowerNetworkType(tile.type)) continue;
        const int root = sets.find(i);
        if (networkOfRoot[root] < 0) {
            networkOfRoot[root] = static_cast<int>(overview.networks.size());
            overview.networks.push_back(PowerNetworkInfo{root, 0, 0, 0, 0});
        }
        overview.networkOfTile[i] = networkOfRoot[root];
        if (tile.type != COAL_GENERATOR) continue;
        PowerNetworkInfo& network = overview.networks[networkOfRoot[root]];
        if (generatorCanSupply(tile)) network.capacityKw += GENERATOR_CAPACITY_KW;
        network.allocatedKw += tile.generatorLoadKw;
    }
}

// The network a consumer is counted under: a live network before a dead one,
// and the network that fed it last time before any other.
int chooseNetwork(const Tile& consumer, const std::vector<int>& candidates, const CableSets& sets,
                  const PowerOverview& overview)
{
    const bool fedBefore = consumer.powerSupplied && consumer.powerNetwork >= 0 && consumer.powerNetwork < TILE_COUNT;
    int chosen = -1;
    for (int candidate : candidates) {
        int n = overview.networkOfTile[candidate];
        if (chosen == -1) {
            chosen = n;
        } else if (overview.networks[chosen].capacityKw == 0 && overview.networks[n].capacityKw > 0) {
            chosen = n;
        }
        if (fedBefore && sets.find(candidate) == sets.find(consumer.powerNetwork)) return n;
    }
    return chosen;
}

void assignConsumer(const Game& game, const CableSets& sets, int i, PowerOverview& overview)
{
    const Tile& tile = game.tiles[i];
    const int x = i % GRID_WIDTH;
    const int y = i / GRID_WIDTH;
    const int demand = powerDemandKw(tile);
    std::vector<int> candidates = tile.type == POWER_SUPPLY ? std::vector<int>{i} : game.polesCovering(x, y);
    int chosen = -1;
    if (candidates.empty()) {
        overview.missingWithoutPoleKw += demand;
    } else {
        chosen = chooseNetwork(tile, candidates, sets, overview);
        PowerNetworkInfo& network = overview.networks[chosen];
        network.consumerCount += 1;
        if (!tile.powerSupplied) network.missingKw += demand;
    }
    overview.networkOfTile[i] = chosen;
    if (tile.type == DISTRIBUTOR || tile.type == MIXER) {
        const int px = x + pairStepX(tile);
        const int py = y + pairStepY(tile);
        if (inGrid(px, py)) overview.networkOfTile[tileIndex(px, py)] = chosen;
    }
}

}  // namespace

int powerDemandKw(const Tile& tile)
{
    switch (tile.type) {
    case ARM:
    case DISTRIBUTOR:
    case MIXER:
        return 5;
    case LONG_ARM:
        return 10;
    case INJECTION_MOLDER:
        return molderCanWork(tile) ? 50 : 0;
    case POWER_SUPPLY:
        return 1;
    default:
        return 0;
    }
}

bool generatorCanSupply(const Tile& tile)
{
    return tile.type == COAL_GENERATOR && tile.generatorOn &&
           (tile.generatorCoal >= 1 || tile.generatorBurnTime > 0.0f);
}

std::vector<int> Game::polesCovering(int x, int y) const
{
    std::vector<int> poles;
    polesCovering(x, y, poles);
    return poles;
}

void Game::polesCovering(int x, int y, std::vector<int>& poles) const
{
    poles.clear();
    if (!inBounds(x, y)) return;
    const Tile& tile = tileAt(x, y);
    int x2 = x;
    int y2 = y;
    if (tile.type == DISTRIBUTOR || tile.type == MIXER) {
        x2 = x + pairStepX(tile);
        y2 = y + pairStepY(tile);
    } else if (tile.type == DISTRIBUTOR_SECOND || tile.type == MIXER_SECOND) {
        x2 = x - pairStepX(tile);
        y2 = y - pairStepY(tile);
    }
    const int top = std::max(std::min(y, y2) - POLE_REACH, 0);
    const int bottom = std::min(std::max(y, y2) + POLE_REACH, GRID_HEIGHT - 1);
    const int left = std::max(std::min(x, x2) - POLE_REACH, 0);
    const int right = std::min(std::max(x, x2) + POLE_REACH, GRID_WIDTH - 1);
    for (int row = top; row <= bottom; ++row) {
        for (int column = left; column <= right; ++column) {
            if (tileAt(column, row).type == POWER_POLE) poles.push_back(tileIndex(column, row));
        }
    }
}

PowerOverview Game::powerNetworks() const
{
    PowerOverview overview;
    overview.networkOfTile.assign(TILE_COUNT, -1);
    const CableSets sets(powerLinks);
    addNetworkMembers(*this, sets, overview);
    for (int i = 0; i < TILE_COUNT; ++i) {
        if (isPowerConsumerType(tiles[i].type)) assignConsumer(*this, sets, i, overview);
    }
    return overview;
}

bool Game::powerPoleStatus(int x, int y) const
{
    if (!inBounds(x, y)) return false;
    std::vector<int> stack =
        isPowerNetworkType(tileAt(x, y).type) ? std::vector<int>{tileIndex(x, y)} : polesCovering(x, y);
    std::vector<bool> visited(TILE_COUNT, false);
    while (!stack.empty()) {
        const int current = stack.back();
        stack.pop_back();
        if (visited[current]) continue;
        visited[current] = true;
        if (generatorCanSupply(tiles[current])) return true;
        for (const Link& link : powerLinks) {
            if (!cableInGrid(link)) continue;
            const int first = tileIndex(link.x0, link.y0);
            const int second = tileIndex(link.x1, link.y1);
            if (first == current) {
                if (!visited[second]) stack.push_back(second);
            } else if (second == current) {
                if (!visited[first]) stack.push_back(first);
            }
        }
    }
    return false;
}
