#include "render/transport_sprites.h"

void drawBeltSprite(SDL_Renderer*, const SDL_Rect&, const Tile&, float) {}

int beltSlatOffset(const Tile&, int, float) { return 0; }

void drawSourceSinkBody(SDL_Renderer*, const SDL_Rect&, bool) {}

void drawSourceMarks(SDL_Renderer*, const SDL_Rect&, const Tile&) {}

void drawSinkMarks(SDL_Renderer*, const SDL_Rect&, const Tile&) {}

void drawArmHub(SDL_Renderer*, const SDL_Rect&, const Tile&) {}

void drawTunnelSprite(SDL_Renderer*, const SDL_Rect&, const Tile&) {}

void drawEjectorTile(SDL_Renderer*, const SDL_Rect&, const Tile&) {}
