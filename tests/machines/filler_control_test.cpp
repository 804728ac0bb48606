#include <gtest/gtest.h>

#include "machines/filler_control.h"
#include "machines/production_test_helpers.h"
#include "world/game.h"

namespace {
const FillerControl& filler() { return dynamic_cast<const FillerControl&>(controlForType(FILLER)); }
}  // namespace

TEST(BottlingPlant, TakesEmptyBottlesWhileSwitchedOnAndNotFull)
{
    Tile tile = builtTile(FILLER);
    EXPECT_FALSE(filler().canAccept(tile, WEST, EMPTY_BOTTLE));
    for (Direction travel : {NORTH, EAST, SOUTH})
        EXPECT_TRUE(filler().canAccept(tile, travel, EMPTY_BOTTLE));
    EXPECT_FALSE(filler().canAccept(tile, EAST, FULL_BOTTLE));

    feed(filler(), tile, EMPTY_BOTTLE, 10);
    filler().update(tile, 18.0f);
    EXPECT_EQ(tile.fillerOutputCount, 6);
    EXPECT_EQ(tile.fillerWaiting, 4);
    EXPECT_FALSE(filler().canAccept(tile, EAST, EMPTY_BOTTLE)) << "full and empty bottles share the room";

    filler().popOutput(tile);
    EXPECT_TRUE(filler().canAccept(tile, EAST, EMPTY_BOTTLE));
    tile.fillerAccepting = false;
    EXPECT_FALSE(filler().canAccept(tile, EAST, EMPTY_BOTTLE));
    filler().update(tile, 3.0f);
    EXPECT_EQ(tile.fillerOutputCount, 6) << "the intake switch does not stop the filling";
}

TEST(BottlingPlant, CarriesLeftoverTimeToTheNextBottle)
{
    Tile tile = builtTile(FILLER);
    feed(filler(), tile, EMPTY_BOTTLE, 3);
    filler().update(tile, 7.0f);
    EXPECT_EQ(tile.fillerOutputCount, 2);
    EXPECT_EQ(tile.fillerWaiting, 1);
    EXPECT_FLOAT_EQ(tile.fillerTimer, 1.0f);

    Tile one = builtTile(FILLER);
    feed(filler(), one, EMPTY_BOTTLE, 1);
    for (int i = 0; i < 3; ++i)
        filler().update(one, 1.0f);
    EXPECT_EQ(one.fillerOutputCount, 1);
    EXPECT_FLOAT_EQ(one.fillerTimer, 0.0f);
    filler().update(one, 2.0f);
    EXPECT_FLOAT_EQ(one.fillerTimer, 0.0f) << "nothing waiting, nothing runs";
}

TEST(BottlingPlant, StampsFullBottlesAndDropsTheEmptyBottlesIdentity)
{
    Tile tile = builtTile(FILLER);
    tile.machineId = 9;
    tile.serialCounter = 3;
    tile.label = "F";
    filler().acceptItem(tile, EMPTY_BOTTLE, recordOf(1, 1));
    filler().acceptItem(tile, EMPTY_BOTTLE, recordOf(1, 2));
    filler().update(tile, 6.0f);
    ASSERT_EQ(tile.fillerOutputItems.size(), 2u);
    EXPECT_EQ(tile.fillerOutputItems[0], recordOf(9, 4, "F"));
    EXPECT_EQ(tile.fillerOutputItems[1], recordOf(9, 5, "F"));
    EXPECT_TRUE(tile.fillerInputItems.empty());
    filler().popOutput(tile);
    EXPECT_EQ(tile.fillerBottles, 1);
    EXPECT_EQ(tile.fillerOutputItems.front(), recordOf(9, 5, "F"));
}

TEST(BottlingPlant, ItemOnTheTileBlocksBuildingAndTurning)
{
    Game game;
    game.items.emplace_back(30, 30, EAST, EMPTY_BOTTLE);
    EXPECT_FALSE(filler().place(game, 30, 30));
    game.items.clear();
    ASSERT_TRUE(filler().place(game, 30, 30));
    game.tileAt(30, 30).fillerAccepting = false;
    game.items.emplace_back(30, 30, EAST, EMPTY_BOTTLE);
    EXPECT_FALSE(filler().place(game, 30, 30));
    game.items.clear();
    EXPECT_TRUE(filler().place(game, 30, 30));
    EXPECT_EQ(game.tileAt(30, 30).dir, SOUTH);
    EXPECT_FALSE(game.tileAt(30, 30).fillerAccepting);
}
