#pragma once

#include <SDL.h>

#include <filesystem>
#include <optional>

#include "app/loop_state.h"
#include "app/options.h"
#include "app/screen.h"
#include "app/window_size_memory.h"
#include "audio/sdl_sound_engine.h"
#include "demo/demo_player.h"
#include "editing/multi_selection.h"
#include "editing/undo_history.h"
#include "persistence/save_menu.h"
#include "simulation/production_stats.h"
#include "world/game.h"

// Everything one run works on: made by start-up, owned by main, handed to the loop,
// its handlers, the frame update and the drawing.
struct Shell {
    const Options& options;
    const std::optional<std::filesystem::path>& directory;  // the current directory; empty when unknown
    Game& game;
    Screen& screen;
    SdlSoundEngine& sound;
    UndoHistory& undoHistory;
    DemoPlayer& demoPlayer;
    ProductionStats& stats;
    MultiSelection& selection;
    SaveMenu& saveMenu;
    WindowSizeMemory& windowSize;
    LoopState& state;
};

// How long the window's size must stay put before the settings file hears of it.
constexpr auto WINDOW_SIZE_SAVE_DELAY = std::chrono::milliseconds(500);

// One pass a rendered frame until the state stops running: input, frame update,
// drawing, bookkeeping. Paced by the renderer's vertical sync alone.
void runMainLoop(Shell& shell);

// One polled event, after recording mode's filter let it through.
void dispatchEvent(Shell& shell, const SDL_Event& event);
