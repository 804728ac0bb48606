#include <gtest/gtest.h>

#include <sstream>

#include "render/clip_scope.h"
#include "render/control_sprite.h"
#include "render/tile_canvas.h"
#include "support/sha256.h"

namespace {

constexpr Rgba FRAME{18, 19, 23};

SDL_Rect clipOf(SDL_Renderer* r)
{
    SDL_Rect clip{};
    SDL_RenderGetClipRect(r, &clip);
    return clip;
}

}  // namespace

TEST(ControlSprite, TilesWithoutADesignHereShowTheirBackgroundInsideTheFrame)
{
    struct Row {
        ControlType type;
        Rgba background;
    };
    const Row rows[] = {
        {EMPTY, {32, 34, 40}},
        {PLAIN, {92, 92, 100}},
        {BRIDGE, {46, 50, 52}},
        {WATER_PIPE, {29, 35, 43}},
    };
    SoftwareCanvas canvas(100, 100);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.type);
        canvas.clear({0, 0, 0, 255});
        // Tile (2, 1) of 40 px seen through a scroll of (30, 10): the square at (50, 30).
        drawControlSprite(canvas.renderer(), tileOf(row.type, EAST), 2, 1, 30, 10, 40, 0.7f, true);
        EXPECT_EQ(canvas.paintedBounds(), (SDL_Rect{50, 30, 40, 40}));
        EXPECT_EQ(canvas.countPixels(row.background), 38 * 38);
        EXPECT_EQ(canvas.countPixels(FRAME), 4 * 39);
        EXPECT_EQ(canvas.pixel(50, 30), FRAME);
        EXPECT_EQ(canvas.pixel(89, 69), FRAME);
        EXPECT_EQ(canvas.pixel(70, 50), row.background);
    }
}

TEST(ControlSprite, ABeltAndA5VSupplyGoWithoutAFrame)
{
    TileCanvas canvas;
    EXPECT_EQ(canvas.paint(tileOf(BELT, EAST)).pixel(0, 0), (Rgba{46, 50, 52}));
    EXPECT_EQ(canvas.paint(tileOf(POWER_SUPPLY)).pixel(0, 0), (Rgba{37, 53, 65}));
    EXPECT_EQ(canvas.paint(tileOf(SINK)).pixel(0, 0), FRAME);
}

TEST(ControlSprite, AnUnknownTypeIsASquareInTheCallersColour)
{
    SoftwareCanvas canvas(32, 32);
    SDL_SetRenderDrawColor(canvas.renderer(), 1, 2, 3, 255);
    drawControlSprite(canvas.renderer(), tileOf(CONTROL_TYPE_COUNT), 0, 0, 0, 0, 32, 0.0f, false);
    EXPECT_EQ(canvas.pixel(16, 16), (Rgba{1, 2, 3}));
    EXPECT_EQ(canvas.pixel(0, 0), FRAME);
}

TEST(ControlSprite, TheTwoTilesOfADistributorOrMixerShareOnePictureRectangle)
{
    // The second tile lies on the clockwise side of the facing.
    struct Row {
        ControlType type;
        Direction dir;
        SDL_Rect pair;
    };
    const SDL_Rect r{100, 200, 32, 32};
    const Row rows[] = {
        {DISTRIBUTOR, EAST, {100, 200, 32, 64}},  {MIXER_SECOND, EAST, {100, 168, 32, 64}},
        {MIXER, SOUTH, {68, 200, 64, 32}},        {DISTRIBUTOR_SECOND, SOUTH, {100, 200, 64, 32}},
        {MIXER, WEST, {100, 168, 32, 64}},        {MIXER_SECOND, WEST, {100, 200, 32, 64}},
        {DISTRIBUTOR, NORTH, {100, 200, 64, 32}}, {DISTRIBUTOR_SECOND, NORTH, {68, 200, 64, 32}},
        {DISTRIBUTOR, NONE, {100, 200, 32, 32}},  {MIXER_SECOND, 9, {100, 200, 32, 32}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "type " << row.type << " facing " << row.dir);
        EXPECT_EQ(pairSpriteRect(tileOf(row.type, row.dir), r), row.pair);
    }
}

