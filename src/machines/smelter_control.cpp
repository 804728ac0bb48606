#include "machines/smelter_control.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "machines/placement.h"
#include "machines/production_rules.h"

namespace {

void makeProduct(Tile& tile, CargoType product)
{
    --tile.smelterCoal;
    dropFrontRecord(tile.smelterCoalItems);
    tile.smelterOutputCargo.push_back(product);
    tile.smelterOutputItems.push_back(freshProductRecord(tile));
}

void finishOreJob(Tile& tile)
{
    tile.smelterHeld -= 1;
    makeProduct(tile, IRON_INGOT);
}

// The first two ingots of a batch burn nothing; the third burns the coal.
void finishIngotJob(Tile& tile)
{
    tile.smelterCurrentItem = ItemRecord{};
    if (tile.smelterInProcess != SMELTER_INGOTS_PER_STEEL - 1) {
        ++tile.smelterInProcess;
        return;
    }
    tile.smelterHeld -= SMELTER_INGOTS_PER_STEEL;
    tile.smelterInProcess = 0;
    makeProduct(tile, STEEL_INGOT);
    tile.smelterCurrentItem = ItemRecord{};
}

// The input's identity is dropped: it does not become a part of the product.
void finishJob(Tile& tile, int entry)
{
    tile.smelterTimer = 0.0f;
    const auto position = static_cast<std::size_t>(entry);
    if (position < tile.smelterInputItems.size()) tile.smelterInputItems.erase(position);
    const CargoType worked = tile.smelterInputCargo[position];
    tile.smelterInputCargo.erase(position);
    if (worked == IRON_ORE) {
        finishOreJob(tile);
    } else {
        finishIngotJob(tile);
    }
}

}  // namespace

int SmelterControl::countOf(const Tile& tile, CargoType cargo) const
{
    if (cargo == COAL) return tile.smelterCoal;
    auto count = std::count(tile.smelterInputCargo.begin(), tile.smelterInputCargo.end(), cargo) +
                 std::count(tile.smelterOutputCargo.begin(), tile.smelterOutputCargo.end(), cargo);
    if (cargo == IRON_INGOT) count += tile.smelterInProcess;
    return static_cast<int>(count);
}

int SmelterControl::firstWorkableEntry(const Tile& tile) const
{
    const bool roomForIngot = countOf(tile, IRON_INGOT) < SMELTER_STOCK_LIMIT;
    const bool batchCanGrow =
        tile.smelterInProcess < SMELTER_INGOTS_PER_STEEL - 1 || countOf(tile, STEEL_INGOT) < SMELTER_STOCK_LIMIT;
    for (std::size_t i = 0; i < tile.smelterInputCargo.size(); ++i) {
        const bool isOre = tile.smelterInputCargo[i] == IRON_ORE;
        if (isOre ? roomForIngot : batchCanGrow) return static_cast<int>(i);
    }
    return -1;
}

bool SmelterControl::canAccept(const Tile& tile, Direction travel, CargoType cargo) const
{
    if (travel == NONE || entersThroughOutputFace(tile, travel)) return false;
    if (!maskHasCargo(tile.smelterAcceptMask, cargo)) return false;
    if (!maskHasCargo(SMELTER_INTAKE, cargo)) return false;
    return countOf(tile, cargo) < SMELTER_STOCK_LIMIT;
}

bool SmelterControl::place(ControlGrid& grid, int x, int y) const
{
    return placeOrRotate(grid, x, y, SMELTER, ItemBlocks::BuildAndTurn, OddDirectionTurn::ToEast);
}

bool SmelterControl::remove(ControlGrid& grid, int x, int y) const { return removeOfType(grid, x, y, SMELTER); }

void SmelterControl::acceptItem(Tile& tile, CargoType cargo, ItemRecord&& record) const
{
    ++tile.smelterHeld;
    if (cargo == COAL) {
        ++tile.smelterCoal;
        tile.smelterCoalItems.push_back(std::move(record));
        return;
    }
    tile.smelterInputCargo.push_back(cargo);
    tile.smelterInputItems.push_back(std::move(record));
}

void SmelterControl::update(Tile& tile, float seconds) const
{
    if (tile.smelterInputCargo.empty() || tile.smelterCoal == 0 || !(seconds > 0.0f)) return;
    float unspent = seconds;
    while (tile.smelterCoal >= 1) {
        const int entry = firstWorkableEntry(tile);
        if (entry < 0) return;  // progress waits for whichever entry frees up first
        if (!advanceJob(tile.smelterTimer, SMELTER_JOB_SECONDS, unspent)) return;
        finishJob(tile, entry);
        if (!(unspent > 0.0f)) return;
    }
}

void SmelterControl::popOutput(Tile& tile) const
{
    if (!tile.smelterOutputCargo.empty()) tile.smelterOutputCargo.pop_front();
    dropFrontRecord(tile.smelterOutputItems);
    --tile.smelterHeld;
}
