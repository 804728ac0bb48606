#pragma once

#include <SDL.h>

#include <cstdint>
#include <vector>

#include "render/design_grid.h"

// Opaque lines, points and rectangles of a few colours, drawn one over the
// other in the order given, yet put on the renderer with one call a colour:
// each pixel keeps the colour of the last piece drawn over it, as it would
// with a call a piece. Lines cover exactly the pixels SDL_RenderDrawLine
// does. The software renderer pays far more per call than per pixel, and a
// power cable is hundreds of short overlapping pieces.
class OpaqueSketch {
  public:
    // For the renderer's clip as it is now, which must not change before the
    // draw; nothing outside `area` is kept.
    OpaqueSketch(SDL_Renderer* renderer, const SDL_Rect& area);

    void setColour(PackedColor colour);
    void line(int x1, int y1, int x2, int y2);
    // The line at every offset up to `spread` pixels across and along.
    void spreadLine(int x1, int y1, int x2, int y2, int spread);
    void point(int x, int y);
    void fill(const SDL_Rect& rect);  // of a width and height above zero

    // The pixels drawn since the last draw, one colour after the other in the
    // order the colours were first set; the renderer's draw colour is left at
    // the last of them.
    void draw();

  private:
    // Pixel `at` of the area, counted row by row, takes the colour set.
    void paint(int at)
    {
        std::uint8_t& here = colourAt_[static_cast<std::size_t>(at)];
        if (here == 0) touched_.push_back(at);
        here = colour_;
    }
    void plot(int x, int y)
    {
        const int column = x - area_.x, row = y - area_.y;
        if (column >= 0 && row >= 0 && column < area_.w && row < area_.h) paint(row * area_.w + column);
    }

    SDL_Renderer* renderer_;
    SDL_Rect cut_;   // what SDL cuts a slanted line to
    SDL_Rect area_;  // what is kept: the part of the clip, else the viewport, asked for
    std::vector<PackedColor> colours_;
    std::uint8_t colour_ = 0;             // one past the index of the colour set
    std::vector<std::uint8_t> colourAt_;  // per pixel of the area: 0 where nothing lies
    std::vector<int> touched_;            // pixels of the area with a colour, by index
    std::vector<SDL_Point> slanted_;      // scratch for one slanted line
};
