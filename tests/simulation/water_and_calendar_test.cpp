#include <gtest/gtest.h>

#include "simulation/production_stats.h"
#include "support/world_builders.h"

namespace {

void placeDirect(Game& game, ControlType type, int x, int y)
{
    Tile& tile = game.tileAt(x, y);
    tile = Tile{};
    tile.type = type;
    if (type == INJECTION_MOLDER) tile.dir = EAST;
}

}  // namespace

TEST(WaterDelivery, MoldersOnOnePipeRunAreServedInTurn)
{
    Game game = emptyGame();
    placeDirect(game, WATER_SOURCE, 0, 0);
    placeDirect(game, WATER_PIPE, 1, 0);
    placeDirect(game, WATER_PIPE, 2, 0);
    placeDirect(game, INJECTION_MOLDER, 2, 1);
    placeDirect(game, INJECTION_MOLDER, 3, 0);
    game.deliverWater(0, 8.0f);
    EXPECT_EQ(game.tileAt(2, 1).molderWater, 1);
    EXPECT_EQ(game.tileAt(3, 0).molderWater, 1);
    const Tile& source = game.tileAt(0, 0);
    EXPECT_NE(source.machineId, 0u);
    EXPECT_EQ(source.serialCounter, 2u);
    EXPECT_EQ(game.tileAt(3, 0).molderWaterItems.front().id.serial +
                  game.tileAt(2, 1).molderWaterItems.front().id.serial,
              3u);
}

TEST(WaterDelivery, MolderTouchingTheSourceWithoutPipeGetsNothing)
{
    Game game = emptyGame();
    placeDirect(game, WATER_SOURCE, 0, 0);
    placeDirect(game, INJECTION_MOLDER, 1, 0);
    game.deliverWater(0, 10.0f);
    EXPECT_EQ(game.tileAt(1, 0).molderWater, 0);
    EXPECT_EQ(game.tileAt(0, 0).machineId, 0u);
    EXPECT_FLOAT_EQ(game.tileAt(0, 0).waterAccumulator, 0.0f);
}

TEST(WaterDelivery, LongStepIsCappedAndFullMoldersHoldTheAccumulator)
{
    Game game = emptyGame();
    placeDirect(game, WATER_SOURCE, 0, 0);
    for (int x = 1; x <= 10; ++x)
        placeDirect(game, WATER_PIPE, x, 0);
    for (int x = 1; x <= 10; ++x)
        placeDirect(game, INJECTION_MOLDER, x, 1);
    game.deliverWater(0, 50.0f);
    int delivered = 0;
    for (int x = 1; x <= 10; ++x)
        delivered += game.tileAt(x, 1).molderWater;
    EXPECT_EQ(delivered, 11);

    Game full = emptyGame();
    placeDirect(full, WATER_SOURCE, 0, 0);
    placeDirect(full, WATER_PIPE, 1, 0);
    placeDirect(full, INJECTION_MOLDER, 2, 0);
    full.tileAt(2, 0).molderWater = 10;
    full.deliverWater(0, 9.0f);
    EXPECT_FLOAT_EQ(full.tileAt(0, 0).waterAccumulator, 4.0f);
    full.tileAt(2, 0).molderWater = 9;
    full.deliverWater(0, 0.0f);
    EXPECT_EQ(full.tileAt(2, 0).molderWater, 10);
}

TEST(Calendar, SixtySecondsMakeADay)
{
    Game game;
    for (int i = 0; i < 3600; ++i)
        game.advanceClock(1.0f / 60.0f);
    EXPECT_NEAR(game.gameTime, 28800.0 + 86400.0, 0.5);
    EXPECT_FALSE(game.monthReportPending);
}

TEST(Calendar, MonthEndClosesTheBooks)
{
    Game game;
    game.gameTime = 31.0 * 86400.0 - 10.0;  // ten seconds before February
    game.money = 1250000;
    game.advanceClock(1.0f);
    EXPECT_EQ(game.lastMonthResult, 250000);
    EXPECT_EQ(game.moneyAtMonthStart, 1250000);
    EXPECT_TRUE(game.monthReportPending);

    game.advanceClock(0.0f);
    game.advanceClock(-1.0f);
    EXPECT_EQ(game.lastMonthResult, 250000);
}

TEST(Calendar, CrossingTwoMonthsAtOnceStoresNothing)
{
    Game game;
    game.money = 2000000;
    game.advanceClock(5000.0f);
    EXPECT_TRUE(game.monthReportPending);
    EXPECT_EQ(game.lastMonthResult, 0);
    EXPECT_EQ(game.moneyAtMonthStart, 2000000);
}

TEST(ProductionStatistics, SampleOncePerSecondOverAMinute)
{
    Game game;
    ProductionStats stats;
    for (int i = 0; i < 61 * 60; ++i) {
        if (i == 600) game.deliveredCount = 5;
        stats.update(game, 1.0f / 60.0f);
    }
    ASSERT_FALSE(stats.samples.empty());
    EXPECT_LE(stats.clock - stats.samples.front().time, 60.0f);
    EXPECT_GE(stats.samples.size(), 59u);
    EXPECT_LE(stats.samples.size(), 61u);
    EXPECT_EQ(stats.samples.back().delivered, 5u);
}

TEST(ProductionStatistics, LongFramesAddOneSampleAtATime)
{
    Game game;
    ProductionStats stats;
    stats.update(game, 3.0f);
    ASSERT_EQ(stats.samples.size(), 2u);
    EXPECT_EQ(stats.samples[0].time, 0.0f);
    EXPECT_EQ(stats.samples[1].time, 3.0f);
    stats.update(game, 3.0f);
    EXPECT_EQ(stats.samples.size(), 3u);
    stats.update(game, 100.0f);
    EXPECT_EQ(stats.samples.size(), 1u);  // at least one sample always remains
    stats.update(game, 0.0f);
    EXPECT_EQ(stats.samples.size(), 1u);
}
