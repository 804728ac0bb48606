#include <gtest/gtest.h>

#include <cmath>

#include "support/world_builders.h"
#include "world/game.h"

TEST(CanEnterTile, FollowsTheDeckOnlyAlongTheBridge)
{
    Game game;
    buildBridgeEast(game, 20, 10);
    EXPECT_TRUE(game.canEnterTile(20, 10, EAST, LOG)) << "judged by the deck belt";
    EXPECT_FALSE(game.canEnterTile(20, 10, SOUTH, LOG)) << "nothing under the deck to take it";
    setTile(game, 20, 10, BELT, SOUTH);
    game.tileAt(20, 10).bridgePart = BRIDGE_DECK;
    game.tileAt(20, 10).bridgeDir = EAST;
    EXPECT_TRUE(game.canEnterTile(20, 10, SOUTH, LOG)) << "the belt under the deck takes it";
}

TEST(CanEnterTile, RefusesCrossingAnEmptyBridgeMiddleAndTheEdgeOfTheMap)
{
    Game game;
    buildBridgeEast(game, 20, 10);
    EXPECT_FALSE(game.canEnterTile(20, 10, NORTH, LOG));
    EXPECT_FALSE(game.canEnterTile(20, 10, SOUTH, COAL));
    EXPECT_FALSE(game.canEnterTile(-1, 10, EAST, LOG));
    EXPECT_FALSE(game.canEnterTile(80, 10, EAST, LOG));
    EXPECT_FALSE(game.canEnterTile(5, 60, EAST, LOG));
}

TEST(CanEnterTile, UnpoweredMixerRefusesEverythingWhileBeltsNeedNoPower)
{
    Game game;
    Tile& mixer = setTile(game, 30, 30, MIXER, EAST);
    setTile(game, 30, 31, MIXER_SECOND, EAST);
    mixer.powerSupplied = true;
    game.tileAt(30, 31).powerSupplied = true;
    ASSERT_TRUE(game.canEnterTile(30, 30, EAST, LOG));
    ASSERT_TRUE(game.canEnterTile(30, 31, EAST, LOG));

    mixer.powerSupplied = false;
    game.tileAt(30, 31).powerSupplied = false;
    for (CargoType cargo = 0; cargo < CARGO_TYPE_COUNT; ++cargo) {
        for (Direction travel = NONE; travel <= WEST; ++travel) {
            EXPECT_FALSE(game.canEnterTile(30, 30, travel, cargo));
            EXPECT_FALSE(game.canEnterTile(30, 31, travel, cargo));
        }
    }
    setTile(game, 40, 40, BELT, EAST).powerSupplied = false;
    EXPECT_TRUE(game.canEnterTile(40, 40, NORTH, IRON_ORE));
}

TEST(CanEnterTile, DistributorTakesItemsOnlyOnItsMainTile)
{
    Game game;
    setTile(game, 10, 10, DISTRIBUTOR, EAST).powerSupplied = true;
    setTile(game, 10, 11, DISTRIBUTOR_SECOND, EAST).powerSupplied = true;
    EXPECT_TRUE(game.canEnterTile(10, 10, EAST, LOG));
    EXPECT_FALSE(game.canEnterTile(10, 11, EAST, LOG));
}

TEST(CanEnterTile, TunnelExitSourceAndDistributorSecondTileRefuse)
{
    Game game;
    setTile(game, 12, 14, TUNNEL);
    ASSERT_TRUE(game.canEnterTile(12, 14, NORTH, LOG)) << "the entrance takes items";
    setTile(game, 10, 11, DISTRIBUTOR_SECOND, EAST).powerSupplied = true;
    setTile(game, 12, 12, TUNNEL_EXIT, EAST);
    setTile(game, 14, 14, SOURCE, EAST);
    for (Direction travel = NORTH; travel <= WEST; ++travel) {
        EXPECT_FALSE(game.canEnterTile(10, 11, travel, LOG));
        EXPECT_FALSE(game.canEnterTile(12, 12, travel, LOG));
        EXPECT_FALSE(game.canEnterTile(14, 14, travel, LOG));
    }
}

TEST(HasRoomOnTile, ItemsOneTileAwayDoNotBlockButCloserOnesDo)
{
    Game game;
    itemAtPosition(game, 11.0f, 10.0f, EAST);
    itemAtPosition(game, 10.0f, 9.0f, EAST);
    EXPECT_TRUE(game.hasRoomOnTile(10, 10, nullptr));

    itemAtPosition(game, 10.999f, 10.999f, EAST);
    EXPECT_FALSE(game.hasRoomOnTile(10, 10, nullptr));
    EXPECT_TRUE(game.hasRoomOnTile(10, 10, &game.items.back())) << "an item never blocks itself";
}

