#include "render/water_pipe_sprite.h"

#include <SDL_image.h>

#include <algorithm>
#include <cmath>

#include "render/asset_files.h"
#include "render/design_grid.h"
#include "render/texture_caches.h"

namespace {

constexpr float PI = 3.14159265f;

struct Point {
    float x;
    float y;
};

constexpr int SIDES[] = {PIPE_NORTH, PIPE_EAST, PIPE_SOUTH, PIPE_WEST};

Point edgeMidpoint(int side)
{
    switch (side) {
    case PIPE_NORTH:
        return {16, 0};
    case PIPE_EAST:
        return {32, 16};
    case PIPE_SOUTH:
        return {16, 32};
    default:
        return {0, 16};
    }
}

Point lerp(Point a, Point b, float t) { return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}; }

float distance(Point a, Point b) { return std::hypot(a.x - b.x, a.y - b.y); }

float segmentDistance(Point p, Point a, Point b)
{
    const float dx = b.x - a.x, dy = b.y - a.y;
    const float t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0f, 1.0f);
    return distance(p, lerp(a, b, t));
}

bool isCorner(int mask) { return mask == 3 || mask == 6 || mask == 9 || mask == 12; }
bool isSingleSide(int mask)
{
    return mask == PIPE_NORTH || mask == PIPE_EAST || mask == PIPE_SOUTH || mask == PIPE_WEST;
}

// The centre of a corner's bend: the arc of radius 10 about it joins the two stubs.
constexpr float BEND_RADIUS = 10.0f;
constexpr float STUB = 6.0f;
Point bendCentre(int mask) { return {(mask & PIPE_EAST) != 0 ? 26.0f : 6.0f, (mask & PIPE_SOUTH) != 0 ? 26.0f : 6.0f}; }

// ---- Painted shapes ----------------------------------------------------------

struct TubeDistance {
    float d = 100.0f;  // from the pipe's centre line, in design units
    bool lit = false;  // the upper or left half of the tube
};

void takeNearer(TubeDistance& best, float d, bool lit)
{
    if (d < best.d) best = {d, lit};
}

TubeDistance cornerDistance(int mask, Point p)
{
    const Point c = bendCentre(mask);
    const bool east = (mask & PIPE_EAST) != 0, south = (mask & PIPE_SOUTH) != 0;
    const bool inQuarter = (east ? p.x <= c.x : p.x >= c.x) && (south ? p.y <= c.y : p.y >= c.y);
    TubeDistance best;
    if (inQuarter) best = {std::fabs(distance(p, c) - BEND_RADIUS), distance(p, c) > BEND_RADIUS};
    const float verticalStub = south ? segmentDistance(p, {16, 26}, {16, 32}) : segmentDistance(p, {16, 0}, {16, 6});
    takeNearer(best, verticalStub, p.x < 16);
    const float horizontalStub = east ? segmentDistance(p, {26, 16}, {32, 16}) : segmentDistance(p, {0, 16}, {6, 16});
    takeNearer(best, horizontalStub, p.y < 16);
    return best;
}

TubeDistance tubeDistance(int mask, Point p)
{
    if (mask == 0) return {distance(p, {16, 16}), p.x < 16};
    if (isCorner(mask)) return cornerDistance(mask, p);
    TubeDistance best;
    for (const int side : SIDES) {
        if ((mask & side) == 0) continue;
        const bool vertical = side == PIPE_NORTH || side == PIPE_SOUTH;
        takeNearer(best, segmentDistance(p, {16, 16}, edgeMidpoint(side)), vertical ? p.x < 16 : p.y < 16);
    }
    return best;
}

