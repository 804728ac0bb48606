#include <gtest/gtest.h>

#include <vector>

#include "render/bridge_sprite.h"
#include "render/scratch_assets.h"
#include "render/sprite_export.h"
#include "render/texture_caches.h"
#include "support/software_canvas.h"
#include "world/tile.h"

namespace {

constexpr Rgba SLAT{79, 94, 99};
constexpr Rgba OUTLINE{16, 21, 27};
constexpr Rgba DECK_FITTING{64, 83, 96};
constexpr Rgba RAMP_BRACKET{157, 181, 190};

// A 64-pixel bridge tile whose square starts 20 pixels down a 64 × 84 canvas.
struct BridgeCanvas : SoftwareCanvas {
    static constexpr int TOP = 20;
    BridgeCanvas() : SoftwareCanvas(64, 84) {}

    BridgeCanvas& paint(int dir, int part, float time)
    {
        clear({0, 0, 0, 255});
        drawBridgeSprite(renderer(), 0, TOP, 64, 64, dir, part, time);
        return *this;
    }
    // The highest painted row of a column: where the bridge's outline begins.
    int topOf(int x)
    {
        for (int y = 0; y < height(); ++y) {
            if (pixel(x, y) != Rgba{0, 0, 0, 255}) return y;
        }
        return -1;
    }
};

// The slices of an eastbound deck that show a moving slat: each slice is two
// pixels wide, and the slats lie on the belt bed's middle row.
std::vector<int> slatSlices(BridgeCanvas& canvas, float time)
{
    canvas.paint(EAST, BRIDGE_DECK, time);
    std::vector<int> slices;
    for (int i = 0; i < 32; ++i) {
        if (canvas.pixel(2 * i, BridgeCanvas::TOP + 2 * (16 - 6)) == SLAT) slices.push_back(i);
    }
    return slices;
}

// Two canvases, one drawn through drawBridge and one straight by the painter.
struct TwoBridgeCanvases {
    SoftwareCanvas viaBridge{200, 200};
    SoftwareCanvas painted{200, 200};

    bool drawnAlike(int size, int dir, int part, float time)
    {
        viaBridge.clear({0, 0, 0, 255});
        painted.clear({0, 0, 0, 255});
        drawBridge(viaBridge.renderer(), 50, 60, size, size, dir, part, time);
        drawBridgeSprite(painted.renderer(), 50, 60, size, size, dir, part, time);
        return viaBridge.pixels() == painted.pixels();
    }
};

}  // namespace

TEST(BridgeSprite, SlatsMoveOneSliceAFrameInTheDirectionOfTravel)
{
    BridgeCanvas canvas;
    EXPECT_EQ(slatSlices(canvas, 0.0f), (std::vector<int>{0, 1, 8, 9, 16, 17, 24, 25}));
    EXPECT_EQ(slatSlices(canvas, 1.0f / 14.0f + 0.001f), (std::vector<int>{1, 2, 9, 10, 17, 18, 25, 26}));
    EXPECT_EQ(slatSlices(canvas, 8.0f / 14.0f + 0.001f), slatSlices(canvas, 0.0f)) << "eight frames to a cycle";
}

