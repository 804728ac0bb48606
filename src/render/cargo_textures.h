#pragma once

#include <SDL.h>

#include <array>

#include "world/cargo.h"

// One sprite per cargo kind, indexed by CargoType; an empty slot holds no texture.
using CargoTextures = std::array<SDL_Texture*, CARGO_TYPE_COUNT>;

// Loads the 13 sprites in CargoType order from the asset folder. The first that
// fails is logged with its path; then every slot is emptied and the result is false.
bool loadCargoTextures(SDL_Renderer* renderer, CargoTextures& textures);

// Destroys every texture and empties every slot; safe on an empty record.
void destroyCargoTextures(CargoTextures& textures);
