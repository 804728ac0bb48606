#pragma once

#include <SDL.h>

#include <vector>

// Many one-pixel lines of one colour drawn with a single call. The software
// renderer pays far more per call than per pixel, and a cable or a wire
// outline is hundreds of short lines. Each line adds exactly the pixels
// SDL_RenderDrawLine draws for it, so the picture does not change; only lines
// whose order does not matter (one colour, no blending) belong in one batch.
class LineBatch {
  public:
    // For the renderer's clip as it is now: the clip must not change before the draw.
    explicit LineBatch(SDL_Renderer* renderer);

    void add(int x1, int y1, int x2, int y2);
    // A filled rectangle, as the level lines that cover it would draw.
    void addRect(const SDL_Rect& rect) { spans_.push_back(rect); }
    // The lines added since the last draw, in the renderer's draw colour.
    void draw();

  private:
    void addSpan(int left, int top, int right, int bottom);

    SDL_Renderer* renderer_;
    SDL_Rect bounds_{};
    std::vector<SDL_Rect> spans_;  // level and upright lines, filled as SDL fills them
    std::vector<SDL_Point> points_;
};

// What SDL cuts a slanted line to before it steps it: nothing on a renderer
// made for a window; else the clip where there is one, else the viewport.
SDL_Rect lineBounds(SDL_Renderer* renderer);

// Calls plot(x, y) for each pixel SDL_RenderDrawLine draws for a line that is
// neither level nor upright, cut to `bounds` first as SDL cuts it.
template <typename Plot> void forEachSlantedLinePixel(const SDL_Rect& bounds, int x1, int y1, int x2, int y2, Plot plot)
{
    const auto inside = [&bounds](int x, int y) {
        return x >= bounds.x && y >= bounds.y && x < bounds.x + bounds.w && y < bounds.y + bounds.h;
    };
    // A line with both ends inside is left as it is, and the cut is dear.
    if (!(inside(x1, y1) && inside(x2, y2)) && SDL_IntersectRectAndLine(&bounds, &x1, &y1, &x2, &y2) == SDL_FALSE)
        return;
    const int dx = x2 > x1 ? x2 - x1 : x1 - x2, dy = y2 > y1 ? y2 - y1 : y1 - y2;
    const int stepX = x1 > x2 ? -1 : 1, stepY = y1 > y2 ? -1 : 1;
    const bool flat = dx >= dy;
    const int major = flat ? dx : dy, minor = flat ? dy : dx;
    int error = 2 * minor - major;
    int x = x1, y = y1;
    for (int i = 0; i <= major; ++i) {
        plot(x, y);
        if (error < 0) {
            error += 2 * minor;
            if (flat) {
                x += stepX;
            } else {
                y += stepY;
            }
        } else {
            error += 2 * (minor - major);
            x += stepX;
            y += stepY;
        }
    }
}
