#pragma once

#include <SDL.h>

#include "world/tile.h"

// The ejector's moving parts over its tile square (x, y, w, h): the rail, drawn
// in the pass before the cargo items, and the plate at the stroke's end, drawn in
// the pass after them, so items sit between the two. The stroke is measured in
// tiles from the centre, 0.5 to 2; a direction outside 1..4 pushes north.
void drawEjectorSprite(SDL_Renderer* renderer, int x, int y, int w, int h, const Tile& tile, bool railPass,
                       bool platePass);
