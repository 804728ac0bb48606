#include "app/keyboard_input.h"

#include "app/main_loop.h"
#include "app/map_interaction.h"
#include "app/side_panel_shell.h"
#include "app/text_input.h"
#include "app/window_events.h"
#include "demo/demo_event_marks.h"
#include "editing/recorded_commands.h"

namespace {

struct KeyPress {
    SDL_Keycode key = SDLK_UNKNOWN;
    bool ctrl = false;
    bool alt = false;
    bool repeat = false;
};

bool isModifierKey(SDL_Keycode key)
{
    switch (key) {
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
    case SDLK_LCTRL:
    case SDLK_RCTRL:
    case SDLK_LALT:
    case SDLK_RALT:
        return true;
    default:
        return false;
    }
}

bool isReturnKey(SDL_Keycode key) { return key == SDLK_RETURN || key == SDLK_KP_ENTER; }

bool labelBeingEdited(const Shell& shell) { return shell.state.interaction.label.active; }

bool menuClosed(const Shell& shell) { return shell.saveMenu.state == MenuState::Closed; }

// What closing the menu or a panel ends too: the Ctrl frame, the selection's
// settings view, the move drag and pasting.
void endWithClosing(LoopState& state)
{
    state.ctrlRect = TileRectDrag{};
    state.selectionSettingsOpen = false;
    endMoveDrag(state);
    state.clipboard.pasting = false;
}

void toggleStatisticsKey(Shell& shell)
{
    LoopState& state = shell.state;
    const bool open = !state.statisticsVisible;
    resetInteraction(state, shell.game);
    state.statisticsVisible = open;
}

void toggleMachineOverviewKey(Shell& shell)
{
    LoopState& state = shell.state;
    const bool open = !state.machineOverviewVisible;
    resetInteraction(state, shell.game);
    state.machineOverviewVisible = open;
    state.machineOverviewScroll = 0;
}

// Ctrl+Z: a stroke still open becomes its step first, so it is what goes back.
void undoKey(Shell& shell)
{
    LoopState& state = shell.state;
    endStroke(state.stroke, shell.undoHistory, shell.game);
    if (!shell.undoHistory.undo(shell.game)) return;
    cancelInteraction(state, shell.game);
    shell.selection.clear();
    state.lastFrameTime = LoopClock::now();
    state.selectionSettingsOpen = false;
    state.selectDragging = false;
    state.panning = false;
    endMoveDrag(state);
}

void resetMapKey(Shell& shell)
{
    LoopState& state = shell.state;
    resetMap(shell.undoHistory, shell.game);
    shell.saveMenu.currentPath.clear();
    resetInteraction(state, shell.game);
    shell.selection.clear();
    state.selectionSettingsOpen = false;
    endMoveDrag(state);
}

// F5 saves, F9 loads; the time spent on the slot screen is not simulated.
void openSlotScreenKey(Shell& shell, bool save)
{
    LoopState& state = shell.state;
    resetInteraction(state, shell.game);
    shell.selection.clear();
    shell.saveMenu.openSlotScreen(save, false);
    state.lastFrameTime = LoopClock::now();
    state.panning = false;
    endStroke(state.stroke, shell.undoHistory, shell.game);
}

void startCopyMode(Shell& shell)
{
    LoopState& state = shell.state;
    resetInteraction(state, shell.game);
    beginCopy(state.clipboard, state.copyMessage);
    state.copyRect = TileRectDrag{};
}

// After the reset, which would empty the status line.
void startPasteMode(Shell& shell)
{
    LoopState& state = shell.state;
    resetInteraction(state, shell.game);
    beginPaste(state.clipboard, state.copyMessage);
    state.copyRect.active = false;
}

// The shortcut table, row by row; false when no row took the key.
bool runShortcut(Shell& shell, const KeyPress& press)
{
    LoopState& state = shell.state;
    const bool editing = labelBeingEdited(shell);
    const bool free = !editing && menuClosed(shell);
    switch (press.key) {
    case SDLK_z:
        if (!press.ctrl) return false;
        undoKey(shell);
        return true;
    case SDLK_d:
        if (press.ctrl || editing) return false;
        state.diagnosticsVisible = !state.diagnosticsVisible;
        return true;
    case SDLK_m:
        if (press.ctrl || editing) return false;
        state.minimapVisible = !state.minimapVisible;
        if (!state.minimapVisible) state.minimapDragging = false;
        return true;
    case SDLK_p:
        if (press.ctrl || press.alt || !free) return false;
        togglePowerOverview(shell.state, shell.game, shell.selection);
        return true;
    case SDLK_s:
        if (press.ctrl || !free) return false;
        toggleStatisticsKey(shell);
        return true;
    case SDLK_i:
        if (!free) return false;
        toggleMachineOverviewKey(shell);
        return true;
    case SDLK_PERIOD:
        if (!state.paused || !free) return false;
        state.stepRequested = true;
        return true;
    case SDLK_SPACE:
        if (!free) return false;
        state.paused = !state.paused;
        return true;
    case SDLK_c:
        if (!press.ctrl || !free) return false;
        startCopyMode(shell);
        return true;
    case SDLK_v:
        if (!press.ctrl || !free || state.clipboard.blueprint.empty()) return false;
        startPasteMode(shell);
        return true;
    case SDLK_F5:
    case SDLK_F9:
        if (editing) return false;
        openSlotScreenKey(shell, press.key == SDLK_F5);
        return true;
    case SDLK_ESCAPE:
        if (editing) return false;
        runEscCascade(shell);
        return true;
    case SDLK_r:
        if (!free) return false;
        resetMapKey(shell);
        return true;
    default:
        return false;
    }
}

void runLabelEntryKey(Shell& shell, SDL_Keycode key)
{
    if (key == SDLK_BACKSPACE) {
        eraseLabelChar(shell.state.interaction.label);
    } else if (isReturnKey(key)) {
        endLabelEntry(shell, true);
    } else if (key == SDLK_ESCAPE) {
        endLabelEntry(shell, false);
    }
}

void runNumberEntryKey(Shell& shell, const KeyPress& press)
{
    NumberEntry& entry = shell.state.numberEntry;
    if (press.key == SDLK_ESCAPE) {
        finishNumberEntry(shell, false);
    } else if (isReturnKey(press.key)) {
        finishNumberEntry(shell, true);
    } else if (press.key == SDLK_a && press.ctrl) {
        entry.allSelected = true;
    } else if (press.key == SDLK_BACKSPACE) {
        eraseFromNumberEntry(entry);
        entry.invalid = false;
    } else if (press.key == SDLK_DELETE) {
        entry.text.clear();
        entry.allSelected = false;
        entry.invalid = false;
    }
}

void runSlotNameKey(Shell& shell, const KeyPress& press)
{
    SaveMenu& menu = shell.saveMenu;
    if (press.key == SDLK_a && press.ctrl) {
        menu.name.clear();
    } else if (press.key == SDLK_BACKSPACE) {
        if (!menu.name.empty()) menu.name.pop_back();
    } else if (isReturnKey(press.key)) {
        menu.submitName();
    } else if (press.key == SDLK_ESCAPE) {
        menu.back();
    }
    if (menu.state != MenuState::Rename) SDL_StopTextInput();
}

// A key ends a press on a signal component, a held button and a grabbed link
// end before it does anything else; the modifiers leave them, since they change
// what the press means. True when one of them ended.
bool endPressOrGrab(Shell& shell, SDL_Keycode key)
{
    LoopState& state = shell.state;
    Interaction& interaction = state.interaction;
    if (isModifierKey(key)) return false;
    const bool ended =
        interaction.wireDrag.active() || interaction.heldButton.held() || interaction.linkEndDrag.active();
    if (interaction.wireDrag.active()) state.selectDragging = false;
    interaction.wireDrag = {};
    interaction.linkEndDrag = {};
    releaseHeldButton(state, shell.game);
    return ended;
}

bool closeDialogOnEsc(LoopState& state, SDL_Keycode key)
{
    if (key != SDLK_ESCAPE) return false;
    if (state.cargoChoiceOpen) {
        state.cargoChoiceOpen = false;
        return true;
    }
    if (state.languagePopupOpen) {
        state.languagePopupOpen = false;
        return true;
    }
    return false;
}

// A held key repeats only what does no harm twice: the label's keys and the Esc
// cascade. A map reset acts on the first key-down alone, or holding R would
// push the factory out of the undo history.
void runRepeatedKey(Shell& shell, const KeyPress& press)
{
    if (labelBeingEdited(shell)) {
        runLabelEntryKey(shell, press.key);
    } else if (press.key == SDLK_ESCAPE) {
        runEscCascade(shell);
    }
}

}  // namespace

