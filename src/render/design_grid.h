#pragma once

#include <SDL.h>

#include <cstdint>

#include "world/direction.h"

// Control sprites are designed once on a grid of 32 × 32 units (32 × 64 for the
// two-tile distributor and mixer) and scaled into whatever square they are given.
// Each fill below is bound to a renderer and a target rectangle for one sprite and
// draws one design rectangle as one filled pixel rectangle. The members differ in
// how they round: the "span" rule puts both edges on the scaled grid, so
// neighbours meet without gaps; fillDesignRect scales the size instead. Painters
// use the member their design was drawn with. No member touches the clip or the
// blend mode, and each leaves the draw colour at the colour of its call.

constexpr int DESIGN_UNITS = 32;

struct DesignRect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
};

// 0xAABBGGRR: red in the lowest byte.
using PackedColor = std::uint32_t;

constexpr PackedColor packColor(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a = 255)
{
    return PackedColor{r} | PackedColor{g} << 8 | PackedColor{b} << 16 | PackedColor{a} << 24;
}

void setDrawColor(SDL_Renderer* renderer, PackedColor colour);

// The pixel rectangles of the members. A size of 0 or less draws nothing.
SDL_Rect scaledDesignRect(const SDL_Rect& target, const DesignRect& d);
SDL_Rect spannedDesignRect(const SDL_Rect& target, const DesignRect& d, bool atLeastOnePixel);
// The design faces south and is turned to face `facing`.
SDL_Rect rotatedDesignRect(const SDL_Rect& target, const DesignRect& d, Direction facing);
// Two-tile design, 32 wide and 64 tall facing east, turned to face `facing`; the
// target covers both tiles.
SDL_Rect rotatedPairDesignRect(const SDL_Rect& target, const DesignRect& d, Direction facing);

// Packed colour with its alpha; size max(1, w·W/32) by max(1, h·H/32).
struct FillDesignRect {
    SDL_Renderer* renderer;
    SDL_Rect target;
    void operator()(int x, int y, int w, int h, PackedColor colour) const;
};

// Packed colour drawn opaque; span rule, at least one pixel.
struct FillDesignRectSpan {
    SDL_Renderer* renderer;
    SDL_Rect target;
    void operator()(int x, int y, int w, int h, PackedColor colour) const;
};

// Opaque r, g, b; span rule, at least one pixel.
struct FillDesignRectRgb {
    SDL_Renderer* renderer;
    SDL_Rect target;
    void operator()(int x, int y, int w, int h, std::uint8_t r, std::uint8_t g, std::uint8_t b) const;
};

// Opaque r, g, b; span rule without a minimum, so a thin rectangle may vanish.
struct FillDesignRectRgbExact {
    SDL_Renderer* renderer;
    SDL_Rect target;
    void operator()(int x, int y, int w, int h, std::uint8_t r, std::uint8_t g, std::uint8_t b) const;
};

// Opaque r, g, b of a south-facing design, turned by the direction it is bound to
// (read at each call); span rule on the turned edges, at least one pixel.
struct FillDesignRectRotatedRgb {
    SDL_Renderer* renderer;
    SDL_Rect target;
    const Direction& direction;
    void operator()(int x, int y, int w, int h, std::uint8_t r, std::uint8_t g, std::uint8_t b) const;
};

// Packed colour of an east-facing two-tile design, turned by the bound direction;
// span rule on the turned edges without a minimum.
struct FillDesignRectRotated {
    SDL_Renderer* renderer;
    SDL_Rect target;
    const Direction& direction;
    void operator()(int x, int y, int w, int h, PackedColor colour) const;
};
