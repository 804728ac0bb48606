#include <gtest/gtest.h>

#include "render/control_sprite.h"
#include "render/distributor_mixer_sprite.h"
#include "support/software_canvas.h"

namespace {

constexpr Rgba CANVAS{1, 2, 3};
constexpr Rgba FRAME{18, 19, 23};
constexpr int MARGIN = 8;

Tile pairTile(ControlType type, Direction dir)
{
    Tile t;
    t.type = type;
    t.dir = dir;
    return t;
}

}  // namespace

TEST(DistributorMixerSprite, TwoTilesDrawnApartAreOnePictureThatStaysOnThem)
{
    const int largest = 64;
    SoftwareCanvas canvas(4 * largest, 4 * largest, CANVAS);
    SDL_Renderer* r = canvas.renderer();
    for (const ControlType mainType : {DISTRIBUTOR, MIXER}) {
        for (Direction d = NORTH; d <= WEST; ++d) {
            for (int size = 24; size <= largest; ++size) {
                SCOPED_TRACE(::testing::Message() << "type " << mainType << " facing " << d << " at " << size);
                const float time = static_cast<float>(size % 7) * 0.11f;  // a spread of animation phases
                // The main tile in the middle of 3 × 3 tiles, its partner on the clockwise side.
                const SDL_Point cell{1, 1};
                const Direction side = clockwiseDirection(d);
                const SDL_Point second{cell.x + directionDx(side), cell.y + directionDy(side)};
                const SDL_Rect mainRect{cell.x * size + MARGIN, cell.y * size + MARGIN, size, size};
                const SDL_Rect secondRect{second.x * size + MARGIN, second.y * size + MARGIN, size, size};

                SDL_Rect both{};
                SDL_UnionRect(&mainRect, &secondRect, &both);

                // The tiles' grounds and frames with the picture drawn once, unclipped, over both.
                canvas.clear(CANVAS);
                const SDL_Rect pair = pairSpriteRect(pairTile(mainType, d), mainRect);
                EXPECT_EQ(pair, both);
                const Rgba ground = mainType == MIXER ? Rgba{48, 69, 63} : Rgba{55, 64, 75};
                SDL_SetRenderDrawColor(r, ground.r, ground.g, ground.b, 255);
                SDL_RenderFillRect(r, &both);
                drawDistributorMixerSprite(r, pair.x, pair.y, pair.w, pair.h, d, mainType == MIXER, time);
                EXPECT_EQ(canvas.paintedBounds(CANVAS), both);
                for (const SDL_Rect& tile : {mainRect, secondRect}) {
                    SDL_SetRenderDrawColor(r, FRAME.r, FRAME.g, FRAME.b, 255);
                    SDL_RenderDrawRect(r, &tile);
                }
                const std::vector<Rgba> whole = canvas.pixels();

                // Each tile alone stays on its square; both, in either order, give the whole.
                const auto drawMain = [&] {
                    drawControlSprite(r, pairTile(mainType, d), cell.x, cell.y, -MARGIN, -MARGIN, size, time, true);
                };
                const auto drawSecond = [&] {
                    drawControlSprite(r, pairTile(mainType + 1, d), second.x, second.y, -MARGIN, -MARGIN, size, time,
                                      true);
                };
                canvas.clear(CANVAS);
                drawMain();
                EXPECT_EQ(canvas.paintedBounds(CANVAS), mainRect);
                drawSecond();
                ASSERT_TRUE(canvas.pixels() == whole);
                canvas.clear(CANVAS);
                drawSecond();
                EXPECT_EQ(canvas.paintedBounds(CANVAS), secondRect);
                drawMain();
                ASSERT_TRUE(canvas.pixels() == whole);
            }
        }
    }
}

TEST(DistributorMixerSprite, TheDesignTurnsWithItsFacing)
{
    // Design points of the east-facing 32 × 64 design, probed at one pixel a unit
    // in each facing: the distributor's lit output marker on the main tile and
    // its dark one on the second tile at t = 0.
    const Rgba lit{255, 235, 163}, dark{119, 89, 42};
    struct Row {
        Direction facing;
        SDL_Rect pair;
        SDL_Point litAt;
        SDL_Point darkAt;
    };
    const Row rows[] = {
        {EAST, {0, 0, 32, 64}, {28, 16}, {28, 48}},
        {SOUTH, {0, 0, 64, 32}, {47, 28}, {15, 28}},
        {WEST, {0, 0, 32, 64}, {3, 47}, {3, 15}},
        {NORTH, {0, 0, 64, 32}, {16, 3}, {48, 3}},
    };
    SoftwareCanvas canvas(64, 64);
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "facing " << row.facing);
        canvas.clear({0, 0, 0, 255});
        drawDistributorMixerSprite(canvas.renderer(), 0, 0, row.pair.w, row.pair.h, row.facing, false, 0.0f);
        EXPECT_EQ(canvas.pixel(row.litAt.x, row.litAt.y), lit);
        EXPECT_EQ(canvas.pixel(row.darkAt.x, row.darkAt.y), dark);
        // A third of a second later the flap has turned to the second tile.
        drawDistributorMixerSprite(canvas.renderer(), 0, 0, row.pair.w, row.pair.h, row.facing, false, 0.34f);
        EXPECT_EQ(canvas.pixel(row.litAt.x, row.litAt.y), dark);
        EXPECT_EQ(canvas.pixel(row.darkAt.x, row.darkAt.y), lit);
    }
}

TEST(DistributorMixerSprite, MixerPistonsTakeTurnsAndRollersRun)
{
    const Rgba head{202, 238, 217}, shaft{115, 152, 151}, stripe{86, 103, 108}, bed{29, 40, 46};
    SoftwareCanvas canvas(32, 64);
    SDL_Renderer* r = canvas.renderer();
    // At t = 0 the first head is up (y 30) and the second down (y 33).
    drawDistributorMixerSprite(r, 0, 0, 32, 64, EAST, true, 0.0f);
    EXPECT_EQ(canvas.pixel(14, 30), head);
    EXPECT_EQ(canvas.pixel(19, 30), shaft);
    EXPECT_EQ(canvas.pixel(19, 33), head);
    // Roller stripes at offsets 0 and 6 of the input roller.
    EXPECT_EQ(canvas.pixel(0, 12), stripe);
    EXPECT_EQ(canvas.pixel(2, 12), bed);
    EXPECT_EQ(canvas.pixel(6, 12), stripe);

    // 0.2 s later the heads have swapped; the stripes have moved on two units.
    drawDistributorMixerSprite(r, 0, 0, 32, 64, EAST, true, 0.2f);
    EXPECT_EQ(canvas.pixel(14, 33), head);
    EXPECT_EQ(canvas.pixel(19, 30), head);
    EXPECT_EQ(canvas.pixel(0, 12), bed);
    EXPECT_EQ(canvas.pixel(2, 12), stripe);
}
