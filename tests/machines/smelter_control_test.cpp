#include <gtest/gtest.h>

#include "machines/production_test_helpers.h"
#include "machines/smelter_control.h"
#include "world/game.h"

namespace {
const SmelterControl& smelter() { return dynamic_cast<const SmelterControl&>(controlForType(SMELTER)); }
}  // namespace

TEST(Smelter, TakesCoalOreAndIngotsUpToTenOfEach)
{
    Tile tile = builtTile(SMELTER);
    EXPECT_FALSE(smelter().canAccept(tile, WEST, COAL));
    EXPECT_FALSE(smelter().canAccept(tile, NONE, COAL));
    EXPECT_FALSE(smelter().canAccept(tile, EAST, LOG));
    EXPECT_FALSE(smelter().canAccept(tile, EAST, STEEL_INGOT));
    tile.smelterAcceptMask = cargoBit(COAL) | cargoBit(IRON_ORE);
    EXPECT_FALSE(smelter().canAccept(tile, EAST, IRON_INGOT));
    tile.smelterAcceptMask = 28;

    feed(smelter(), tile, COAL, 10);
    feed(smelter(), tile, IRON_ORE, 10);
    EXPECT_FALSE(smelter().canAccept(tile, EAST, COAL));
    EXPECT_FALSE(smelter().canAccept(tile, EAST, IRON_ORE));
    EXPECT_TRUE(smelter().canAccept(tile, NORTH, IRON_INGOT));
    EXPECT_EQ(tile.smelterHeld, 20);

    // Ingots in the batch and finished ingots count toward the limit.
    Tile ingots = builtTile(SMELTER);
    ingots.smelterInProcess = 2;
    ingots.smelterOutputCargo.push_back(IRON_INGOT);
    feed(smelter(), ingots, IRON_INGOT, 7);
    EXPECT_EQ(smelter().countOf(ingots, IRON_INGOT), 10);
    EXPECT_FALSE(smelter().canAccept(ingots, EAST, IRON_INGOT));
}

TEST(Smelter, MakesIronFromOreAndCoal)
{
    Tile tile = builtTile(SMELTER);
    feed(smelter(), tile, COAL, 1);
    feed(smelter(), tile, IRON_ORE, 1);
    smelter().update(tile, 3.0f);
    EXPECT_FLOAT_EQ(tile.smelterTimer, 3.0f);
    EXPECT_EQ(tile.smelterCoal, 1);
    smelter().update(tile, 3.0f);
    ASSERT_EQ(tile.smelterOutputCargo.size(), 1u);
    EXPECT_EQ(tile.smelterOutputCargo.front(), IRON_INGOT);
    EXPECT_EQ(tile.smelterCoal, 0);
    EXPECT_FLOAT_EQ(tile.smelterTimer, 0.0f);
    EXPECT_EQ(tile.smelterHeld, 1);
}

TEST(Smelter, LongStepMakesSeveralIngotsStampedInOrder)
{
    Tile tile = builtTile(SMELTER);
    tile.machineId = 5;
    tile.serialCounter = 20;
    feed(smelter(), tile, COAL, 3);
    feed(smelter(), tile, IRON_ORE, 2);
    smelter().update(tile, 10.0f);
    ASSERT_EQ(tile.smelterOutputItems.size(), 2u);
    EXPECT_EQ(tile.smelterOutputItems[0], recordOf(5, 21));
    EXPECT_EQ(tile.smelterOutputItems[1], recordOf(5, 22));
    EXPECT_EQ(tile.smelterCoal, 1);
    EXPECT_FLOAT_EQ(tile.smelterTimer, 0.0f);
}

