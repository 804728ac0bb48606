#include <gtest/gtest.h>

#include <limits>

#include "audio/sound_engine.h"
#include "machines/source_control.h"
#include "simulation/prices.h"
#include "support/world_builders.h"

namespace {

constexpr float BELT_PERIOD = 0.58823526f;

CargoItem& dropItem(Game& game, int x, int y, CargoType cargo, float offsetX = 0.0f)
{
    CargoItem& item = game.items.emplace_back(x, y, EAST, cargo);
    item.posX += offsetX;
    return item;
}

struct RecordingSound : SoundEngine {
    int sales = 0;
    int ovenInputs = 0;
    int armLoopCalls = 0;
    void playShopSale(std::uint32_t, float, float) override { ++sales; }
    void playOvenInput(std::uint32_t, float, float) override { ++ovenInputs; }
    void updateArmLoops(const std::vector<ArmLoopSource>&) override { ++armLoopCalls; }
};

}  // namespace

TEST(SimulationStep, ClocksCarryTheirRemainders)
{
    Game game;
    game.update(1.2f, false);
    EXPECT_FLOAT_EQ(game.stepClock, 1.2f - 2 * BELT_PERIOD);
    EXPECT_FLOAT_EQ(game.sourceClock, 1.2f);
    EXPECT_TRUE(game.items.empty());  // the starter source is stopped

    game.update(-3.0f, false);  // a negative step counts as none
    EXPECT_FLOAT_EQ(game.sourceClock, 1.2f);
}

TEST(SimulationStep, ZeroStepStillDeliversAndRebuildsTheTitleOnce)
{
    Game game;
    dropItem(game, STARTER_SINK_X, STARTER_SINK_Y, COAL);
    dropItem(game, STARTER_SINK_X, STARTER_SINK_Y, LOG);
    game.titleChanged = false;
    game.update(0.0f, false);
    EXPECT_TRUE(game.items.empty());
    EXPECT_EQ(game.deliveredCount, 2);
    EXPECT_EQ(game.tileAt(STARTER_SINK_X, STARTER_SINK_Y).sinkDelivered[COAL], 1);
    EXPECT_EQ(game.titleText,
              "Gearhaven  -  Geliefert: 2   (Leertaste: Pause, Strg+Z: Undo, F5: Speichern, F9: Laden, Werkzeug "
              "links waehlen, Links: anwenden, Shift+Links: Werkzeug, Mitte: verschieben, Rad: Zoom)");
    EXPECT_FALSE(game.titleDirty);
    EXPECT_TRUE(game.titleChanged);
}

TEST(SimulationStep, DeliveryNeedsTheItemAtTheCentreOnTheGround)
{
    Game game;
    build(game, SINK, 0, 5);  // at x = 0 the offsets are exact floats
    dropItem(game, 0, 5, COAL, 0.16f);
    dropItem(game, 0, 5, COAL, 0.15f);
    CargoItem& onDeck = dropItem(game, 0, 5, LOG);
    onDeck.layer = 1;
    game.update(0.0f, false);
    ASSERT_EQ(game.items.size(), 2u);
    EXPECT_FLOAT_EQ(game.items[0].posX, 0.16f);
    EXPECT_EQ(game.items[1].layer, 1);
    EXPECT_EQ(game.deliveredCount, 1);
}

TEST(SimulationStep, ProducersGetTheirMachineIdBeforeTheyWork)
{
    Game game;
    Tile& kiln = game.tileAt(20, 20);
    kiln.type = OVEN;
    kiln.dir = EAST;
    const auto next = game.nextMachineId;
    game.update(1.0f / 60.0f, false);
    EXPECT_EQ(kiln.machineId, next);
    EXPECT_EQ(game.nextMachineId, next + 1);
}

TEST(SimulationStep, SkipModeSnapsFreeItemsToTheirTiles)
{
    Game game;
    CargoItem& item = dropItem(game, 30, 30, LOG, 0.3f);
    item.path.push_back(PathPoint{31, 30, 1.7f, EAST, false});
    game.update(1.0f / 60.0f, true);
    EXPECT_EQ(game.items[0].posX, 30.0f);
    EXPECT_TRUE(game.items[0].path.empty());
}

TEST(Sales, ShopCreditsThePriceAndRecordsTheEvent)
{
    Game game;
    RecordingSound sound;
    game.sound = &sound;
    build(game, SHOP, 10, 10);
    dropItem(game, 10, 10, STEEL_INGOT);
    game.titleDirty = false;
    game.update(0.0f, false);
    EXPECT_EQ(game.money, 1000000 + 3000);
    ASSERT_EQ(game.incomeEvents.size(), 1u);
    EXPECT_EQ(game.incomeEvents[0], (IncomeEvent{10, 10, 3000}));
    EXPECT_EQ(sound.sales, 1);
    EXPECT_EQ(sound.armLoopCalls, 1);  // motor loops are reported every step, even empty
}

