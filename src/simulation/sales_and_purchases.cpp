#include <bitset>
#include <cmath>
#include <limits>

#include "audio/sound_engine.h"
#include "machines/source_control.h"
#include "simulation/item_transport.h"
#include "simulation/prices.h"
#include "simulation/step_tables.h"
#include "world/game.h"

const std::uint64_t CARGO_PURCHASE_COST[CARGO_TYPE_COUNT] = {100, 250,  200,  300, 750, 2000, 100,
                                                             250, 1000, 2500, 180, 80,  900};
const std::uint64_t CARGO_SALE_PRICE[CARGO_TYPE_COUNT] = {150, 375,  300,  450, 1125, 3000, 150,
                                                          375, 1500, 3750, 270, 120,  1350};

namespace {

constexpr std::int64_t MAX_MONEY = std::numeric_limits<std::int64_t>::max();

// Something lies within a tile of the source on both axes.
// Items at rest in tunnels stand on the centre of a tunnel entrance, never on a source.
bool itemCrowdsSource(const Game& game, TunnelItemIndex& tunnels, int x, int y)
{
    return tunnels.anyOutside(game.items.size(), [&](std::size_t i) {
        const CargoItem& item = game.items[i];
        return !isHeldByArm(item) && std::fabs(item.posX - static_cast<float>(x)) < 1.0f &&
               std::fabs(item.posY - static_cast<float>(y)) < 1.0f;
    });
}

void buyItem(Game& game, Tile& source, int x, int y, std::int64_t cost, StepScratch& scratch)
{
    game.assignMachineId(source);
    const Direction dir = isCompassDirection(source.dir) ? source.dir : EAST;
    CargoItem& item = game.items.emplace_back(x, y, dir, source.sourceCargo);
    giveSparePath(scratch, item);
    game.titleDirty = true;
    game.money -= cost;
    SourceControl::recordProduced(source);
    item.id = ItemId{source.machineId, source.serialCounter, source.label};
}

}  // namespace

void Game::sellCargo(int x, int y, CargoType cargo)
{
    const auto price = static_cast<std::int64_t>(isCargoType(cargo) ? CARGO_SALE_PRICE[cargo] : 0);
    std::int64_t credited = price;
    if (money > MAX_MONEY - price) {
        credited = MAX_MONEY - money;
        money = MAX_MONEY;
    } else {
        money += price;
    }
    titleDirty = true;
    if (credited == 0) return;
    if (sound != nullptr) {
        sound->playShopSale(static_cast<std::uint32_t>(tileIndex(x, y)), static_cast<float>(x), static_cast<float>(y));
    }
    if (incomeEvents.size() >= MAX_INCOME_EVENTS) incomeEvents.erase(incomeEvents.begin());
    incomeEvents.push_back(IncomeEvent{x, y, credited});
}

void Game::stepSources()
{
    if (!sourcesEnabled) return;
    TunnelItemIndex& tunnels = tables_.get().tunnels;
    std::bitset<TILE_COUNT> occupied;  // asked only on sources
    tunnels.forEachOutside(items.size(), [&](std::size_t i) {
        const CargoItem& item = items[i];
        if (item.layer == 0 && inBounds(item.x, item.y))
            occupied.set(static_cast<std::size_t>(tileIndex(item.x, item.y)));
    });
    for (int index : currentLayout().sources) {
        const int x = index % GRID_WIDTH;
        const int y = index / GRID_WIDTH;
        Tile& tile = tileAt(x, y);
        if (!SourceControl::isRunning(tile)) continue;
        if (occupied.test(static_cast<std::size_t>(index)) || itemCrowdsSource(*this, tunnels, x, y)) continue;
        if (tile.serialCounter == std::numeric_limits<std::uint64_t>::max()) continue;
        if (!isCargoType(tile.sourceCargo)) continue;
        const auto cost = static_cast<std::int64_t>(CARGO_PURCHASE_COST[tile.sourceCargo]);
        if (money < cost || items.size() >= MOST_WORLD_ITEMS) continue;
        buyItem(*this, tile, x, y, cost, tables_.get().step);
    }
}
