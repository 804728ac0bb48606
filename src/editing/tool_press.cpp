#include "editing/tool_press.h"

#include "editing/map_stroke.h"
#include "editing/placing.h"
#include "world/control.h"
#include "world/game.h"

void pressTool(Tool tool, Game& game, UndoGuard& press, MapStroke& stroke, int x, int y)
{
    const ControlType type = toolControlType(tool);
    switch (tool) {
    case Tool::BELT:
        beginBeltStroke(stroke, press, game, x, y);
        return;
    case Tool::DELETE:
        beginDemolishStroke(stroke, press, game, x, y);
        return;
    case Tool::SOURCE:
        placeSource(game, x, y);
        return;
    case Tool::OVEN:
    case Tool::SMELTER:
    case Tool::FILLER:
    case Tool::INJECTION_MOLDER:
        placeControl(game, type, x, y);
        return;
    case Tool::EJECTOR:
        placeEjector(game, x, y);
        return;
    case Tool::SINK:
    case Tool::ARM:
    case Tool::LONG_ARM:
    case Tool::DISTRIBUTOR:
    case Tool::MIXER:
    case Tool::STORAGE:
    case Tool::SHOP:
    case Tool::COAL_GENERATOR:
    case Tool::POWER_POLE:
    case Tool::POWER_SUPPLY:
        controlForType(type).place(game, x, y);
        return;
    case Tool::LOGIC_AND:
    case Tool::LOGIC_OR:
    case Tool::LOGIC_XOR:
    case Tool::LOGIC_NOT:
    case Tool::SIGNAL_LAMP:
    case Tool::LOGIC_COUNTER:
    case Tool::LOGIC_TIMER:
    case Tool::LOGIC_CLOCK:
    case Tool::LOGIC_SWITCH:
    case Tool::LOGIC_BUTTON:
    case Tool::LOGIC_STEPPER:
    case Tool::LOGIC_RS:
        press.history().record(game, [&] { controlForType(type).place(game, x, y); });
        return;
    default:
        // Bridges, tunnels, painting, water, sensors, cables and wires have
        // edits of their own; SELECT only selects.
        return;
    }
}
