#include "editing/switches_buttons.h"

#include "editing/interaction.h"
#include "editing/undo_history.h"
#include "world/game.h"

namespace {

Tile* tileOfType(Game& game, int x, int y, ControlType type)
{
    Tile* tile = tileAtOrNull(game, x, y);
    return tile != nullptr && tile->type == type ? tile : nullptr;
}

}  // namespace

bool toggleManualSwitch(Game& game, UndoHistory& history, int x, int y)
{
    Tile* tile = tileOfType(game, x, y, LOGIC_SWITCH);
    if (tile == nullptr) return false;
    const bool before = tile->switchOn;
    tile->switchOn = !before;
    game.updateNetworks(0.0f);
    history.push(manualSwitchRecord(x, y, before));
    return true;
}

bool setButtonPressed(Game& game, int x, int y, bool pressed)
{
    Tile* tile = tileOfType(game, x, y, LOGIC_BUTTON);
    if (tile == nullptr || tile->buttonPressed == pressed) return false;
    tile->buttonPressed = pressed;
    game.updateNetworks(0.0f);
    return true;
}

bool releaseHeldButton(HeldButton& held, Game& game)
{
    if (!held.held()) return false;
    setButtonPressed(game, held.x, held.y, false);
    held = {};
    return true;
}

bool toolWorksSwitches(Tool tool)
{
    switch (tool) {
    case TOOL_BELT_SPEED:
    case TOOL_POWER_LINE:
    case TOOL_WATER_PIPE:
    case TOOL_DIRECTION:
    case TOOL_SIGNAL_MEASURE_LINE:
    case TOOL_SIGNAL_CONTROL_LINE:
    case TOOL_DC_LINE:
        return false;
    default:
        return true;
    }
}

bool isSwitchOrButtonAt(const Game& game, int x, int y)
{
    if (!game.inBounds(x, y)) return false;
    const ControlType type = game.tileAt(x, y).type;
    return type == LOGIC_SWITCH || type == LOGIC_BUTTON;
}

bool workSwitchOrButton(Interaction& interaction, Game& game, UndoHistory& history, int x, int y, bool toggleAtRelease)
{
    if (tileOfType(game, x, y, LOGIC_SWITCH) != nullptr) {
        if (!toggleAtRelease) toggleManualSwitch(game, history, x, y);
        return true;
    }
    if (tileOfType(game, x, y, LOGIC_BUTTON) == nullptr) return false;
    // A button still held (its release was missed) lets go first.
    releaseHeldButton(interaction.heldButton, game);
    setButtonPressed(game, x, y, true);
    interaction.heldButton = {x, y};
    return true;
}
