#pragma once

#include <SDL.h>

#include <string>

// Water pipes: sixteen shapes by the sides a pipe connects on, with couplings at
// its ends and a bright dot that travels with the water. Side bits of a mask:
// north 1, east 2, south 4, west 8.
constexpr int PIPE_NORTH = 1;
constexpr int PIPE_EAST = 2;
constexpr int PIPE_SOUTH = 4;
constexpr int PIPE_WEST = 8;

// Draws a pipe tile into (x, y, w, h): the shape of `mask` (its low four bits)
// from its PNG in the control sheet folder, or painted when there is none; the
// flow dot when water enters through inMask or leaves through outMask, with this
// tile's animation delayed by half a cycle per flowStep; then the couplings.
// The shapes are kept per renderer.
void drawWaterPipe(SDL_Renderer* renderer, int x, int y, int w, int h, int mask, int inMask, int outMask, float time,
                   int flowStep);

// Paints shape n as a 32 × 32 picture and makes a texture of it with
// nearest-pixel scaling; with a path, the picture is saved there as PNG first.
// Null when the picture cannot be made or saved (a failed save is logged).
SDL_Texture* exportWaterPipePng(SDL_Renderer* renderer, int n, const std::string& path);
