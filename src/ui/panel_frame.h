#pragma once

#include <SDL.h>

// The look every panel and window of the side panel shares: a dark background, a
// title and a line under it.
void drawPanelFrame(SDL_Renderer* renderer, const SDL_Rect& rect, const char* title);
