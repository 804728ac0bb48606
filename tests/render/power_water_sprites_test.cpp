#include <gtest/gtest.h>

#include "render/tile_canvas.h"

namespace {

constexpr Rgba SMOKE{104, 108, 106, 210};

Tile generator(bool on, float burnTime)
{
    return tileOf(COAL_GENERATOR, NONE, [=](Tile& t) {
        t.generatorOn = on;
        t.generatorBurnTime = burnTime;
    });
}

Tile molder(float timer, int waiting = 0)
{
    return tileOf(INJECTION_MOLDER, NONE, [=](Tile& t) {
        t.molderTimer = timer;
        t.molderOutputCount = waiting;
    });
}

}  // namespace

TEST(CoalGeneratorSprite, TheLampFollowsTheSwitchAndOnlyABurningFireSmokes)
{
    struct Row {
        const char* what;
        Tile tile;
        Rgba lamp;
        Rgba fire;
        bool smoke;
    };
    const Rgba green{105, 225, 139}, red{174, 64, 61}, cold{91, 68, 56}, hot{245, 143, 42};
    const Row rows[] = {
        {"on without fuel", generator(true, 0.0f), green, cold, false},
        {"on and burning", generator(true, 4.0f), green, hot, true},
        {"off with fuel left", generator(false, 4.0f), red, cold, false},
        {"off", generator(false, 0.0f), red, cold, false},
    };
    TileCanvas canvas;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        canvas.paint(row.tile, 0.45f);
        EXPECT_EQ(canvas.pixel(27, 21), row.lamp);
        EXPECT_EQ(canvas.pixel(14, 21), row.fire);
        EXPECT_EQ(canvas.countPixels(SMOKE) > 0, row.smoke);
    }
    // The puff rises through four places, five steps a second.
    canvas.paint(generator(true, 4.0f), 0.0f);
    EXPECT_EQ(canvas.pixel(27, 1), SMOKE);
    canvas.paint(generator(true, 4.0f), 0.65f);
    EXPECT_EQ(canvas.pixel(26, 4), SMOKE);
    EXPECT_NE(canvas.pixel(27, 1), SMOKE);
}

TEST(PowerPoleSprite, AnUnconnectedPoleIsGreyWithARedLightAndStandsStill)
{
    TileCanvas canvas;
    const std::vector<Rgba> still = canvas.paint(tileOf(POWER_POLE), 0.0f, false).pixels();
    EXPECT_EQ(canvas.pixel(7, 14), (Rgba{205, 211, 199}));
    EXPECT_EQ(canvas.pixel(15, 19), (Rgba{128, 62, 58}));
    EXPECT_EQ(canvas.paint(tileOf(POWER_POLE), 0.4f, false).pixels(), still);

    // Connected, it glows and a spark hops over the insulators six times a second.
    const Rgba spark{229, 255, 174};
    canvas.paint(tileOf(POWER_POLE), 0.0f, true);
    EXPECT_EQ(canvas.pixel(7, 14), (Rgba{103, 225, 196}));
    EXPECT_EQ(canvas.pixel(15, 19), (Rgba{104, 240, 151}));
    EXPECT_EQ(canvas.pixel(8, 4), spark);
    canvas.paint(tileOf(POWER_POLE), 0.2f, true);
    EXPECT_EQ(canvas.pixel(16, 4), spark);
    EXPECT_NE(canvas.pixel(8, 4), spark);

    // No other type looks different when powered.
    for (const ControlType type : {EMPTY, BELT, SINK, ARM, COAL_GENERATOR, INJECTION_MOLDER, EJECTOR})
        EXPECT_EQ(canvas.paint(tileOf(type, EAST), 0.3f, true).pixels(),
                  canvas.paint(tileOf(type, EAST), 0.3f, false).pixels())
            << "type " << type;
}

TEST(InjectionMolderSprite, ThePressFollowsTheCycle)
{
    const Rgba mould{75, 151, 160}, housing{28, 39, 44}, gear{215, 123, 46}, hotGear{247, 164, 66};
    const Rgba working{107, 223, 137}, idle{194, 66, 67};
    TileCanvas canvas;

    // Two seconds in, the plastic runs in 9 units wide and the mould is shut.
    canvas.paint(molder(2.0f));
    EXPECT_EQ(canvas.pixel(15, 15), (Rgba{255, 218, 109}));
    EXPECT_EQ(canvas.pixel(22, 15), (Rgba{255, 112, 34}));
    EXPECT_EQ(canvas.pixel(22, 16), (Rgba{255, 112, 34}));
    EXPECT_EQ(canvas.pixel(27, 16), mould);
    EXPECT_EQ(canvas.pixel(27, 17), mould);
    EXPECT_EQ(canvas.pixel(24, 16), working);

    // At 3.5 s the mould opens a little and shows the gear.
    canvas.paint(molder(3.5f));
    EXPECT_EQ(canvas.pixel(27, 16), housing);
    EXPECT_EQ(canvas.pixel(27, 18), mould);
    EXPECT_EQ(canvas.pixel(22, 14), gear);
    EXPECT_EQ(canvas.pixel(22, 16), (Rgba{37, 47, 50}));
    EXPECT_EQ(canvas.paint(molder(3.8f)).pixel(22, 14), hotGear);

    // Idle with gears waiting: the gear and the red light, the press wide open.
    canvas.paint(molder(0.0f, 2));
    EXPECT_EQ(canvas.pixel(22, 14), gear);
    EXPECT_EQ(canvas.pixel(24, 16), idle);
    EXPECT_EQ(canvas.pixel(27, 16), housing);
    EXPECT_NE(canvas.paint(molder(0.0f)).pixel(22, 14), gear);

    // Its facing shows as an arrow in the trim's colour; none without one.
    const Rgba trim{125, 143, 143};
    EXPECT_EQ(canvas.paint(molder(0.0f)).countPixels(trim), 2 * 4 * 2);
    canvas.paint(tileOf(INJECTION_MOLDER, EAST));
    EXPECT_EQ(canvas.pixel(24, 16), trim);
}

TEST(WaterSourceSprite, IsAFramedBasinOnTheWaterBackground)
{
    TileCanvas canvas;
    canvas.paint(tileOf(WATER_SOURCE, EAST));
    EXPECT_EQ(canvas.pixel(0, 0), (Rgba{18, 19, 23}));
    EXPECT_EQ(canvas.pixel(1, 1), (Rgba{29, 35, 43}));
    EXPECT_EQ(canvas.pixel(16, 12), (Rgba{7, 167, 241}));
    EXPECT_EQ(canvas.pixel(10, 10), (Rgba{132, 233, 255}));
    EXPECT_EQ(canvas.paint(tileOf(WATER_SOURCE, NONE)).pixels(), canvas.paint(tileOf(WATER_SOURCE, WEST)).pixels());
}
