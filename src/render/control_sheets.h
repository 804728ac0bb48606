#pragma once

#include <SDL.h>

#include <string>

#include "world/tile.h"

// Draws the control of the tile at grid position (tx, ty) into its square
// (tx·tileSize − scrollX, ty·tileSize − scrollY, tileSize). The picture comes
// from a pre-rendered sheet listed in the control index when there is one, else
// from the control sprite cache, which paints each distinct picture once, else
// it is painted straight onto the target. Belts never come from a sheet: their
// frames depend on the zoom. Counters, timers, clocks, switches, buttons,
// steppers and 5V supplies show values no sprite key holds and are painted every
// time. `time` and `powered` go to the key and the painter unchanged. Every
// failure falls back silently to the next way.
void drawControl(SDL_Renderer* renderer, const Tile& tile, int tx, int ty, int scrollX, int scrollY, int tileSize,
                 float time, bool powered);

// Adds the records of the control index file to the index; the caller empties it.
void loadControlSpriteIndex();

// The texture of a control sheet for this renderer, loaded on first use; null
// while the file cannot be loaded (tried again at most once a second).
SDL_Texture* loadControlSheetTexture(SDL_Renderer* renderer, const std::string& file);
