#include "app/tile_marks.h"

#include <algorithm>
#include <cmath>

#include "render/bitmap_font.h"
#include "render/design_grid.h"
#include "world/sensor_directions.h"
#include "world/tile_warning.h"

namespace {

constexpr double DIAGONAL_STEP = 0.70710677;

// A detection lights the belt white this long, then fades in its colour.
constexpr float FLASH_WHITE_SECONDS = 0.26f;

constexpr PackedColor DETECTED_MATCH = packColor(53, 255, 112);
constexpr PackedColor DETECTED_OTHER = packColor(255, 53, 72);
constexpr PackedColor SENSOR_IDLE_LIGHT = packColor(130, 232, 245);

void fill(SDL_Renderer* renderer, const SDL_Rect& rect, PackedColor colour)
{
    setDrawColor(renderer, colour);
    SDL_RenderFillRect(renderer, &rect);
}

void line(SDL_Renderer* renderer, int x0, int y0, int x1, int y1, PackedColor colour)
{
    setDrawColor(renderer, colour);
    SDL_RenderDrawLine(renderer, x0, y0, x1, y1);
}

int rounded(double v) { return static_cast<int>(std::lround(v)); }

// The head's proportions at one tile size and view.
struct HeadSize {
    int w = 0;
    int h = 0;
    int setBack = 0;  // the body sits this far behind the tile centre
    int lens = 0;
    int mount = 0;
};

HeadSize headSize(int t, bool horizontal, bool vertical)
{
    HeadSize size;
    const int length = t == 24 ? 15 : 5 * t / 8;
    const int width = t == 24 ? 10 : 7 * t / 16;
    size.w = horizontal ? length : width;
    size.h = vertical ? length : width;
    size.setBack = t >= 32 ? t / 16 : 1;
    size.lens = t >= 28 ? t / 4 : 6;
    size.mount = t >= 32 ? t / 8 : 3;
    return size;
}

void drawHeadBody(SDL_Renderer* renderer, const SDL_Rect& b)
{
    fill(renderer, {b.x + 2, b.y + 2, b.w, b.h}, packColor(6, 12, 19));
    fill(renderer, b, packColor(17, 29, 41));
    fill(renderer, {b.x + 1, b.y + 1, b.w - 2, b.h - 2}, packColor(105, 133, 148));
    fill(renderer, {b.x + 2, b.y + 2, std::max(1, b.w - 4), std::max(1, b.h - 4)}, packColor(45, 68, 83));
    const PackedColor light = packColor(170, 201, 208);
    line(renderer, b.x + 2, b.y + 1, b.x + b.w - 3, b.y + 1, light);
    line(renderer, b.x + 1, b.y + 2, b.x + 1, b.y + b.h - 3, light);
    line(renderer, b.x + 2, b.y + b.h - 1, b.x + b.w - 2, b.y + b.h - 1, packColor(16, 34, 47));
}

PackedColor detectionColour(const Tile& sensor) { return sensor.sensorSeenMatch ? DETECTED_MATCH : DETECTED_OTHER; }

}  // namespace