HeldModifiers heldModifiersOf(Uint16 mod)
{
    return {(mod & KMOD_SHIFT) != 0, (mod & KMOD_CTRL) != 0, (mod & KMOD_ALT) != 0};
}

void followModifierKeys(LoopState& state, const SDL_KeyboardEvent& event)
{
    if (event.windowID != DEMO_EVENT_MARK) state.modifiers = heldModifiersOf(event.keysym.mod);
}

void handleKeyPress(Shell& shell, const SDL_KeyboardEvent& event)
{
    const KeyPress press{event.keysym.sym, (event.keysym.mod & KMOD_CTRL) != 0, (event.keysym.mod & KMOD_ALT) != 0,
                         event.repeat != 0};
    LoopState& state = shell.state;
    if (press.key == SDLK_F11 && !press.repeat && !shell.options.hasDemo()) {
        toggleFullScreen(shell);
        return;
    }
    // Esc only ends them; any other key goes on to do what it always does.
    if (endPressOrGrab(shell, press.key) && press.key == SDLK_ESCAPE) return;
    if (state.numberEntry.active) {
        runNumberEntryKey(shell, press);
        return;
    }
    if (closeDialogOnEsc(state, press.key)) return;
    if (shell.saveMenu.state == MenuState::Rename) {
        runSlotNameKey(shell, press);
        return;
    }
    if (press.repeat) {
        runRepeatedKey(shell, press);
        return;
    }
    if (!runShortcut(shell, press) && labelBeingEdited(shell)) runLabelEntryKey(shell, press.key);
}

