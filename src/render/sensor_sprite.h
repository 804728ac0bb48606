#pragma once

#include <SDL.h>

// The sensor; it reads nothing of its tile.
void drawSensorSprite(SDL_Renderer* renderer, int x, int y, int w, int h);
