#include <gtest/gtest.h>

#include "support/world_builders.h"

// The refresh works from a layout of the tiles by role; tiles written
// straight between refreshes must be seen at once, as the map reader and
// the tests write them.

namespace {

// An arm at (12, 10) beside a pole at (10, 10), and a running generator at
// (30, 30) that a cable may join to the pole.
Game armBesidePole(bool cabled)
{
    Game game = emptyGame();
    build(game, ARM, 12, 10);
    build(game, POWER_POLE, 10, 10);
    buildFuelledGenerator(game, 30, 30);
    if (cabled) game.powerLinks.push_back(Link{30, 30, 10, 10});
    return game;
}

}  // namespace

TEST(WorldLayout, TilesAndCablesWrittenBetweenRefreshesAreSeenAtOnce)
{
    Game game = armBesidePole(false);
    game.updateNetworks(0.0f);
    EXPECT_FALSE(game.tileAt(12, 10).powerSupplied) << "no cable yet";

    game.powerLinks.push_back(Link{30, 30, 10, 10});
    game.updateNetworks(0.0f);
    EXPECT_TRUE(game.tileAt(12, 10).powerSupplied);

    game.tileAt(10, 10) = Tile{};  // the pole torn out without its cable
    game.updateNetworks(0.0f);
    EXPECT_FALSE(game.tileAt(12, 10).powerSupplied);
    EXPECT_FALSE(game.tileAt(12, 10).powerConnected);
}

TEST(WorldLayout, AConsumerTurnedIntoABeltLosesItsPowerFlags)
{
    Game game = armBesidePole(true);
    game.update(1.0f / 60.0f, false);
    ASSERT_TRUE(game.tileAt(12, 10).powerSupplied);

    game.tileAt(12, 10).type = BELT;  // the flags of the arm stay behind on the tile
    game.update(1.0f / 60.0f, false);
    EXPECT_FALSE(game.tileAt(12, 10).powerSupplied);
    EXPECT_EQ(game.tileAt(12, 10).powerNetwork, -1);
}

TEST(WorldLayout, ACopyOfTheWorldRefreshesLikeTheOriginal)
{
    Game game = armBesidePole(true);
    game.updateNetworks(0.0f);

    Game copy(game);
    copy.powerLinks.clear();
    copy.updateNetworks(0.0f);
    game.updateNetworks(0.0f);
    EXPECT_FALSE(copy.tileAt(12, 10).powerSupplied);
    EXPECT_TRUE(game.tileAt(12, 10).powerSupplied);
}

TEST(WorldLayout, CopiedMovedAndLoadedWorldsStepOnLikeTheOriginal)
{
    Game game;
    game.tileAt(STARTER_SOURCE_X, STARTER_SOURCE_Y).sourceRunning = true;
    layBeltRun(game, STARTER_SOURCE_X + 1, STARTER_SOURCE_Y, EAST, 30);
    runFor(game, 4.0f);

    Game copy(game);  // starts without working tables
    Game stepped(game);
    stepped.updateNetworks(0.0f);
    Game moved(std::move(stepped));  // takes the tables along
    Game loaded;
    runFor(loaded, 1.0f);
    Game scratch(game);
    loaded = std::move(scratch);  // keeps its own tables, built for another world

    for (Game* world : {&game, &copy, &moved, &loaded})
        runFor(*world, 4.0f);
    ASSERT_GT(game.items.size(), 3u);
    EXPECT_EQ(copy.items, game.items);
    EXPECT_EQ(moved.items, game.items);
    EXPECT_EQ(loaded.items, game.items);
}

TEST(WorldLayout, BeltLevelsEditedBetweenStepsAreUsedAtOnce)
{
    Game game = emptyGame();
    layBeltRun(game, 10, 10, EAST, 6, 0);
    itemAtPosition(game, 10, 10, EAST, COAL);
    runBeltStep(game);
    ASSERT_EQ(game.items[0].x, 10) << "a stopped belt holds the item";

    for (int x = 10; x < 16; ++x)
        game.tileAt(x, 10).beltSpeed = 3;  // the level changed in place
    runBeltStep(game);
    EXPECT_EQ(game.items[0].x, 11);

    game.tileAt(12, 10).beltSpeed = 0;
    runBeltStep(game);
    EXPECT_EQ(game.items[0].x, 12);
    runBeltStep(game);
    EXPECT_EQ(game.items[0].x, 12) << "the belt it stands on was stopped";
}
