#include <gtest/gtest.h>

#include "render/power_cables.h"
#include "render/screen_point_print.h"
#include "support/software_canvas.h"

namespace {

constexpr Rgba CORE{165, 112, 48, 255};
constexpr Rgba SHADOW{12, 16, 18, 255};
constexpr Rgba HIGHLIGHT{226, 169, 76, 255};
constexpr Rgba CAP_RIM{17, 22, 24, 255};
constexpr Rgba CAP_FACE{202, 213, 203, 255};
constexpr Rgba CAP_SCREW{238, 178, 68, 255};

}  // namespace

TEST(PowerCables, StrandsSagByTheirLengthUpToNinePixels)
{
    // 70 pixels: ten segments, the middle 7 pixels below the strand's line.
    const Route upper = cableStrand({10, 50}, {80, 50}, -1);
    ASSERT_EQ(upper.size(), 11u);
    EXPECT_EQ(upper.front(), (ScreenPoint{10, 47}));
    EXPECT_EQ(upper[5], (ScreenPoint{45, 54}));
    EXPECT_EQ(upper.back(), (ScreenPoint{80, 47}));
    EXPECT_EQ(cableStrand({10, 50}, {80, 50}, 1)[5], (ScreenPoint{45, 60}));

    // 200 pixels: 28 segments and the full sag of 9.
    const Route lower = cableStrand({0, 100}, {200, 100}, 1);
    ASSERT_EQ(lower.size(), 29u);
    EXPECT_EQ(lower[14], (ScreenPoint{100, 112}));

    // Ends on one spot: four segments on the spot.
    EXPECT_EQ(cableStrand({30, 30}, {30, 30}, 1), Route(5, ScreenPoint{30, 30}));
    // A steep cable keeps its strands apart across its own direction.
    EXPECT_EQ(cableStrand({50, 0}, {50, 70}, 1).front(), (ScreenPoint{47, 0}));
}

TEST(PowerCables, DrawCableLaysShadowCoreHighlightAndEndCaps)
{
    SoftwareCanvas canvas(120, 80);
    drawCable(canvas.renderer(), {20, 40}, {90, 40});
    // Both strands sag 7 pixels at the middle, core over a three-pixel shadow.
    EXPECT_EQ(canvas.pixel(55, 44), CORE);
    EXPECT_EQ(canvas.pixel(55, 45), SHADOW);
    EXPECT_EQ(canvas.pixel(55, 50), CORE);
    EXPECT_EQ(canvas.pixel(55, 47), (Rgba{0, 0, 0, 255})) << "the strands hang apart";
    EXPECT_EQ(canvas.pixel(90, 36), HIGHLIGHT) << "over the last point of the upper strand";
    // The caps: rim, face and screw, centred on the ends.
    for (const int x : {20, 90}) {
        EXPECT_EQ(canvas.pixel(x - 3, 43), CAP_RIM);
        EXPECT_EQ(canvas.pixel(x + 2, 42), CAP_FACE);
        EXPECT_EQ(canvas.pixel(x, 40), CAP_SCREW);
        EXPECT_EQ(canvas.pixel(x - 1, 39), CAP_SCREW);
        EXPECT_EQ(canvas.pixel(x + 1, 41), CAP_FACE);
    }
    Rgba last;
    SDL_GetRenderDrawColor(canvas.renderer(), &last.r, &last.g, &last.b, &last.a);
    EXPECT_EQ(last, CAP_SCREW);
}

TEST(PowerCables, NetworkColoursRepeatAfterSixAndNoNetworkIsGrey)
{
    EXPECT_EQ(networkColor(6), networkColor(0));
    EXPECT_EQ(networkColor(13), networkColor(1));
    EXPECT_EQ(unpacked(networkColor(1)), (Rgba{236, 177, 78, 255}));
    EXPECT_EQ(unpacked(networkColor(-1)), (Rgba{135, 140, 145, 255}));
}

TEST(PowerCables, RangeHighlightCoversSevenTilesCutByTheMap)
{
    SoftwareCanvas canvas(260, 260);
    std::vector<int> networks(TILE_COUNT, -1);
    networks[tileIndex(1, 58)] = 2;
    // At tile (1, 58) the square runs from tile (0, 55) to the map's edges: 5 x 5 tiles.
    const RangeHighlight plain{canvas.renderer(), {0, 1700, 32}, false, networks};
    plain(1, 58);
    EXPECT_EQ(canvas.paintedBounds(), (SDL_Rect{0, 60, 160, 160}));
    const Rgba outline = canvas.pixel(0, 100);
    const Rgba inside = canvas.pixel(80, 140);
    EXPECT_GT(outline.b, inside.b) << "a faint fill inside a stronger outline";
    EXPECT_GT(inside.b, inside.r) << "blue without networks";
    SDL_BlendMode mode;
    SDL_GetRenderDrawBlendMode(canvas.renderer(), &mode);
    EXPECT_EQ(mode, SDL_BLENDMODE_NONE);

    canvas.clear({0, 0, 0, 255});
    const RangeHighlight coloured{canvas.renderer(), {0, 1700, 32}, true, networks};
    coloured(1, 58);
    const Rgba violet = canvas.pixel(0, 100);
    EXPECT_GT(violet.r, outline.r) << "network 2's violet";
    canvas.clear({0, 0, 0, 255});
    const RangeHighlight atTop{canvas.renderer(), {0, 0, 32}, true, networks};
    atTop(4, 4);  // in no network: grey, and a whole 7 x 7 square
    EXPECT_EQ(canvas.paintedBounds(), (SDL_Rect{32, 32, 7 * 32, 7 * 32}));
    const Rgba grey = canvas.pixel(32, 100);
    EXPECT_LT(grey.r, grey.g);
    EXPECT_LT(grey.g, grey.b);
    EXPECT_LT(grey.b - grey.r, 10);
}
