#include "machines/power_supply_control.h"

#include "machines/placement.h"

bool PowerSupplyControl::place(ControlGrid& grid, int x, int y) const
{
    return placeBuildOnly(grid, x, y, POWER_SUPPLY, NONE);
}

bool PowerSupplyControl::remove(ControlGrid& grid, int x, int y) const
{
    return removeOfType(grid, x, y, POWER_SUPPLY);
}
