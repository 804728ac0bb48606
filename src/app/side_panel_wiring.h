#pragma once

#include <SDL.h>

#include "app/loop_state.h"
#include "render/cargo_textures.h"
#include "ui/side_panel_inspectors.h"

class Game;
class MultiSelection;
class UndoHistory;

// The loop's side of the inspectors: what it draws of them every frame into the
// side panel's content area and how a press there reaches them.

// The open inspector, and "DREHEN" under it.
void drawSidePanelInspector(SDL_Renderer* renderer, const ScreenRect& panel, const LoopState& state, const Game& game,
                            const MultiSelection& selection, const CargoTextures& sprites);

// A left press in the panel as one undo step. None when no inspector took it,
// so that it goes on to what lies below.
InspectorPress pressSidePanelInspector(LoopState& state, Game& game, UndoHistory& history,
                                       const MultiSelection& selection, const ScreenRect& panel, int px, int py);
