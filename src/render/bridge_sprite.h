#pragma once

#include <SDL.h>

#include <string>

// A bridge part (0 entry ramp, 1 deck, 2 exit ramp) over its tile square
// (x, y, w, h): the raised picture rises above the square's top edge. From the
// pre-rendered bridge sheet when its index lists the part, else from the bridge
// sprite cache, else painted straight onto the target; failures fall back
// silently. bridgeDir 2 and 4 run horizontally, every other value vertically.
void drawBridge(SDL_Renderer* renderer, int x, int y, int w, int h, int bridgeDir, int bridgePart, float time);

// Paints the part procedurally into the square, rising above y along the ramp's
// profile: opaque rectangles only, in the renderer's current blend mode.
void drawBridgeSprite(SDL_Renderer* renderer, int x, int y, int w, int h, int bridgeDir, int bridgePart, float time);

// The slats' animation frame: 14 a second, round 8.
int bridgeFrame(float time);

// The texture of a bridge sheet for this renderer, loaded on first use with
// alpha blending; after a change of renderer the bridge index is read anew
// first. Null for an empty name and while the file cannot be loaded (tried again
// at most once a second).
SDL_Texture* loadBridgeSheetTexture(SDL_Renderer* renderer, const std::string& file);

// Adds the records of the bridge index file to the bridge index.
void loadBridgeSpriteIndex();