TEST(ControlSprite, APairTileLeavesTheCallersClipAsItFoundIt)
{
    SoftwareCanvas canvas(96, 96);
    SDL_Renderer* r = canvas.renderer();
    drawControlSprite(r, tileOf(MIXER, EAST), 1, 1, 0, 0, 32, 0.3f, false);
    EXPECT_FALSE(SDL_RenderIsClipEnabled(r));

    // A clip that misses the tile: nothing is drawn, and the clip stays.
    canvas.clear({0, 0, 0, 255});
    const SDL_Rect elsewhere{0, 0, 20, 20};
    SDL_RenderSetClipRect(r, &elsewhere);
    drawControlSprite(r, tileOf(DISTRIBUTOR_SECOND, SOUTH), 2, 2, 0, 0, 32, 0.3f, false);
    EXPECT_TRUE(SDL_RenderIsClipEnabled(r));
    EXPECT_EQ(clipOf(r), elsewhere);
    EXPECT_EQ(canvas.paintedBounds(), (SDL_Rect{0, 0, 0, 0}));
}

TEST(ClipScope, NarrowsWithinTheClipInForceAndNeverSetsAnEmptyOne)
{
    SoftwareCanvas canvas(64, 64);
    SDL_Renderer* r = canvas.renderer();
    {
        const ClipScope scope(r, {10, 10, 20, 20});
        EXPECT_TRUE(scope.isOpen());
        EXPECT_EQ(clipOf(r), (SDL_Rect{10, 10, 20, 20}));
    }
    EXPECT_FALSE(SDL_RenderIsClipEnabled(r));
    {
        const ClipScope empty(r, {10, 10, 0, 20});
        EXPECT_FALSE(empty.isOpen());
        EXPECT_FALSE(SDL_RenderIsClipEnabled(r));
    }

    const SDL_Rect outer{0, 0, 16, 16};
    SDL_RenderSetClipRect(r, &outer);
    {
        const ClipScope scope(r, {10, 10, 20, 20});
        EXPECT_EQ(clipOf(r), (SDL_Rect{10, 10, 6, 6}));
        const ClipScope inner(r, {40, 40, 8, 8});
        EXPECT_FALSE(inner.isOpen());
        EXPECT_EQ(clipOf(r), (SDL_Rect{10, 10, 6, 6}));
    }
    EXPECT_EQ(clipOf(r), outer);
}

TEST(ControlSprite, TransportPowerAndWaterSpritesMatchTheirGoldenPictures)
{
    // Every control this painter draws itself, in a few states, at the map's
    // zoom sizes; the digest changes with any pixel of them.
    const auto set = [](ControlType type, Direction dir, auto change) { return tileOf(type, dir, change); };
    const Tile tiles[] = {
        tileOf(EMPTY),
        set(BELT, WEST, [](Tile& t) { t.beltSpeed = 1; }),
        set(SOURCE, NORTH, [](Tile& t) { t.sourceRunning = true; }),
        set(SINK, EAST, [](Tile& t) { t.sinkAccepting = false; }),
        set(ARM, NONE, [](Tile& t) { t.armCargoFilter = 6; }),
        tileOf(LONG_ARM),
        tileOf(TUNNEL, EAST),
        tileOf(TUNNEL_EXIT, WEST),
        set(COAL_GENERATOR, NONE,
            [](Tile& t) {
                t.generatorOn = true;
                t.generatorBurnTime = 3.0f;
            }),
        tileOf(POWER_POLE),
        set(INJECTION_MOLDER, SOUTH, [](Tile& t) { t.molderTimer = 1.1f; }),
        tileOf(WATER_SOURCE),
        set(EJECTOR, WEST, [](Tile& t) { t.ejectorActive = false; }),
    };
    std::ostringstream pixels;
    for (const int size : {24, 32, 64}) {
        TileCanvas canvas(size);
        for (const Tile& tile : tiles) {
            for (const Rgba& p : canvas.paint(tile, 0.37f, true).pixels())
                pixels << p.r << p.g << p.b << p.a;
        }
    }
    EXPECT_EQ(sha256Hex(pixels.str()), "d599e372f98e14a683d012cefd688e738cfecb16a7e9ea37f620d4f649a9d159");
}
