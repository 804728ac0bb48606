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

// What SDL cuts a slanted line to: the renderer's clip where there is one,
// else its viewport.
SDL_Rect lineBounds(SDL_Renderer* renderer);

// The pixels SDL_RenderDrawLine draws for a line that is neither level nor
// upright, cut to `bounds` first as SDL cuts it, appended to `pixels`.
void addSlantedLinePixels(const SDL_Rect& bounds, int x1, int y1, int x2, int y2, std::vector<SDL_Point>& pixels);
