#include "render/power_water_sprites.h"

void drawCoalGeneratorSprite(SDL_Renderer*, const SDL_Rect&, const Tile&, float) {}

void drawPowerPoleSprite(SDL_Renderer*, const SDL_Rect&, bool, float) {}

void drawInjectionMolderSprite(SDL_Renderer*, const SDL_Rect&, const Tile&) {}

void drawWaterSourceSprite(SDL_Renderer*, const SDL_Rect&) {}
