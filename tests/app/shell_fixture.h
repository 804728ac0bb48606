#pragma once

#include <SDL.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/main_loop.h"
#include "support/sdl_log_capture.h"

// A key going down or up, with the modifier state SDL reports with it.
inline SDL_Event keyEvent(Uint32 type, SDL_Keycode key, Uint16 modifiers)
{
    SDL_Event event{};
    event.type = type;
    event.key.keysym.sym = key;
    event.key.keysym.mod = modifiers;
    return event;
}

inline SDL_Event windowEvent(Uint8 kind, int data1 = 0, int data2 = 0)
{
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = kind;
    event.window.data1 = data1;
    event.window.data2 = data2;
    return event;
}

// A whole shell as main makes it, on SDL's dummy video driver: a window for the
// title, no renderer, a silent sound engine, no current directory, and a demo of
// `demoCommands` commands when that is not negative. Tests set the parts they need
// and step frames by hand with times of their own.
struct ShellFixture {
    Options options;
    std::optional<std::filesystem::path> directory;
    DemoScript script;
    Game game;
    Screen screen;
    SdlSoundEngine sound;
    UndoHistory undoHistory;
    DemoPlayer demoPlayer;
    ProductionStats stats;
    MultiSelection selection;
    SaveMenu saveMenu;
    WindowSizeMemory windowSize;
    LoopState state;
    Shell shell{options,    directory, game,      screen,   sound,      undoHistory,
                demoPlayer, stats,     selection, saveMenu, windowSize, state};

    explicit ShellFixture(int demoCommands = -1, bool demoMouse = false)
        : script{demoScriptOf(demoCommands)}, demoPlayer(nullptr, demoCommands >= 0 ? &script : nullptr, demoMouse, 1.0)
    {
        SDL_Init(SDL_INIT_VIDEO);
        screen.window = SDL_CreateWindow("Gearhaven", 0, 0, 1024, 768, SDL_WINDOW_HIDDEN);
        game.sound = &sound;
        state.menu = &saveMenu;
        resizeView(state, 1024, 768);
    }
    ~ShellFixture() { closeScreen(screen); }

    static DemoScript demoScriptOf(int commands)
    {
        DemoScript demo;
        DemoCommand wait;
        wait.kind = DEMO_WAIT;
        wait.numbers = {60.0};
        demo.commands.assign(std::max(commands, 0), wait);
        return demo;
    }
};
