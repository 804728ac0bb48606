#include "render/oven_smelter_sprite.h"

#include <algorithm>

#include "render/animation_step.h"
#include "render/face_marker.h"
#include "render/sprite_shapes.h"

namespace {

constexpr DesignFill GROUND_SHADOW[] = {
    {3, 26, 26, 4, packColor(25, 28, 32)},
    {5, 28, 22, 2, packColor(17, 19, 23)},
};

// ---- Smelter ----------------------------------------------------------------

// Hood, body and the glowing mouth down to the crucible's well.
constexpr DesignFill SMELTER_BODY[] = {
    {8, 3, 16, 5, packColor(37, 44, 52)},    {9, 4, 14, 3, packColor(144, 164, 178)},
    {6, 8, 20, 18, packColor(33, 40, 48)},   {7, 9, 18, 16, packColor(112, 134, 150)},
    {8, 10, 16, 14, packColor(62, 79, 92)},  {9, 11, 14, 3, packColor(30, 35, 42)},
    {10, 12, 12, 2, packColor(182, 67, 38)}, {10, 13, 12, 1, packColor(246, 133, 47)},
    {11, 14, 10, 7, packColor(27, 31, 37)},  {12, 17, 8, 3, packColor(175, 58, 34)},
    {12, 19, 8, 2, packColor(250, 112, 38)},
};

constexpr DesignFill SMELTER_BASE[] = {
    {8, 22, 16, 2, packColor(161, 178, 186)}, {5, 11, 2, 11, packColor(58, 70, 78)},
    {25, 11, 2, 11, packColor(58, 70, 78)},   {5, 24, 22, 3, packColor(42, 49, 57)},
    {8, 25, 16, 1, packColor(178, 189, 189)}, {10, 27, 3, 2, packColor(91, 104, 109)},
    {19, 27, 3, 2, packColor(91, 104, 109)},
};

// ---- Charcoal kiln ----------------------------------------------------------

// Chimney, brick body and the door frame around the fire box.
constexpr DesignFill KILN_BODY[] = {
    {7, 2, 7, 8, packColor(42, 39, 40)},     {8, 3, 5, 5, packColor(91, 76, 68)},
    {8, 2, 5, 2, packColor(139, 119, 99)},   {4, 9, 24, 18, packColor(55, 45, 43)},
    {5, 10, 22, 16, packColor(124, 84, 65)}, {5, 10, 22, 2, packColor(185, 126, 88)},
    {6, 14, 20, 1, packColor(76, 53, 49)},   {5, 19, 22, 1, packColor(78, 54, 49)},
    {9, 12, 1, 7, packColor(80, 55, 49)},    {20, 13, 1, 6, packColor(80, 55, 49)},
    {4, 25, 24, 2, packColor(177, 121, 85)}, {9, 15, 14, 11, packColor(32, 31, 32)},
    {10, 16, 12, 9, packColor(72, 68, 67)},  {11, 17, 10, 7, packColor(28, 27, 30)},
    {12, 22, 8, 2, packColor(89, 46, 34)},
};

constexpr DesignFill KILN_DOOR_TRIM[] = {
    {15, 21, 2, 2, packColor(255, 202, 83)},  {9, 15, 14, 1, packColor(175, 153, 129)},
    {9, 25, 14, 1, packColor(184, 149, 116)}, {23, 19, 2, 3, packColor(54, 49, 47)},
    {24, 20, 1, 1, packColor(207, 183, 125)},
};

// Animation frames: four a cycle, six a second; the fire flickers between two.
struct Frames {
    int f;
    int g;
};

Frames framesAt(float time)
{
    const int f = ovenSmelterFrame(time);
    return {f, f % 2};
}

void drawSmelter(const FillDesignRectRgb& fill, bool working, Frames k)
{
    fillDesigns(fill, SMELTER_BODY);
    fill(13 + k.g, 17, 3, 2, 255, 210, 78);
    fillDesigns(fill, SMELTER_BASE);
    if (!working) return;
    fill(13 + 2 * k.f, 7 - k.g, 1, 2, 255, 183, 60);
    fill(21 - 2 * k.f, 5 + k.g, 1, 1, 255, 219, 103);
}

void drawKiln(const FillDesignRectRgb& fill, bool working, Frames k)
{
    fillDesigns(fill, KILN_BODY);
    fill(13 + k.g, 20, 2, 3, 216, 75, 31);
    fill(16 - k.g, 19, 3, 4, 243, 124, 42);
    fillDesigns(fill, KILN_DOOR_TRIM);
    if (!working) return;
    // Two puffs rising out of the chimney.
    fill(9, 2 * k.f + 1, 3, 2, 119, 111, 108);
    fill(12, std::max(2 * k.f - 2, 0), 3, 2, 159, 150, 143);
}

}  // namespace

void drawOvenSmelterSprite(SDL_Renderer* renderer, int x, int y, int w, int h, const Tile& tile, float time)
{
    const FillDesignRectRgb fill{renderer, {x, y, w, h}};
    const Frames frames = framesAt(time);
    fillDesigns(fill, GROUND_SHADOW);
    if (tile.type == SMELTER) {
        drawSmelter(fill, tile.smelterTimer > 0.0f, frames);
    } else {
        drawKiln(fill, tile.ovenTimer > 0.0f, frames);
    }
    fillDesign(fill, faceMarkerFill(tile.dir, OUTPUT_MARKER));
}

int ovenSmelterFrame(float time) { return animationStep(time, 6.0f, 4); }
