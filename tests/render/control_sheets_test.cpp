#include <gtest/gtest.h>

#include "render/control_sheets.h"
#include "render/scratch_assets.h"
#include "render/sprite_key_print.h"
#include "render/tile_canvas.h"

namespace {

constexpr Rgba SHEET_MARK{255, 0, 255};
constexpr Rgba OTHER_CELLS{0, 90, 0};

// A 256 × 64 sheet, its second cell (64, 0) in the mark colour.
void writeSheet(const ScratchAssets& assets, const std::string& file)
{
    SoftwareCanvas sheet(256, 64, OTHER_CELLS);
    SDL_SetRenderDrawColor(sheet.renderer(), SHEET_MARK.r, SHEET_MARK.g, SHEET_MARK.b, 255);
    const SDL_Rect cell{64, 0, 64, 64};
    SDL_RenderFillRect(sheet.renderer(), &cell);
    ASSERT_TRUE(sheet.savePng((assets.controls() / file).string()));
}

// An index that puts every key given into the marked cell of the sheet.
void writeIndex(const ScratchAssets& assets, const std::string& file, std::initializer_list<SpriteKey> keys)
{
    std::string text = "GEARHAVEN_CONTROL_SPRITES 1\n";
    for (const SpriteKey& k : keys) {
        for (const int field :
             {k.type, k.tileSize, k.direction, k.beltSpeed, k.armFilterClass, k.stateBits, k.frame, k.frame2})
            text += std::to_string(field) + " ";
        text += file + " 64 0 64 64\n";
    }
    assets.writeControlFile("index.txt", text);
}

const Tile RUNNING_SOURCE = tileOf(SOURCE, EAST, [](Tile& t) { t.sourceRunning = true; });
const Tile COUNTER = tileOf(LOGIC_COUNTER, NONE, [](Tile& t) { t.counterCount = 7; });
const Tile BELT_TILE = tileOf(BELT, EAST);

// The tile drawn through drawControl and straight by the painter, at grid
// position (1, 1) seen through a scroll, on two canvases alike.
struct TwoCanvases {
    SoftwareCanvas viaControl{160, 160};
    SoftwareCanvas painted{160, 160};

    bool drawnAlike(const Tile& tile, int size, float time = 0.3f)
    {
        viaControl.clear({0, 0, 0, 255});
        painted.clear({0, 0, 0, 255});
        drawControl(viaControl.renderer(), tile, 1, 1, 10, 20, size, time, true);
        drawControlSprite(painted.renderer(), tile, 1, 1, 10, 20, size, time, true);
        return viaControl.pixels() == painted.pixels();
    }
    // Whether the tile's square came from the sheet's marked cell.
    bool fromSheet(const Tile& tile, int size)
    {
        viaControl.clear({0, 0, 0, 255});
        drawControl(viaControl.renderer(), tile, 1, 1, 10, 20, size, 0.0f, false);
        return viaControl.countPixels(SHEET_MARK) == size * size &&
               viaControl.paintedBounds() == SDL_Rect{size - 10, size - 20, size, size};
    }
};

}  // namespace

TEST(ControlSheets, WithoutAnIndexEachDistinctPictureIsPaintedOnceIntoTheCache)
{
    ScratchAssets assets;
    TwoCanvases canvases;
    const auto& cache = textureCaches().controlSprites;
    const Tile tiles[] = {
        RUNNING_SOURCE,
        tileOf(SINK, WEST),
        tileOf(ARM, SOUTH),
        tileOf(DISTRIBUTOR_SECOND, EAST),
        tileOf(LOGIC_AND, NONE, [](Tile& t) { t.inputA = true; }),
        BELT_TILE,
        tileOf(EMPTY),
    };
    for (const int size : {24, 32, 64}) {
        for (const Tile& tile : tiles) {
            EXPECT_TRUE(canvases.drawnAlike(tile, size)) << "type " << tile.type << " at " << size;
            EXPECT_EQ(cache.count(spriteKeyOf(tile, size, 0.3f, true)), 1u) << spriteKeyOf(tile, size, 0.3f, true);
        }
    }
    EXPECT_EQ(cache.size(), 3 * std::size(tiles));
    // Drawn again, the pictures come from the cache; counters are painted every time.
    for (const Tile& tile : tiles)
        EXPECT_TRUE(canvases.drawnAlike(tile, 32));
    EXPECT_TRUE(canvases.drawnAlike(COUNTER, 32));
    EXPECT_EQ(cache.size(), 3 * std::size(tiles));
}

TEST(ControlSheets, ASheetPictureIsScaledOntoTheSquareButNeverForABeltOrACounter)
{
    ScratchAssets assets;
    writeSheet(assets, "marked.png");
    writeIndex(assets, "marked.png",
               {spriteKeyOf(RUNNING_SOURCE, 64, 0, false), spriteKeyOf(BELT_TILE, 64, 0, false),
                spriteKeyOf(COUNTER, 64, 0, false)});
    TwoCanvases canvases;
    for (const int size : {24, 32, 64})
        EXPECT_TRUE(canvases.fromSheet(RUNNING_SOURCE, size)) << size;
    EXPECT_TRUE(canvases.drawnAlike(tileOf(SOURCE, EAST), 32)) << "a stopped source is not listed";
    EXPECT_TRUE(canvases.drawnAlike(BELT_TILE, 64, 0.0f));
    EXPECT_TRUE(canvases.drawnAlike(COUNTER, 64, 0.0f));
}

TEST(ControlSheets, AMissingSheetIsTriedAgainAtMostOnceASecond)
{
    ScratchAssets assets;
    writeIndex(assets, "late.png", {spriteKeyOf(RUNNING_SOURCE, 64, 0, false)});
    TwoCanvases canvases;
    EXPECT_TRUE(canvases.drawnAlike(RUNNING_SOURCE, 64, 0.0f));
    writeSheet(assets, "late.png");
    EXPECT_TRUE(canvases.drawnAlike(RUNNING_SOURCE, 64, 0.0f)) << "tried again at once";
    textureCaches().controlSheetRetries.at("late.png") = 0;  // a second has passed
    EXPECT_TRUE(canvases.fromSheet(RUNNING_SOURCE, 64));
}

TEST(ControlSheets, TheIndexIsReadAtTheFirstDrawAndAgainForANewRenderer)
{
    ScratchAssets assets;
    TwoCanvases first;
    EXPECT_TRUE(first.drawnAlike(RUNNING_SOURCE, 32, 0.0f));
    writeSheet(assets, "marked.png");
    writeIndex(assets, "marked.png", {spriteKeyOf(RUNNING_SOURCE, 64, 0, false)});
    EXPECT_FALSE(first.fromSheet(RUNNING_SOURCE, 32)) << "the index was read before it was written";
    TwoCanvases second;
    EXPECT_TRUE(second.fromSheet(RUNNING_SOURCE, 32));
    EXPECT_TRUE(first.fromSheet(RUNNING_SOURCE, 32)) << "the first renderer is new again to the caches";
}
