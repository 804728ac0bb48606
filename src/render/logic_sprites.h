#pragma once

#include <SDL.h>

#include "world/tile.h"

// The logic components (AND to stepper and the RS latch) in their square.
void drawLogicSprite(SDL_Renderer* renderer, int x, int y, int w, int h, const Tile& tile);
