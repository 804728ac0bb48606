#include "app/window_events.h"

#include "app/keyboard_input.h"
#include "app/main_loop.h"
#include "app/map_interaction.h"
#include "world/game.h"

namespace {

void noteSizeChange(LoopState& state)
{
    state.lastSizeChange = LoopClock::now();
    state.sizeSavePending = true;
}

// The pointer's release would go to another window: whatever it held ends here,
// a stroke as its one undo step. A Ctrl frame and a copy frame stay.
void letGoOnFocusLoss(Shell& shell)
{
    LoopState& state = shell.state;
    releaseHeldButton(state, shell.game);
    endStroke(state.stroke, shell.undoHistory, shell.game);
    state.interaction.wireDrag = {};
    state.interaction.linkEndDrag = {};
    endMoveDrag(state);
    state.minimapDragging = false;
    state.toolPanelDragging = false;
    state.selectDragging = false;
    state.panning = false;
}

}  // namespace

void handleWindowEvent(Shell& shell, const SDL_WindowEvent& event)
{
    switch (event.event) {
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        resizeView(shell.state, event.data1, event.data2);
        noteSizeChange(shell.state);
        break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        // Keys may have gone down or up while another window had them.
        shell.state.modifiers = heldModifiersOf(SDL_GetModState());
        break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        letGoOnFocusLoss(shell);
        break;
    default:
        break;
    }
}

void toggleFullScreen(Shell& shell)
{
    SDL_Window* window = shell.screen.window;
    const Uint32 fullScreenFlags = SDL_WINDOW_FULLSCREEN | SDL_WINDOW_FULLSCREEN_DESKTOP;
    Uint32 mode = 0;
    if ((SDL_GetWindowFlags(window) & fullScreenFlags) == 0) {
        SDL_GetWindowSize(window, &shell.windowSize.width, &shell.windowSize.height);
        mode = SDL_WINDOW_FULLSCREEN_DESKTOP;
    }
    if (SDL_SetWindowFullscreen(window, mode) != 0) {
        SDL_Log("Fenstermodus konnte nicht gewechselt werden: %s", SDL_GetError());
    }
    noteSizeChange(shell.state);
}

void switchLanguage(Game& game, Language value)
{
    setLanguage(value);
    game.titleChanged = true;
}
