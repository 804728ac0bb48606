#pragma once

#include <SDL.h>

// A loaded sprite copied many times a frame at one size, such as a cargo item
// or an arm part, is kept scaled to that size: the software renderer scales and
// blends a large sprite slowly at every copy, but copies one of the target's
// size fast. Both scale to the nearest pixel, so the picture is the same for
// sprites whose pixels are opaque or clear, as the game's are (SDL blends a
// half-transparent pixel one level apart on the two paths).
//
// The sprite at width x height, made once for this renderer; the sprite itself
// where the renderer has no render targets or the copy cannot be made.
SDL_Texture* scaledSprite(SDL_Renderer* renderer, SDL_Texture* sprite, int width, int height);

// Drops the scaled copies of a sprite about to be destroyed, so that a later
// texture at its address gets copies of its own.
void forgetScaledCopies(const SDL_Texture* sprite);