TEST(Sales, MoneySaturatesAndTheEventSaysWhatWasCredited)
{
    Game game;
    const std::int64_t top = std::numeric_limits<std::int64_t>::max();
    game.money = top - 10;
    game.sellCargo(1, 1, LOG);
    EXPECT_EQ(game.money, top);
    ASSERT_EQ(game.incomeEvents.size(), 1u);
    EXPECT_EQ(game.incomeEvents[0].amount, 10);

    game.titleDirty = false;
    game.sellCargo(1, 1, LOG);
    EXPECT_EQ(game.incomeEvents.size(), 1u);  // nothing credited, nothing recorded
    EXPECT_TRUE(game.titleDirty);
}

TEST(Sales, TheSixtyFifthEventDropsTheOldest)
{
    Game game;
    for (int i = 0; i < 65; ++i)
        game.sellCargo(i, 0, LOG);
    ASSERT_EQ(game.incomeEvents.size(), 64u);
    EXPECT_EQ(game.incomeEvents.front().x, 1);
    EXPECT_EQ(game.incomeEvents.back().x, 64);
}

TEST(Purchases, SourceNeedsTheFullPrice)
{
    Game game;
    Tile& source = game.tileAt(STARTER_SOURCE_X, STARTER_SOURCE_Y);
    SourceControl::toggleRunning(source);
    game.money = 99;
    game.stepSources();
    EXPECT_TRUE(game.items.empty());

    game.money = 100;
    game.stepSources();
    ASSERT_EQ(game.items.size(), 1u);
    EXPECT_EQ(game.money, 0);
    const CargoItem& bought = game.items[0];
    EXPECT_EQ(bought.cargo, LOG);
    EXPECT_EQ(bought.dir, EAST);
    EXPECT_EQ(bought.id, (ItemId{source.machineId, 1, ""}));
    EXPECT_EQ(source.sourceProduced[LOG], 1);

    game.money = 1000;
    game.stepSources();  // its own item still lies on it
    EXPECT_EQ(game.items.size(), 1u);
}

TEST(Purchases, NearbyItemsBlockButArmHeldOnesDoNot)
{
    Game game;
    Tile& source = game.tileAt(STARTER_SOURCE_X, STARTER_SOURCE_Y);
    SourceControl::toggleRunning(source);
    CargoItem& near = dropItem(game, STARTER_SOURCE_X + 1, STARTER_SOURCE_Y, COAL, -0.01f);
    game.stepSources();
    EXPECT_EQ(game.items.size(), 1u);
    near.posX = STARTER_SOURCE_X + 1.0f;
    game.stepSources();
    EXPECT_EQ(game.items.size(), 2u);

    game.items.clear();
    CargoItem& held = dropItem(game, STARTER_SOURCE_X - 1, STARTER_SOURCE_Y, COAL, 0.5f);
    held.carried = true;
    held.holdState = HOLD_GRIPPING;
    game.stepSources();
    EXPECT_EQ(game.items.size(), 2u);
}

TEST(Purchases, MasterSwitchStopsEverySource)
{
    Game game;
    SourceControl::toggleRunning(game.tileAt(STARTER_SOURCE_X, STARTER_SOURCE_Y));
    game.sourcesEnabled = false;
    runFor(game, 5.0f);
    EXPECT_TRUE(game.items.empty());
    game.sourcesEnabled = true;
    runFor(game, 1.7f);
    EXPECT_EQ(game.items.size(), 1u);
    EXPECT_EQ(game.money, 1000000 - static_cast<std::int64_t>(CARGO_PURCHASE_COST[LOG]));
}

TEST(SmallFactory, SourceBeltsAndShopTradeLogsInTimeSkip)
{
    Game game;
    SourceControl::toggleRunning(game.tileAt(STARTER_SOURCE_X, STARTER_SOURCE_Y));
    layBeltRun(game, STARTER_SOURCE_X + 1, STARTER_SOURCE_Y, EAST, 3);
    build(game, SHOP, STARTER_SOURCE_X + 4, STARTER_SOURCE_Y);
    for (int turn = 0; turn < 2; ++turn)
        build(game, SHOP, STARTER_SOURCE_X + 4, STARTER_SOURCE_Y);  // front to the west

    const float skipStep = 1.0f / 1.7f;
    for (int i = 0; i < 200; ++i) {
        game.update(skipStep, true);
        game.advanceClock(skipStep);
    }
    const Tile& source = game.tileAt(STARTER_SOURCE_X, STARTER_SOURCE_Y);
    const int bought = source.sourceProduced[LOG];
    const int sold = bought - static_cast<int>(game.items.size());  // the rest are still on the way
    EXPECT_GT(sold, 30);
    EXPECT_LE(game.items.size(), 4u);
    EXPECT_EQ(game.money, 1000000 - 100LL * bought + 150LL * sold);
    EXPECT_EQ(game.incomeEvents.size(), 64u);
    for (const IncomeEvent& sale : game.incomeEvents)
        EXPECT_EQ(sale, (IncomeEvent{STARTER_SOURCE_X + 4, 9, 150}));
}
