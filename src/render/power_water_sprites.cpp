#include "render/power_water_sprites.h"

#include <algorithm>
#include <cmath>

#include "render/animation_step.h"
#include "render/sprite_shapes.h"
#include "render/widgets.h"

namespace {

// ---- Coal generator ---------------------------------------------------------

// Coal bunker and the boiler's casing with its firebox.
constexpr DesignFill GENERATOR_CASING[] = {
    {2, 12, 8, 16, packColor(30, 34, 37)},   {3, 10, 6, 4, packColor(99, 75, 54)},
    {4, 11, 4, 3, packColor(24, 25, 27)},    {9, 8, 16, 21, packColor(29, 34, 37)},
    {10, 9, 14, 18, packColor(105, 92, 75)}, {11, 10, 12, 3, packColor(151, 129, 94)},
    {12, 15, 10, 10, packColor(31, 35, 37)},
};

constexpr DesignFill FIRE_BURNING[] = {
    {13, 16, 8, 8, packColor(151, 57, 31)},
    {14, 18, 6, 5, packColor(245, 143, 42)},
    {16, 17, 2, 4, packColor(255, 226, 94)},
};

constexpr DesignFill FIRE_COLD[] = {
    {13, 16, 8, 8, packColor(64, 55, 50)},
    {14, 18, 6, 5, packColor(91, 68, 56)},
};

// The gauge column beside the boiler.
constexpr DesignFill GENERATOR_GAUGE[] = {
    {25, 15, 5, 12, packColor(31, 37, 41)},
    {26, 16, 3, 9, packColor(70, 126, 135)},
    {25, 18, 5, 2, packColor(153, 184, 181)},
};

constexpr DesignFill GENERATOR_CHIMNEY[] = {
    {26, 5, 4, 11, packColor(45, 48, 50)},
    {25, 4, 6, 3, packColor(135, 143, 140)},
};

// ---- Power pole -------------------------------------------------------------

constexpr int INSULATOR_COLUMNS[] = {7, 15, 23};

constexpr DesignFill POLE_CROSSARM[] = {
    {5, 6, 22, 3, packColor(34, 40, 43)}, {4, 5, 24, 2, packColor(132, 140, 137)}, {7, 9, 2, 3, packColor(85, 94, 94)},
    {15, 9, 2, 3, packColor(85, 94, 94)}, {23, 9, 2, 3, packColor(85, 94, 94)},
};

constexpr DesignFill POLE_MAST[] = {
    {13, 8, 6, 3, packColor(47, 54, 56)},   {12, 11, 8, 2, packColor(113, 122, 120)},
    {12, 13, 3, 14, packColor(73, 82, 83)}, {17, 13, 3, 14, packColor(73, 82, 83)},
    {10, 26, 5, 3, packColor(50, 58, 60)},  {17, 26, 5, 3, packColor(50, 58, 60)},
    {9, 29, 14, 2, packColor(27, 33, 35)},
};

// ---- Injection molder -------------------------------------------------------

constexpr float MOLDER_CYCLE_SECONDS = 4.0f;

constexpr DesignFill MOLDER_HOPPER[] = {
    {2, 24, 28, 5, packColor(24, 31, 34)},  {4, 11, 8, 5, packColor(91, 184, 190)},
    {5, 16, 6, 4, packColor(53, 105, 116)}, {6, 20, 4, 6, packColor(39, 72, 80)},
    {11, 17, 8, 6, packColor(42, 91, 103)},
};

constexpr DesignFill MOLDER_TRIM[] = {
    {4, 7, 8, 3, packColor(33, 47, 52)},
    {5, 8, 6, 2, packColor(161, 214, 213)},
    {4, 28, 4, 2, packColor(125, 143, 143)},
    {24, 28, 4, 2, packColor(125, 143, 143)},
};

// How far the press stands open, 0 (closed) to 6 design units, over the cycle
// position p (0..1): it closes at the start, holds, and opens at the end.
float molderStroke(float p)
{
    if (p < 0.12f) return (1.0f - p / 0.12f) * 6.0f;
    if (p <= 0.82f) return 0.0f;
    return (p - 0.82f) / 0.18f * 6.0f;
}

// ---- Water source -----------------------------------------------------------

constexpr DesignFill WATER_SOURCE_DESIGN[] = {
    {12, 0, 8, 5, packColor(5, 18, 29)},      {13, 1, 6, 4, packColor(125, 153, 175)},
    {2, 3, 28, 26, packColor(4, 16, 26)},     {3, 3, 26, 24, packColor(5, 78, 115)},
    {4, 4, 24, 22, packColor(17, 145, 186)},  {5, 5, 22, 20, packColor(4, 30, 53)},
    {6, 6, 20, 18, packColor(110, 154, 179)}, {7, 7, 18, 16, packColor(7, 24, 44)},
    {8, 8, 16, 14, packColor(7, 167, 241)},   {8, 18, 16, 4, packColor(5, 135, 227)},
    {9, 9, 3, 8, packColor(132, 233, 255)},   {12, 26, 8, 6, packColor(5, 18, 29)},
    {13, 27, 6, 5, packColor(132, 163, 184)}, {14, 28, 4, 4, packColor(53, 91, 121)},
};

}  // namespace