TEST(HasRoomOnTile, PlannedPathClaimsTheTileFromAfar)
{
    Game game;
    CargoItem& far = itemAtPosition(game, 2.0f, 10.0f, EAST);
    far.path.push_back(PathPoint{3, 10});
    far.path.push_back(PathPoint{10, 10});
    EXPECT_FALSE(game.hasRoomOnTile(10, 10, nullptr));
    EXPECT_TRUE(game.hasRoomOnTile(10, 11, nullptr));

    CargoItem copy = far;
    EXPECT_FALSE(game.hasRoomOnTile(10, 10, &copy)) << "a record outside the list leaves nothing out";
}

TEST(HasRoomOnTile, ItemsRidingTheBridgeLeaveTheGroundBelowFree)
{
    Game game;
    buildBridgeEast(game, 20, 10);
    CargoItem& onDeck = itemAtPosition(game, 20.0f, 10.0f, EAST);
    onDeck.layer = 1;
    itemAtPosition(game, 19.6f, 10.0f, EAST);  // climbing the entry ramp
    EXPECT_TRUE(game.hasRoomOnTile(20, 10, nullptr));

    itemAtPosition(game, 20.0f, 9.4f, SOUTH);  // crossing under the deck
    EXPECT_FALSE(game.hasRoomOnTile(20, 10, nullptr));
}

TEST(HasRoomOnTile, OutsideTheGridOnlyPositionsAndPathsCount)
{
    Game game;
    CargoItem& edge = itemAtPosition(game, -0.001f, 5.0f, WEST);
    edge.layer = 1;
    EXPECT_FALSE(game.hasRoomOnTile(-1, 5, nullptr)) << "0.999 away is still within reach";
    edge.posX = 0.5f;
    EXPECT_TRUE(game.hasRoomOnTile(-1, 5, nullptr));
    edge.path.push_back(PathPoint{-1, 5});
    EXPECT_FALSE(game.hasRoomOnTile(-1, 5, nullptr));
}

TEST(PathDistanceTo, MeasuresAlongThePlannedPath)
{
    Game game;
    CargoItem item(10, 10, EAST, LOG);
    item.posX = 10.25f;
    item.path.push_back(PathPoint{11, 10});
    item.path.push_back(PathPoint{11, 12});
    EXPECT_FLOAT_EQ(game.pathDistanceTo(item, 11.0f, 10.0f), 0.75f);
    EXPECT_FLOAT_EQ(game.pathDistanceTo(item, 11.0f, 11.5f), 2.25f);
    EXPECT_FLOAT_EQ(game.pathDistanceTo(item, 10.25f, 10.0f), 0.0f);
    EXPECT_EQ(game.pathDistanceTo(item, 10.0f, 10.0f), -1.0f) << "behind the item";
}

TEST(PathDistanceTo, HitsWithinTwoHundredthsOfATile)
{
    Game game;
    CargoItem item(10, 10, EAST, LOG);
    item.path.push_back(PathPoint{12, 10});
    EXPECT_FLOAT_EQ(game.pathDistanceTo(item, 11.0f, 10.019f), 1.0f);
    EXPECT_EQ(game.pathDistanceTo(item, 11.0f, 10.02f), -1.0f);
}

TEST(PathDistanceTo, ReachesNoFurtherThanThreeTiles)
{
    Game game;
    CargoItem item(0, 10, EAST, LOG);
    item.posX = 0.0f;
    item.path.push_back(PathPoint{2, 10});
    item.path.push_back(PathPoint{9, 10});
    EXPECT_FLOAT_EQ(game.pathDistanceTo(item, 3.001f, 10.0f), 3.001f);
    EXPECT_EQ(game.pathDistanceTo(item, 3.002f, 10.0f), -1.0f);
    EXPECT_EQ(game.pathDistanceTo(item, 5.0f, 10.0f), -1.0f);

    // A hit beyond reach ends the walk even when the route turns back toward the point.
    item.path.clear();
    item.path.push_back(PathPoint{2, 10});
    item.path.push_back(PathPoint{2, 14});
    item.path.push_back(PathPoint{2, 10});
    EXPECT_EQ(game.pathDistanceTo(item, 2.0f, 13.5f), -1.0f);
}

