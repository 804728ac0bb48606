#include "render/oven_smelter_sprite.h"

void drawOvenSmelterSprite(SDL_Renderer*, int, int, int, int, const Tile&, float) {}
