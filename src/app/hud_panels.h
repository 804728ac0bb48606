#pragma once

#include <SDL.h>

#include "app/loop_state.h"
#include "ui/bottom_bar.h"

class Game;
struct SaveMenu;

// The panels over and beside the map as the render phase draws them from the loop
// state, each called at its place in the frame's order.

// Right after the map, clipped to its viewport, so the sale texts never cover the
// side panel.
void drawSaleMarkers(SDL_Renderer* renderer, const LoopState& state);

// The floating tool panel and its open pop-up, after the map's overlays.
void drawToolPalette(SDL_Renderer* renderer, const LoopState& state);

// The belt-speed and the direction chooser in the side panel's content area, while
// their tool is chosen.
void drawToolChoosers(SDL_Renderer* renderer, const LoopState& state, int windowWidth, int windowHeight);

// What the bottom bar shows of the shell's windows and of the last quick save at the
// moment `now`.
BottomBarView bottomBarView(const LoopState& state, const SaveMenu& menu, LoopClock::time_point now);

// Last, above the menu's dimming: the bottom bar, then the settings window while open.
void drawBottomBarAndSettings(SDL_Renderer* renderer, const Game& game, const LoopState& state, const SaveMenu& menu,
                              LoopClock::time_point now);
