#include <gtest/gtest.h>

#include "machines/production_test_helpers.h"
#include "machines/storage_control.h"
#include "world/game.h"

namespace {
const StorageControl& storage() { return dynamic_cast<const StorageControl&>(controlForType(STORAGE)); }
}  // namespace

TEST(Storage, HoldsAHundredUnitsOfAnyKind)
{
    Tile tile = builtTile(STORAGE, SOUTH);
    EXPECT_FALSE(storage().canAccept(tile, NORTH, LOG));
    EXPECT_FALSE(storage().canAccept(tile, NONE, LOG));
    for (CargoType cargo = 0; cargo < CARGO_TYPE_COUNT; ++cargo) {
        EXPECT_TRUE(storage().canAccept(tile, SOUTH, cargo));
        feed(storage(), tile, cargo, 1);
    }
    feed(storage(), tile, WATER, 87);
    EXPECT_FALSE(storage().canAccept(tile, EAST, LOG));
    storage().popOutput(tile);
    EXPECT_TRUE(storage().canAccept(tile, EAST, LOG));
    EXPECT_EQ(tile.storageCargo.front(), PLANKS);

    tile.storageAcceptMask = ALL_CARGO & ~cargoBit(COAL);
    EXPECT_FALSE(storage().canAccept(tile, EAST, COAL));
    EXPECT_TRUE(storage().canAccept(tile, EAST, IRON_ORE));
}

TEST(Storage, GivesUnitsOutFirstInFirstOutWithTheirRecords)
{
    Tile tile = builtTile(STORAGE);
    const ItemRecord gear = recordOf(7, 5, "M1", {ItemId{3, 9, ""}});
    storage().acceptItem(tile, PLASTIC_GEAR, ItemRecord(gear));
    storage().acceptItem(tile, COAL, recordOf(2, 1));
    EXPECT_EQ(tile.storageCargo.front(), PLASTIC_GEAR);
    EXPECT_EQ(tile.storageItems.front(), gear);
    storage().popOutput(tile);
    EXPECT_EQ(tile.storageCargo.front(), COAL);
    EXPECT_EQ(tile.storageItems.front(), recordOf(2, 1));
}

TEST(Storage, TurningKeepsTheStockAndRemovingDropsIt)
{
    Game game;
    ASSERT_TRUE(storage().place(game, 40, 40));
    Tile& tile = game.tileAt(40, 40);
    EXPECT_FALSE(tile.storageOutputOn);
    feed(storage(), tile, LOG, 100);
    tile.storageOutputOn = true;
    ASSERT_TRUE(storage().place(game, 40, 40));
    EXPECT_EQ(tile.storageCargo.size(), 100u);
    EXPECT_TRUE(tile.storageOutputOn);
    ASSERT_TRUE(storage().remove(game, 40, 40));
    ASSERT_TRUE(storage().place(game, 40, 40));
    EXPECT_TRUE(game.tileAt(40, 40).storageCargo.empty());
}
