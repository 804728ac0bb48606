#include "app/map_interaction.h"

#include <SDL.h>

#include "app/loop_state.h"
#include "editing/interaction.h"
#include "persistence/save_menu.h"

namespace {

void closeWindows(LoopState& state)
{
    state.openToolGroup = -1;
    closeNumberEntry(state.numberEntry);
    state.statisticsVisible = false;
    state.settingsWindowVisible = false;
    state.powerOverviewVisible = false;
    state.machineOverviewVisible = false;
    state.languagePopupOpen = false;
    state.cargoChoiceOpen = false;
    state.selectionSettingsOpen = false;
    state.beltSpeedChooserOpen = false;
    state.directionChooserOpen = false;
    state.itemPanelOpen = false;
}

}  // namespace

void resetInteraction(LoopState& state, Game& game)
{
    releaseHeldButton(state, game);
    const bool naming = state.menu != nullptr && state.menu->state == MenuState::Rename;
    if (state.interaction.label.active || state.numberEntry.active || naming) SDL_StopTextInput();
    closeWindows(state);
    if (state.menu != nullptr) state.menu->state = MenuState::Closed;
    resetInteraction(state.interaction, game);
}

void cancelInteraction(LoopState& state, Game& game)
{
    resetInteraction(state, game);
    state.interaction.pendingLinkEnd = {};
}

bool selectControlAt(LoopState& state, Game& game, int x, int y)
{
    ControlPick pick;
    if (!controlPickAt(game, x, y, pick)) return false;
    if (!(state.interaction.selection.control == pick)) resetInteraction(state, game);
    return selectControlAt(state.interaction, game, x, y);
}

bool pressSwitchOrButton(LoopState& state, Game& game, UndoHistory& history, Tool tool, int x, int y,
                         bool toggleAtRelease)
{
    if (!toolWorksSwitches(tool) || !isSwitchOrButtonAt(game, x, y)) return false;
    selectControlAt(state, game, x, y);
    workSwitchOrButton(state.interaction, game, history, x, y, toggleAtRelease);
    if (state.interaction.heldButton.held()) SDL_CaptureMouse(SDL_TRUE);
    return true;
}

void releaseHeldButton(LoopState& state, Game& game)
{
    if (releaseHeldButton(state.interaction.heldButton, game)) SDL_CaptureMouse(SDL_FALSE);
}

bool deleteLinkWithTool(LoopState& state, Game& game, LinkKind kind, int index)
{
    if (!deleteLinkUnderPointer(state, game, kind, index)) return false;
    // After the reset, which would clear it.
    state.interaction.statusText = linkDeletedText(kind);
    return true;
}

bool deleteLinkUnderPointer(LoopState& state, Game& game, LinkKind kind, int index)
{
    if (deleteLink(game, kind, index) == NO_LINK) return false;
    resetInteraction(state, game);
    return true;
}
