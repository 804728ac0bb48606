#include "render/power_supply_sprite.h"

#include "render/bitmap_font.h"
#include "render/sprite_shapes.h"

namespace {

constexpr DesignFill SUPPLY_CASE[] = {
    {3, 3, 26, 26, packColor(13, 24, 36)},
    {4, 4, 24, 23, packColor(96, 128, 157)},
    {5, 4, 22, 2, packColor(187, 214, 227)},
    // Ventilation slots.
    {7, 7, 2, 5, packColor(26, 44, 57)},
    {11, 7, 2, 5, packColor(26, 44, 57)},
    {15, 7, 2, 5, packColor(26, 44, 57)},
    {19, 7, 2, 5, packColor(26, 44, 57)},
    {23, 7, 2, 5, packColor(26, 44, 57)},
    // The plate the label sits on.
    {6, 14, 20, 10, packColor(10, 23, 32)},
};

constexpr PackedColor LABEL = packColor(225, 233, 241);

constexpr DesignFill SUPPLY_TERMINALS[] = {
    {1, 24, 4, 5, packColor(210, 164, 79)},
    {27, 24, 4, 5, packColor(242, 66, 66)},
};

constexpr PackedColor LIGHT_SUPPLIED = packColor(74, 255, 133);
constexpr PackedColor LIGHT_UNSUPPLIED = packColor(243, 74, 79);

}  // namespace

void drawPowerSupplySprite(SDL_Renderer* renderer, int x, int y, int w, int h, const Tile& tile)
{
    const FillDesignRect fill{renderer, {x, y, w, h}};
    fillDesigns(fill, SUPPLY_CASE);
    // The label keeps its 5 × 7 glyphs at every size.
    setDrawColor(renderer, LABEL);
    drawText(renderer, "5V", x + w / 2 - 5, y + h / 2, 1);
    fillDesigns(fill, SUPPLY_TERMINALS);
    fill(24, 14, 2, 2, tile.dcSupplied ? LIGHT_SUPPLIED : LIGHT_UNSUPPLIED);
}
