#pragma once

#include <SDL.h>

// Draws into a texture for the scope's lifetime: the renderer's target, clip and
// draw blend mode are saved, the texture becomes the target with clipping off,
// and at the end all three are put back. When the texture cannot become the
// target, nothing changes and the scope stays closed.
class RenderTargetScope {
  public:
    RenderTargetScope(SDL_Renderer* renderer, SDL_Texture* target);
    ~RenderTargetScope();
    RenderTargetScope(const RenderTargetScope&) = delete;
    RenderTargetScope& operator=(const RenderTargetScope&) = delete;

    bool isOpen() const { return open_; }

  private:
    SDL_Renderer* renderer_;
    SDL_Texture* previousTarget_;
    bool wasClipping_;
    SDL_Rect previousClip_{};
    SDL_BlendMode previousBlend_ = SDL_BLENDMODE_NONE;
    bool open_ = false;
};

// A texture to draw into, in the renderer's first choice of format. The
// software renderer copies such a texture onto the window's XRGB pixels, or
// onto RGBA ones, through SDL's fast blitters; a texture of RGBA8888 order
// goes through its generic path, ten times slower, on every copy.
SDL_Texture* createTargetTexture(SDL_Renderer* renderer, int width, int height);

// A texture to draw into that is copied unblended, whose alpha never shows:
// in the window's own format where the renderer draws into a window, so that
// the software renderer copies its rows as they are; else as above.
SDL_Texture* createOpaqueTargetTexture(SDL_Renderer* renderer, int width, int height);
