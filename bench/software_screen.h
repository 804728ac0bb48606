#pragma once

#include <SDL.h>

#include <stdexcept>

// The game's window, 1280 x 800, drawn by SDL's software renderer as the game
// draws it: hidden, on SDL's dummy video driver, whose window surface has the
// pixel format of a window under X11 (XRGB). The drawing benchmarks measure
// it; the tests draw onto bare RGBA surfaces, which SDL treats otherwise.
struct SoftwareScreen {
    static constexpr int WIDTH = 1280;
    static constexpr int HEIGHT = 800;
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;

    SoftwareScreen()
    {
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) throw std::runtime_error(SDL_GetError());
        window = SDL_CreateWindow("Gearhaven", 0, 0, WIDTH, HEIGHT, SDL_WINDOW_HIDDEN);
        if (window != nullptr)
            renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE | SDL_RENDERER_TARGETTEXTURE);
        if (renderer == nullptr) throw std::runtime_error(SDL_GetError());
    }
    SoftwareScreen(const SoftwareScreen&) = delete;
    SoftwareScreen& operator=(const SoftwareScreen&) = delete;
    ~SoftwareScreen()
    {
        SDL_DestroyRenderer(renderer);
        SDL_DestroyWindow(window);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
};
