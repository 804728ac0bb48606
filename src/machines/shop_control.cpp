#include "machines/shop_control.h"

#include "machines/placement.h"

// Items move toward the front face: a shop facing east takes items travelling west.
bool ShopControl::canAccept(const Tile& tile, Direction travel, CargoType cargo) const
{
    if (tile.type != SHOP || !isCompassDirection(travel) || !isCompassDirection(tile.dir)) return false;
    return travel == oppositeDirection(tile.dir) && maskHasCargo(tile.shopAcceptMask, cargo);
}

// An item on a shop does not keep it from turning.
bool ShopControl::place(ControlGrid& grid, int x, int y) const
{
    return placeOrRotate(grid, x, y, SHOP, ItemBlocks::BuildOnly, OddDirectionTurn::ToEast);
}

bool ShopControl::remove(ControlGrid& grid, int x, int y) const { return removeOfType(grid, x, y, SHOP); }
