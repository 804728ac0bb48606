#pragma once

#include <SDL.h>

#include "world/tile.h"

// The coal generator, power pole, injection molder and water source, each in
// the tile's square R over its background. None of them turns with the tile's
// direction; the molder shows it with an arrow.

// The fire burns and smokes while the generator is on and has fuel; the lamp
// follows the switch alone.
void drawCoalGeneratorSprite(SDL_Renderer* renderer, const SDL_Rect& r, const Tile& tile, float time);
// The burning generator's smoke puff, four steps a cycle, five a second; the sprite key's frame.
int generatorSmokeFrame(float time);
// Connected, the insulators glow, the light is green and a spark hops along.
void drawPowerPoleSprite(SDL_Renderer* renderer, const SDL_Rect& r, bool powered, float time);
// The powered pole's spark, over three insulators, six hops a second; the sprite key's frame.
int poleSparkFrame(float time);
// The press closes and opens over the molder's cycle; finished gears show.
void drawInjectionMolderSprite(SDL_Renderer* renderer, const SDL_Rect& r, const Tile& tile);
void drawWaterSourceSprite(SDL_Renderer* renderer, const SDL_Rect& r);
