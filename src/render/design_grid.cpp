#include "render/design_grid.h"

#include <algorithm>

namespace {

// A design edge on the scaled grid of `pixels` per `units`; truncates toward zero.
int scaleEdge(int edge, int pixels, int units) { return edge * pixels / units; }

struct Edges {
    int left;
    int top;
    int right;
    int bottom;
};

SDL_Rect rectFromEdges(const SDL_Rect& target, const Edges& e, int unitsWide, int unitsHigh, bool atLeastOnePixel)
{
    const int left = scaleEdge(e.left, target.w, unitsWide);
    const int top = scaleEdge(e.top, target.h, unitsHigh);
    int w = scaleEdge(e.right, target.w, unitsWide) - left;
    int h = scaleEdge(e.bottom, target.h, unitsHigh) - top;
    if (atLeastOnePixel) {
        w = std::max(1, w);
        h = std::max(1, h);
    }
    return {target.x + left, target.y + top, w, h};
}

void fill(SDL_Renderer* renderer, const SDL_Rect& r)
{
    if (r.w > 0 && r.h > 0) SDL_RenderFillRect(renderer, &r);
}

void fillRgb(SDL_Renderer* renderer, const SDL_Rect& r, std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    SDL_SetRenderDrawColor(renderer, red, green, blue, 255);
    fill(renderer, r);
}

}  // namespace

void setDrawColor(SDL_Renderer* renderer, PackedColor colour)
{
    SDL_SetRenderDrawColor(renderer, colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF, colour >> 24);
}

SDL_Rect scaledDesignRect(const SDL_Rect& target, const DesignRect& d)
{
    return {target.x + scaleEdge(d.x, target.w, DESIGN_UNITS), target.y + scaleEdge(d.y, target.h, DESIGN_UNITS),
            std::max(1, scaleEdge(d.w, target.w, DESIGN_UNITS)), std::max(1, scaleEdge(d.h, target.h, DESIGN_UNITS))};
}

SDL_Rect spannedDesignRect(const SDL_Rect& target, const DesignRect& d, bool atLeastOnePixel)
{
    return rectFromEdges(target, {d.x, d.y, d.x + d.w, d.y + d.h}, DESIGN_UNITS, DESIGN_UNITS, atLeastOnePixel);
}

SDL_Rect rotatedDesignRect(const SDL_Rect& target, const DesignRect& d, Direction facing)
{
    constexpr int U = DESIGN_UNITS;
    Edges e{d.x, d.y, d.x + d.w, d.y + d.h};
    switch (facing) {
    case NORTH:
        e = {U - d.x - d.w, U - d.y - d.h, U - d.x, U - d.y};
        break;
    case EAST:
        e = {d.y, U - d.x - d.w, d.y + d.h, U - d.x};
        break;
    case WEST:
        e = {U - d.y - d.h, d.x, U - d.y, d.x + d.w};
        break;
    default:
        break;
    }
    return rectFromEdges(target, e, U, U, true);
}

SDL_Rect rotatedPairDesignRect(const SDL_Rect& target, const DesignRect& d, Direction facing)
{
    constexpr int U = DESIGN_UNITS;
    constexpr int LONG = 2 * DESIGN_UNITS;
    switch (facing) {
    case SOUTH:
        return rectFromEdges(target, {LONG - d.y - d.h, d.x, LONG - d.y, d.x + d.w}, LONG, U, false);
    case WEST:
        return rectFromEdges(target, {U - d.x - d.w, LONG - d.y - d.h, U - d.x, LONG - d.y}, U, LONG, false);
    case NORTH:
        return rectFromEdges(target, {d.y, U - d.x - d.w, d.y + d.h, U - d.x}, LONG, U, false);
    default:
        return rectFromEdges(target, {d.x, d.y, d.x + d.w, d.y + d.h}, U, LONG, false);
    }
}

void FillDesignRect::operator()(int x, int y, int w, int h, PackedColor colour) const
{
    setDrawColor(renderer, colour);
    fill(renderer, scaledDesignRect(target, {x, y, w, h}));
}

void FillDesignRectSpan::operator()(int x, int y, int w, int h, PackedColor colour) const
{
    setDrawColor(renderer, colour | 0xFF000000u);
    fill(renderer, spannedDesignRect(target, {x, y, w, h}, true));
}

void FillDesignRectRgb::operator()(int x, int y, int w, int h, std::uint8_t r, std::uint8_t g, std::uint8_t b) const
{
    fillRgb(renderer, spannedDesignRect(target, {x, y, w, h}, true), r, g, b);
}

void FillDesignRectRgbExact::operator()(int x, int y, int w, int h, std::uint8_t r, std::uint8_t g,
                                        std::uint8_t b) const
{
    fillRgb(renderer, spannedDesignRect(target, {x, y, w, h}, false), r, g, b);
}

void FillDesignRectRotatedRgb::operator()(int x, int y, int w, int h, std::uint8_t r, std::uint8_t g,
                                          std::uint8_t b) const
{
    fillRgb(renderer, rotatedDesignRect(target, {x, y, w, h}, direction), r, g, b);
}

void FillDesignRectRotated::operator()(int x, int y, int w, int h, PackedColor colour) const
{
    setDrawColor(renderer, colour);
    fill(renderer, rotatedPairDesignRect(target, {x, y, w, h}, direction));
}