// Water in the middle, a dark inner wall, a light metal wall, dark rims and a
// soft shadow; the lit half lighter.
SDL_Color tubeColour(const TubeDistance& t)
{
    if (t.d <= 2) return t.lit ? SDL_Color{30, 185, 250, 255} : SDL_Color{9, 117, 231, 255};
    if (t.d <= 4) return t.lit ? SDL_Color{16, 158, 244, 255} : SDL_Color{7, 103, 216, 255};
    if (t.d <= 5) return {4, 43, 104, 255};
    if (t.d <= 6) return t.lit ? SDL_Color{198, 224, 238, 255} : SDL_Color{103, 139, 162, 255};
    if (t.d <= 7) return {58, 79, 95, 255};
    if (t.d <= 8) return {3, 11, 20, 255};
    if (t.d <= 9) return {8, 18, 27, 255};
    return {0, 0, 0, 0};
}

void paintShape(SDL_Surface* surface, int mask)
{
    for (int j = 0; j < DESIGN_UNITS; ++j) {
        auto* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) + j * surface->pitch);
        for (int i = 0; i < DESIGN_UNITS; ++i) {
            const SDL_Color c = tubeColour(tubeDistance(mask, {i + 0.5f, j + 0.5f}));
            row[i] = SDL_MapRGBA(surface->format, c.r, c.g, c.b, c.a);
        }
    }
}

// ---- Flow dot and couplings ----------------------------------------------------

constexpr SDL_Color FLOW_DOT{174, 229, 255, 255};

// A dot of three by three design pixels about (x, y), cut to the grid.
struct PlotDesignDot {
    FillDesignRectRgb fill;
    SDL_Color colour;

    void operator()(Point p) const
    {
        const int cx = static_cast<int>(std::lround(p.x)), cy = static_cast<int>(std::lround(p.y));
        const int x0 = std::max(0, cx - 1), x1 = std::min(DESIGN_UNITS - 1, cx + 1);
        const int y0 = std::max(0, cy - 1), y1 = std::min(DESIGN_UNITS - 1, cy + 1);
        if (x0 > x1 || y0 > y1) return;
        fill(x0, y0, x1 - x0 + 1, y1 - y0 + 1, colour.r, colour.g, colour.b);
    }
};

// One coupling with its top-left corner at design point (x, y): 6 × 22 upright,
// 22 × 6 lying, with a light edge and two bolts.
struct DrawPipeFlange {
    FillDesignRectRgb fill;

    void operator()(int x, int y, bool vertical) const
    {
        const int w = vertical ? 6 : 22, h = vertical ? 22 : 6;
        fill(x, y, w, h, 3, 10, 18);
        fill(x + 1, y + 1, w - 2, h - 2, 87, 119, 144);
        if (vertical) {
            fill(x + 1, y + 1, 1, 20, 205, 225, 236);
            for (const int by : {y + 3, y + 17}) {
                fill(x + 2, by, 3, 2, 170, 199, 219);
                fill(x + 2, by, 1, 1, 231, 246, 251);
            }
            return;
        }
        fill(x + 1, y + 1, 20, 1, 205, 225, 236);
        for (const int bx : {x + 3, x + 17}) {
            fill(bx, y + 2, 3, 3, 30, 57, 80);
            fill(bx, y + 2, 1, 1, 235, 246, 251);
        }
    }
};

Point inward(int side)
{
    const Point m = edgeMidpoint(side);
    return lerp(m, {16, 16}, STUB / 16.0f);
}

// Through a corner the dot follows the centre line: a stub, the bend, a stub.
Point cornerDotAt(int mask, int inSide, int outSide, float phase)
{
    constexpr float ARC = BEND_RADIUS * PI / 2.0f;
    constexpr float LENGTH = 2.0f * STUB + ARC;
    const float s = phase * LENGTH / 32.0f;
    const Point in = edgeMidpoint(inSide), out = edgeMidpoint(outSide);
    const Point arcStart = inward(inSide), arcEnd = inward(outSide);
    if (s < STUB) return lerp(in, arcStart, s / STUB);
    if (s >= STUB + ARC) return lerp(arcEnd, out, (s - STUB - ARC) / STUB);
    const Point c = bendCentre(mask);
    const float a0 = std::atan2(arcStart.y - c.y, arcStart.x - c.x);
    const float a1 = std::atan2(arcEnd.y - c.y, arcEnd.x - c.x);
    float turn = a1 - a0;
    if (turn > PI) turn -= 2.0f * PI;
    if (turn < -PI) turn += 2.0f * PI;
    const float a = a0 + turn * (s - STUB) / ARC;
    return {c.x + BEND_RADIUS * std::cos(a), c.y + BEND_RADIUS * std::sin(a)};
}

