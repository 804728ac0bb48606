#pragma once

#include <SDL.h>

#include "world/tile.h"

void drawStorageSprite(SDL_Renderer* renderer, int x, int y, int w, int h, const Tile& tile);
void drawShopSprite(SDL_Renderer* renderer, int x, int y, int w, int h, const Tile& tile);
// The bottling plant, animated by the time.
void drawFillerSprite(SDL_Renderer* renderer, int x, int y, int w, int h, const Tile& tile, float time);
// The working plant's fill step, three a cycle, five a second; the sprite key's frame.
int fillerFrame(float time);
