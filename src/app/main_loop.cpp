#include "app/main_loop.h"

#include "app/frame_update.h"
#include "app/keyboard_input.h"
#include "app/map_interaction.h"
#include "app/map_pointer.h"
#include "app/panel_clicks.h"
#include "app/recording_input.h"
#include "app/render_phase.h"
#include "app/text_input.h"
#include "app/window_events.h"

namespace {

void handleQuit(Shell& shell)
{
    releaseHeldButton(shell.state, shell.game);
    shell.state.running = false;
}

// Every pending event that recording mode and a running demo let through.
void takeEvents(Shell& shell)
{
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        if (admitEvent(shell, event)) dispatchEvent(shell, event);
    }
}

void drawFrame(Shell& shell)
{
    renderFrame({.screen = shell.screen,
                 .game = shell.game,
                 .state = shell.state,
                 .demoPlayer = shell.demoPlayer,
                 .saveMenu = shell.saveMenu,
                 .now = LoopClock::now(),
                 .selection = &shell.selection,
                 .stats = &shell.stats});
}

// After the frame is shown: the settings file learns a size that has held still.
void finishFrame(Shell& shell)
{
    LoopState& state = shell.state;
    if (state.sizeSavePending && LoopClock::now() - state.lastSizeChange >= WINDOW_SIZE_SAVE_DELAY) {
        saveWindowSizeIfChanged(shell.windowSize, shell.screen.window);
        state.sizeSavePending = false;
    }
}

}  // namespace

void dispatchEvent(Shell& shell, const SDL_Event& event)
{
    if (event.type == SDL_MOUSEBUTTONDOWN && takePanelPress(shell, event.button)) return;
    if (dispatchPointerEvent(shell, event)) return;
    switch (event.type) {
    case SDL_QUIT:
        handleQuit(shell);
        break;
    case SDL_WINDOWEVENT:
        handleWindowEvent(shell, event.window);
        break;
    case SDL_KEYDOWN:
        followModifierKeys(shell.state, event.key);
        handleKeyPress(shell, event.key);
        break;
    case SDL_KEYUP:
        followModifierKeys(shell.state, event.key);
        break;
    case SDL_TEXTINPUT:
        handleTextInput(shell, event.text.text);
        break;
    default:
        // The pointer is dispatched here once its handlers exist.
        break;
    }
}

void runMainLoop(Shell& shell)
{
    LoopState& state = shell.state;
    while (state.running) {
        takeEvents(shell);
        updateFrame(shell, LoopClock::now());
        drawFrame(shell);
        finishFrame(shell);
    }
}