// A cycle of 64 units takes 4/3 s: the dot shows for its first half, entering
// to the centre and leaving from it; each flow step delays it half a cycle.
void drawFlowDot(const PlotDesignDot& dot, int mask, int inMask, int outMask, float time, int flowStep)
{
    if (inMask == 0 && outMask == 0) return;
    float phase = std::fmod(48.0f * time - 32.0f * static_cast<float>(flowStep), 64.0f);
    if (phase < 0) phase += 64.0f;
    if (phase >= 32.0f) return;
    if (isCorner(mask) && isSingleSide(inMask) && isSingleSide(outMask))
        return dot(cornerDotAt(mask, inMask, outMask, phase));
    const bool entering = phase < 16.0f;
    for (const int side : SIDES) {
        if (entering && (inMask & side) != 0) dot(lerp(edgeMidpoint(side), {16, 16}, phase / 16.0f));
        if (!entering && (outMask & side) != 0) dot(lerp({16, 16}, edgeMidpoint(side), (phase - 16.0f) / 16.0f));
    }
}

// One coupling an axis, at the north or else the south end and at the west or
// else the east end.
void drawCouplings(const DrawPipeFlange& flange, int mask)
{
    if ((mask & PIPE_NORTH) != 0)
        flange(5, 0, false);
    else if ((mask & PIPE_SOUTH) != 0)
        flange(5, 26, false);
    if ((mask & PIPE_WEST) != 0)
        flange(0, 5, true);
    else if ((mask & PIPE_EAST) != 0)
        flange(26, 5, true);
}

SDL_Texture* pipeTexture(SDL_Renderer* renderer, int n)
{
    TextureCaches& c = textureCaches();
    if (renderer != c.waterPipeRenderer) {
        clearWaterPipeTextures();
        c.waterPipeRenderer = renderer;
    }
    SDL_Texture*& slot = c.waterPipes[n];
    if (slot != nullptr) return slot;
    slot = IMG_LoadTexture(renderer, controlSheetPath(waterPipeFile(n)).c_str());
    if (slot == nullptr) slot = exportWaterPipePng(renderer, n, "");
    if (slot != nullptr) SDL_SetTextureScaleMode(slot, SDL_ScaleModeNearest);
    return slot;
}

}  // namespace

void drawWaterPipe(SDL_Renderer* renderer, int x, int y, int w, int h, int mask, int inMask, int outMask, float time,
                   int flowStep)
{
    const int n = mask & 15;
    const SDL_Rect r{x, y, w, h};
    if (SDL_Texture* shape = pipeTexture(renderer, n)) SDL_RenderCopy(renderer, shape, nullptr, &r);
    const FillDesignRectRgb fill{renderer, r};
    drawFlowDot(PlotDesignDot{fill, FLOW_DOT}, n, inMask, outMask, time, flowStep);
    drawCouplings(DrawPipeFlange{fill}, n);
}

SDL_Texture* exportWaterPipePng(SDL_Renderer* renderer, int n, const std::string& path)
{
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, DESIGN_UNITS, DESIGN_UNITS, 32, SDL_PIXELFORMAT_ABGR8888);
    if (surface == nullptr) return nullptr;
    paintShape(surface, n & 15);
    if (!path.empty() && IMG_SavePNG(surface, path.c_str()) != 0) {
        SDL_Log("Wasserrohr-PNG %s konnte nicht gespeichert werden: %s", path.c_str(), SDL_GetError());
        SDL_FreeSurface(surface);
        return nullptr;
    }
    SDL_Texture* texture = SDL_CreateTextureFromSurface(renderer, surface);
    SDL_FreeSurface(surface);
    if (texture != nullptr) SDL_SetTextureScaleMode(texture, SDL_ScaleModeNearest);
    return texture;
}
