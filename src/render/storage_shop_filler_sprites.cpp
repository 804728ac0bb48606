#include "render/storage_shop_filler_sprites.h"

#include "render/animation_step.h"
#include "render/face_marker.h"
#include "render/sprite_shapes.h"

namespace {

// Only the face marker turns with a machine; the picture stays upright.

// ---- Storage ----------------------------------------------------------------

constexpr PackedColor CRATE = packColor(180, 127, 65);
constexpr PackedColor CRATE_LID = packColor(225, 177, 104);
constexpr PackedColor CRATE_SLAT = packColor(128, 83, 43);
constexpr PackedColor SHELF = packColor(147, 160, 164);

// Two rows of two crates, each row on its shelf, crate by crate.
constexpr DesignFill STORAGE_RACK[] = {
    {3, 5, 26, 25, packColor(28, 29, 30)},
    {5, 7, 22, 20, packColor(75, 62, 46)},
    {7, 9, 8, 6, CRATE},
    {7, 9, 8, 1, CRATE_LID},
    {10, 10, 2, 5, CRATE_SLAT},
    {17, 9, 8, 6, CRATE},
    {17, 9, 8, 1, CRATE_LID},
    {20, 10, 2, 5, CRATE_SLAT},
    {5, 15, 22, 2, SHELF},
    {7, 18, 8, 6, CRATE},
    {7, 18, 8, 1, CRATE_LID},
    {10, 19, 2, 5, CRATE_SLAT},
    {17, 18, 8, 6, CRATE},
    {17, 18, 8, 1, CRATE_LID},
    {20, 19, 2, 5, CRATE_SLAT},
    {5, 24, 22, 2, SHELF},
    {4, 6, 2, 22, packColor(124, 140, 145)},
    {26, 6, 2, 22, packColor(124, 140, 145)},
};

constexpr FaceMarker STORAGE_MARKER{1, 28, 15, 3, OUTPUT_MARKER_COLOUR, EAST};

// ---- Shop -------------------------------------------------------------------

constexpr PackedColor AWNING_STRIPE = packColor(242, 222, 173);

constexpr DesignFill SHOP_FRONT[] = {
    {3, 8, 26, 21, packColor(37, 42, 48)},
    {5, 12, 22, 16, packColor(193, 156, 87)},
    {5, 8, 22, 5, packColor(220, 72, 68)},
    {5, 7, 22, 2, packColor(246, 213, 129)},
    {6, 8, 2, 5, AWNING_STRIPE},
    {11, 8, 2, 5, AWNING_STRIPE},
    {16, 8, 2, 5, AWNING_STRIPE},
    {21, 8, 2, 5, AWNING_STRIPE},
    {8, 16, 7, 10, packColor(55, 91, 109)},
    {18, 16, 7, 6, packColor(104, 170, 183)},
    {20, 17, 3, 4, packColor(220, 242, 227)},
};

// The shop takes goods in through the face it points to.
constexpr FaceMarker SHOP_MARKER{2, 27, 14, 4, packColor(255, 224, 104), SOUTH};

// ---- Bottling plant ---------------------------------------------------------

constexpr DesignFill FILLER_STATION[] = {
    {3, 26, 26, 4, packColor(20, 28, 34)},     {5, 4, 22, 3, packColor(107, 129, 139)},
    {8, 7, 16, 3, packColor(48, 65, 73)},      {14, 10, 4, 7, packColor(175, 188, 188)},
    {12, 16, 8, 2, packColor(72, 190, 219)},   {10, 19, 12, 2, packColor(83, 111, 119)},
    {11, 20, 10, 7, packColor(177, 222, 230)}, {13, 18, 6, 2, packColor(177, 222, 230)},
};

constexpr DesignFill FILLER_BOTTLE_TOP[] = {
    {13, 21, 6, 1, packColor(75, 183, 226)},
    {13, 23, 1, 2, packColor(174, 224, 242)},
};

// The contents brighten in three steps, five steps a second, while the plant fills.
PackedColor fillerContents(const Tile& tile, float time)
{
    if (!(tile.fillerTimer > 0.0f)) return packColor(51, 151, 205);
    const int c = fillerFrame(time);
    return packColor(51, static_cast<std::uint8_t>(151 + 18 * c), static_cast<std::uint8_t>(205 + 12 * c));
}

}  // namespace

void drawStorageSprite(SDL_Renderer* renderer, int x, int y, int w, int h, const Tile& tile)
{
    const FillDesignRect fill{renderer, {x, y, w, h}};
    fillDesigns(fill, STORAGE_RACK);
    fill(23, 3, 3, 2, tile.storageOutputOn ? packColor(111, 215, 115) : packColor(220, 85, 85));
    const DesignFill marker = faceMarkerFill(tile.dir, STORAGE_MARKER);
    fillDesigns(fill, {&marker, 1});
}

void drawShopSprite(SDL_Renderer* renderer, int x, int y, int w, int h, const Tile& tile)
{
    const FillDesignRect fill{renderer, {x, y, w, h}};
    fillDesigns(fill, SHOP_FRONT);
    const DesignFill marker = faceMarkerFill(tile.dir, SHOP_MARKER);
    fillDesigns(fill, {&marker, 1});
}

void drawFillerSprite(SDL_Renderer* renderer, int x, int y, int w, int h, const Tile& tile, float time)
{
    const FillDesignRectRgb fill{renderer, {x, y, w, h}};
    fillDesigns(fill, FILLER_STATION);
    fillDesign(fill, {12, 22, 8, 4, fillerContents(tile, time)});
    fillDesigns(fill, FILLER_BOTTLE_TOP);
    fillDesign(fill, faceMarkerFill(tile.dir, OUTPUT_MARKER));
}

int fillerFrame(float time) { return animationStep(time, 5.0f, 3); }
