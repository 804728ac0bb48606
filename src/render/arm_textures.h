#pragma once

#include <SDL.h>

#include <array>

#include "render/asset_files.h"

// The six arm sprites the map view draws grab arms and long arms with, indexed
// by ArmSprite; an empty slot holds no texture.
struct ArmTextures {
    std::array<SDL_Texture*, ARM_SPRITE_COUNT> slots{};
};

// Loads the six sprites in slot order from the asset folder. The first that fails
// is logged with its path; then every slot is emptied and the result is false.
bool loadArmTextures(SDL_Renderer* renderer, ArmTextures& textures);

// Destroys every texture and empties every slot; safe on an empty record.
void destroyArmTextures(ArmTextures& textures);
