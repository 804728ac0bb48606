#pragma once

#include "render/asset_files.h"
#include "spritegen_art.h"

// Art pixels per tile: a sprite pixel is half a design unit of the 32-unit tile.
constexpr int ART_PER_TILE = 64;

// A cargo kind at the size of its footprint, in art pixels.
Art drawCargo(CargoType cargo);

// One of the arm's parts at its design size, in art pixels.
Art drawArmPart(ArmSprite part);
