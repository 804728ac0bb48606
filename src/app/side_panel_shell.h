#pragma once

#include <SDL.h>

#include "app/loop_state.h"
#include "render/cargo_textures.h"
#include "world/power_overview.h"

class Game;
class MultiSelection;
class UndoHistory;
struct ProductionStats;

// The loop's side of the side panel around the inspectors: its frame, the
// help page, the power overview, the multi-selection panel and the
// information panel, drawn every frame, and how presses, the key P and the
// wheel reach them.

// A window or panel is open that "X" and Esc close: the selected control's
// panel, the item's, the choosers, the overviews and the windows.
bool anyPanelOpen(const LoopState& state);

// The key P and "STROM P": the overview opens or closes, and whatever else
// was open closes, the multi-selection with it; its list starts at the top.
void togglePowerOverview(LoopState& state, Game& game, MultiSelection& selection);

// "X": every panel closes and the multi-selection is emptied.
void closeSidePanel(LoopState& state, Game& game, MultiSelection& selection);

// The whole side panel. `power` is the frame's power overview when the map
// view has it already; it is worked out here otherwise. The overview's scroll
// is kept inside its list. The statistics window needs the sampler.
void drawSidePanel(SDL_Renderer* renderer, int windowWidth, int windowHeight, LoopState& state, const Game& game,
                   const MultiSelection& selection, const CargoTextures& sprites, const PowerOverview* power = nullptr,
                   const ProductionStats* stats = nullptr);

// A left press on the side panel's top bar: "STROM P", then "X" where it is
// shown. While the overview is open it takes every other press in the panel.
bool pressSidePanelBar(LoopState& state, Game& game, MultiSelection& selection, int windowWidth, int windowHeight,
                       int px, int py);

// A left press on the multi-selection panel, one undo step: its settings view
// takes every press in the content area ("ZURUECK" first), the main view
// those on its buttons. False while nothing is selected.
bool pressSelectionPanel(LoopState& state, Game& game, UndoHistory& history, MultiSelection& selection, int windowWidth,
                         int windowHeight, int px, int py);

// A left press on the information panel of the selected control, one undo
// step. True when one of its buttons took it; else the press goes on to
// "DREHEN" and the inspectors.
bool pressInformation(LoopState& state, Game& game, UndoHistory& history, const MultiSelection& selection,
                      int windowWidth, int windowHeight, int px, int py);
