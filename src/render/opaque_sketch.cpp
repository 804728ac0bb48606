#include "render/opaque_sketch.h"

#include <algorithm>
#include <cstdlib>

#include "render/clip_scope.h"
#include "render/line_batch.h"

namespace {

SDL_Rect overlap(const SDL_Rect& a, const SDL_Rect& b)
{
    SDL_Rect both{};
    if (SDL_IntersectRect(&a, &b, &both) == SDL_FALSE) return {0, 0, 0, 0};
    return both;
}

bool contains(const SDL_Rect& outer, const SDL_Rect& inner)
{
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.w <= outer.x + outer.w &&
           inner.y + inner.h <= outer.y + outer.h;
}

}  // namespace

OpaqueSketch::OpaqueSketch(SDL_Renderer* renderer, const SDL_Rect& area)
    : renderer_(renderer), cut_(lineBounds(renderer)), area_(overlap(shownArea(renderer), area)),
      colourAt_(static_cast<std::size_t>(area_.w) * static_cast<std::size_t>(area_.h), 0)
{
}

void OpaqueSketch::setColour(PackedColor colour)
{
    auto known = std::find(colours_.begin(), colours_.end(), colour);
    if (known == colours_.end()) {
        // With every index taken, what is sketched so far goes onto the renderer first.
        if (colours_.size() == UINT8_MAX) draw();
        colours_.push_back(colour);
        known = colours_.end() - 1;
    }
    colour_ = static_cast<std::uint8_t>(known - colours_.begin() + 1);
}

void OpaqueSketch::line(int x1, int y1, int x2, int y2)
{
    // A level or upright line is filled as a rectangle, and only a slanted
    // one is cut to the bounds before it is stepped.
    if (x1 == x2 || y1 == y2) {
        fill({std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + 1, std::abs(y2 - y1) + 1});
        return;
    }
    forEachSlantedLinePixel(cut_, x1, y1, x2, y2, [this](int x, int y) { plot(x, y); });
}

void OpaqueSketch::point(int x, int y) { plot(x, y); }

void OpaqueSketch::spreadLine(int x1, int y1, int x2, int y2, int spread)
{
    const SDL_Rect reach{std::min(x1, x2) - spread, std::min(y1, y2) - spread, std::abs(x2 - x1) + 2 * spread + 1,
                         std::abs(y2 - y1) + 2 * spread + 1};
    // Level and upright copies are rectangles that together fill the reach.
    if (x1 == x2 || y1 == y2) return fill(reach);
    // A copy SDL cuts may take other steps than the line: those are drawn one by one.
    if (!contains(cut_, reach)) {
        for (int oy = -spread; oy <= spread; ++oy) {
            for (int ox = -spread; ox <= spread; ++ox)
                line(x1 + ox, y1 + oy, x2 + ox, y2 + oy);
        }
        return;
    }
    // Uncut, each copy is the line moved: a square of pixels lies round each of its pixels.
    const SDL_Rect inner{area_.x + spread, area_.y + spread, area_.w - 2 * spread, area_.h - 2 * spread};
    forEachSlantedLinePixel(cut_, x1, y1, x2, y2, [&](int x, int y) {
        if (!contains(inner, {x, y, 1, 1})) {
            for (int oy = -spread; oy <= spread; ++oy) {
                for (int ox = -spread; ox <= spread; ++ox)
                    plot(x + ox, y + oy);
            }
            return;
        }
        for (int row = y - spread - area_.y; row <= y + spread - area_.y; ++row) {
            const int first = row * area_.w + x - spread - area_.x;
            for (int at = first; at <= first + 2 * spread; ++at)
                paint(at);
        }
    });
}

void OpaqueSketch::fill(const SDL_Rect& rect)
{
    const SDL_Rect inside = overlap(rect, area_);
    for (int row = inside.y - area_.y; row < inside.y - area_.y + inside.h; ++row) {
        const int first = row * area_.w + inside.x - area_.x;
        for (int at = first; at < first + inside.w; ++at)
            paint(at);
    }
}

void OpaqueSketch::draw()
{
    std::vector<std::vector<SDL_Point>> byColour(colours_.size());
    for (const int at : touched_) {
        std::uint8_t& here = colourAt_[static_cast<std::size_t>(at)];
        if (here == 0) continue;  // drawn before any colour was set
        byColour[here - 1U].push_back({area_.x + at % area_.w, area_.y + at / area_.w});
        here = 0;
    }
    for (std::size_t i = 0; i < colours_.size(); ++i) {
        setDrawColor(renderer_, colours_[i]);
        if (!byColour[i].empty())
            SDL_RenderDrawPoints(renderer_, byColour[i].data(), static_cast<int>(byColour[i].size()));
    }
    touched_.clear();
    colours_.clear();
    colour_ = 0;
}
