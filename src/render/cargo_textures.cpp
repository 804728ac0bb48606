#include "render/cargo_textures.h"

#include "render/asset_files.h"
#include "render/asset_texture.h"

bool loadCargoTextures(SDL_Renderer* renderer, CargoTextures& textures)
{
    for (CargoType cargo = 0; cargo < CARGO_TYPE_COUNT; ++cargo) {
        textures[cargo] = loadAssetTexture(renderer, CARGO_SPRITE_FILES[cargo], "Fördergut-Grafik");
        if (textures[cargo] == nullptr) {
            destroyCargoTextures(textures);
            return false;
        }
    }
    return true;
}

void destroyCargoTextures(CargoTextures& textures) { destroyTextures(textures); }
