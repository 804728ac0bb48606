#pragma once

// The drawing surface of every rendering test: an RGBA surface with SDL's
// software renderer on it, so tests draw without a window and read back the
// exact pixels. Header-only, because the test programs without SDL share
// tests/support/*.cpp.

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "render/design_grid.h"
#include "render/texture_caches.h"

struct Rgba {
    Uint8 r = 0;
    Uint8 g = 0;
    Uint8 b = 0;
    Uint8 a = 255;

    bool operator==(const Rgba&) const = default;
};

// A packed colour as the canvas reads it back.
inline Rgba unpacked(PackedColor c)
{
    return {Uint8(c & 0xFF), Uint8(c >> 8 & 0xFF), Uint8(c >> 16 & 0xFF), Uint8(c >> 24 & 0xFF)};
}

inline std::ostream& operator<<(std::ostream& out, const Rgba& c)
{
    return out << "(" << int(c.r) << ", " << int(c.g) << ", " << int(c.b) << ", " << int(c.a) << ")";
}

inline bool operator==(const SDL_Rect& a, const SDL_Rect& b)
{
    return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

inline std::ostream& operator<<(std::ostream& out, const SDL_Rect& r)
{
    return out << "{" << r.x << ", " << r.y << ", " << r.w << ", " << r.h << "}";
}

class SoftwareCanvas {
  public:
    SoftwareCanvas(int width, int height, Rgba background = {0, 0, 0, 255})
        : surface_(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGBA32))
    {
        if (surface_ == nullptr) throw std::runtime_error(SDL_GetError());
        renderer_ = SDL_CreateSoftwareRenderer(surface_);
        if (renderer_ == nullptr) {
            SDL_FreeSurface(surface_);
            throw std::runtime_error(SDL_GetError());
        }
        clear(background);
    }
    ~SoftwareCanvas()
    {
        // As the shell does at shutdown: the caches let go of this renderer's
        // textures before it goes, so a later renderer at the same address starts clean.
        TextureCaches& caches = textureCaches();
        if (caches.glyphRenderer == renderer_) clearGlyphCache();
        if (caches.controlCacheRenderer == renderer_) clearControlSpriteCache();
        if (caches.atlasRenderer == renderer_) clearControlAtlas();
        if (caches.bridgeCacheRenderer == renderer_ || caches.bridgeIndexRenderer == renderer_) clearBridgeAtlas();
        if (caches.waterPipeRenderer == renderer_) clearWaterPipeTextures();
        if (caches.scaledSpriteRenderer == renderer_) clearScaledSprites();
        SDL_DestroyRenderer(renderer_);
        SDL_FreeSurface(surface_);
    }
    SoftwareCanvas(const SoftwareCanvas&) = delete;
    SoftwareCanvas& operator=(const SoftwareCanvas&) = delete;

    SDL_Renderer* renderer() const { return renderer_; }
    int width() const { return surface_->w; }
    int height() const { return surface_->h; }

    // Fills everything with one colour and leaves the draw colour white, the
    // renderer's state of a fresh test.
    void clear(Rgba colour)
    {
        SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_NONE);
        SDL_RenderSetClipRect(renderer_, nullptr);
        SDL_SetRenderDrawColor(renderer_, colour.r, colour.g, colour.b, colour.a);
        SDL_RenderClear(renderer_);
        SDL_SetRenderDrawColor(renderer_, 255, 255, 255, 255);
    }

    Rgba pixel(int x, int y)
    {
        if (x < 0 || y < 0 || x >= width() || y >= height()) throw std::out_of_range("pixel outside the canvas");
        SDL_RenderFlush(renderer_);
        return storedPixel(x, y);
    }

    // All pixels, row by row: equal vectors mean equal pictures.
    std::vector<Rgba> pixels()
    {
        SDL_RenderFlush(renderer_);
        std::vector<Rgba> all;
        all.reserve(static_cast<std::size_t>(width()) * height());
        for (int y = 0; y < height(); ++y) {
            for (int x = 0; x < width(); ++x)
                all.push_back(storedPixel(x, y));
        }
        return all;
    }

    // The smallest rectangle holding every pixel that is not the background;
    // {0, 0, 0, 0} when nothing was drawn.
    SDL_Rect paintedBounds(Rgba background = {0, 0, 0, 255})
    {
        SDL_RenderFlush(renderer_);
        return markedBounds(width(), height(), [&](int x, int y) { return storedPixel(x, y) != background; });
    }

    // The smallest rectangle holding every pixel of one colour.
    SDL_Rect boundsOf(Rgba colour)
    {
        SDL_RenderFlush(renderer_);
        return markedBounds(width(), height(), [&](int x, int y) { return storedPixel(x, y) == colour; });
    }

    // The smallest rectangle of a width × height picture holding every pixel
    // for which `marked(x, y)` holds; {0, 0, 0, 0} when there is none.
    static SDL_Rect markedBounds(int width, int height, const std::function<bool(int, int)>& marked)
    {
        int left = width, top = height, right = -1, bottom = -1;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (!marked(x, y)) continue;
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
        if (right < 0) return {0, 0, 0, 0};
        return {left, top, right - left + 1, bottom - top + 1};
    }

    int countPixels(Rgba colour)
    {
        int count = 0;
        for (const Rgba& p : pixels())
            count += p == colour ? 1 : 0;
        return count;
    }

    bool savePng(const std::string& path)
    {
        SDL_RenderFlush(renderer_);
        return IMG_SavePNG(surface_, path.c_str()) == 0;
    }

  private:
    // Software rendering writes straight into the surface once its queue is flushed.
    Rgba storedPixel(int x, int y) const
    {
        const Uint8* p = static_cast<const Uint8*>(surface_->pixels) + y * surface_->pitch + x * 4;
        return {p[0], p[1], p[2], p[3]};
    }

    SDL_Surface* surface_;
    SDL_Renderer* renderer_ = nullptr;
};