void drawSensorHead(SDL_Renderer* renderer, const Tile& sensor, const SDL_Rect& square)
{
    const int t = square.w;
    const TileOffset step =
        SENSOR_DIRECTIONS[static_cast<std::size_t>(sensorViewIndex(sensor.sensorTargetIndex, sensor.dir))];
    const bool diagonal = step.dx != 0 && step.dy != 0;
    const double dx = step.dx * (diagonal ? DIAGONAL_STEP : 1.0);
    const double dy = step.dy * (diagonal ? DIAGONAL_STEP : 1.0);
    const HeadSize size = headSize(t, step.dy == 0, step.dx == 0);
    const int w = size.w, h = size.h, k = size.setBack, lens = size.lens, m = size.mount;

    const int cx = square.x + t / 2, cy = square.y + t / 2;
    const int bx = cx - rounded(k * dx), by = cy - rounded(k * dy);
    const int mx = bx - rounded(w / 4 * dx), my = by - rounded(h / 4 * dy);
    const int lx = cx + rounded((lens / 2 + w / 2 - k) * dx), ly = cy + rounded((lens / 2 + h / 2 - k) * dy);

    drawHeadBody(renderer, {bx - w / 2, by - h / 2, w, h});
    fill(renderer, {mx - m / 2 + 1, my - m / 2 + 1, m + 1, m + 1}, packColor(12, 24, 34));
    fill(renderer, {mx - m / 2, my - m / 2, m, m}, packColor(112, 157, 174));
    if (diagonal) {
        // A neck five lines wide from the body's face to the lens.
        const int fx = bx + rounded((w / 2 - k) * dx), fy = by + rounded((h / 2 - k) * dy);
        for (int s = -2; s <= 2; ++s) {
            const int ox = -rounded(s * dy), oy = rounded(s * dx);
            line(renderer, fx + ox, fy + oy, lx + ox, ly + oy, packColor(13, 29, 42));
        }
    }
    fill(renderer, {lx - (lens + 2) / 2, ly - (lens + 2) / 2, lens + 2, lens + 2}, packColor(10, 24, 35));
    fill(renderer, {lx - lens / 2, ly - lens / 2, lens, lens}, packColor(3, 5, 9));
    setDrawColor(renderer, sensor.sensorFlash > 0.0f ? detectionColour(sensor) : SENSOR_IDLE_LIGHT);
    SDL_RenderDrawPoint(renderer, lx - lens / 2 + 1, ly - lens / 2 + 1);
}

int warningBadgeSize(int tileSize) { return tileSize > 32 ? tileSize / 3 : 10; }

void drawWarningBadge(SDL_Renderer* renderer, unsigned warnings, const SDL_Rect& square)
{
    const int s = warningBadgeSize(square.w);
    const SDL_Rect badge{square.x + square.w - s - 1, square.y + 1, s, s};
    const bool severe = (warnings & (STORAGE_FULL | OUTPUT_BLOCKED)) != 0;
    fill(renderer, badge, severe ? packColor(211, 67, 67, 245) : packColor(230, 164, 62, 245));
    const char* letter = "X";
    if ((warnings & STORAGE_FULL) != 0) {
        letter = "F";
    } else if ((warnings & COAL_MISSING) != 0) {
        letter = "K";
    } else if ((warnings & OUTPUT_BLOCKED) != 0) {
        letter = "A";
    }
    SDL_SetRenderDrawColor(renderer, 255, 250, 235, 255);
    drawBitmapText(renderer, letter, badge.x + (s - GLYPH_WIDTH) / 2, badge.y + 2, 1);
}

void drawSensorFlash(SDL_Renderer* renderer, const Tile& sensor, const SDL_Rect& beltSquare)
{
    const bool white = sensor.sensorFlash > FLASH_WHITE_SECONDS;
    const float strength = white ? 1.0f : sensor.sensorFlash / FLASH_WHITE_SECONDS;
    const PackedColor colour = white ? packColor(255, 255, 255) : detectionColour(sensor);
    SDL_BlendMode previous = SDL_BLENDMODE_NONE;
    SDL_GetRenderDrawBlendMode(renderer, &previous);
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_ADD);
    SDL_SetRenderDrawColor(renderer, colour & 0xFF, colour >> 8 & 0xFF, colour >> 16 & 0xFF,
                           static_cast<Uint8>(245.0f * strength));
    SDL_RenderFillRect(renderer, &beltSquare);
    SDL_SetRenderDrawBlendMode(renderer, previous);
}

void drawWaterGauge(SDL_Renderer* renderer, bool supplied, const SDL_Rect& square)
{
    const int t = square.w;
    const auto unitRect = [&](int x, int y, int w, int h) {
        return SDL_Rect{square.x + x * t / 32, square.y + y * t / 32, std::max(1, w * t / 32), std::max(1, h * t / 32)};
    };
    fill(renderer, unitRect(22, 2, 9, 10), packColor(18, 31, 39));
    fill(renderer, unitRect(23, 3, 7, 8), packColor(138, 163, 169));
    fill(renderer, unitRect(24, 4, 6, 5), supplied ? packColor(34, 112, 225) : packColor(115, 57, 55));
    fill(renderer, unitRect(25, 4, 2, 3), supplied ? packColor(169, 207, 255) : packColor(205, 93, 77));
}
