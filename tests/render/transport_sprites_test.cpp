#include <gtest/gtest.h>

#include "render/tile_canvas.h"

namespace {

constexpr Rgba BELT_BACKGROUND{46, 50, 52};
constexpr Rgba BED{37, 43, 42};
constexpr Rgba SLAT{113, 123, 116};
constexpr Rgba SLAT_SHADOW{25, 29, 29};
constexpr Rgba EDGE{163, 169, 163};
constexpr Rgba RIVET{198, 180, 109};
constexpr Rgba LIT{120, 215, 141};
constexpr Rgba UNLIT{67, 73, 78};
constexpr Rgba WHITE{255, 255, 255};
constexpr Rgba GREEN{70, 220, 95};
constexpr Rgba RED{220, 65, 65};

Tile belt(Direction d, int speed)
{
    return tileOf(BELT, d, [speed](Tile& t) { t.beltSpeed = speed; });
}

// The colours across the bed, along the belt's run, through its middle.
std::vector<Rgba> alongTheRun(TileCanvas& canvas, bool vertical)
{
    std::vector<Rgba> run;
    for (int a = 0; a < canvas.width(); ++a)
        run.push_back(vertical ? canvas.pixel(16, a) : canvas.pixel(a, 16));
    return run;
}

std::vector<Rgba> slatsAt(std::initializer_list<int> slats)
{
    std::vector<Rgba> run(32, BED);
    for (int a : slats) {
        run[a] = SLAT;
        if (a + 2 < 32) run[a + 2] = SLAT_SHADOW;
    }
    return run;
}

}  // namespace

TEST(BeltSprite, SlatsTravelTowardTheBeltsDirectionAtOnePointSevenTilesASecond)
{
    // At speed 3 after half a second the slats have moved 27 px: 3 within the 8 px pitch.
    TileCanvas canvas;
    struct Row {
        Direction dir;
        float time;
        std::vector<Rgba> run;
    };
    const Row rows[] = {
        {EAST, 0.5f, slatsAt({3, 11, 19, 27})},  {WEST, 0.5f, slatsAt({5, 13, 21, 29})},
        {SOUTH, 0.5f, slatsAt({3, 11, 19, 27})}, {NORTH, 0.5f, slatsAt({5, 13, 21, 29})},
        {EAST, 0.0f, slatsAt({0, 8, 16, 24})},   {NONE, 0.5f, slatsAt({0, 8, 16, 24})},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "facing " << row.dir << " at " << row.time << " s");
        canvas.paint(belt(row.dir, 3), row.time);
        EXPECT_EQ(alongTheRun(canvas, row.dir == NORTH || row.dir == SOUTH), row.run);
    }
    // A stopped belt stands still.
    EXPECT_EQ(canvas.paint(belt(EAST, 0), 0.0f).pixels(), canvas.paint(belt(EAST, 0), 7.3f).pixels());
}

TEST(BeltSprite, HasNoFrameAndItsRailsEdgesAndRivetsSitWhereTheMeasuresPutThem)
{
    TileCanvas canvas;
    canvas.paint(belt(EAST, 3), 0.5f);
    EXPECT_EQ(canvas.pixel(0, 0), BELT_BACKGROUND);
    EXPECT_EQ(canvas.pixel(31, 31), BELT_BACKGROUND);
    EXPECT_EQ(canvas.pixel(16, 16), BED);
    EXPECT_EQ(canvas.pixel(0, 2), EDGE);
    EXPECT_EQ(canvas.pixel(31, 29), EDGE);
    EXPECT_EQ(canvas.pixel(10, 3), (Rgba{76, 81, 83}));
    for (const SDL_Point p : {SDL_Point{8, 3}, SDL_Point{24, 3}, SDL_Point{8, 28}, SDL_Point{24, 28}})
        EXPECT_EQ(canvas.pixel(p.x, p.y), RIVET);

    // From 36 px the measures grow with the tile: margin 3, rail 4.
    TileCanvas large(36);
    large.paint(belt(SOUTH, 3));
    EXPECT_EQ(large.pixel(1, 0), EDGE);
    EXPECT_EQ(large.pixel(34, 35), EDGE);
    EXPECT_EQ(large.pixel(0, 0), BELT_BACKGROUND);
}

TEST(BeltSprite, SpeedBoxesAlongTheBottomShowTheLevelExceptAtNormalSpeed)
{
    TileCanvas canvas;
    for (const Direction dir : {EAST, NORTH}) {
        for (int speed = 0; speed <= 5; ++speed) {
            SCOPED_TRACE(::testing::Message() << "facing " << dir << " speed " << speed);
            canvas.paint(belt(dir, speed));
            for (int i = 1; i <= 5; ++i) {
                const Rgba box = canvas.pixel(3 + (i - 1) * 4, 28);
                if (speed == 3) {
                    EXPECT_NE(box, LIT);
                    EXPECT_NE(box, UNLIT);
                } else {
                    EXPECT_EQ(box, i <= speed ? LIT : UNLIT);
                }
            }
        }
    }
}

