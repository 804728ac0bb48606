#pragma once

#include <SDL.h>

#include "world/tile.h"

// The charcoal kiln and the smelter, animated by the time.
void drawOvenSmelterSprite(SDL_Renderer* renderer, int x, int y, int w, int h, const Tile& tile, float time);
// The animation frame, four a cycle, six a second, working or not; the sprite key's frame.
int ovenSmelterFrame(float time);
