#pragma once

#include <SDL.h>

#include "world/tile.h"

// What the map view draws over single tiles itself, beside the control
// sprites: a sensor's camera head, the warning badge, the flash on a belt a
// sensor measured and the injection molder's water gauge. Each is given the
// tile's square on screen.

// The camera head over a sensor, aimed at the tile it measures; its light
// shows the last detection while the flash lasts.
void drawSensorHead(SDL_Renderer* renderer, const Tile& sensor, const SDL_Rect& square);

// Side of the warning badge at a tile size.
int warningBadgeSize(int tileSize);
// The badge in the tile's top right corner: red for a full storage or a
// blocked output, else amber, with the letter of the weightiest warning.
void drawWarningBadge(SDL_Renderer* renderer, unsigned warnings, const SDL_Rect& square);

// Lights the measured belt's square additively, white at first and then
// fading in the detection's colour; the caller's blend mode is kept.
void drawSensorFlash(SDL_Renderer* renderer, const Tile& sensor, const SDL_Rect& beltSquare);

// Four rectangles in the molder's corner: a blue level while water reaches it, red without.
void drawWaterGauge(SDL_Renderer* renderer, bool supplied, const SDL_Rect& square);
