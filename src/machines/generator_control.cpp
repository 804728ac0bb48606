#include "machines/generator_control.h"

#include <algorithm>
#include <utility>

#include "machines/placement.h"
#include "machines/production_rules.h"

namespace {

// Starts the next coal unit; false when there is none to start.
bool lightNextCoal(Tile& tile)
{
    if (tile.generatorCoal <= 0) return false;
    --tile.generatorCoal;
    dropFrontRecord(tile.generatorFuelItems);
    tile.generatorBurnTime = GENERATOR_SECONDS_PER_COAL;
    return true;
}

}  // namespace

bool GeneratorControl::canAccept(const Tile& tile, Direction travel, CargoType cargo) const
{
    return travel != NONE && cargo == COAL && tile.generatorCoal < GENERATOR_COAL_LIMIT;
}

bool GeneratorControl::place(ControlGrid& grid, int x, int y) const
{
    return placeBuildOnly(grid, x, y, COAL_GENERATOR, NONE);
}

bool GeneratorControl::remove(ControlGrid& grid, int x, int y) const
{
    return removeOfType(grid, x, y, COAL_GENERATOR);
}

void GeneratorControl::acceptItem(Tile& tile, CargoType, ItemRecord&& record) const
{
    ++tile.generatorCoal;
    tile.generatorFuelItems.push_back(std::move(record));
}

void GeneratorControl::update(Tile& tile, float burnSeconds) const
{
    // Burn time that finds no coal left is dropped, not owed.
    float toBurn = burnSeconds;
    while (toBurn > 0.0f) {
        if (!(tile.generatorBurnTime > 0.0f) && !lightNextCoal(tile)) return;
        const float burnt = std::min(toBurn, tile.generatorBurnTime);
        tile.generatorBurnTime -= burnt;
        toBurn -= burnt;
    }
}
