#include "editing/tool_press.h"

#include "editing/bridges_and_tunnels.h"
#include "editing/map_stroke.h"
#include "editing/placing.h"
#include "editing/sensors_and_water.h"
#include "world/control.h"
#include "world/game.h"

void pressTool(Tool tool, Game& game, UndoGuard& press, MapStroke& stroke, int x, int y)
{
    const ControlType type = toolControlType(tool);
    switch (tool) {
    case TOOL_BELT:
        beginBeltStroke(stroke, press, game, x, y);
        return;
    case TOOL_DELETE:
        beginDemolishStroke(stroke, press, game, x, y, StrokeButton::LEFT);
        return;
    case TOOL_SOURCE:
        placeSource(game, x, y);
        return;
    case TOOL_OVEN:
    case TOOL_SMELTER:
    case TOOL_FILLER:
    case TOOL_INJECTION_MOLDER:
        placeControl(game, type, x, y);
        return;
    case TOOL_EJECTOR:
        placeEjector(game, x, y);
        return;
    case TOOL_WATER_PIPE:
        beginPipeStroke(stroke, press, game, x, y);
        return;
    case TOOL_WATER_SOURCE:
        placeWaterSource(game, x, y);
        return;
    case TOOL_SENSOR:
        press.history().record(game, [&] { placeSensor(game, x, y); });
        return;
    case TOOL_BRIDGE:
        placeBridge(game, x, y);
        return;
    case TOOL_SINK:
    case TOOL_ARM:
    case TOOL_LONG_ARM:
    case TOOL_DISTRIBUTOR:
    case TOOL_MIXER:
    case TOOL_STORAGE:
    case TOOL_SHOP:
    case TOOL_COAL_GENERATOR:
    case TOOL_POWER_POLE:
    case TOOL_POWER_SUPPLY:
        controlForType(type).place(game, x, y);
        return;
    case TOOL_LOGIC_AND:
    case TOOL_LOGIC_OR:
    case TOOL_LOGIC_XOR:
    case TOOL_LOGIC_NOT:
    case TOOL_SIGNAL_LAMP:
    case TOOL_LOGIC_COUNTER:
    case TOOL_LOGIC_TIMER:
    case TOOL_LOGIC_CLOCK:
    case TOOL_LOGIC_SWITCH:
    case TOOL_LOGIC_BUTTON:
    case TOOL_LOGIC_STEPPER:
    case TOOL_LOGIC_RS:
        press.history().record(game, [&] { controlForType(type).place(game, x, y); });
        return;
    default:
        // Tunnels, painting, cables and wires have edits of their own;
        // SELECT only selects.
        return;
    }
}
