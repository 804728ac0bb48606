#include <gtest/gtest.h>

#include "world/control.h"
#include "world/game.h"

namespace {

// Lays a tunnel the way the tunnel tool does.
void layTunnel(Game& game, int x1, int y1, int x2, int y2, Direction exitDir)
{
    Tile& entrance = game.tileAt(x1, y1);
    entrance.type = TUNNEL;
    entrance.tunnelPartnerX = x2;
    entrance.tunnelPartnerY = y2;
    Tile& exit = game.tileAt(x2, y2);
    exit.type = TUNNEL_EXIT;
    exit.dir = exitDir;
    exit.tunnelPartnerX = x1;
    exit.tunnelPartnerY = y1;
}

// Lays a bridge along east over (x, y), with a belt crossing south beneath it.
void layBridgeOverBelt(Game& game, int x, int y)
{
    for (int part = 0; part < 3; ++part) {
        Tile& tile = game.tileAt(x - 1 + part, y);
        tile.bridgeDir = EAST;
        tile.bridgePart = part;
        if (part != BRIDGE_DECK) {
            tile.type = BRIDGE;
            tile.dir = EAST;
        }
    }
    game.tileAt(x, y).type = BELT;
    game.tileAt(x, y).dir = SOUTH;
    game.deckTiles[tileIndex(x, y)].type = BELT;
    game.deckTiles[tileIndex(x, y)].dir = EAST;
}

}  // namespace

TEST(Belt, TakesAnyCargoFromAnySideEvenWhenStopped)
{
    Tile belt;
    belt.type = BELT;
    belt.beltSpeed = 0;
    const Control& control = controlForType(BELT);
    for (Direction side : {NONE, NORTH, EAST, SOUTH, WEST}) {
        EXPECT_TRUE(control.canAccept(belt, side, PLASTIC_GEAR));
        EXPECT_TRUE(control.canAccept(belt, side, LOG));
    }
    Game game;
    EXPECT_FALSE(control.place(game, 10, 10));
    EXPECT_EQ(game.tileAt(10, 10).type, EMPTY);
}

TEST(Belt, RemovedWithItsItemsUnlessItLiesUnderABridgeDeck)
{
    Game game;
    game.tileAt(10, 10).type = BELT;
    game.items.emplace_back(10, 10, EAST, COAL);
    EXPECT_TRUE(controlForType(BELT).remove(game, 10, 10));
    EXPECT_EQ(game.tileAt(10, 10), Tile{});
    EXPECT_TRUE(game.items.empty());

    layBridgeOverBelt(game, 20, 20);
    game.items.emplace_back(20, 20, SOUTH, COAL);
    const Tile before = game.tileAt(20, 20);
    EXPECT_FALSE(controlForType(BELT).remove(game, 20, 20));
    EXPECT_EQ(game.tileAt(20, 20), before);
    EXPECT_EQ(game.items.size(), 1u);
    EXPECT_FALSE(controlForType(BELT).remove(game, 19, 20)) << "a ramp is no belt";
}

TEST(Bridge, RampTakesOnlyItemsTravellingAlongTheDeck)
{
    Game game;
    layBridgeOverBelt(game, 20, 20);
    const Control& bridge = controlForType(BRIDGE);
    const Tile& ramp = game.tileAt(19, 20);
    EXPECT_TRUE(bridge.canAccept(ramp, EAST, IRON_ORE));
    EXPECT_FALSE(bridge.canAccept(ramp, WEST, IRON_ORE));
    EXPECT_FALSE(bridge.canAccept(ramp, NORTH, IRON_ORE));
    EXPECT_FALSE(bridge.remove(game, 19, 20));
    EXPECT_FALSE(bridge.place(game, 40, 40));
}

TEST(Tunnel, OnlyTheEntranceTakesItems)
{
    Game game;
    layTunnel(game, 10, 10, 15, 10, EAST);
    const Control& tunnel = controlForType(TUNNEL);
    for (Direction side : {NONE, NORTH, EAST, SOUTH, WEST}) {
        EXPECT_TRUE(tunnel.canAccept(game.tileAt(10, 10), side, WATER));
        EXPECT_FALSE(tunnel.canAccept(game.tileAt(15, 10), side, WATER));
    }
    EXPECT_FALSE(tunnel.place(game, 30, 30));
}

TEST(Tunnel, EndsThatPointAtEachOtherGoTogetherWithTheirItems)
{
    Game game;
    layTunnel(game, 10, 10, 10, 4, NORTH);
    game.items.emplace_back(10, 10, EAST, LOG);
    game.items.emplace_back(10, 4, NORTH, LOG);
    game.items.emplace_back(11, 4, NORTH, LOG);

    EXPECT_TRUE(controlForType(TUNNEL_EXIT).remove(game, 10, 4));
    EXPECT_EQ(game.tileAt(10, 10), Tile{});
    EXPECT_EQ(game.tileAt(10, 4), Tile{});
    ASSERT_EQ(game.items.size(), 1u);
    EXPECT_EQ(game.items[0].x, 11);
}

TEST(Tunnel, AnEndWhosePartnerPointsElsewhereGoesAlone)
{
    Game game;
    layTunnel(game, 10, 10, 15, 10, EAST);
    layTunnel(game, 30, 10, 15, 10, WEST);  // the old exit rebuilt for another entrance
    EXPECT_TRUE(controlForType(TUNNEL).remove(game, 10, 10));
    EXPECT_EQ(game.tileAt(10, 10), Tile{});
    EXPECT_EQ(game.tileAt(15, 10).type, TUNNEL_EXIT);

    game.tileAt(40, 40).type = TUNNEL;
    game.tileAt(40, 40).tunnelPartnerX = 99;  // partner off the map
    EXPECT_TRUE(controlForType(TUNNEL).remove(game, 40, 40));
    EXPECT_EQ(game.tileAt(40, 40), Tile{});
    EXPECT_FALSE(controlForType(TUNNEL).remove(game, 41, 40));
}
