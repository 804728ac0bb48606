#include "machines/power_pole_control.h"

#include "machines/placement.h"
#include "world/geometry.h"

bool PowerPoleControl::place(ControlGrid& grid, int x, int y) const
{
    return placeBuildOnly(grid, x, y, POWER_POLE, NONE);
}

bool PowerPoleControl::remove(ControlGrid& grid, int x, int y) const
{
    return removeOfType(grid, x, y, POWER_POLE, ItemsOnTile::Keep);
}

int powerCableLimit(ControlType type)
{
    switch (type) {
    case COAL_GENERATOR:
        return TILE_COUNT;
    case POWER_POLE:
        return 3;
    case POWER_SUPPLY:
        return 1;
    default:
        return 0;
    }
}
