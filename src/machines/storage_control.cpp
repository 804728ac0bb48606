#include "machines/storage_control.h"

#include <utility>

#include "machines/placement.h"
#include "machines/production_rules.h"

bool StorageControl::canAccept(const Tile& tile, Direction travel, CargoType cargo) const
{
    if (!maskHasCargo(tile.storageAcceptMask, cargo) || travel == NONE) return false;
    if (entersThroughOutputFace(tile, travel)) return false;
    return !storageFull(tile);
}

bool StorageControl::place(ControlGrid& grid, int x, int y) const
{
    return placeOrRotate(grid, x, y, STORAGE, ItemBlocks::BuildAndTurn, OddDirectionTurn::ToEast);
}

bool StorageControl::remove(ControlGrid& grid, int x, int y) const { return removeOfType(grid, x, y, STORAGE); }

void StorageControl::acceptItem(Tile& tile, CargoType cargo, ItemRecord&& record) const
{
    tile.storageCargo.push_back(cargo);
    tile.storageItems.push_back(std::move(record));
}

void StorageControl::popOutput(Tile& tile) const
{
    if (!tile.storageCargo.empty()) tile.storageCargo.pop_front();
    dropFrontRecord(tile.storageItems);
}
