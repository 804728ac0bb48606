#include "render/asset_texture.h"

#include <SDL_image.h>

#include <string>

#include "render/asset_files.h"
#include "render/scaled_sprite.h"

SDL_Texture* loadAssetTexture(SDL_Renderer* renderer, const char* file, const char* what)
{
    const std::string path = std::string(ASSET_FOLDER) + file;
    SDL_Texture* texture = IMG_LoadTexture(renderer, path.c_str());
    if (texture == nullptr) {
        SDL_Log("%s %s konnte nicht geladen werden: %s", what, path.c_str(), SDL_GetError());
        return nullptr;
    }
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
    SDL_SetTextureScaleMode(texture, SDL_ScaleModeNearest);
    return texture;
}

void destroyTextures(std::span<SDL_Texture*> slots)
{
    for (SDL_Texture*& texture : slots) {
        forgetScaledCopies(texture);
        if (texture != nullptr) SDL_DestroyTexture(texture);
        texture = nullptr;
    }
}