void runEscCascade(Shell& shell)
{
    LoopState& state = shell.state;
    if (state.openToolGroup >= 0) {
        state.openToolGroup = -1;
    } else if (state.moveDrag.active) {
        endMoveDrag(state);
    } else if (state.ctrlRect.active) {
        state.ctrlRect = TileRectDrag{};
    } else if (state.selectionSettingsOpen) {
        state.selectionSettingsOpen = false;
    } else if (!shell.selection.empty()) {
        shell.selection.clear();
    } else if (state.tunnelEntrance.x >= 0) {
        state.tunnelEntrance = NO_TILE;
        state.ctrlRect = TileRectDrag{};
        endMoveDrag(state);
    } else if (state.interaction.pendingLinkEnd.pending()) {
        state.interaction.pendingLinkEnd = {};
    } else if (state.clipboard.copying || state.clipboard.pasting) {
        leaveClipboardModes(state.clipboard, state.copyMessage);
        state.ctrlRect = TileRectDrag{};
        endMoveDrag(state);
        state.copyRect = TileRectDrag{};
    } else if (!menuClosed(shell)) {
        shell.saveMenu.back();
        endWithClosing(state);
    } else if (anyPanelOpen(state)) {
        resetInteraction(state, shell.game);
        endWithClosing(state);
    } else {
        resetInteraction(state, shell.game);
        shell.saveMenu.openMainMenu();
        endWithClosing(state);
    }
}
