#pragma once

#include <SDL.h>

#include <optional>

#include "app/loop_state.h"
#include "ui/bottom_bar.h"
#include "ui/status_tip.h"

class Game;
struct SaveMenu;
struct TileItemIndex;

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

// While a menu state is open: the window dimmed and the menu over it, under the
// bottom bar.
void drawOpenMenu(SDL_Renderer* renderer, int windowWidth, int windowHeight, const SaveMenu& menu);

// Last, above the menu's dimming: the bottom bar, then the settings window while open.
void drawBottomBarAndSettings(SDL_Renderer* renderer, const Game& game, const LoopState& state, const SaveMenu& menu,
                              LoopClock::time_point now);

// The status tip waits while the player is busy on the map: a menu open, a stroke,
// pan or drag under way, or the copy or paste mode armed.
bool statusTipWanted(const LoopState& state, const SaveMenu& menu);

// The tip of the tile under the pointer at (px, py), when the point lies on the map
// above the bottom bar and on none of the panels drawn over it.
std::optional<StatusTip> pointerStatusTip(const Game& game, const LoopState& state, int px, int py,
                                          const TileItemIndex* itemIndex = nullptr);

// Over everything but the demo's overlay: the language pop-up while open, then the
// status tip at the pointer when it is wanted.
void drawPointerOverlays(SDL_Renderer* renderer, const Game& game, const LoopState& state, const SaveMenu& menu,
                         SDL_Point pointer, const TileItemIndex* itemIndex = nullptr);
