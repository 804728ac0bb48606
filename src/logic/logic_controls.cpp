#include "logic/logic_controls.h"

#include "machines/placement.h"
#include "world/tile.h"

bool LogicControl::place(ControlGrid& grid, int x, int y) const
{
    if (!placeBuildOnly(grid, x, y, type_, NONE)) return false;
    Tile& tile = grid.tileAt(x, y);
    // A counter counts towards a far target and leaves machines alone while
    // it is off; every other component switches them off.
    if (type_ == LOGIC_COUNTER) {
        tile.limit = COUNTER_PLACED_LIMIT;
    } else {
        tile.elseAction = SWITCH_OFF;
    }
    return true;
}
