#pragma once

#include <SDL.h>

#include "render/arm_textures.h"
#include "render/cargo_textures.h"

// The SDL side of a run, made step by step at start-up once SDL is up. Whatever
// exists of it is released by closeScreen, on a failed start as at shutdown.
struct Screen {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    int width = 1024;  // the window's size as read right after it was made
    int height = 768;
    CargoTextures cargoTextures{};
    ArmTextures armTextures;
};

// Newest first: the sprites and every texture cache while their renderer still
// exists, then the renderer, the window, and SDL itself.
void closeScreen(Screen& screen);
