#include "render/ejector_sprite.h"

#include <algorithm>
#include <cstdlib>

#include "render/sprite_shapes.h"

namespace {

struct EjectorMeasures {
    int rail;
    int plateThickness;
    int plateLength;
};

EjectorMeasures ejectorMeasures(int w) { return {w <= 29 ? 5 : w / 5, w <= 35 ? 5 : w / 6, w <= 13 ? 10 : 4 * w / 5}; }

// The rail from just off the centre to the back face of the plate, with a
// lighter inner rail and a highlight along it.
void drawRail(SDL_Renderer* renderer, int cx, int cy, int w, int h, int dx, int dy, SDL_Point plate, int thickness,
              int rail)
{
    const bool alongX = dx != 0;
    const int a = alongX ? cx + static_cast<int>(0.2f * dx * w) : cy + static_cast<int>(0.2f * dy * h);
    const int b =
        alongX ? plate.x - static_cast<int>(thickness * dx * 0.5f) : plate.y - static_cast<int>(thickness * dy * 0.5f);
    const int start = std::min(a, b);
    const int length = std::abs(b - a) + 1;
    const int inner = std::max(1, rail - 2);
    if (alongX) {
        const int top = cy - rail / 2;
        fillPixels(renderer, {start, top, length, rail}, packColor(12, 20, 26));
        fillPixels(renderer, {start, top + 1, length, inner}, packColor(105, 124, 133));
        drawPixelLine(renderer, start, top + 1, start + length - 1, top + 1, packColor(218, 230, 231));
    } else {
        const int left = cx - rail / 2;
        fillPixels(renderer, {left, start, rail, length}, packColor(12, 20, 26));
        fillPixels(renderer, {left + 1, start, inner, length}, packColor(105, 124, 133));
        drawPixelLine(renderer, left + 1, start, left + 1, start + length - 1, packColor(218, 230, 231));
    }
}

// The plate across the push with its shadow, bevel, rivets and a gold pushing face.
void drawPlate(SDL_Renderer* renderer, int dx, int dy, SDL_Point centre, int thickness, int length)
{
    const bool alongX = dx != 0;
    const SDL_Rect p = alongX ? SDL_Rect{centre.x - thickness / 2, centre.y - length / 2, thickness, length}
                              : SDL_Rect{centre.x - length / 2, centre.y - thickness / 2, length, thickness};
    const int X = p.x, Y = p.y, W = p.w, H = p.h;
    fillPixels(renderer, {X + 2, Y + 2, W, H}, packColor(5, 12, 19));
    fillPixels(renderer, p, packColor(36, 52, 61));
    fillPixels(renderer, {X + 1, Y + 1, std::max(1, W - 2), std::max(1, H - 2)}, packColor(132, 153, 161));

    const PackedColor bevel = packColor(184, 202, 205);
    const PackedColor shine = packColor(238, 246, 238);
    const PackedColor rivet = packColor(68, 83, 90);
    const PackedColor face = packColor(226, 170, 63);
    if (alongX) {
        drawPixelLine(renderer, X + 2, Y + 2, X + W - 3, Y + 2, bevel);
        drawPixelLine(renderer, X + 2, Y + H - 3, X + W - 3, Y + H - 3, bevel);
        drawPixelLine(renderer, X + 4, Y + 3, X + W - 5, Y + 3, shine);
        fillPixels(renderer, {X + 2, Y + H / 2 - 1, 2, 2}, rivet);
        fillPixels(renderer, {X + W - 4, Y + H / 2 - 1, 2, 2}, rivet);
        const int faceX = dx > 0 ? X + W - 1 : X;
        drawPixelLine(renderer, faceX, Y + 2, faceX, Y + H - 3, face);
    } else {
        drawPixelLine(renderer, X + 2, Y + 2, X + 2, Y + H - 3, bevel);
        drawPixelLine(renderer, X + W - 3, Y + 2, X + W - 3, Y + H - 3, bevel);
        drawPixelLine(renderer, X + 3, Y + 4, X + 3, Y + H - 5, shine);
        fillPixels(renderer, {X + W / 2 - 1, Y + 2, 2, 2}, rivet);
        fillPixels(renderer, {X + W / 2 - 1, Y + H - 4, 2, 2}, rivet);
        const int faceY = dy > 0 ? Y + H - 1 : Y;
        drawPixelLine(renderer, X + 2, faceY, X + W - 3, faceY, face);
    }
}

}  // namespace

void drawEjectorSprite(SDL_Renderer* renderer, int x, int y, int w, int h, const Tile& tile, bool railPass,
                       bool platePass)
{
    if (!railPass && !platePass) return;
    const EjectorMeasures m = ejectorMeasures(w);
    const float stroke = std::clamp(tile.ejectorStroke, 0.5f, 2.0f);
    const Direction facing = isCompassDirection(tile.dir) ? tile.dir : NORTH;
    const int dx = directionDx(facing);
    const int dy = directionDy(facing);
    const int cx = x + w / 2;
    const int cy = y + h / 2;
    const SDL_Point plate{cx + static_cast<int>(dx * w * stroke), cy + static_cast<int>(dy * h * stroke)};
    if (railPass) drawRail(renderer, cx, cy, w, h, dx, dy, plate, m.plateThickness, m.rail);
    if (platePass) drawPlate(renderer, dx, dy, plate, m.plateThickness, m.plateLength);
}