TEST(SourceSinkSprite, MarksShowFacingAndWhetherTheyWork)
{
    TileCanvas canvas;
    // A sink shows its facing with a white arrow, and nothing white without one.
    canvas.paint(tileOf(SINK, WEST));
    EXPECT_EQ(canvas.pixel(7, 16), WHITE);
    EXPECT_EQ(canvas.pixel(27, 6), GREEN);
    canvas.paint(tileOf(SINK, NONE, [](Tile& t) { t.sinkAccepting = false; }));
    EXPECT_EQ(canvas.countPixels(WHITE), 0);
    EXPECT_EQ(canvas.pixel(27, 6), RED);
    EXPECT_EQ(canvas.pixel(0, 31), (Rgba{18, 19, 23}));

    canvas.paint(tileOf(SOURCE, SOUTH));
    EXPECT_EQ(canvas.pixel(27, 6), RED);
    canvas.paint(tileOf(SOURCE, SOUTH, [](Tile& t) { t.sourceRunning = true; }));
    EXPECT_EQ(canvas.pixel(27, 6), GREEN);
    EXPECT_EQ(canvas.pixel(14, 25), (Rgba{241, 222, 145}));

    // At 64 px the output marker of a source facing east is 7 px square at (57, 30).
    TileCanvas large(64);
    large.paint(tileOf(SOURCE, EAST));
    const Rgba marker{241, 222, 145};
    EXPECT_EQ(large.pixel(57, 30), marker);
    EXPECT_EQ(large.pixel(63, 36), marker);
    EXPECT_NE(large.pixel(56, 30), marker);
    EXPECT_NE(large.pixel(57, 37), marker);
}

TEST(ArmSprite, TheHubLightShowsTheCargoFilter)
{
    struct Row {
        CargoMask filter;
        Rgba light;
    };
    const Row rows[] = {
        {0, {185, 68, 70}},
        {ALL_CARGO, {90, 205, 151}},
        {cargoBit(LOG), {223, 123, 85}},
        {cargoBit(LOG) | cargoBit(COAL), {223, 185, 85}},
        {cargoBit(COAL), {223, 185, 85}},
    };
    TileCanvas canvas;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.filter);
        canvas.paint(tileOf(LONG_ARM, NONE, [&](Tile& t) { t.armCargoFilter = row.filter; }));
        EXPECT_EQ(canvas.pixel(24, 2), row.light);
        EXPECT_EQ(canvas.pixel(29, 7), row.light);
        EXPECT_EQ(canvas.pixel(12, 12), (Rgba{190, 199, 195}));
        EXPECT_EQ(canvas.pixel(16, 16), (Rgba{38, 42, 46}));
    }
}

TEST(TunnelSprite, AnEntranceAlwaysFacesSouthAndAnExitTurns)
{
    TileCanvas canvas;
    const std::vector<Rgba> entranceSouth = canvas.paint(tileOf(TUNNEL, SOUTH)).pixels();
    EXPECT_EQ(canvas.paint(tileOf(TUNNEL, NORTH)).pixels(), entranceSouth);
    EXPECT_EQ(canvas.paint(tileOf(TUNNEL, EAST)).pixels(), entranceSouth);

    const std::vector<Rgba> exitSouth = canvas.paint(tileOf(TUNNEL_EXIT, SOUTH)).pixels();
    EXPECT_NE(exitSouth, entranceSouth);  // the sign's accent: green, not blue
    EXPECT_EQ(canvas.paint(tileOf(TUNNEL_EXIT, NONE)).pixels(), exitSouth);
    const std::vector<Rgba> exitNorth = canvas.paint(tileOf(TUNNEL_EXIT, NORTH)).pixels();
    for (int i = 0; i < 32 * 32; ++i)
        ASSERT_EQ(exitNorth[i], exitSouth[32 * 32 - 1 - i]) << "pixel " << i;
}

TEST(EjectorTile, TheLampShowsWhetherItIsOnAndTheSlotFollowsThePush)
{
    TileCanvas canvas;
    canvas.paint(tileOf(EJECTOR, EAST));
    EXPECT_EQ(canvas.pixel(25, 6), (Rgba{79, 229, 111}));
    EXPECT_EQ(canvas.pixel(11, 15), (Rgba{30, 43, 49}));
    canvas.paint(tileOf(EJECTOR, NORTH, [](Tile& t) { t.ejectorActive = false; }));
    EXPECT_EQ(canvas.pixel(25, 6), (Rgba{235, 72, 73}));
    EXPECT_EQ(canvas.pixel(15, 11), (Rgba{30, 43, 49}));
    EXPECT_NE(canvas.pixel(11, 15), (Rgba{30, 43, 49}));
}
