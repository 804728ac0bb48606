#include "render/opaque_sketch.h"

#include <algorithm>

#include "render/line_batch.h"

namespace {

SDL_Rect overlap(const SDL_Rect& a, const SDL_Rect& b)
{
    SDL_Rect both{};
    if (SDL_IntersectRect(&a, &b, &both) == SDL_FALSE) return {0, 0, 0, 0};
    return both;
}

}  // namespace

OpaqueSketch::OpaqueSketch(SDL_Renderer* renderer, const SDL_Rect& area)
    : renderer_(renderer), bounds_(lineBounds(renderer)), area_(overlap(bounds_, area)),
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
    slanted_.clear();
    addSlantedLinePixels(bounds_, x1, y1, x2, y2, slanted_);
    for (const SDL_Point& p : slanted_)
        plot(p.x, p.y);
}

void OpaqueSketch::point(int x, int y) { plot(x, y); }

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
