#pragma once

// A hidden window drawn by the software renderer, as the game's own window is
// drawn: SDL handles some drawing on a window's renderer apart from one on a
// bare surface. Runs on the dummy video driver.

#include <stdexcept>
#include <vector>

#include "support/software_canvas.h"

class WindowCanvas {
  public:
    WindowCanvas(int width, int height) : width_(width), height_(height)
    {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) throw std::runtime_error(SDL_GetError());
        window_ = SDL_CreateWindow("canvas", 0, 0, width, height, SDL_WINDOW_HIDDEN);
        if (window_ != nullptr) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
        if (renderer_ == nullptr) throw std::runtime_error(SDL_GetError());
        clear();
    }
    ~WindowCanvas()
    {
        clearAllTextureCaches();
        SDL_DestroyRenderer(renderer_);
        SDL_DestroyWindow(window_);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    WindowCanvas(const WindowCanvas&) = delete;
    WindowCanvas& operator=(const WindowCanvas&) = delete;

    SDL_Renderer* renderer() const { return renderer_; }

    // Black all over, no clip, and a white draw colour.
    void clear()
    {
        SDL_RenderSetClipRect(renderer_, nullptr);
        SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_NONE);
        SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
        SDL_RenderClear(renderer_);
        SDL_SetRenderDrawColor(renderer_, 255, 255, 255, 255);
    }

    // All pixels, row by row, their alpha left out: a window has none.
    std::vector<Rgba> pixels()
    {
        std::vector<Rgba> all(static_cast<std::size_t>(width_) * height_);
        if (SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_RGBA32, all.data(), width_ * 4) != 0)
            throw std::runtime_error(SDL_GetError());
        for (Rgba& p : all)
            p.a = 255;
        return all;
    }

  private:
    int width_;
    int height_;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
};
