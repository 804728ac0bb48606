#include <gtest/gtest.h>

#include "world/control.h"
#include "world/game.h"

TEST(GameWorld, FreshGameHoldsTheStarterMap)
{
    Game game;
    EXPECT_EQ(game.money, 1000000);
    EXPECT_EQ(game.moneyAtMonthStart, 1000000);
    EXPECT_DOUBLE_EQ(game.gameTime, 28800.0);
    const Tile& source = game.tileAt(3, 9);
    EXPECT_EQ(source.type, SOURCE);
    EXPECT_EQ(source.dir, EAST);
    EXPECT_EQ(source.machineId, 1u);
    EXPECT_FALSE(source.sourceRunning);
    EXPECT_EQ(source.sourceCargo, LOG);
    EXPECT_EQ(game.tileAt(76, 9).type, SINK);
    EXPECT_EQ(game.tileAt(76, 9).dir, NONE);
    EXPECT_EQ(game.nextMachineId, 2u);
    EXPECT_TRUE(game.items.empty());
    EXPECT_TRUE(game.powerLinks.empty());
    EXPECT_TRUE(game.titleDirty);
    EXPECT_TRUE(game.titleChanged);
    EXPECT_TRUE(game.sourcesEnabled);
    EXPECT_EQ(game.tiles.size(), 4800u);
    EXPECT_EQ(game.deckTiles.size(), 4800u);
}

TEST(GameWorld, ResetKeepsMachineIdsGrowingAndEmptiesLists)
{
    Game game;
    game.nextMachineId = 17;
    game.items.emplace_back(1, 1, EAST, LOG);
    game.powerLinks.push_back(Link{1, 1, 2, 2, 0, 0});
    game.signalControlLinks.push_back(Link{});
    game.signalMeasureLinks.push_back(Link{});
    game.dcLinks.push_back(Link{});
    game.incomeEvents.push_back(IncomeEvent{1, 1, 5});
    game.money = 5;
    game.deliveredCount = 9;
    game.stepCount = 4;
    game.sourcesEnabled = false;
    game.tileAt(10, 10).type = BELT;
    game.deckTiles[5].bridgeDir = EAST;
    game.titleDirty = false;
    game.titleText = "kept";

    game.resetMap();
    EXPECT_EQ(game.tileAt(3, 9).machineId, 17u);
    EXPECT_EQ(game.nextMachineId, 18u);
    EXPECT_TRUE(game.items.empty());
    EXPECT_TRUE(game.powerLinks.empty());
    EXPECT_TRUE(game.signalControlLinks.empty());
    EXPECT_TRUE(game.signalMeasureLinks.empty());
    EXPECT_TRUE(game.dcLinks.empty());
    EXPECT_TRUE(game.incomeEvents.empty());
    EXPECT_EQ(game.money, 1000000);
    EXPECT_EQ(game.deliveredCount, 0);
    EXPECT_EQ(game.stepCount, 0u);
    EXPECT_TRUE(game.sourcesEnabled);
    EXPECT_EQ(game.tileAt(10, 10).type, EMPTY);
    EXPECT_EQ(game.deckTiles[5].bridgeDir, NONE);
    EXPECT_TRUE(game.titleDirty);
    EXPECT_EQ(game.titleText, "kept");
}

TEST(GameWorld, CopiesShareTheSoundEngineOnly)
{
    Game game;
    auto* fakeEngine = reinterpret_cast<SoundEngine*>(&game);
    game.sound = fakeEngine;
    game.tileAt(2, 2).type = STORAGE;
    game.tileAt(2, 2).storageCargo.push_back(COAL);
    game.items.emplace_back(2, 2, EAST, COAL);

    Game copy(game);
    EXPECT_EQ(copy.sound, fakeEngine);
    EXPECT_EQ(copy.tiles, game.tiles);
    copy.tileAt(2, 2).storageCargo.pop_front();
    copy.items.clear();
    EXPECT_EQ(game.tileAt(2, 2).storageCargo.size(), 1u);
    EXPECT_EQ(game.items.size(), 1u);
}

TEST(GameWorld, MoveAssignmentKeepsTheTargetsSoundEngine)
{
    Game target;
    auto* engine = reinterpret_cast<SoundEngine*>(&target);
    target.sound = engine;
    Game scratch;
    scratch.money = 42;
    scratch.sound = nullptr;
    target = std::move(scratch);
    EXPECT_EQ(target.money, 42);
    EXPECT_EQ(target.sound, engine);
    EXPECT_EQ(target.tiles.size(), 4800u);
}

