#include "render/sensor_sprite.h"

#include "render/sprite_shapes.h"

namespace {

// A teal box with a round lens, probe pins on top, connectors at the sides and
// an always-lit status light: every sensor looks alike, whatever it measures.
constexpr DesignFill SENSOR_DESIGN[] = {
    {0, 0, 32, 32, packColor(32, 43, 49)},
    {5, 6, 25, 24, packColor(15, 23, 29)},
    // Probe pins.
    {9, 1, 4, 5, packColor(12, 24, 30)},
    {9, 1, 3, 4, packColor(169, 189, 191)},
    {9, 1, 1, 3, packColor(235, 237, 211)},
    {20, 1, 4, 5, packColor(12, 24, 30)},
    {20, 1, 3, 4, packColor(169, 189, 191)},
    {20, 1, 1, 3, packColor(235, 237, 211)},
    // Connectors.
    {1, 13, 5, 6, packColor(10, 25, 32)},
    {1, 14, 4, 3, packColor(217, 180, 83)},
    {26, 13, 5, 6, packColor(10, 25, 32)},
    {27, 14, 4, 3, packColor(115, 204, 184)},
    // Body.
    {3, 4, 25, 24, packColor(9, 24, 31)},
    {4, 5, 23, 21, packColor(47, 105, 119)},
    {4, 5, 23, 2, packColor(158, 218, 220)},
    {4, 7, 2, 17, packColor(98, 170, 184)},
    {25, 7, 2, 19, packColor(25, 65, 80)},
    {6, 24, 19, 3, packColor(19, 53, 65)},
    // Lens.
    {7, 8, 17, 15, packColor(19, 42, 52)},
    {10, 7, 11, 17, packColor(10, 23, 32)},
    {7, 10, 17, 11, packColor(10, 23, 32)},
    {10, 8, 11, 15, packColor(104, 147, 160)},
    {8, 11, 15, 9, packColor(104, 147, 160)},
    {11, 9, 9, 2, packColor(210, 236, 230)},
    {10, 20, 11, 3, packColor(40, 69, 83)},
    {10, 11, 11, 9, packColor(7, 48, 67)},
    {12, 10, 7, 11, packColor(7, 48, 67)},
    {11, 12, 9, 7, packColor(10, 109, 132)},
    {12, 12, 7, 5, packColor(28, 181, 190)},
    {13, 13, 5, 3, packColor(91, 232, 218)},
    {12, 11, 4, 2, packColor(222, 255, 245)},
    {11, 13, 2, 2, packColor(171, 253, 240)},
    {17, 18, 2, 1, packColor(48, 186, 199)},
    // Screws.
    {6, 7, 2, 2, packColor(192, 218, 215)},
    {6, 8, 2, 1, packColor(52, 80, 91)},
    {23, 7, 2, 2, packColor(192, 218, 215)},
    {23, 8, 2, 1, packColor(52, 80, 91)},
    // Foot light and the status light in its slot.
    {7, 24, 7, 1, packColor(104, 156, 166)},
    {20, 24, 3, 2, packColor(8, 32, 37)},
    {20, 24, 2, 1, packColor(111, 246, 177)},
};

}  // namespace

void drawSensorSprite(SDL_Renderer* renderer, int x, int y, int w, int h)
{
    fillDesigns(FillDesignRectSpan{renderer, {x, y, w, h}}, SENSOR_DESIGN);
}