TEST(PathDistanceTo, LooksAheadTwoTilesAlongBeltsBridgesAndMixers)
{
    Game game;
    setTile(game, 10, 10, BELT, EAST);
    setTile(game, 11, 10, MIXER, SOUTH);
    setTile(game, 11, 11, BELT, SOUTH);
    CargoItem item(10, 10, EAST, LOG);
    EXPECT_FLOAT_EQ(game.pathDistanceTo(item, 11.0f, 10.0f), 1.0f);
    EXPECT_FLOAT_EQ(game.pathDistanceTo(item, 11.0f, 10.5f), 1.5f);
    EXPECT_EQ(game.pathDistanceTo(item, 11.0f, 12.0f), -1.0f) << "only two tiles ahead";

    item.x = 30;
    item.y = 30;
    EXPECT_EQ(game.pathDistanceTo(item, 11.0f, 10.0f), -1.0f) << "an empty tile carries nothing";
}

TEST(PathDistanceTo, LooksAheadOverABridgeDeck)
{
    Game game;
    buildBridgeEast(game, 20, 10);
    setTile(game, 20, 10, BELT, NORTH);  // a belt crossing under the deck
    game.tileAt(20, 10).bridgeDir = EAST;
    game.tileAt(20, 10).bridgePart = BRIDGE_DECK;
    CargoItem item(19, 10, EAST, LOG);
    item.posX = 19.0f;
    EXPECT_FLOAT_EQ(game.pathDistanceTo(item, 21.0f, 10.0f), 2.0f) << "the deck belt carries it on east";
    EXPECT_EQ(game.pathDistanceTo(item, 20.0f, 9.0f), -1.0f);
}

// The route box may only spare walks that find nothing: wherever it says a
// point lies clear, the walk must miss it, on paths, turns and belts beyond.
TEST(RouteBounds, ClearOfTheBoxMeansOffTheRoute)
{
    Game game;
    setTile(game, 10, 10, BELT, EAST);
    setTile(game, 11, 10, MIXER, SOUTH);
    setTile(game, 11, 11, BELT, SOUTH);
    CargoItem onBelts(10, 10, EAST, LOG);
    CargoItem turning(10, 10, EAST, LOG);
    turning.posX = 9.6f;
    turning.path.push_back(PathPoint{10, 10});
    turning.path.push_back(PathPoint{10, 8});
    turning.path.push_back(PathPoint{7, 8});
    turning.path.push_back(PathPoint{7, 12});
    int clear = 0;
    for (const CargoItem* item : {&onBelts, &turning}) {
        const RouteBounds box = game.routeBounds(*item);
        for (float x = 5.0f; x <= 14.0f; x += 0.01f) {
            for (float y = 6.0f; y <= 14.0f; y += 0.25f) {
                if (!box.keepsOff(x, y)) continue;
                ++clear;
                ASSERT_EQ(game.pathDistanceTo(*item, x, y), -1.0f) << x << ", " << y;
            }
        }
        EXPECT_FALSE(box.keepsOff(item->posX, item->posY));
        EXPECT_FALSE(box.keepsOff(std::nanf(""), item->posY));
    }
    EXPECT_GT(clear, 0);
    EXPECT_TRUE(game.routeBounds(turning).keepsOff(10.5f, 10.0f)) << "beyond reach the belts do not count";
}

TEST(EjectorForBelt, PicksTheActiveEjectorFacingTheBeltWithRoomBeyond)
{
    Game game;
    setTile(game, 10, 10, BELT, EAST);
    setTile(game, 10, 11, EJECTOR, NORTH);
    EXPECT_EQ(game.ejectorForBelt(10, 10), tileIndex(10, 11));

    setTile(game, 10, 9, SMELTER, EAST);
    EXPECT_EQ(game.ejectorForBelt(10, 10), -1) << "a machine beyond";
    setTile(game, 10, 9, STORAGE, EAST);
    EXPECT_EQ(game.ejectorForBelt(10, 10), tileIndex(10, 11));
    game.tileAt(10, 11).ejectorActive = false;
    EXPECT_EQ(game.ejectorForBelt(10, 10), -1) << "switched off";
    game.tileAt(10, 11).ejectorActive = true;
    game.tileAt(10, 11).dir = EAST;
    EXPECT_EQ(game.ejectorForBelt(10, 10), -1) << "facing along the belt";
    EXPECT_EQ(game.ejectorForBelt(10, 11), -1) << "not a belt";
}

