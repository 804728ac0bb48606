#include "machines/filler_control.h"

#include <utility>

#include "machines/placement.h"
#include "machines/production_rules.h"

namespace {

// The empty bottle's identity is dropped: the full bottle gets its own.
void fillOneBottle(Tile& tile)
{
    tile.fillerTimer = 0.0f;
    tile.fillerOutputItems.push_back(freshProductRecord(tile));
    dropFrontRecord(tile.fillerInputItems);
    ++tile.fillerOutputCount;
    --tile.fillerWaiting;
}

}  // namespace

bool FillerControl::canAccept(const Tile& tile, Direction travel, CargoType cargo) const
{
    if (travel == NONE || !tile.fillerAccepting) return false;
    if (entersThroughOutputFace(tile, travel)) return false;
    return cargo == EMPTY_BOTTLE && tile.fillerBottles < FILLER_BOTTLE_LIMIT;
}

bool FillerControl::place(ControlGrid& grid, int x, int y) const
{
    return placeOrRotate(grid, x, y, FILLER, ItemBlocks::BuildAndTurn, OddDirectionTurn::ToEast);
}

bool FillerControl::remove(ControlGrid& grid, int x, int y) const { return removeOfType(grid, x, y, FILLER); }

void FillerControl::acceptItem(Tile& tile, CargoType, ItemRecord&& record) const
{
    ++tile.fillerBottles;
    ++tile.fillerWaiting;
    tile.fillerInputItems.push_back(std::move(record));
}

void FillerControl::update(Tile& tile, float seconds) const
{
    float unspent = seconds;
    while (unspent > 0.0f && tile.fillerWaiting >= 1) {
        if (!advanceJob(tile.fillerTimer, FILLER_SECONDS_PER_BOTTLE, unspent)) return;
        fillOneBottle(tile);
    }
}

void FillerControl::popOutput(Tile& tile) const
{
    dropFrontRecord(tile.fillerOutputItems);
    --tile.fillerOutputCount;
    --tile.fillerBottles;
}
