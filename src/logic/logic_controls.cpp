#include "logic/logic_controls.h"

#include "editing/switch_wire_target.h"
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

int switchWireInputCount(ControlType type)
{
    switch (type) {
    case LOGIC_AND:
    case LOGIC_OR:
    case LOGIC_XOR:
    case LOGIC_RS:
        return 2;
    case LOGIC_NOT:
    case SIGNAL_LAMP:
    case LOGIC_COUNTER:
    case LOGIC_TIMER:
    case LOGIC_CLOCK:
    case LOGIC_STEPPER:
        return 1;
    default:
        return isSwitchWireTarget(type) ? 1 : 0;
    }
}