TEST(EjectorForBelt, SmallerTileIndexWinsAndTheMapEdgeCounts)
{
    Game game;
    setTile(game, 10, 10, BELT, EAST);
    setTile(game, 10, 11, EJECTOR, NORTH);
    setTile(game, 9, 10, EJECTOR, EAST);
    EXPECT_EQ(game.ejectorForBelt(10, 10), tileIndex(9, 10));

    setTile(game, 0, 5, BELT, NORTH);
    setTile(game, 1, 5, EJECTOR, WEST);
    EXPECT_EQ(game.ejectorForBelt(0, 5), -1) << "nothing beyond the map edge";
}

TEST(CanEjectItem, OntoEmptyGroundNeedsOnlyRoom)
{
    Game game;
    setTile(game, 10, 10, BELT, EAST);
    setTile(game, 10, 11, EJECTOR, NORTH);
    CargoItem& item = itemAtPosition(game, 10.0f, 10.0f, EAST);
    item.ejectTarget = tileIndex(10, 11);
    EXPECT_TRUE(game.canEjectItem(item, tileIndex(10, 11)));
    EXPECT_TRUE(game.canEjectItem(item, -1)) << "falls back on the ejector in charge";

    itemAtPosition(game, 10.0f, 8.4f, EAST);
    EXPECT_FALSE(game.canEjectItem(game.items[0], -1)) << "an item 0.6 beyond leaves no room";
    game.items.pop_back();

    game.items[0].path.push_back(PathPoint{11, 10});
    EXPECT_FALSE(game.canEjectItem(game.items[0], -1)) << "a planned move goes first";
    game.items[0].path.clear();

    setTile(game, 10, 9, OVEN, EAST);
    EXPECT_FALSE(game.canEjectItem(game.items[0], -1));
}

TEST(CanEjectItem, RefusesAnEjectorOffTheGridOrATargetOffTheMap)
{
    Game game;
    CargoItem& item = itemAtPosition(game, 10.0f, 0.0f, EAST);
    item.ejectTarget = -1;
    EXPECT_FALSE(game.canEjectItem(item, -1));
    EXPECT_FALSE(game.canEjectItem(item, TILE_COUNT));
    setTile(game, 10, 1, EJECTOR, NORTH);
    EXPECT_FALSE(game.canEjectItem(item, tileIndex(10, 1))) << "the target lies above the map";
}

TEST(CanEjectItem, OntoABeltNeedsItsAcceptance)
{
    Game game;
    setTile(game, 10, 10, BELT, EAST);
    setTile(game, 10, 11, EJECTOR, NORTH);
    setTile(game, 10, 9, BELT, WEST);
    CargoItem& item = itemAtPosition(game, 10.0f, 10.0f, EAST);
    EXPECT_TRUE(game.canEjectItem(item, tileIndex(10, 11)));
    itemAtPosition(game, 10.0f, 9.0f, WEST);
    EXPECT_FALSE(game.canEjectItem(game.items[0], tileIndex(10, 11))) << "an item stands there";
    game.items.pop_back();

    Tile& storage = setTile(game, 10, 9, STORAGE, SOUTH);
    EXPECT_FALSE(game.canEjectItem(game.items[0], tileIndex(10, 11))) << "pushed into its output face";
    storage.dir = EAST;
    EXPECT_TRUE(game.canEjectItem(game.items[0], tileIndex(10, 11)));
    storage.storageAcceptMask = 0;
    EXPECT_FALSE(game.canEjectItem(game.items[0], tileIndex(10, 11)));
}

TEST(IsItemPowerStopped, HoldsItemsOnOrEnteringUnpoweredArmsAndPairs)
{
    Game game;
    setTile(game, 10, 10, BELT, EAST);
    setTile(game, 11, 10, DISTRIBUTOR, EAST);
    setTile(game, 11, 11, DISTRIBUTOR_SECOND, EAST);
    setTile(game, 12, 10, BELT, EAST);
    CargoItem& item = itemAtPosition(game, 10.0f, 10.0f, EAST);
    item.path.push_back(PathPoint{11, 10});
    EXPECT_TRUE(game.isItemPowerStopped(item));
    game.tileAt(11, 10).powerSupplied = true;
    EXPECT_FALSE(game.isItemPowerStopped(item));

    item.layer = 1;
    game.tileAt(11, 10).powerSupplied = false;
    EXPECT_FALSE(game.isItemPowerStopped(item)) << "items on a deck never stop";
    item.layer = 0;

    item.path.clear();
    item.path.push_back(PathPoint{12, 10});
    item.x = 10;
    item.posX = 10.6f;  // its centre already over the distributor
    EXPECT_TRUE(game.isItemPowerStopped(item));
    item.posX = 10.4f;
    EXPECT_FALSE(game.isItemPowerStopped(item)) << "belt to belt needs no power";

    setTile(game, 20, 20, ARM, EAST);
    CargoItem onArm(20, 20, EAST, COAL);
    EXPECT_TRUE(game.isItemPowerStopped(onArm));
    CargoItem offMap(-1, 20, EAST, COAL);
    EXPECT_TRUE(game.isItemPowerStopped(offMap));
}

