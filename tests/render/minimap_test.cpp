#include <gtest/gtest.h>

#include "render/minimap.h"
#include "support/software_canvas.h"
#include "support/world_builders.h"
#include "world/tile_item_index.h"

namespace {

const SDL_Rect BOX{10, 20, 168, 128};
constexpr Rgba FRAME{99, 222, 226, 255};
constexpr Rgba RED{225, 74, 69, 255};
constexpr Rgba DARK{32, 36, 42, 255};

// The minimap's pixel for tile (x, y): both its pixels and the two below are one colour.
Rgba tilePixel(SoftwareCanvas& canvas, int x, int y)
{
    const int px = BOX.x + 4 + 2 * x;
    const int py = BOX.y + 4 + 2 * y;
    const Rgba c = canvas.pixel(px, py);
    EXPECT_EQ(canvas.pixel(px + 1, py + 1), c) << "tile " << x << "," << y;
    return c;
}

void draw(SoftwareCanvas& canvas, const Game& game, const MapScroll& scroll, int viewW = 640, int viewH = 480)
{
    const TileItemIndex index(game);
    drawMinimap(canvas.renderer(), game, game.mapWarnings(index), BOX, scroll, viewW, viewH);
}

}  // namespace

TEST(Minimap, EmptyMapShowsOnlyTheBoxAndTheViewFrame)
{
    SoftwareCanvas canvas(200, 160);
    draw(canvas, emptyGame(), {320, 160, 32});
    EXPECT_EQ(canvas.paintedBounds(), BOX);
    const Rgba inside = canvas.pixel(BOX.x + 4, BOX.y + 4);
    const Rgba outline = canvas.pixel(BOX.x, BOX.y + 50);
    EXPECT_NE(inside, outline);
    // At ts 32, scroll (320, 160), a 640 x 480 view: a 40 x 30 frame at (24, 14) in the box.
    EXPECT_EQ(canvas.pixel(BOX.x + 24, BOX.y + 14), FRAME);
    EXPECT_EQ(canvas.pixel(BOX.x + 63, BOX.y + 43), FRAME);
    EXPECT_EQ(canvas.pixel(BOX.x + 44, BOX.y + 28), inside);
    int framePixels = 0;
    for (const Rgba& p : canvas.pixels())
        framePixels += p == FRAME;
    EXPECT_EQ(framePixels, 2 * 40 + 2 * 28);
    for (int y = BOX.y + 1; y < BOX.y + BOX.h - 1; ++y) {
        for (int x = BOX.x + 1; x < BOX.x + BOX.w - 1; ++x) {
            const Rgba p = canvas.pixel(x, y);
            ASSERT_TRUE(p == inside || p == FRAME) << x << "," << y;
        }
    }
    SDL_BlendMode mode;
    SDL_GetRenderDrawBlendMode(canvas.renderer(), &mode);
    EXPECT_EQ(mode, SDL_BLENDMODE_NONE);
}

TEST(Minimap, TilesTakeTheirTypeColourAndWarningsPaintThemRed)
{
    Game game = emptyGame();
    layBelt(game, 1, 1, EAST);
    setTile(game, 2, 1, STORAGE, EAST);
    Tile& full = setTile(game, 3, 1, STORAGE, EAST);
    for (int i = 0; i < 100; ++i)
        full.storageCargo.push_back(LOG);
    setTile(game, 4, 1, LOGIC_AND);
    setTile(game, 5, 1, SENSOR, EAST);
    game.tileAt(6, 1).bridgePart = BRIDGE_DECK;  // a deck over bare ground
    game.tileAt(6, 1).bridgeDir = EAST;
    setTile(game, 79, 59, POWER_POLE);

    SoftwareCanvas canvas(200, 160);
    draw(canvas, game, {2000, 1500, 64}, 320, 240);
    EXPECT_EQ(tilePixel(canvas, 1, 1), unpacked(minimapTileColor(BELT)));
    EXPECT_EQ(tilePixel(canvas, 2, 1), unpacked(minimapTileColor(STORAGE)));
    EXPECT_EQ(tilePixel(canvas, 3, 1), RED) << "a full storage warns";
    EXPECT_EQ(tilePixel(canvas, 4, 1), DARK);
    EXPECT_EQ(tilePixel(canvas, 5, 1), DARK);
    EXPECT_EQ(tilePixel(canvas, 6, 1), DARK);
    EXPECT_EQ(tilePixel(canvas, 79, 59), unpacked(minimapTileColor(POWER_POLE)));
    EXPECT_EQ(tilePixel(canvas, 7, 1), tilePixel(canvas, 20, 20)) << "empty tiles are not drawn";

    // Warnings of another world size are not trusted: no tile is red.
    canvas.clear({0, 0, 0, 255});
    drawMinimap(canvas.renderer(), game, {}, BOX, {2000, 1500, 64}, 320, 240);
    EXPECT_EQ(tilePixel(canvas, 3, 1), unpacked(minimapTileColor(STORAGE)));
}

TEST(Minimap, ViewFrameFollowsScrollZoomAndViewSize)
{
    struct Case {
        MapScroll scroll;
        int viewW;
        int viewH;
        SDL_Rect frame;
    };
    const Case cases[] = {
        {{320, 160, 32}, 640, 480, {34, 34, 40, 30}},
        {{0, 0, 24}, 1280, 800, {14, 24, 106, 66}},
        {{0, 0, 24}, 3000, 2000, {14, 24, 250, 166}},  // larger than the map
        {{100, 50, 64}, 10, 10, {17, 25, 2, 2}},       // never under 2 x 2
    };
    for (const Case& c : cases)
        EXPECT_EQ(minimapViewFrame(BOX, c.scroll, c.viewW, c.viewH), c.frame);
}
