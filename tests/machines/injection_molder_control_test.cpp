#include <gtest/gtest.h>

#include "machines/injection_molder_control.h"
#include "machines/production_test_helpers.h"
#include "world/game.h"

namespace {
const InjectionMolderControl& molder()
{
    return dynamic_cast<const InjectionMolderControl&>(controlForType(INJECTION_MOLDER));
}

Tile molderWith(int granulate, int water)
{
    Tile tile = builtTile(INJECTION_MOLDER);
    feed(molder(), tile, PLASTIC_GRANULATE, granulate);
    for (int i = 0; i < water; ++i)
        molder().acceptWater(tile, ItemRecord{});
    return tile;
}
}  // namespace

TEST(InjectionMolder, TakesGranulateThroughAnyFaceButItsOutput)
{
    Tile tile = molderWith(9, 0);
    EXPECT_FALSE(molder().canAccept(tile, WEST, PLASTIC_GRANULATE));
    for (Direction travel : {NORTH, EAST, SOUTH})
        EXPECT_TRUE(molder().canAccept(tile, travel, PLASTIC_GRANULATE));
    EXPECT_FALSE(molder().canAccept(tile, EAST, WATER));
    molder().acceptItem(tile, WATER, ItemRecord{});
    EXPECT_EQ(tile.molderWater, 0);
    feed(molder(), tile, PLASTIC_GRANULATE, 1);
    EXPECT_FALSE(molder().canAccept(tile, EAST, PLASTIC_GRANULATE));
}

TEST(InjectionMolder, FullWaterStoreLeavesTheUnitWithTheCaller)
{
    Tile tile = molderWith(0, 9);
    EXPECT_TRUE(molder().acceptWater(tile, ItemRecord{}));
    ItemRecord unit = recordOf(22, 8, "W");
    EXPECT_FALSE(molder().acceptWater(tile, std::move(unit)));
    EXPECT_EQ(unit, recordOf(22, 8, "W"));
    EXPECT_EQ(tile.molderWater, 10);

    Tile belt = builtTile(BELT);
    EXPECT_FALSE(molder().acceptWater(belt, ItemRecord{}));
    EXPECT_EQ(belt.molderWater, 0);
}

TEST(InjectionMolder, WaitsWithoutInputsAndCarriesTimeWhileInputsLast)
{
    Tile shortOfWater = molderWith(2, 0);
    shortOfWater.molderTimer = 1.5f;
    molder().update(shortOfWater, 3.0f);
    EXPECT_FLOAT_EQ(shortOfWater.molderTimer, 1.5f);

    Tile runsDry = molderWith(4, 2);
    molder().update(runsDry, 10.0f);
    EXPECT_EQ(runsDry.molderOutputCount, 2);
    EXPECT_EQ(runsDry.molderGranulate, 0);
    EXPECT_EQ(runsDry.molderWater, 0);
    EXPECT_FLOAT_EQ(runsDry.molderTimer, 0.0f);

    Tile keepsGoing = molderWith(6, 3);
    molder().update(keepsGoing, 10.0f);
    EXPECT_EQ(keepsGoing.molderOutputCount, 2);
    EXPECT_EQ(keepsGoing.molderGranulate, 2);
    EXPECT_EQ(keepsGoing.molderWater, 1);
    EXPECT_FLOAT_EQ(keepsGoing.molderTimer, 2.0f);
}

TEST(InjectionMolder, StopsWithTenGearsWaiting)
{
    Tile tile = molderWith(10, 6);
    tile.molderOutputCount = 9;
    molder().update(tile, 8.0f);
    EXPECT_EQ(tile.molderOutputCount, 10);
    EXPECT_FLOAT_EQ(tile.molderTimer, 0.0f);
    molder().popOutput(tile);
    molder().update(tile, 4.0f);
    EXPECT_EQ(tile.molderOutputCount, 10);
    EXPECT_EQ(tile.molderGranulate, 6);
}

TEST(InjectionMolder, GearCarriesTheIdentitiesOfItsInputs)
{
    Tile tile = builtTile(INJECTION_MOLDER);
    tile.machineId = 7;
    tile.serialCounter = 4;
    tile.label = "M1";
    molder().acceptItem(tile, PLASTIC_GRANULATE, recordOf(3, 9));
    molder().acceptItem(tile, PLASTIC_GRANULATE, ItemRecord{});
    molder().acceptWater(tile, ItemRecord{});
    molder().update(tile, 4.0f);
    ASSERT_EQ(tile.molderOutputItems.size(), 1u);
    EXPECT_EQ(tile.molderOutputItems.front(), recordOf(7, 5, "M1", {ItemId{3, 9, ""}}));
    EXPECT_EQ(tile.serialCounter, 5u);

    // Parts of parts follow their unit; anonymous units give only their parts.
    Tile anonymous = builtTile(INJECTION_MOLDER);
    molder().acceptItem(anonymous, PLASTIC_GRANULATE, recordOf(4, 1, "", {ItemId{1, 1, "A"}}));
    molder().acceptItem(anonymous, PLASTIC_GRANULATE, recordOf(4, 2));
    molder().acceptWater(anonymous, recordOf(0, 0, "", {ItemId{2, 2, "W"}}));
    molder().update(anonymous, 4.0f);
    const ItemRecord expected =
        recordOf(0, 0, "", {ItemId{4, 1, ""}, ItemId{1, 1, "A"}, ItemId{4, 2, ""}, ItemId{2, 2, "W"}});
    EXPECT_EQ(anonymous.molderOutputItems.front(), expected);
    EXPECT_EQ(anonymous.serialCounter, 0u);
}

TEST(InjectionMolder, ItemOnTheTileBlocksBuildingAndTurning)
{
    Game game;
    ASSERT_TRUE(molder().place(game, 50, 20));
    EXPECT_FALSE(game.tileAt(50, 20).molderOn);
    game.items.emplace_back(50, 20, EAST, PLASTIC_GRANULATE);
    EXPECT_FALSE(molder().place(game, 50, 20));
    EXPECT_EQ(game.tileAt(50, 20).dir, EAST);
}
