#include <gtest/gtest.h>

#include "audio/sound_engine.h"
#include "simulation/prices.h"
#include "support/world_builders.h"

namespace {

// A storage at (x, y) facing east that gives out what it holds.
Tile& storageGivingOut(Game& game, int x, int y, CargoType cargo)
{
    Tile& storage = setTile(game, x, y, STORAGE, EAST);
    storage.storageOutputOn = true;
    storage.storageCargo.push_back(cargo);
    storage.storageItems.push_back(ItemRecord{ItemId{4, 9, "LAGER"}, {}});
    return storage;
}

struct OutputSound : SoundEngine {
    int ovenOutputs = 0;
    int sales = 0;
    void playOvenOutput(std::uint32_t, float, float) override { ++ovenOutputs; }
    void playShopSale(std::uint32_t, float, float) override { ++sales; }
};

}  // namespace

TEST(MachineOutputs, ProductGlidesOntoTheBeltAndOnlyTheFirstKilnGetsTheTile)
{
    Game game = emptyGame();
    OutputSound sound;
    game.sound = &sound;
    Tile& first = kilnWithCoal(game, 10, 20, EAST);
    first.ovenOutputItems.push_back(ItemRecord{ItemId{5, 1, "MEILER"}, {ItemId{2, 8, ""}}});
    kilnWithCoal(game, 12, 20, WEST);
    layBelt(game, 11, 20, SOUTH, 1);
    game.spawnMachineOutputs(OutputMachines::Producers);

    ASSERT_EQ(game.items.size(), 1u);
    const CargoItem& coal = game.items[0];
    EXPECT_EQ(coal.cargo, COAL);
    EXPECT_EQ(coal.x, 11);
    EXPECT_FLOAT_EQ(coal.posX, 10.0f);
    EXPECT_EQ(coal.id, (ItemId{5, 1, "MEILER"}));
    EXPECT_EQ(coal.parts, (std::vector<ItemId>{ItemId{2, 8, ""}}));
    ASSERT_EQ(coal.path.size(), 1u);
    EXPECT_EQ(coal.path.front(), (PathPoint{11, 20, 1.7f / 3.0f, SOUTH, false}));
    EXPECT_EQ(game.tileAt(10, 20).ovenOutputCount, 0);
    EXPECT_EQ(game.tileAt(12, 20).ovenOutputCount, 1) << "the tile was already served";
    EXPECT_EQ(sound.ovenOutputs, 1);

    // The belt tile is still taken in the next call.
    game.spawnMachineOutputs(OutputMachines::Producers);
    EXPECT_EQ(game.items.size(), 1u);
}

TEST(MachineOutputs, StoppedBeltStillGetsAMovingProduct)
{
    Game game = emptyGame();
    kilnWithCoal(game, 10, 20, EAST);
    layBelt(game, 11, 20, EAST, 0);
    game.spawnMachineOutputs(OutputMachines::Producers);
    ASSERT_EQ(game.items.size(), 1u);
    EXPECT_FLOAT_EQ(game.items[0].path.front().speed, 1.7f);
    EXPECT_TRUE(game.items[0].id.isAnonymous()) << "no record was queued";
}

TEST(MachineOutputs, ShopsAndSinksTakeProductsStraightIn)
{
    Game game = emptyGame();
    OutputSound sound;
    game.sound = &sound;
    kilnWithCoal(game, 10, 20, EAST);
    setTile(game, 11, 20, SHOP, WEST);  // its front faces the kiln
    kilnWithCoal(game, 10, 22, EAST);
    setTile(game, 11, 22, SINK);
    const std::int64_t before = game.money;
    game.spawnMachineOutputs(OutputMachines::Producers);

    EXPECT_TRUE(game.items.empty());
    EXPECT_EQ(game.money, before + static_cast<std::int64_t>(CARGO_SALE_PRICE[COAL]));
    ASSERT_EQ(game.incomeEvents.size(), 1u);
    EXPECT_EQ(game.incomeEvents[0], (IncomeEvent{11, 20, static_cast<std::int64_t>(CARGO_SALE_PRICE[COAL])}));
    EXPECT_EQ(sound.sales, 1);
    EXPECT_EQ(game.deliveredCount, 1);
    EXPECT_EQ(game.tileAt(11, 22).sinkDelivered[COAL], 1);
    EXPECT_TRUE(game.titleDirty);
}