TEST(GameWorld, GridOperationsOutsideTheGrid)
{
    Game game;
    EXPECT_FALSE(game.inBounds(-1, 5));
    EXPECT_FALSE(game.inBounds(80, 5));
    EXPECT_FALSE(game.hasDcPowerAt(-1, 5));
    EXPECT_FALSE(game.isPoweredAt(80, 5));
    EXPECT_TRUE(game.isPoweredAt(0, 0));
    game.tileAt(1, 1).type = BELT;
    EXPECT_TRUE(game.isPoweredAt(1, 1));
    game.tileAt(2, 1).type = MIXER_SECOND;
    EXPECT_FALSE(game.isPoweredAt(2, 1));
    game.tileAt(2, 1).powerSupplied = true;
    EXPECT_TRUE(game.isPoweredAt(2, 1));
    game.tileAt(3, 1).dcSupplied = true;
    EXPECT_TRUE(game.hasDcPowerAt(3, 1));
    EXPECT_EQ(tileAtOrNull(game, 80, 0), nullptr);
    EXPECT_EQ(tileAtOrNull(game, 3, 1), &game.tileAt(3, 1));
}

TEST(GameWorld, ItemAtSeesBothLayers)
{
    Game game;
    CargoItem deck(6, 6, EAST, LOG);
    deck.layer = 1;
    game.items.push_back(deck);
    EXPECT_TRUE(game.itemAt(6, 6));
    EXPECT_FALSE(game.itemAt(6, 7));
    EXPECT_EQ(&game.tileUnder(game.items[0]), &game.deckTiles[6 * 80 + 6]);
}

TEST(GameWorld, RemoveItemsClearsTheTileAndReleasesEjectorCharges)
{
    Game game;
    const int ejector = 10 * 80 + 10;
    game.tileAt(12, 10).type = BELT;

    CargoItem overGround(11, 10, NORTH, LOG);  // thrown over empty ground
    overGround.ejectTarget = ejector;
    overGround.state = ITEM_IN_FLIGHT;
    CargoItem overBelt(12, 10, NORTH, COAL);  // thrown over a built tile
    overBelt.ejectTarget = ejector;
    overBelt.state = ITEM_IN_FLIGHT;
    overBelt.ejectSkipTile = 5;
    CargoItem passing(30, 30, EAST, COAL);  // path runs over the tile
    passing.path.push_back(PathPoint{10, 10, 1.0f, EAST, false});
    CargoItem carried(20, 20, EAST, COAL);  // swung over the tile by an arm
    carried.carried = true;
    carried.posX = 10.0f;
    carried.posY = 10.0f;
    CargoItem elsewhere(40, 40, EAST, IRON_ORE);
    for (const CargoItem& item : {overGround, overBelt, passing, carried, elsewhere})
        game.items.push_back(item);

    game.removeItemsAt(10, 10);
    ASSERT_EQ(game.items.size(), 3u);
    EXPECT_EQ(game.items[0].cargo, COAL);
    EXPECT_EQ(game.items[0].x, 12);
    EXPECT_EQ(game.items[0].state, ITEM_FREE);
    EXPECT_EQ(game.items[0].ejectTarget, -1);
    EXPECT_EQ(game.items[0].ejectSkipTile, -1);
    EXPECT_TRUE(game.items[1].carried);
    EXPECT_EQ(game.items[2].cargo, IRON_ORE);
}

TEST(GameWorld, DeliveredCountSaturates)
{
    Game game;
    game.deliveredCount = 2147483640;
    game.addDelivered(100);
    EXPECT_EQ(game.deliveredCount, 2147483647);
}

TEST(ControlRegistry, UnknownTypesGetThePlainControl)
{
    const Control& plain = controlForType(0);
    for (int type : {1, -3, 39, 22, 23, 24, -2147483647 - 1})
        EXPECT_EQ(&controlForType(type), &plain);

    Game game;
    Game before(game);
    Tile tile;
    EXPECT_FALSE(plain.canAccept(tile, EAST, LOG));
    EXPECT_FALSE(plain.place(game, 5, 5));
    EXPECT_FALSE(plain.remove(game, 3, 9));
    plain.acceptItem(tile, LOG, ItemRecord{});
    plain.update(tile, 1.0f);
    EXPECT_EQ(tile, Tile{});
    EXPECT_EQ(game.tiles, before.tiles);
}

TEST(ControlRegistry, PairsShareOneObject)
{
    EXPECT_EQ(&controlForType(7), &controlForType(8));
    EXPECT_EQ(&controlForType(9), &controlForType(10));
    EXPECT_EQ(&controlForType(16), &controlForType(17));
    EXPECT_EQ(&controlForType(12), &controlForType(12));
}