TEST(Smelter, MakesSteelFromThreeIngotsBurningCoalWithTheThird)
{
    Tile tile = builtTile(SMELTER);
    feed(smelter(), tile, IRON_INGOT, 3);
    smelter().update(tile, 20.0f);
    EXPECT_EQ(tile.smelterInputCargo.size(), 3u) << "no coal, no job";

    feed(smelter(), tile, COAL, 1);
    smelter().update(tile, 10.0f);
    EXPECT_EQ(tile.smelterInProcess, 2);
    EXPECT_EQ(tile.smelterCoal, 1);
    EXPECT_EQ(tile.smelterHeld, 4);
    EXPECT_EQ(smelter().countOf(tile, IRON_INGOT), 3);

    smelter().update(tile, 5.0f);
    ASSERT_EQ(tile.smelterOutputCargo.size(), 1u);
    EXPECT_EQ(tile.smelterOutputCargo.front(), STEEL_INGOT);
    EXPECT_EQ(tile.smelterInProcess, 0);
    EXPECT_EQ(tile.smelterCoal, 0);
    EXPECT_EQ(tile.smelterHeld, 1);
    EXPECT_TRUE(tile.smelterOutputItems.front().id.isAnonymous());
}

TEST(Smelter, WorksTheFirstEntryWhoseProductHasRoom)
{
    Tile tile = builtTile(SMELTER);
    for (int i = 0; i < 10; ++i)
        tile.smelterOutputCargo.push_back(IRON_INGOT);
    feed(smelter(), tile, COAL, 1);
    smelter().acceptItem(tile, IRON_ORE, recordOf(1, 1));
    smelter().acceptItem(tile, IRON_INGOT, recordOf(1, 2));
    EXPECT_EQ(smelter().firstWorkableEntry(tile), 1);
    smelter().update(tile, 5.0f);
    EXPECT_EQ(tile.smelterInProcess, 1);
    ASSERT_EQ(tile.smelterInputItems.size(), 1u);
    EXPECT_EQ(tile.smelterInputItems.front(), recordOf(1, 1));

    // With the steel store full the third ingot waits, while ore still runs.
    Tile full = builtTile(SMELTER);
    for (int i = 0; i < 10; ++i)
        full.smelterOutputCargo.push_back(STEEL_INGOT);
    full.smelterInProcess = 2;
    feed(smelter(), full, COAL, 2);
    feed(smelter(), full, IRON_INGOT, 1);
    EXPECT_EQ(smelter().firstWorkableEntry(full), -1);
    feed(smelter(), full, IRON_ORE, 1);
    smelter().update(full, 7.0f);
    EXPECT_EQ(full.smelterOutputCargo.back(), IRON_INGOT);
    EXPECT_EQ(full.smelterInputCargo.size(), 1u);
    EXPECT_FLOAT_EQ(full.smelterTimer, 0.0f) << "time after the ore job waits unspent";
}

TEST(Smelter, GivesProductsOutInTheOrderTheyWereMade)
{
    Tile tile = builtTile(SMELTER);
    tile.machineId = 3;
    feed(smelter(), tile, COAL, 2);
    feed(smelter(), tile, IRON_INGOT, 3);
    feed(smelter(), tile, IRON_ORE, 1);
    smelter().update(tile, 20.0f);
    ASSERT_EQ(tile.smelterOutputCargo.size(), 2u);
    EXPECT_EQ(tile.smelterOutputCargo.front(), STEEL_INGOT);
    smelter().popOutput(tile);
    EXPECT_EQ(tile.smelterOutputCargo.front(), IRON_INGOT);
    EXPECT_EQ(tile.smelterOutputItems.front(), recordOf(3, 2));
    EXPECT_EQ(tile.smelterHeld, 1);
}

TEST(Smelter, TurnsOddDirectionsToEastAndRemovesItsContents)
{
    Game game;
    ASSERT_TRUE(smelter().place(game, 20, 5));
    game.tileAt(20, 5).dir = NONE;
    EXPECT_TRUE(smelter().place(game, 20, 5));
    EXPECT_EQ(game.tileAt(20, 5).dir, EAST);
    EXPECT_FALSE(smelter().remove(game, 21, 5));
    EXPECT_TRUE(smelter().remove(game, 20, 5));
    EXPECT_EQ(game.tileAt(20, 5).type, EMPTY);
}
