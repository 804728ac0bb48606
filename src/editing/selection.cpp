#include "editing/selection.h"

#include "editing/control_settings.h"
#include "editing/interaction.h"
#include "world/game.h"

namespace {

// A ramp stands for its bridge, which the deck tile between the ramps names.
bool pickBridge(const Game& game, int x, int y, const Tile& tile, ControlPick& pick)
{
    const int steps = BRIDGE_DECK - tile.bridgePart;
    pick = {x + steps * directionDx(tile.bridgeDir), y + steps * directionDy(tile.bridgeDir), BRIDGE};
    return game.inBounds(pick.x, pick.y);
}

// The second tile of a distributor or mixer stands for its main tile.
bool pickPairMain(const Game& game, int x, int y, const Tile& tile, ControlPick& pick)
{
    const Direction side = clockwiseDirection(tile.dir);
    pick.x = x - directionDx(side);
    pick.y = y - directionDy(side);
    if (!game.inBounds(pick.x, pick.y)) return false;
    pick.type = game.tileAt(pick.x, pick.y).type;
    return true;
}

// An entrance stands for its tunnel, which the exit names; one not joined
// to an exit on the map stands for itself.
void pickTunnelExit(const Game& game, int x, int y, const Tile& tile, ControlPick& pick)
{
    if (game.inBounds(tile.tunnelPartnerX, tile.tunnelPartnerY)) {
        pick = {tile.tunnelPartnerX, tile.tunnelPartnerY, TUNNEL_EXIT};
    } else {
        pick = {x, y, TUNNEL};
    }
}

}  // namespace

InspectorPanel inspectorPanelFor(ControlType type)
{
    switch (type) {
    case BELT:
        return InspectorPanel::BELT;
    case SOURCE:
        return InspectorPanel::SOURCE;
    case SINK:
        return InspectorPanel::SINK;
    case ARM:
    case LONG_ARM:
        return InspectorPanel::ARM;
    case OVEN:
        return InspectorPanel::OVEN;
    case SMELTER:
        return InspectorPanel::SMELTER;
    case FILLER:
        return InspectorPanel::FILLER;
    case STORAGE:
        return InspectorPanel::STORAGE;
    case SHOP:
        return InspectorPanel::SHOP;
    default:
        return InspectorPanel::INFORMATION;
    }
}

bool controlPickAt(const Game& game, int x, int y, ControlPick& pick)
{
    if (!game.inBounds(x, y)) return false;
    const Tile& tile = game.tileAt(x, y);
    if (tile.bridgePart >= 0) return pickBridge(game, x, y, tile, pick);
    if (tile.type == EMPTY || tile.type == PLAIN) return false;
    if (tile.type == DISTRIBUTOR_SECOND || tile.type == MIXER_SECOND) return pickPairMain(game, x, y, tile, pick);
    if (tile.type == TUNNEL) {
        pickTunnelExit(game, x, y, tile, pick);
        return true;
    }
    pick = {x, y, tile.type};
    return true;
}

bool selectControlAt(Interaction& interaction, Game& game, int x, int y)
{
    ControlPick pick;
    if (!controlPickAt(game, x, y, pick)) return false;
    if (interaction.selection.control == pick) return true;
    resetInteraction(interaction, game);
    interaction.selection = {pick, inspectorPanelFor(pick.type)};
    return true;
}

bool selectedControlStands(const Game& game, const ControlSelection& selection)
{
    const ControlPick& pick = selection.control;
    if (selection.selected() && pick.type == BRIDGE)
        return game.inBounds(pick.x, pick.y) && game.tileAt(pick.x, pick.y).bridgePart >= 0;
    return tileHasType(game, selection.selected(), pick.x, pick.y, pick.type);
}

bool toolSelectsOnClick(Tool tool)
{
    switch (tool) {
    case TOOL_DELETE:
    case TOOL_BELT_SPEED:
    case TOOL_POWER_LINE:
    case TOOL_WATER_PIPE:
    case TOOL_DIRECTION:
    case TOOL_DC_LINE:
    case TOOL_SIGNAL_MEASURE_LINE:
    case TOOL_SIGNAL_CONTROL_LINE:
        return false;
    default:
        return true;
    }
}

bool toolShowsItemOnClick(Tool tool)
{
    return toolSelectsOnClick(tool) || tool == TOOL_SIGNAL_MEASURE_LINE || tool == TOOL_SIGNAL_CONTROL_LINE;
}
