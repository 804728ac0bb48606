#include "machines/power_pole_control.h"

#include "machines/placement.h"

bool PowerPoleControl::place(ControlGrid& grid, int x, int y) const
{
    return placeBuildOnly(grid, x, y, POWER_POLE, NONE);
}

bool PowerPoleControl::remove(ControlGrid& grid, int x, int y) const
{
    return removeOfType(grid, x, y, POWER_POLE, ItemsOnTile::Keep);
}
