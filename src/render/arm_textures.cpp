#include "render/arm_textures.h"

#include "render/asset_texture.h"

bool loadArmTextures(SDL_Renderer* renderer, ArmTextures& textures)
{
    for (int slot = 0; slot < ARM_SPRITE_COUNT; ++slot) {
        textures.slots[slot] = loadAssetTexture(renderer, ARM_SPRITE_FILES[slot], "Greifarm-Grafik");
        if (textures.slots[slot] == nullptr) {
            destroyArmTextures(textures);
            return false;
        }
    }
    return true;
}

void destroyArmTextures(ArmTextures& textures) { destroyTextures(textures.slots); }
