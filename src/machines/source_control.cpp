#include "machines/source_control.h"

#include "machines/cargo_counters.h"
#include "machines/placement.h"

// An item on a source does not keep it from turning.
bool SourceControl::place(ControlGrid& grid, int x, int y) const
{
    return placeOrRotate(grid, x, y, SOURCE, ItemBlocks::BuildOnly, OddDirectionTurn::ToEast);
}

bool SourceControl::remove(ControlGrid& grid, int x, int y) const { return removeOfType(grid, x, y, SOURCE); }

bool SourceControl::isRunning(const Tile& tile) { return tile.sourceRunning; }

void SourceControl::toggleRunning(Tile& tile) { tile.sourceRunning = !tile.sourceRunning; }

void SourceControl::setCargoType(Tile& tile, CargoType cargo)
{
    if (isCargoType(cargo)) tile.sourceCargo = cargo;
}

// The source step never calls this with the serial counter at its largest value.
void SourceControl::recordProduced(Tile& tile)
{
    countCargo(tile.sourceProduced, tile.sourceCargo);
    ++tile.serialCounter;
}
