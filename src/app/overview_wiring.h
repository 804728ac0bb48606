#pragma once

#include <SDL.h>

#include "app/loop_state.h"
#include "ui/hud_layout.h"

class Game;
struct ProductionStats;

// The loop's side of the statistics window and the machine overview, both
// drawn into the side panel's content area while open.

// The statistics window, then the machine overview over it, each while open.
// Without a sampler the statistics window is left out.
void drawSidePanelOverviews(SDL_Renderer* renderer, const ScreenRect& content, const LoopState& state, const Game& game,
                            const ProductionStats* stats);

// A left press in the side panel while the machine overview is open, after
// the top bar's buttons: a row centres the camera on its machine and resets
// the interaction, which closes the overview. Every press in the panel is
// taken, on a row or not. False while the overview is closed or the press
// lies outside the panel.
bool pressMachineOverview(LoopState& state, Game& game, int windowWidth, int windowHeight, int px, int py);
