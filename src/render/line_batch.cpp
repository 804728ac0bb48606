#include "render/line_batch.h"

#include <algorithm>
#include <cstdlib>

LineBatch::LineBatch(SDL_Renderer* renderer) : renderer_(renderer), bounds_(lineBounds(renderer)) {}

void LineBatch::add(int x1, int y1, int x2, int y2)
{
    // SDL fills a level or upright line as a rectangle and steps any other
    // one pixel by pixel from where it enters the drawn area.
    if (x1 == x2 || y1 == y2) {
        addSpan(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
    } else {
        forEachSlantedLinePixel(bounds_, x1, y1, x2, y2, [this](int x, int y) { points_.push_back({x, y}); });
    }
}

void LineBatch::addSpan(int left, int top, int right, int bottom)
{
    spans_.push_back({left, top, right - left + 1, bottom - top + 1});
}

void LineBatch::draw()
{
    if (!spans_.empty()) SDL_RenderFillRects(renderer_, spans_.data(), static_cast<int>(spans_.size()));
    if (!points_.empty()) SDL_RenderDrawPoints(renderer_, points_.data(), static_cast<int>(points_.size()));
    spans_.clear();
    points_.clear();
}

SDL_Rect lineBounds(SDL_Renderer* renderer)
{
    // A renderer made for a window steps a slanted line whole and leaves out
    // the points beyond the clip; the software renderer on a bare surface cuts
    // the line at the clip first, which may shift its steps.
    constexpr int FAR = 1 << 24;  // beyond any line drawn
    SDL_Rect bounds{-FAR, -FAR, 2 * FAR, 2 * FAR};
    if (SDL_RenderGetWindow(renderer) != nullptr) return bounds;
    if (SDL_RenderIsClipEnabled(renderer) == SDL_TRUE) {
        SDL_RenderGetClipRect(renderer, &bounds);
    } else {
        SDL_RenderGetViewport(renderer, &bounds);
    }
    return bounds;
}
