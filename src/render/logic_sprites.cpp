#include "render/logic_sprites.h"

void drawLogicSprite(SDL_Renderer*, int, int, int, int, const Tile&) {}
