#pragma once

#include <SDL.h>

#include "world/direction.h"

// The whole two-tile distributor or mixer in the pair's rectangle (both tiles);
// each tile's painter clips it to its own half.
void drawDistributorMixerSprite(SDL_Renderer* renderer, int x, int y, int w, int h, Direction facing, bool mixer,
                                float time);

// The pair's animation frames, which its sprite key names: the rollers' stripe
// phase, fourteen steps a second, and the mixer's pistons (five beats a second)
// or the distributor's flap (three turns a second).
int pairRollerFrame(float time);
int pairMachineFrame(float time, bool mixer);