TEST(ItemSeenBySensor, WatchesTheTileOfItsTargetOrItsFacing)
{
    Game game;
    Tile& sensor = setTile(game, 10, 10, SENSOR, NORTH);
    sensor.sensorWatchItems = true;
    setTile(game, 10, 9, BELT, EAST);
    setTile(game, 11, 11, BELT, EAST);
    setTile(game, 11, 10, BELT, EAST);
    itemAtPosition(game, 10.0f, 9.0f, EAST);
    itemAtPosition(game, 11.0f, 11.0f, EAST, COAL);
    itemAtPosition(game, 11.0f, 10.0f, EAST, PLANKS);

    EXPECT_EQ(game.itemSeenBySensor(10, 10, sensor), &game.items[0]);
    sensor.sensorTargetIndex = 3;
    EXPECT_EQ(game.itemSeenBySensor(10, 10, sensor), &game.items[1]);
    sensor.sensorTargetIndex = 8;
    sensor.dir = NONE;
    EXPECT_EQ(game.itemSeenBySensor(10, 10, sensor), &game.items[2]) << "no facing looks east";

    sensor.sensorWatchItems = false;
    EXPECT_EQ(game.itemSeenBySensor(10, 10, sensor), nullptr);
    sensor.sensorWatchItems = true;
    Tile notASensor = sensor;
    notASensor.type = LOGIC_AND;
    EXPECT_EQ(game.itemSeenBySensor(10, 10, notASensor), nullptr);
    setTile(game, 11, 10, STORAGE, EAST);
    EXPECT_EQ(game.itemSeenBySensor(10, 10, sensor), nullptr) << "only belts are watched";
}

TEST(ItemSeenBySensor, SeesTheFirstFreeItemWithinSixteenHundredths)
{
    Game game;
    Tile& sensor = setTile(game, 10, 10, SENSOR, EAST);
    sensor.sensorWatchItems = true;
    setTile(game, 11, 10, BELT, EAST);
    CargoItem& carried = itemAtPosition(game, 11.0f, 10.0f, EAST);
    carried.carried = true;
    CargoItem& onDeck = itemAtPosition(game, 11.0f, 10.0f, EAST);
    onDeck.layer = 1;
    CargoItem& leaving = itemAtPosition(game, 11.0f, 10.0f, EAST);
    leaving.leavingTunnel = true;
    itemAtPosition(game, 11.17f, 10.0f, EAST);
    EXPECT_EQ(game.itemSeenBySensor(10, 10, sensor), nullptr);

    itemAtPosition(game, 11.16f, 9.84f, EAST, IRON_ORE);
    itemAtPosition(game, 11.0f, 10.0f, EAST, COAL);
    const CargoItem* seen = game.itemSeenBySensor(10, 10, sensor);
    ASSERT_NE(seen, nullptr);
    EXPECT_EQ(seen->cargo, IRON_ORE) << "the first in list order";
}

TEST(VisibleItemRect, MachinesHideWhatEntersThem)
{
    Game game;
    setTile(game, 11, 10, SMELTER, EAST);
    CargoItem& item = itemAtPosition(game, 10.5f, 10.0f, EAST);
    float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    ASSERT_TRUE(game.visibleItemRect(item, x0, y0, x1, y1));
    EXPECT_FLOAT_EQ(x0, 10.0f);
    EXPECT_FLOAT_EQ(x1, 10.5f);
    EXPECT_FLOAT_EQ(y0, 9.5f);
    EXPECT_FLOAT_EQ(y1, 10.5f);

    item.posX = 11.0f;
    item.x = 11;
    EXPECT_FALSE(game.visibleItemRect(item, x0, y0, x1, y1));

    item.posX = 14.3f;
    item.x = 14;
    ASSERT_TRUE(game.visibleItemRect(item, x0, y0, x1, y1));
    EXPECT_FLOAT_EQ(x0, 13.8f);
    EXPECT_FLOAT_EQ(x1, 14.8f);
}

