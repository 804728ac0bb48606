#include <gtest/gtest.h>

#include "render/ejector_sprite.h"
#include "render/no_power_bolt.h"
#include "render/tile_canvas.h"

namespace {

// The ejector's tile square lies in the middle of a canvas 5 tiles wide, so the
// plate can travel two tiles out either way.
constexpr int TILE = 32;
constexpr int ORIGIN = 2 * TILE;
constexpr int CX = ORIGIN + TILE / 2;
constexpr int CY = ORIGIN + TILE / 2;

struct Passes {
    bool rail;
    bool plate;
};

SDL_Rect paintedEjector(SoftwareCanvas& canvas, Direction dir, float stroke, Passes passes)
{
    canvas.clear({0, 0, 0, 255});
    const Tile tile = tileOf(EJECTOR, dir, [stroke](Tile& t) { t.ejectorStroke = stroke; });
    drawEjectorSprite(canvas.renderer(), ORIGIN, ORIGIN, TILE, TILE, tile, passes.rail, passes.plate);
    const SDL_Rect bounds = canvas.paintedBounds();
    return {bounds.x - CX, bounds.y - CY, bounds.w, bounds.h};
}

}  // namespace

TEST(EjectorSprite, RailAndPlateLieWhereTheStrokePutsThem)
{
    SoftwareCanvas canvas(5 * TILE, 5 * TILE);
    // Facing east at half a tile: the rail, 6 px thick, from cx + 6 to cx + 14;
    // the plate (cx + 14, cy - 12, 5, 25) with its shadow 2 px down and right.
    EXPECT_EQ(paintedEjector(canvas, EAST, 0.5f, {true, false}), (SDL_Rect{6, -3, 9, 6}));
    EXPECT_EQ(canvas.pixel(CX + 6, CY - 3), (Rgba{12, 20, 26}));
    EXPECT_EQ(canvas.pixel(CX + 10, CY - 2), (Rgba{218, 230, 231}));
    EXPECT_EQ(canvas.pixel(CX + 10, CY), (Rgba{105, 124, 133}));
    EXPECT_EQ(paintedEjector(canvas, EAST, 0.5f, {false, true}), (SDL_Rect{14, -12, 7, 27}));
    EXPECT_EQ(canvas.pixel(CX + 14, CY - 12), (Rgba{36, 52, 61}));
    EXPECT_EQ(canvas.pixel(CX + 18, CY), (Rgba{226, 170, 63}));
    EXPECT_EQ(canvas.pixel(CX + 15, CY - 1), (Rgba{68, 83, 90}));

    const SDL_Rect nothing{-CX, -CY, 0, 0};
    EXPECT_EQ(paintedEjector(canvas, EAST, 0.5f, {false, false}), nothing);

    // The stroke is held to half a tile .. two tiles; no direction pushes north.
    EXPECT_EQ(paintedEjector(canvas, WEST, 0.1f, {true, true}), paintedEjector(canvas, WEST, 0.5f, {true, true}));
    EXPECT_EQ(paintedEjector(canvas, SOUTH, 9.0f, {true, true}), paintedEjector(canvas, SOUTH, 2.0f, {true, true}));
    EXPECT_EQ(paintedEjector(canvas, NONE, 1.0f, {true, true}), paintedEjector(canvas, NORTH, 1.0f, {true, true}));
    // Fully out to the south: the plate two tiles below the centre, its gold face at the bottom.
    EXPECT_EQ(paintedEjector(canvas, SOUTH, 2.0f, {false, true}), (SDL_Rect{-12, 62, 27, 7}));
    EXPECT_EQ(canvas.pixel(CX, CY + 66), (Rgba{226, 170, 63}));
}

TEST(NoPowerBolt, BlinksEveryHalfSecondWithSparklesOnlyWhenBright)
{
    struct Row {
        float time;
        bool bright;
    };
    const Row rows[] = {{0.0f, true}, {0.25f, true}, {0.75f, false}, {1.0f, true}, {1.6f, false}};
    SoftwareCanvas canvas(TILE, TILE);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.time);
        canvas.clear({0, 0, 0, 255});
        drawNoPowerBolt(canvas.renderer(), 0, 0, TILE, TILE, row.time);
        EXPECT_EQ(canvas.pixel(20, 3), row.bright ? (Rgba{244, 153, 18}) : (Rgba{177, 103, 24}));
        EXPECT_EQ(canvas.pixel(19, 4), row.bright ? (Rgba{255, 226, 13}) : (Rgba{205, 151, 25}));
        EXPECT_EQ(canvas.pixel(15, 7), row.bright ? (Rgba{255, 255, 225}) : (Rgba{5, 7, 8}));
        EXPECT_EQ(canvas.pixel(22, 1), (Rgba{5, 7, 8}));
        EXPECT_EQ(canvas.paintedBounds(), (SDL_Rect{4, 1, 24, 30}));
    }
}

TEST(NoPowerBolt, ScalesIntoAnySquareWithoutGapsBetweenRows)
{
    for (const int size : {24, 40, 64}) {
        SCOPED_TRACE(size);
        SoftwareCanvas canvas(size + 10, size + 10);
        drawNoPowerBolt(canvas.renderer(), 5, 5, size, size, 0.0f);
        // The outline spans rows 1 to 30 and columns 4 to 27 of the design.
        const SDL_Rect bounds = canvas.paintedBounds();
        EXPECT_EQ(bounds.x, 5 + 4 * size / 32);
        EXPECT_EQ(bounds.y, 5 + size / 32);
        EXPECT_EQ(bounds.x + bounds.w, 5 + 28 * size / 32);
        EXPECT_EQ(bounds.y + bounds.h, 5 + 31 * size / 32);
        // Every pixel row between holds some of the bolt.
        for (int y = bounds.y; y < bounds.y + bounds.h; ++y) {
            bool painted = false;
            for (int x = bounds.x; x < bounds.x + bounds.w && !painted; ++x)
                painted = canvas.pixel(x, y) != Rgba{0, 0, 0, 255};
            EXPECT_TRUE(painted) << "row " << y;
        }
    }
}
