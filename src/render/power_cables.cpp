#include "render/power_cables.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "render/clip_scope.h"
#include "render/opaque_sketch.h"
#include "world/power_overview.h"

namespace {

constexpr double STRAND_OFFSET = 3.0;
constexpr double MAX_SAG = 9.0;                 // pixels at a cable's middle
constexpr double SAG_PER_LENGTH = 0.1;          // of the cable's length, up to the maximum
constexpr double PIXELS_PER_CABLE_SEGMENT = 7;  // a strand bends every 7 pixels
constexpr int MIN_CABLE_SEGMENTS = 4;
// How far a cable's strands, shadow and caps reach beyond the box of its two ends.
constexpr int CABLE_REACH = 16;

constexpr PackedColor CABLE_SHADOW = packColor(12, 16, 18);
constexpr PackedColor CABLE_CORE = packColor(165, 112, 48);
constexpr PackedColor CABLE_HIGHLIGHT = packColor(226, 169, 76);
constexpr PackedColor CAP_RIM = packColor(17, 22, 24);
constexpr PackedColor CAP_FACE = packColor(202, 213, 203);
constexpr PackedColor CAP_SCREW = packColor(238, 178, 68);

constexpr std::array<PackedColor, 6> NETWORK_COLORS = {
    packColor(87, 192, 244), packColor(236, 177, 78),  packColor(175, 130, 238),
    packColor(89, 214, 157), packColor(239, 124, 157), packColor(153, 198, 90),
};
constexpr PackedColor NO_NETWORK_COLOR = packColor(135, 140, 145);
constexpr PackedColor POLE_RANGE_COLOR = packColor(70, 155, 235);
constexpr std::uint8_t RANGE_FILL_ALPHA = 35;
constexpr std::uint8_t RANGE_OUTLINE_ALPHA = 180;

int rounded(double v) { return static_cast<int>(std::lround(v)); }

void paintSegment(OpaqueSketch& sketch, ScreenPoint p, ScreenPoint q)
{
    sketch.setColour(CABLE_SHADOW);
    sketch.spreadLine(p.x, p.y, q.x, q.y, 1);
    sketch.setColour(CABLE_CORE);
    sketch.line(p.x, p.y, q.x, q.y);
    sketch.setColour(CABLE_HIGHLIGHT);
    sketch.point(q.x, q.y - 1);
}

void paintSquare(OpaqueSketch& sketch, int x, int y, int size, PackedColor colour)
{
    sketch.setColour(colour);
    sketch.fill({x, y, size, size});
}

void paintCap(OpaqueSketch& sketch, ScreenPoint p)
{
    paintSquare(sketch, p.x - 3, p.y - 3, 7, CAP_RIM);
    paintSquare(sketch, p.x - 2, p.y - 2, 5, CAP_FACE);
    paintSquare(sketch, p.x - 1, p.y - 1, 2, CAP_SCREW);
}

// Where a cable's strands, shadow and caps can reach.
SDL_Rect cableReach(const CableEnds& cable)
{
    const ScreenPoint a = cable.a, b = cable.b;
    return {std::min(a.x, b.x) - CABLE_REACH, std::min(a.y, b.y) - CABLE_REACH,
            std::abs(a.x - b.x) + 2 * CABLE_REACH + 1, std::abs(a.y - b.y) + 2 * CABLE_REACH + 1};
}

void paintCable(OpaqueSketch& sketch, const CableEnds& cable)
{
    for (const int side : CABLE_STRAND_SIDES) {
        const Route strand = cableStrand(cable.a, cable.b, side);
        for (std::size_t i = 1; i < strand.size(); ++i)
            paintSegment(sketch, strand[i - 1], strand[i]);
    }
    paintCap(sketch, cable.a);
    paintCap(sketch, cable.b);
}

PackedColor withAlpha(PackedColor colour, std::uint8_t alpha)
{
    return (colour & 0x00FFFFFFu) | PackedColor{alpha} << 24;
}

}  // namespace

Route cableStrand(ScreenPoint a, ScreenPoint b, int side)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    double length = std::sqrt(dx * dx + dy * dy);
    int segments = std::max(MIN_CABLE_SEGMENTS, static_cast<int>(length / PIXELS_PER_CABLE_SEGMENT));
    if (length <= 1.0) {
        segments = MIN_CABLE_SEGMENTS;
        length = 1.0;
    }
    const double ox = -dy / length * STRAND_OFFSET * side;
    const double oy = dx / length * STRAND_OFFSET * side;
    const double sag = 4.0 * std::min(MAX_SAG, length * SAG_PER_LENGTH);
    Route strand{{a.x + rounded(ox), a.y + rounded(oy)}};
    for (int i = 1; i <= segments; ++i) {
        const double t = static_cast<double>(i) / segments;
        strand.push_back({rounded(a.x + dx * t + ox), rounded(a.y + dy * t + oy + sag * t * (1.0 - t))});
    }
    return strand;
}

void drawCable(SDL_Renderer* renderer, ScreenPoint a, ScreenPoint b)
{
    const CableEnds cable{a, b};
    drawCables(renderer, std::span(&cable, 1));
}

void drawCables(SDL_Renderer* renderer, std::span<const CableEnds> cables)
{
    // Only the cables that reach into the clip are sketched, over the box round all of them.
    std::vector<const CableEnds*> shown;
    SDL_Rect area{};
    for (const CableEnds& cable : cables) {
        const SDL_Rect reach = cableReach(cable);
        if (clipExcludes(renderer, reach)) continue;
        if (shown.empty()) {
            area = reach;
        } else {
            SDL_UnionRect(&area, &reach, &area);
        }
        shown.push_back(&cable);
    }
    if (shown.empty()) return;
    OpaqueSketch sketch(renderer, area);
    for (const CableEnds* cable : shown)
        paintCable(sketch, *cable);
    sketch.draw();
}

PackedColor networkColor(int id)
{
    if (id < 0) return NO_NETWORK_COLOR;
    return NETWORK_COLORS[static_cast<std::size_t>(id) % NETWORK_COLORS.size()];
}

void RangeHighlight::operator()(int x, int y) const
{
    const int ts = scroll.tileSize;
    const int left = std::max(0, x - POLE_REACH);
    const int top = std::max(0, y - POLE_REACH);
    const int right = std::min(x + POLE_REACH + 1, GRID_WIDTH);
    const int bottom = std::min(y + POLE_REACH + 1, GRID_HEIGHT);
    if (right <= left || bottom <= top) return;
    const SDL_Rect square{left * ts - scroll.scrollX, top * ts - scroll.scrollY, (right - left) * ts,
                          (bottom - top) * ts};

    PackedColor colour = POLE_RANGE_COLOR;
    if (byNetwork) {
        const bool known = inGrid(x, y) && static_cast<std::size_t>(tileIndex(x, y)) < networkOfTile.size();
        colour = networkColor(known ? networkOfTile[static_cast<std::size_t>(tileIndex(x, y))] : -1);
    }
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    setDrawColor(renderer, withAlpha(colour, RANGE_FILL_ALPHA));
    SDL_RenderFillRect(renderer, &square);
    setDrawColor(renderer, withAlpha(colour, RANGE_OUTLINE_ALPHA));
    SDL_RenderDrawRect(renderer, &square);
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_NONE);
}
