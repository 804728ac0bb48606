#include <gtest/gtest.h>

#include "machines/oven_control.h"
#include "machines/production_test_helpers.h"
#include "world/game.h"

namespace {
const OvenControl& kiln() { return dynamic_cast<const OvenControl&>(controlForType(OVEN)); }
}  // namespace

TEST(CharcoalKiln, TakesLogsAndPlanksThroughAnyFaceButItsOutput)
{
    Tile tile = builtTile(OVEN);
    EXPECT_FALSE(kiln().canAccept(tile, WEST, LOG));
    EXPECT_FALSE(kiln().canAccept(tile, NONE, LOG));
    for (Direction travel : {NORTH, EAST, SOUTH})
        EXPECT_TRUE(kiln().canAccept(tile, travel, LOG));
    EXPECT_FALSE(kiln().canAccept(tile, EAST, COAL));

    tile.ovenAcceptMask = cargoBit(LOG) | cargoBit(COAL);
    EXPECT_FALSE(kiln().canAccept(tile, EAST, PLANKS));
    EXPECT_FALSE(kiln().canAccept(tile, EAST, COAL));
    EXPECT_TRUE(kiln().canAccept(tile, EAST, LOG));
}

TEST(CharcoalKiln, LimitsEachInputKindToTen)
{
    Tile tile = builtTile(OVEN);
    feed(kiln(), tile, LOG, 10);
    EXPECT_FALSE(kiln().canAccept(tile, EAST, LOG));
    EXPECT_TRUE(kiln().canAccept(tile, EAST, PLANKS));
    EXPECT_EQ(tile.ovenHeld, 10);
}

TEST(CharcoalKiln, CarriesLeftoverTimeOnlyWhileInputsRemain)
{
    Tile tile = builtTile(OVEN);
    feed(kiln(), tile, LOG, 1);
    kiln().update(tile, 2.0f);
    kiln().update(tile, 2.0f);
    EXPECT_EQ(tile.ovenOutputCount, 0);
    kiln().update(tile, 2.0f);
    EXPECT_EQ(tile.ovenOutputCount, 1);
    EXPECT_FLOAT_EQ(tile.ovenTimer, 0.0f);

    Tile two = builtTile(OVEN);
    feed(kiln(), two, PLANKS, 2);
    kiln().update(two, 6.0f);
    EXPECT_EQ(two.ovenOutputCount, 1);
    EXPECT_FLOAT_EQ(two.ovenTimer, 1.0f);
}

TEST(CharcoalKiln, LongStepMakesSeveralStampedCoal)
{
    Tile tile = builtTile(OVEN);
    tile.machineId = 7;
    tile.serialCounter = 41;
    tile.label = "K1";
    for (int i = 0; i < 3; ++i)
        kiln().acceptItem(tile, LOG, recordOf(2, 100 + i));
    kiln().update(tile, 12.0f);

    ASSERT_EQ(tile.ovenOutputItems.size(), 2u);
    EXPECT_EQ(tile.ovenOutputItems[0], recordOf(7, 42, "K1"));
    EXPECT_EQ(tile.ovenOutputItems[1], recordOf(7, 43, "K1"));
    EXPECT_EQ(tile.ovenOutputCount, 2);
    EXPECT_EQ(tile.ovenInputCargo.size(), 1u);
    ASSERT_EQ(tile.ovenInputItems.size(), 1u);
    EXPECT_EQ(tile.ovenInputItems.front(), recordOf(2, 102));
    EXPECT_FLOAT_EQ(tile.ovenTimer, 2.0f);
    EXPECT_EQ(tile.serialCounter, 43u);
    EXPECT_EQ(tile.ovenHeld, 3);

    kiln().popOutput(tile);
    EXPECT_EQ(tile.ovenOutputItems.front(), recordOf(7, 43, "K1"));
    EXPECT_EQ(tile.ovenHeld, 2);
}

TEST(CharcoalKiln, StopsWithTenCoalWaitingAndRestartsFromZero)
{
    Tile tile = builtTile(OVEN);
    feed(kiln(), tile, LOG, 10);
    feed(kiln(), tile, PLANKS, 2);
    kiln().update(tile, 53.0f);
    EXPECT_EQ(tile.ovenOutputCount, 10);
    EXPECT_FLOAT_EQ(tile.ovenTimer, 0.0f);
    kiln().update(tile, 5.0f);
    EXPECT_EQ(tile.ovenOutputCount, 10);

    kiln().popOutput(tile);
    kiln().update(tile, 4.0f);
    EXPECT_EQ(tile.ovenOutputCount, 9);
    EXPECT_FLOAT_EQ(tile.ovenTimer, 4.0f);
    EXPECT_TRUE(tile.ovenOutputItems.front().id.isAnonymous());
    EXPECT_EQ(tile.serialCounter, 0u);
}

TEST(CharcoalKiln, TurnsInPlaceUnlessAnItemStandsOnIt)
{
    Game game;
    ASSERT_TRUE(kiln().place(game, 10, 10));
    Tile& tile = game.tileAt(10, 10);
    feed(kiln(), tile, LOG, 2);
    ASSERT_TRUE(kiln().place(game, 10, 10));
    EXPECT_EQ(tile.dir, SOUTH);
    EXPECT_EQ(tile.ovenInputCargo.size(), 2u);

    tile.dir = NONE;
    EXPECT_TRUE(kiln().place(game, 10, 10));
    EXPECT_EQ(tile.dir, NONE);

    game.items.emplace_back(10, 10, EAST, LOG);
    EXPECT_FALSE(kiln().place(game, 10, 10));
    EXPECT_TRUE(kiln().remove(game, 10, 10));
    EXPECT_EQ(game.tileAt(10, 10), Tile{});
    EXPECT_TRUE(game.items.empty());
}
