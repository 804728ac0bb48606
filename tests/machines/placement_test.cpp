#include <gtest/gtest.h>

#include "machines/placement.h"
#include "world/control.h"
#include "world/game.h"

namespace {

void putItemOn(Game& game, int x, int y) { game.items.emplace_back(x, y, EAST, LOG); }

void markBridgeDeckOver(Game& game, int x, int y)
{
    game.tileAt(x, y).bridgePart = BRIDGE_DECK;
    game.tileAt(x, y).bridgeDir = EAST;
}

}  // namespace

TEST(PlacementFamilies, ProductionMachineWithAnItemOnItDoesNotTurnButShopDoes)
{
    Game game;
    ASSERT_TRUE(placeOrRotate(game, 20, 20, SMELTER, ItemBlocks::BuildAndTurn, OddDirectionTurn::ToEast));
    ASSERT_TRUE(controlForType(SHOP).place(game, 22, 20));
    putItemOn(game, 20, 20);
    putItemOn(game, 22, 20);

    EXPECT_FALSE(placeOrRotate(game, 20, 20, SMELTER, ItemBlocks::BuildAndTurn, OddDirectionTurn::ToEast));
    EXPECT_EQ(game.tileAt(20, 20).dir, EAST);
    EXPECT_TRUE(controlForType(SHOP).place(game, 22, 20));
    EXPECT_EQ(game.tileAt(22, 20).dir, SOUTH);
}

TEST(PlacementFamilies, OddDirectionTurnsToEastOrStaysNone)
{
    Game game;
    game.tileAt(10, 10).type = SOURCE;
    game.tileAt(11, 10).type = OVEN;
    EXPECT_TRUE(placeOrRotate(game, 10, 10, SOURCE, ItemBlocks::BuildOnly, OddDirectionTurn::ToEast));
    EXPECT_TRUE(placeOrRotate(game, 11, 10, OVEN, ItemBlocks::BuildAndTurn, OddDirectionTurn::ToNone));
    EXPECT_EQ(game.tileAt(10, 10).dir, EAST);
    EXPECT_EQ(game.tileAt(11, 10).dir, NONE);
}

TEST(PlacementFamilies, NothingIsBuiltUnderABridge)
{
    Game game;
    markBridgeDeckOver(game, 30, 30);
    const Tile before = game.tileAt(30, 30);
    for (ControlType type : {SOURCE, SINK, SHOP, ARM, LONG_ARM, DISTRIBUTOR, MIXER, EJECTOR}) {
        EXPECT_FALSE(controlForType(type).place(game, 30, 30)) << "type " << type;
        EXPECT_EQ(game.tileAt(30, 30), before) << "type " << type;
    }
}

TEST(PlacementFamilies, NothingIsBuiltOffTheMap)
{
    Game game;
    for (ControlType type : {SOURCE, SINK, SHOP, ARM, LONG_ARM, DISTRIBUTOR, MIXER, EJECTOR}) {
        EXPECT_FALSE(controlForType(type).place(game, -1, 0)) << "type " << type;
        EXPECT_FALSE(controlForType(type).place(game, 80, 5)) << "type " << type;
        EXPECT_FALSE(controlForType(type).place(game, 5, 60)) << "type " << type;
        EXPECT_FALSE(controlForType(type).remove(game, 5, 60)) << "type " << type;
    }
}

TEST(PlacementFamilies, RemoveOfAnotherTypeLeavesItemsAndSuccessTakesThem)
{
    Game game;
    ASSERT_TRUE(controlForType(SHOP).place(game, 12, 12));
    putItemOn(game, 12, 12);
    EXPECT_FALSE(controlForType(SOURCE).remove(game, 12, 12));
    EXPECT_EQ(game.items.size(), 1u);
    EXPECT_EQ(game.tileAt(12, 12).type, SHOP);

    EXPECT_TRUE(controlForType(SHOP).remove(game, 12, 12));
    EXPECT_TRUE(game.items.empty());
    EXPECT_EQ(game.tileAt(12, 12), Tile{});
}

TEST(ProductIdentity, StampCountsOnlyForIdentifiedProducers)
{
    Tile producer;
    producer.label = "OFEN 1";
    EXPECT_TRUE(stampProductId(producer).isAnonymous());
    EXPECT_EQ(producer.serialCounter, 0u);

    producer.machineId = 7;
    EXPECT_EQ(stampProductId(producer), (ItemId{7, 1, "OFEN 1"}));
    EXPECT_EQ(stampProductId(producer), (ItemId{7, 2, "OFEN 1"}));
    EXPECT_EQ(producer.serialCounter, 2u);
}

TEST(TransportRegistry, PairsAndTunnelEndsShareOneObject)
{
    EXPECT_EQ(&controlForType(DISTRIBUTOR), &controlForType(DISTRIBUTOR_SECOND));
    EXPECT_EQ(&controlForType(MIXER), &controlForType(MIXER_SECOND));
    EXPECT_EQ(&controlForType(TUNNEL), &controlForType(TUNNEL_EXIT));
    EXPECT_NE(&controlForType(ARM), &controlForType(LONG_ARM));
    EXPECT_NE(&controlForType(BELT), &controlForType(0));
}
