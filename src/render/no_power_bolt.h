#pragma once

#include <SDL.h>

// A lightning bolt over a tile square (x, y, w, h) that says its control lacks
// power; it blinks between bright, with sparkles, and dim every half second of
// `time`.
void drawNoPowerBolt(SDL_Renderer* renderer, int x, int y, int w, int h, float time);
