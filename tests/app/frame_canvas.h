#pragma once

// A whole window drawn by the render phase off screen with the software
// renderer, with cargo and arm sprites of one plain colour each, so a probe
// tells which layer lies on top.

#include <SDL.h>

#include <array>
#include <optional>

#include "app/render_phase.h"
#include "support/software_canvas.h"

const Rgba CARGO_COLOUR{255, 0, 255, 255};
const std::array<Rgba, ARM_SPRITE_COUNT> ARM_COLOURS = {{
    {0, 0, 200, 255},    // shaft
    {0, 0, 150, 255},    // long shaft
    {0, 200, 0, 255},    // open hand
    {0, 150, 0, 255},    // closed hand
    {200, 200, 0, 255},  // horizontal base
    {150, 150, 0, 255},  // vertical base
}};

inline SDL_Texture* solidTexture(SDL_Renderer* renderer, Rgba colour)
{
    SDL_Texture* texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_STATIC, 4, 4);
    std::array<Rgba, 16> pixels;
    pixels.fill(colour);
    SDL_UpdateTexture(texture, nullptr, pixels.data(), 4 * sizeof(Rgba));
    return texture;
}

// A window of the given size drawn off screen, the camera at a zoom step.
class Frame {
  public:
    Frame(int width, int height, int zoomIndex) : canvas_(width, height)
    {
        screen_.renderer = canvas_.renderer();
        for (SDL_Texture*& cargo : screen_.cargoTextures)
            cargo = solidTexture(canvas_.renderer(), CARGO_COLOUR);
        for (int part = 0; part < ARM_SPRITE_COUNT; ++part)
            screen_.armTextures.slots[part] = solidTexture(canvas_.renderer(), ARM_COLOURS[part]);
        state.camera.zoomIndex = zoomIndex;
        resizeView(state, width, height);
    }
    ~Frame()
    {
        destroyCargoTextures(screen_.cargoTextures);
        destroyArmTextures(screen_.armTextures);
    }
    Frame(const Frame&) = delete;
    Frame& operator=(const Frame&) = delete;

    // The map and its overlays; with a selection the side panel too.
    SoftwareCanvas& draw(Game& game, const MultiSelection* selection = nullptr,
                         std::optional<SDL_Point> pointer = std::nullopt)
    {
        return draw(game, noSaves_, selection, pointer);
    }
    // With the menu as it stands.
    SoftwareCanvas& draw(Game& game, const SaveMenu& menu, std::optional<SDL_Point> pointer)
    {
        return draw(game, menu, nullptr, pointer);
    }

    LoopState state;

  private:
    SoftwareCanvas& draw(Game& game, const SaveMenu& menu, const MultiSelection* selection,
                         std::optional<SDL_Point> pointer)
    {
        drawFrame({.screen = screen_,
                   .game = game,
                   .state = state,
                   .demoPlayer = noDemo_,
                   .saveMenu = menu,
                   .selection = selection,
                   .pointer = pointer});
        return canvas_;
    }

    SoftwareCanvas canvas_;
    Screen screen_;
    const DemoPlayer noDemo_{nullptr, nullptr, false, 1.0};
    const SaveMenu noSaves_;
};