TEST(MachineOutputs, ProductIntoATunnelStartsInItsEntrySlot)
{
    Game game = emptyGame();
    kilnWithCoal(game, 10, 30, EAST);
    layTunnel(game, 11, 30, 14, 30, EAST);
    game.spawnMachineOutputs(OutputMachines::Producers);
    ASSERT_EQ(game.items.size(), 1u);
    EXPECT_EQ(game.items[0].tunnelProgress, 4);
}

TEST(MachineOutputs, LongArmTakesTheProductOnlyFromTwoTilesAway)
{
    Game game = emptyGame();
    kilnWithCoal(game, 10, 50, EAST);
    Tile& near = build(game, LONG_ARM, 11, 50);
    near.powerSupplied = true;
    layBeltRun(game, 13, 50, EAST, 3);
    game.spawnMachineOutputs(OutputMachines::Producers);
    EXPECT_TRUE(game.items.empty()) << "a long arm right in front blocks the output";

    setTile(game, 11, 50, EMPTY);
    Tile& far = build(game, LONG_ARM, 12, 50);
    far.powerSupplied = true;
    game.spawnMachineOutputs(OutputMachines::Producers);
    ASSERT_EQ(game.items.size(), 1u);
    const CargoItem& held = game.items[0];
    EXPECT_EQ(held.x, 12);
    EXPECT_TRUE(held.carried);
    EXPECT_FLOAT_EQ(held.posX, 10.0f);
    EXPECT_TRUE(held.path.empty());
}

TEST(MachineOutputs, StorageGivesOutOnlyWhenAskedAndStartsBehindTheNearestItem)
{
    Game game = emptyGame();
    Tile& storage = storageGivingOut(game, 10, 40, IRON_ORE);
    layBeltRun(game, 11, 40, EAST, 5);
    game.spawnMachineOutputs(OutputMachines::Producers);
    EXPECT_TRUE(game.items.empty()) << "storages give out only in their own call";

    CargoItem& ahead = itemAtPosition(game, 12, 40, EAST, LOG);  // still gliding onto its tile
    ahead.posX = 11.5f;
    ahead.speedCredit = 7;
    game.spawnMachineOutputs(OutputMachines::Storages);
    ASSERT_EQ(game.items.size(), 2u);
    const CargoItem& ore = game.items[1];
    EXPECT_EQ(ore.x, 11);
    EXPECT_FLOAT_EQ(ore.posX, 10.5f);
    EXPECT_EQ(ore.speedCredit, 7 % 3 + 3);
    EXPECT_EQ(ore.id, (ItemId{4, 9, "LAGER"}));
    ASSERT_EQ(ore.path.size(), 2u);
    EXPECT_EQ(ore.path[1].x, 12);
    EXPECT_TRUE(storage.storageCargo.empty());

    storage.storageOutputOn = false;
    storage.storageCargo.push_back(COAL);
    game.spawnMachineOutputs(OutputMachines::Storages);
    EXPECT_EQ(game.items.size(), 2u);
}

TEST(MachineOutputs, EntrySearchNeedsAFullTileOfRoom)
{
    Game game = emptyGame();
    storageGivingOut(game, 10, 40, IRON_ORE);
    layBeltRun(game, 11, 40, EAST, 5, 2);
    float x = -1.0f;
    float y = -1.0f;
    int phase = -1;
    game.stepCount = 5;
    EXPECT_TRUE(game.outputEntryAt(10, 40, x, y, phase));
    EXPECT_FLOAT_EQ(x, 10.0f);
    EXPECT_EQ(phase, (5 % 3) * 2 % 3) << "with nothing ahead the phase follows the step count";

    CargoItem& close = itemAtPosition(game, 10, 40, EAST, LOG);
    close.posX = 10.5f;
    x = -1.0f;
    EXPECT_FALSE(game.outputEntryAt(10, 40, x, y, phase));
    EXPECT_FLOAT_EQ(x, -1.0f) << "a refusal leaves the entry unwritten";
}

TEST(MachineOutputs, StorageOutputsStepOnAtOnceInTheUpdate)
{
    Game game = emptyGame();
    storageGivingOut(game, 10, 40, IRON_ORE);
    layBeltRun(game, 11, 40, EAST, 5);
    game.update(0.0f, false);
    ASSERT_EQ(game.items.size(), 1u);
    EXPECT_EQ(game.items[0].x, 12);
    EXPECT_EQ(game.items[0].speedCredit, 0);
}