TEST(VisibleItemRect, SourcesAndTunnelsHideTheItemWithoutTouchingTheOutputs)
{
    Game game;
    setTile(game, 10, 10, SOURCE, EAST);
    CargoItem& item = itemAtPosition(game, 10.2f, 10.0f, EAST);
    float x0 = 7, y0 = 7, x1 = 7, y1 = 7;
    EXPECT_FALSE(game.visibleItemRect(item, x0, y0, x1, y1));
    EXPECT_EQ(x0, 7.0f);
    EXPECT_EQ(y1, 7.0f);

    CargoItem& inTunnel = itemAtPosition(game, 20.0f, 20.0f, EAST);
    inTunnel.leavingTunnel = true;
    EXPECT_FALSE(game.visibleItemRect(inTunnel, x0, y0, x1, y1));
    EXPECT_EQ(x1, 7.0f);

    CargoItem offMap(-3, 10, EAST, LOG);
    offMap.posX = -3.0f;
    offMap.posY = 10.0f;
    EXPECT_TRUE(game.visibleItemRect(offMap, x0, y0, x1, y1));
}

TEST(VisibleItemRect, ABridgeDeckHidesItemsPassingUnderItOnly)
{
    Game game;
    buildBridgeEast(game, 20, 10);
    CargoItem& under = itemAtPosition(game, 20.0f, 10.6f, NORTH);
    float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    ASSERT_TRUE(game.visibleItemRect(under, x0, y0, x1, y1));
    EXPECT_FLOAT_EQ(y0, 10.5f - 0.21875f) << "the part below the raised deck shows";
    EXPECT_FLOAT_EQ(y1, 11.1f);

    CargoItem& over = itemAtPosition(game, 20.0f, 10.0f, EAST);
    ASSERT_TRUE(game.visibleItemRect(over, x0, y0, x1, y1));
    EXPECT_FLOAT_EQ(x0, 19.5f);
    EXPECT_FLOAT_EQ(y1, 10.5f);
}

TEST(HasSwitchWireTo, LooksOnlyAtTheSwitchedEnd)
{
    Game game;
    game.signalControlLinks.push_back(Link{1, 2, 3, 4, 0, 0});
    game.signalMeasureLinks.push_back(Link{5, 5, 6, 6, 0, 0});
    EXPECT_TRUE(game.hasSwitchWireTo(3, 4));
    EXPECT_FALSE(game.hasSwitchWireTo(1, 2));
    EXPECT_FALSE(game.hasSwitchWireTo(6, 6));
}

TEST(ItemDeckProgress, ClimbsTheEntryRampStaysOnTheDeckAndComesDown)
{
    Game game;
    buildBridgeEast(game, 20, 10);
    CargoItem item(19, 10, EAST, LOG);
    item.posY = 10.0f;
    item.posX = 19.0f;
    EXPECT_FLOAT_EQ(game.itemDeckProgress(item), 0.09375f);
    item.posX = 18.75f;
    EXPECT_FLOAT_EQ(game.itemDeckProgress(item), 0.25f * 0.1875f) << "the climb starts at the ramp's edge";
    item.posX = 18.4f;
    EXPECT_FLOAT_EQ(game.itemDeckProgress(item), 0.0f);
    item.posX = 20.0f;
    EXPECT_FLOAT_EQ(game.itemDeckProgress(item), 0.1875f);
    item.posX = 21.25f;
    EXPECT_FLOAT_EQ(game.itemDeckProgress(item), 0.25f * 0.1875f);

    item.posX = 20.0f;
    item.heading = SOUTH;
    EXPECT_FLOAT_EQ(game.itemDeckProgress(item), 0.0f) << "crossing under the deck";
    item.posX = 30.0f;
    item.heading = EAST;
    EXPECT_FLOAT_EQ(game.itemDeckProgress(item), 0.0f);
    item.posX = 80.0f;
    EXPECT_FLOAT_EQ(game.itemDeckProgress(item), 0.0f);
}

TEST(IsItemOnDeck, OnlyAlongTheDeckAndInsideTheGrid)
{
    Game game;
    buildBridgeEast(game, 20, 10);
    CargoItem item(20, 10, EAST, LOG);
    item.posX = 20.0f;
    item.posY = 10.0f;
    EXPECT_TRUE(game.isItemOnDeck(item));
    item.heading = NORTH;
    EXPECT_FALSE(game.isItemOnDeck(item));
    item.heading = EAST;
    item.posY = -0.6f;
    EXPECT_FALSE(game.isItemOnDeck(item));
}
