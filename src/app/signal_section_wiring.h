#pragma once

#include <SDL.h>

#include "app/loop_state.h"
#include "render/cargo_textures.h"
#include "ui/hud_layout.h"

class Game;
class UndoHistory;

// The loop's side of the sensor's and the logic components' rows: the cargo
// page's flag, the counter's number entry and SDL's text input.

// A left press on the rows of the selected sensor or logic component (x, y)
// inside the shell's undo guard. True when a row took it; the counter's
// number entry starts and stops text input as it opens and closes.
bool pressSignalSection(LoopState& state, Game& game, UndoHistory& history, const ScreenRect& content, int x, int y,
                        int px, int py);

// While the sensor's cargo page is open it takes every mouse press: a right
// press, or a left one outside the content area or on its title and
// "ZURUECK", closes it; a left press on a cargo cell sets the selected
// sensor's cargo as one undo step and leaves it open; the other buttons do
// nothing. The page closes too once no sensor is selected. False while it is
// closed.
bool pressCargoChoice(LoopState& state, Game& game, UndoHistory& history, int windowWidth, int windowHeight, int px,
                      int py, Uint8 button);

// The page over the side panel's content while it is open for the selected sensor.
void drawCargoChoice(SDL_Renderer* renderer, const ScreenRect& content, const LoopState& state, const Game& game,
                     const CargoTextures& sprites);
