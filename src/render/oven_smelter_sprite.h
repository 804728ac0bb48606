#pragma once

#include <SDL.h>

#include "world/tile.h"

// The charcoal kiln and the smelter, animated by the time.
void drawOvenSmelterSprite(SDL_Renderer* renderer, int x, int y, int w, int h, const Tile& tile, float time);
