#include "machines/oven_control.h"

#include <algorithm>
#include <utility>

#include "machines/placement.h"
#include "machines/production_rules.h"

namespace {

// One input becomes one coal; the input's identity is not kept as a part.
void burnOneUnit(Tile& tile)
{
    tile.ovenTimer -= OVEN_SECONDS_PER_COAL;
    tile.ovenInputCargo.pop_front();
    tile.ovenOutputItems.push_back(freshProductRecord(tile));
    dropFrontRecord(tile.ovenInputItems);
    ++tile.ovenOutputCount;
}

}  // namespace

bool OvenControl::canAccept(const Tile& tile, Direction travel, CargoType cargo) const
{
    if (travel == NONE || entersThroughOutputFace(tile, travel)) return false;
    if (!maskHasCargo(OVEN_INTAKE, cargo)) return false;
    if (!maskHasCargo(tile.ovenAcceptMask, cargo)) return false;
    const auto queued = std::count(tile.ovenInputCargo.begin(), tile.ovenInputCargo.end(), cargo);
    return queued < OVEN_INPUT_LIMIT_PER_KIND;
}

bool OvenControl::place(ControlGrid& grid, int x, int y) const
{
    return placeOrRotate(grid, x, y, OVEN, ItemBlocks::BuildAndTurn, OddDirectionTurn::ToNone);
}

bool OvenControl::remove(ControlGrid& grid, int x, int y) const { return removeOfType(grid, x, y, OVEN); }

void OvenControl::acceptItem(Tile& tile, CargoType cargo, ItemRecord&& record) const
{
    ++tile.ovenHeld;
    tile.ovenInputCargo.push_back(cargo);
    tile.ovenInputItems.push_back(std::move(record));
}

void OvenControl::update(Tile& tile, float seconds) const
{
    // A negative or NaN step would wind the timer back or poison it for good.
    if (!(seconds >= 0.0f)) return;
    if (tile.ovenInputCargo.empty() || ovenStoreFull(tile)) return;
    tile.ovenTimer += seconds;
    while (tile.ovenTimer >= OVEN_SECONDS_PER_COAL) {
        if (ovenStoreFull(tile)) break;
        burnOneUnit(tile);
        if (tile.ovenInputCargo.empty()) break;
    }
    // Leftover time only carries over to a unit that can actually be worked.
    if (tile.ovenInputCargo.empty() || ovenStoreFull(tile)) tile.ovenTimer = 0.0f;
}

void OvenControl::popOutput(Tile& tile) const
{
    dropFrontRecord(tile.ovenOutputItems);
    --tile.ovenOutputCount;
    --tile.ovenHeld;
}
