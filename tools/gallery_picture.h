#pragma once

// What every group of the gallery draws on: a software-rendered picture saved
// as PNG, with captions in the game's font.

#include <SDL.h>
#include <SDL_image.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "render/bitmap_font.h"
#include "render/texture_caches.h"

// The map's zoom sizes that the gallery shows.
inline constexpr int ZOOMS[] = {24, 32, 64};

// A picture drawn with the software renderer, as the game's draws would land on screen.
class Picture {
  public:
    Picture(int width, int height)
        : surface_(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGBA32)),
          renderer_(surface_ != nullptr ? SDL_CreateSoftwareRenderer(surface_) : nullptr)
    {
        if (renderer_ == nullptr) return;
        SDL_SetRenderDrawColor(renderer_, 24, 28, 33, 255);
        SDL_RenderClear(renderer_);
        SDL_SetRenderDrawColor(renderer_, 255, 255, 255, 255);
    }
    ~Picture()
    {
        // Textures made for this renderer go before it does.
        clearAllTextureCaches();
        if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
        if (surface_ != nullptr) SDL_FreeSurface(surface_);
    }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    SDL_Renderer* renderer() const { return renderer_; }

    bool save(const std::filesystem::path& path)
    {
        if (renderer_ == nullptr) return false;
        SDL_RenderFlush(renderer_);
        const bool saved = IMG_SavePNG(surface_, path.string().c_str()) == 0;
        std::printf("%s %s\n", saved ? "wrote" : "FAILED", path.string().c_str());
        return saved;
    }

  private:
    SDL_Surface* surface_;
    SDL_Renderer* renderer_;
};

// A folder of this run's own in the system's temporary directory, gone with
// the object; its path is empty when none could be made. Runs side by side,
// and other users, each get their own.
class ScratchFolder {
  public:
    explicit ScratchFolder(const std::string& name)
    {
        std::error_code error;
        std::string pattern = (std::filesystem::temp_directory_path(error) / (name + "-XXXXXX")).string();
        if (!error && mkdtemp(pattern.data()) != nullptr) path_ = pattern;
    }
    ~ScratchFolder()
    {
        std::error_code error;
        if (!path_.empty()) std::filesystem::remove_all(path_, error);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// A caption in the font, which has upper-case letters only.
inline void label(SDL_Renderer* r, std::string text, int x, int y)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    SDL_SetRenderDrawColor(r, 200, 210, 215, 255);
    drawBitmapText(r, text.c_str(), x, y, 1);
}
