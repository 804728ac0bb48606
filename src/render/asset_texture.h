#pragma once

#include <SDL.h>

#include <span>

// Loads "assets/<file>" as a sprite drawn with its alpha. On failure logs
// "<what> <path> konnte nicht geladen werden: <SDL error>" and returns null.
SDL_Texture* loadAssetTexture(SDL_Renderer* renderer, const char* file, const char* what);

// Destroys every texture and empties every slot; safe on empty slots.
void destroyTextures(std::span<SDL_Texture*> slots);
