#include "render/arm_textures.h"

#include <SDL_image.h>

#include <string>

bool loadArmTextures(SDL_Renderer* renderer, ArmTextures& textures)
{
    for (int slot = 0; slot < ARM_SPRITE_COUNT; ++slot) {
        const std::string path = std::string(ASSET_FOLDER) + ARM_SPRITE_FILES[slot];
        SDL_Texture* texture = IMG_LoadTexture(renderer, path.c_str());
        if (texture == nullptr) {
            SDL_Log("Greifarm-Grafik %s konnte nicht geladen werden: %s", path.c_str(), SDL_GetError());
            destroyArmTextures(textures);
            return false;
        }
        textures.slots[slot] = texture;
        SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
        SDL_SetTextureScaleMode(texture, SDL_ScaleModeNearest);
    }
    return true;
}

void destroyArmTextures(ArmTextures& textures)
{
    for (SDL_Texture*& texture : textures.slots) {
        if (texture != nullptr) SDL_DestroyTexture(texture);
        texture = nullptr;
    }
}
