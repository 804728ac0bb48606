#pragma once

#include <SDL.h>

#include <string_view>

// What the demo draws over a finished frame for the recording: the scene title, its
// own pointer and the ring of a press. Each sets the blend mode it needs; the caller
// puts it back.

// A box centred at the top of the window with the title at twice the font size, as written.
void drawDemoSceneTitle(SDL_Renderer* renderer, int windowWidth, std::string_view title);

// The arrow, two pixels a cell, its tip at (x, y).
void drawDemoPointer(SDL_Renderer* renderer, int x, int y);

// A square around (x, y) that grows and fades while `remaining` of the ring's time is left.
void drawDemoPressRing(SDL_Renderer* renderer, int x, int y, float remaining);
