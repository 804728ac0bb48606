#include "machines/belt_control.h"

#include "machines/placement.h"

// A stopped belt still takes items: the simulation holds them there itself.
bool BeltControl::canAccept(const Tile&, Direction, CargoType) const { return true; }

bool BeltControl::remove(ControlGrid& grid, int x, int y) const
{
    // A belt under a bridge deck goes only with the bridge.
    if (grid.inBounds(x, y) && grid.tileAt(x, y).type == BELT && grid.tileAt(x, y).bridgePart >= 0) return false;
    return removeOfType(grid, x, y, BELT);
}
