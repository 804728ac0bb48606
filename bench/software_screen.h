#pragma once

#include <SDL.h>

// A software renderer on a 1280 x 800 surface of the window's pixel format
// (XRGB under X11): one window's worth of pixels for the drawing benchmarks.
// The tests draw onto RGBA surfaces, which SDL blends by slower paths.
struct SoftwareScreen {
    static constexpr int WIDTH = 1280;
    static constexpr int HEIGHT = 800;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, WIDTH, HEIGHT, 32, SDL_PIXELFORMAT_RGB888);
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(surface);

    SoftwareScreen() = default;
    SoftwareScreen(const SoftwareScreen&) = delete;
    SoftwareScreen& operator=(const SoftwareScreen&) = delete;
    ~SoftwareScreen()
    {
        SDL_DestroyRenderer(renderer);
        SDL_FreeSurface(surface);
    }
};
