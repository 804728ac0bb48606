#pragma once

#include <SDL.h>

#include <span>

#include "render/design_grid.h"

// The building blocks the control painters share: layer tables on the design
// grid, and the few shapes that are placed in plain pixels and do not scale.
// Like the design-grid fills, each leaves the draw colour at its own colour.

// One layer of a design: a design rectangle and its colour.
struct DesignFill {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    PackedColor colour = 0;
};

// Draws the layers in their order with the member the design was drawn with.
void fillDesigns(const FillDesignRect& fill, std::span<const DesignFill> layers);
void fillDesigns(const FillDesignRectSpan& fill, std::span<const DesignFill> layers);
void fillDesigns(const FillDesignRectRgb& fill, std::span<const DesignFill> layers);
void fillDesigns(const FillDesignRectRgbExact& fill, std::span<const DesignFill> layers);
void fillDesigns(const FillDesignRectRotated& fill, std::span<const DesignFill> layers);
// One layer with an opaque member, for colours chosen at draw time.
void fillDesign(const FillDesignRectRgb& fill, const DesignFill& layer);
void fillDesign(const FillDesignRectRgbExact& fill, const DesignFill& layer);

// A filled pixel rectangle; nothing when it has no area.
void fillPixels(SDL_Renderer* renderer, const SDL_Rect& rect, PackedColor colour);
// A line with both end pixels drawn.
void drawPixelLine(SDL_Renderer* renderer, int x0, int y0, int x1, int y1, PackedColor colour);
void drawPixel(SDL_Renderer* renderer, int x, int y, PackedColor colour);
