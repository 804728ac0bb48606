#include "render/power_supply_sprite.h"

void drawPowerSupplySprite(SDL_Renderer*, int, int, int, int, const Tile&) {}