TEST(BridgeSprite, RampsRiseTowardTheDeckAndOnlyDecksCarryFittings)
{
    BridgeCanvas canvas;
    // The outline starts 2 units across the run, lifted by the slice's height.
    const int flat = BridgeCanvas::TOP + 2 * 2, raised = flat - 2 * 6;
    canvas.paint(EAST, BRIDGE_ENTRY_RAMP, 0.0f);
    EXPECT_EQ(canvas.topOf(0), flat);
    EXPECT_EQ(canvas.topOf(63), raised);
    EXPECT_EQ(canvas.pixel(2 * 3, BridgeCanvas::TOP + 2 * 6), RAMP_BRACKET)
        << "the first post's bracket, not yet lifted";
    EXPECT_EQ(canvas.countPixels(DECK_FITTING), 0);
    canvas.paint(WEST, BRIDGE_ENTRY_RAMP, 0.0f);
    EXPECT_EQ(canvas.topOf(0), raised) << "facing west it rises toward the west";
    EXPECT_EQ(canvas.topOf(63), flat);
    canvas.paint(EAST, BRIDGE_EXIT_RAMP, 0.0f);
    EXPECT_EQ(canvas.topOf(0), raised);
    EXPECT_EQ(canvas.topOf(63), flat);
    canvas.paint(EAST, BRIDGE_DECK, 0.0f);
    EXPECT_EQ(canvas.topOf(0), raised);
    EXPECT_EQ(canvas.countPixels(RAMP_BRACKET), 0);
    // Fittings over slices 2 to 5 and 26 to 29, at both ends.
    EXPECT_EQ(canvas.pixel(2 * 2, BridgeCanvas::TOP + 2 * (28 - 6)), DECK_FITTING);
    EXPECT_EQ(canvas.pixel(2 * 29 + 1, BridgeCanvas::TOP + 2 * (28 - 6)), DECK_FITTING);
    EXPECT_NE(canvas.pixel(2 * 6, BridgeCanvas::TOP + 2 * (28 - 6)), DECK_FITTING);

    // A vertical run rises up the screen along y; without a direction it runs south.
    canvas.paint(SOUTH, BRIDGE_ENTRY_RAMP, 0.0f);
    const std::vector<Rgba> south = canvas.pixels();
    EXPECT_EQ(canvas.pixel(2 * 2, BridgeCanvas::TOP), OUTLINE);
    EXPECT_EQ(canvas.paint(NONE, BRIDGE_ENTRY_RAMP, 0.0f).pixels(), south);
}

TEST(BridgeSprite, WithoutASheetBridgesComeFromTheCacheAtThePaintersSizeAndPlace)
{
    ScratchAssets assets;
    TwoBridgeCanvases canvases;
    for (const int size : {24, 32, 64}) {
        for (int part = 0; part < 3; ++part)
            EXPECT_TRUE(canvases.drawnAlike(size, NORTH, part, 0.3f)) << size << " part " << part;
    }
    // The cached picture covers the square and the strip the bridge rises into.
    const auto sizeOf = [](int width) {
        int w = 0, h = 0;
        SDL_QueryTexture(textureCaches().bridgeSprites.at(BridgeCacheKey{width, NORTH, 1, 4}), nullptr, nullptr, &w,
                         &h);
        return std::pair{w, h};
    };
    EXPECT_EQ(sizeOf(64), std::pair(64, 78));
    EXPECT_EQ(sizeOf(32), std::pair(32, 40));
}

TEST(BridgeSprite, TheExportedSheetGivesThePaintersPicturesAtItsOwnLift)
{
    ScratchAssets assets;
    {
        SoftwareCanvas exporter(8, 8);
        ASSERT_TRUE(exportBridgeSheet(exporter.renderer(), assets.controls()));
    }
    TwoBridgeCanvases canvases;
    for (const int dir : {NORTH, EAST, SOUTH, WEST}) {
        for (int part = 0; part < 3; ++part) {
            for (const float time : {0.0f, 0.3f})
                EXPECT_TRUE(canvases.drawnAlike(64, dir, part, time)) << dir << " part " << part << " at " << time;
        }
    }
    EXPECT_EQ(textureCaches().bridgeSheets.size(), 1u);
    EXPECT_TRUE(textureCaches().bridgeSprites.empty());

    // A cell of one colour shows where the sheet's picture lands: 7 pixels above
    // a 32-pixel tile for the lift of 14 at 64.
    SoftwareCanvas cell(64, 78, {200, 100, 0, 255});
    ASSERT_TRUE(cell.savePng((assets.controls() / "solid.png").string()));
    assets.writeControlFile("bridges.txt", "GEARHAVEN_BRIDGE_SPRITES 1\n64 2 1 0 solid.png 0 0 64 78 14\n");
    SoftwareCanvas fresh(100, 100);
    drawBridge(fresh.renderer(), 10, 50, 32, 32, EAST, BRIDGE_DECK, 0.0f);
    EXPECT_EQ(fresh.paintedBounds(), (SDL_Rect{10, 43, 32, 39}));
}
