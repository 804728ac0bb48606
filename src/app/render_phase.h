#pragma once

#include <optional>

#include "app/loop_state.h"
#include "app/screen.h"
#include "demo/demo_player.h"
#include "persistence/save_menu.h"
#include "world/game.h"

class MultiSelection;
struct ProductionStats;

// What one frame is drawn from. The window may be null (pictures drawn off
// screen); the game is written only to take its new window title.
struct FrameScene {
    Screen& screen;
    Game& game;
    LoopState& state;  // the side panel keeps the power overview's scroll inside its list
    const DemoPlayer& demoPlayer;
    const SaveMenu& saveMenu;  // the bottom bar tells of the last quick save
    LoopClock::time_point now{};
    // Without a selection the side panel is left out (pictures of the map
    // alone); without the sampler its statistics window is.
    const MultiSelection* selection = nullptr;
    const ProductionStats* stats = nullptr;
    // Where the pointer stands in a picture drawn off screen; else the demo's
    // pointer or the mouse.
    std::optional<SDL_Point> pointer{};
};

// The window's colour where nothing is drawn, the map's surroundings included.
constexpr Uint8 BACKDROP_RGB[3] = {14, 15, 18};

// Draws the whole window anew, layer by layer in their fixed order, without
// showing it: the map view clipped to its viewport, the panels around it, and
// the demo's overlay last.
void drawFrame(const FrameScene& scene);

// The render phase of one loop pass: the frame drawn, then shown.
void renderFrame(const FrameScene& scene);
