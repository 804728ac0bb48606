#pragma once

#include "app/loop_state.h"
#include "app/screen.h"
#include "demo/demo_player.h"
#include "persistence/save_menu.h"
#include "world/game.h"

// What one frame is drawn from. The window may be null (pictures drawn off
// screen); the game is written only to take its new window title.
struct FrameScene {
    Screen& screen;
    Game& game;
    const LoopState& state;
    const DemoPlayer& demoPlayer;
    const SaveMenu& saveMenu;  // the bottom bar tells of the last quick save
    LoopClock::time_point now{};
};

// The window's colour where nothing is drawn, the map's surroundings included.
constexpr Uint8 BACKDROP_RGB[3] = {14, 15, 18};

// Draws the whole window anew, layer by layer in their fixed order, without
// showing it: the map view clipped to its viewport, the panels around it, and
// the demo's overlay last.
void drawFrame(const FrameScene& scene);

// The render phase of one loop pass: the frame drawn, then shown.
void renderFrame(const FrameScene& scene);
