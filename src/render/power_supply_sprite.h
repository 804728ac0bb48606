#pragma once

#include <SDL.h>

#include "world/tile.h"

// The 5V power supply over its background; it gets no frame.
void drawPowerSupplySprite(SDL_Renderer* renderer, int x, int y, int w, int h, const Tile& tile);
