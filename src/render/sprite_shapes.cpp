#include "render/sprite_shapes.h"

void fillDesigns(const FillDesignRect& fill, std::span<const DesignFill> layers)
{
    for (const DesignFill& d : layers)
        fill(d.x, d.y, d.w, d.h, d.colour);
}

void fillDesigns(const FillDesignRectSpan& fill, std::span<const DesignFill> layers)
{
    for (const DesignFill& d : layers)
        fill(d.x, d.y, d.w, d.h, d.colour);
}

// The opaque members take the colour as three bytes.
void fillDesign(const FillDesignRectRgb& fill, const DesignFill& d)
{
    fill(d.x, d.y, d.w, d.h, d.colour & 0xFF, (d.colour >> 8) & 0xFF, (d.colour >> 16) & 0xFF);
}

void fillDesign(const FillDesignRectRgbExact& fill, const DesignFill& d)
{
    fill(d.x, d.y, d.w, d.h, d.colour & 0xFF, (d.colour >> 8) & 0xFF, (d.colour >> 16) & 0xFF);
}

void fillDesigns(const FillDesignRectRgb& fill, std::span<const DesignFill> layers)
{
    for (const DesignFill& d : layers)
        fillDesign(fill, d);
}

void fillDesigns(const FillDesignRectRgbExact& fill, std::span<const DesignFill> layers)
{
    for (const DesignFill& d : layers)
        fillDesign(fill, d);
}

void fillDesigns(const FillDesignRectRotated& fill, std::span<const DesignFill> layers)
{
    for (const DesignFill& d : layers)
        fill(d.x, d.y, d.w, d.h, d.colour);
}

void fillPixels(SDL_Renderer* renderer, const SDL_Rect& rect, PackedColor colour)
{
    setDrawColor(renderer, colour);
    if (rect.w > 0 && rect.h > 0) SDL_RenderFillRect(renderer, &rect);
}

void drawPixelLine(SDL_Renderer* renderer, int x0, int y0, int x1, int y1, PackedColor colour)
{
    setDrawColor(renderer, colour);
    SDL_RenderDrawLine(renderer, x0, y0, x1, y1);
}

void drawPixel(SDL_Renderer* renderer, int x, int y, PackedColor colour)
{
    setDrawColor(renderer, colour);
    SDL_RenderDrawPoint(renderer, x, y);
}
