#pragma once

// Stand-ins for neighbours the shell calls that this build does not have yet. Each
// keeps the shape the shell relies on and is swapped for the real one when it lands.

#include <SDL.h>

#include <cstddef>

#include "demo/demo_script.h"

class Game;

// Holds the demo the command line named but plays none of it: the game opens as for
// a plain start and the script waits at its first command.
struct DemoPlayer {
    bool active = true;
    const DemoScript* script = nullptr;  // none without "--demo"
    std::size_t index = 0;
    bool demoMouse = false;
    double speed = 1.0;

    DemoPlayer(SDL_Window*, const DemoScript* demo, bool mouse, double demoSpeed)
        : script(demo), demoMouse(mouse), speed(demoSpeed)
    {
        if (script != nullptr) SDL_Log("Demo-Spieler fehlt in diesem Build: das Drehbuch wird nicht abgespielt.");
    }

    bool isRunning() const { return active && script != nullptr && index < script->commands.size(); }
    void update(float, const Game&, int, int, int&, int&, int, int&, int, int) {}
    void noteSales(const Game&) {}
    void drawOverlay(SDL_Renderer*) const {}

    // Real input stopped the demo for good.
    void interruptByUser()
    {
        active = false;
        if (!demoMouse) SDL_ShowCursor(SDL_ENABLE);
        SDL_Log("Demo durch Benutzereingabe unterbrochen");
    }
};