int generatorSmokeFrame(float time) { return animationStep(time, 5.0f, 4); }

int poleSparkFrame(float time) { return animationStep(time, 6.0f, 3); }

void drawCoalGeneratorSprite(SDL_Renderer* renderer, const SDL_Rect& r, const Tile& tile, float time)
{
    const bool burning = tile.generatorOn && tile.generatorBurnTime > 0.0f;
    const FillDesignRect fill{renderer, r};
    fillDesigns(fill, GENERATOR_CASING);
    if (burning) {
        fillDesigns(fill, FIRE_BURNING);
    } else {
        fillDesigns(fill, FIRE_COLD);
    }
    fillDesigns(fill, GENERATOR_GAUGE);
    fill(27, 21, 2, 2, tile.generatorOn ? packColor(105, 225, 139) : packColor(174, 64, 61));
    fillDesigns(fill, GENERATOR_CHIMNEY);
    if (burning) {
        // A puff rising out of the chimney, four steps a cycle, five steps a second.
        const int k = generatorSmokeFrame(time);
        fill(27 - k / 2, k + 1, 3, 2, packColor(104, 108, 106, 210));
    }
    fill(8, 27, 19, 2, packColor(19, 23, 25));
}

void drawPowerPoleSprite(SDL_Renderer* renderer, const SDL_Rect& r, bool powered, float time)
{
    const FillDesignRect fill{renderer, r};
    fillDesigns(fill, POLE_CROSSARM);
    for (const int c : INSULATOR_COLUMNS) {
        fill(c - 1, 11, 4, 2, packColor(31, 37, 39));
        fill(c, 11, 2, 5, powered ? packColor(103, 225, 196) : packColor(205, 211, 199));
        fill(c - 1, 13, 4, 1, powered ? packColor(137, 247, 209) : packColor(151, 160, 156));
    }
    fillDesigns(fill, POLE_MAST);
    // Rungs up the mast, stepping from side to side.
    for (const int v : {14, 18, 22}) {
        fill(14, v, 4, 2, packColor(126, 134, 130));
        fill(v % 8 == 6 ? 13 : 17, v - 1, 2, 4, packColor(157, 151, 125));
    }
    fill(14, 18, 4, 5, packColor(22, 28, 30));
    fill(15, 19, 2, 3, powered ? packColor(104, 240, 151) : packColor(128, 62, 58));
    if (powered) {
        const int k = poleSparkFrame(time);
        fill(8 * k + 7, 4, 3, 2, packColor(229, 255, 174));
    }
}

void drawInjectionMolderSprite(SDL_Renderer* renderer, const SDL_Rect& r, const Tile& tile)
{
    const float p = std::clamp(tile.molderTimer / MOLDER_CYCLE_SECONDS, 0.0f, 1.0f);
    const bool working = tile.molderTimer > 0.0f;
    const int h = (static_cast<int>(std::round(molderStroke(p))) + 1) / 2;
    const FillDesignRect fill{renderer, r};

    fillDesigns(fill, MOLDER_HOPPER);
    fill(12, 18, 7, 2, working ? packColor(239, 161, 65) : packColor(112, 139, 142));

    // The mould halves close toward each other as the stroke shrinks.
    fill(19, 9, 10, 15, packColor(28, 39, 44));
    const int a = 7 - h;
    const int b = std::max(1, 5 - h);
    fill(20, 10, 8, a, packColor(75, 151, 160));
    fill(21, 11, 6, b, packColor(24, 34, 38));
    fill(20, 17 + h, 8, a, packColor(75, 151, 160));
    fill(21, 18 + h, 6, b, packColor(24, 34, 38));

    if (p >= 0.12f && p < 0.52f) {
        // Molten plastic runs into the mould.
        const int n = static_cast<int>((p - 0.12f) * 17.0f);
        fill(15, 15, 3 + n, 2, packColor(255, 112, 34));
        fill(15, 15, std::max(1, n + 1), 1, packColor(255, 218, 109));
    } else if (p >= 0.52f && p < 0.82f) {
        // The part cools from orange toward dark red.
        const int red = static_cast<int>(230.0f - 300.0f * (p - 0.52f));
        fill(22, 15, 3, 2, packColor(static_cast<std::uint8_t>(red), 113, 61));
    }
    if (p >= 0.82f || tile.molderOutputCount > 0) {
        const PackedColor gear = p > 0.9f ? packColor(247, 164, 66) : packColor(215, 123, 46);
        fill(22, 14, 2, 6, gear);
        fill(20, 16, 6, 2, gear);
        fill(21, 15, 4, 4, gear);
        fill(22, 16, 2, 2, packColor(37, 47, 50));
    }
    fill(23, 14, 2, 4, working ? packColor(107, 223, 137) : packColor(194, 66, 67));
    fillDesigns(fill, MOLDER_TRIM);
    // The arrow takes the trim's colour, the last one drawn.
    drawDirectionArrow(renderer, r.x, r.y, r.w, r.h, tile.dir);
}

void drawWaterSourceSprite(SDL_Renderer* renderer, const SDL_Rect& r)
{
    fillDesigns(FillDesignRectSpan{renderer, r}, WATER_SOURCE_DESIGN);
}
