#include "machines/placement.h"

#include "world/tile.h"

namespace {

Direction turnedDirection(Direction dir, OddDirectionTurn oddTurn)
{
    if (isCompassDirection(dir)) return clockwiseDirection(dir);
    return oddTurn == OddDirectionTurn::ToEast ? EAST : NONE;
}

}  // namespace

void writeFreshTile(ControlGrid& grid, int x, int y, ControlType type, Direction dir)
{
    Tile fresh;
    fresh.type = type;
    fresh.dir = dir;
    grid.tileAt(x, y) = std::move(fresh);
}

bool isFreeForBuilding(const ControlGrid& grid, int x, int y)
{
    return grid.inBounds(x, y) && grid.tileAt(x, y).isFree() && !grid.itemAt(x, y);
}

bool placeOrRotate(ControlGrid& grid, int x, int y, ControlType type, ItemBlocks items, OddDirectionTurn oddTurn)
{
    if (!grid.inBounds(x, y)) return false;
    Tile& tile = grid.tileAt(x, y);
    if (tile.bridgePart >= 0) return false;
    if (items == ItemBlocks::BuildAndTurn && grid.itemAt(x, y)) return false;
    if (tile.type == EMPTY) {
        if (grid.itemAt(x, y)) return false;
        writeFreshTile(grid, x, y, type, EAST);
        return true;
    }
    if (tile.type != type) return false;
    tile.dir = turnedDirection(tile.dir, oddTurn);
    return true;
}

bool placeBuildOnly(ControlGrid& grid, int x, int y, ControlType type, Direction dir)
{
    if (!isFreeForBuilding(grid, x, y)) return false;
    writeFreshTile(grid, x, y, type, dir);
    return true;
}

bool removeOfType(ControlGrid& grid, int x, int y, ControlType type, ItemsOnTile items)
{
    if (!grid.inBounds(x, y) || grid.tileAt(x, y).type != type) return false;
    if (items == ItemsOnTile::Clear) grid.removeItemsAt(x, y);
    grid.tileAt(x, y) = Tile{};
    return true;
}

ItemId stampProductId(Tile& producer)
{
    if (producer.machineId == 0) return ItemId{};
    ++producer.serialCounter;
    return ItemId{producer.machineId, producer.serialCounter, producer.label};
}
