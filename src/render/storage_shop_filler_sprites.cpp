#include "render/storage_shop_filler_sprites.h"

void drawStorageSprite(SDL_Renderer*, int, int, int, int, const Tile&) {}

void drawShopSprite(SDL_Renderer*, int, int, int, int, const Tile&) {}

void drawFillerSprite(SDL_Renderer*, int, int, int, int, const Tile&, float) {}
