#pragma once

#include <SDL.h>

#include "world/direction.h"

// The whole two-tile distributor or mixer in the pair's rectangle (both tiles);
// each tile's painter clips it to its own half.
void drawDistributorMixerSprite(SDL_Renderer* renderer, int x, int y, int w, int h, Direction facing, bool mixer,
                                float time);
