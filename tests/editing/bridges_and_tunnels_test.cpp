#include <gtest/gtest.h>

#include "editing/bridges_and_tunnels.h"
#include "editing/sensors_and_water.h"
#include "editing/test_session.h"
#include "reference_worlds.h"

namespace {

// The bridge with its deck over (x, y) runs in dir: ramps before and after
// the deck, the deck's ground marked, a belt deck above it.
void expectBridge(const Game& game, int x, int y, Direction dir)
{
    const int dx = directionDx(dir);
    const int dy = directionDy(dir);
    const Tile& entry = game.tileAt(x - dx, y - dy);
    const Tile& exit = game.tileAt(x + dx, y + dy);
    const Tile& ground = game.tileAt(x, y);
    const Tile& deck = game.deckTiles[tileIndex(x, y)];
    EXPECT_EQ(entry.type, BRIDGE);
    EXPECT_EQ(entry.dir, dir);
    EXPECT_EQ(entry.bridgeDir, dir);
    EXPECT_EQ(entry.bridgePart, BRIDGE_ENTRY_RAMP);
    EXPECT_EQ(exit.type, BRIDGE);
    EXPECT_EQ(exit.bridgeDir, dir);
    EXPECT_EQ(exit.bridgePart, BRIDGE_EXIT_RAMP);
    EXPECT_EQ(ground.bridgeDir, dir);
    EXPECT_EQ(ground.bridgePart, BRIDGE_DECK);
    EXPECT_EQ(deck.type, BELT);
    EXPECT_EQ(deck.dir, dir);
    expectMapReadsBack(game);
}

bool isGround(const Game& game, int x, int y) { return game.tileAt(x, y) == Tile{}; }

// The TUNNEL tool as the shell drives it: each click inside its own press.
struct TunnelClicks {
    EditSession& session;
    int entranceX = -1;
    int entranceY = -1;

    bool click(int x, int y)
    {
        UndoGuard press(session.history, session.game);
        return clickTunnelTool(session.game, entranceX, entranceY, x, y);
    }
};

}  // namespace

TEST(Bridges, ABridgeNeedsRoomForBothRamps)
{
    EditSession session;
    Game& game = session.game;
    session.click(TOOL_BRIDGE, 0, 30);
    session.click(TOOL_BRIDGE, 79, 31);
    EXPECT_TRUE(isGround(game, 0, 30));
    EXPECT_TRUE(isGround(game, 79, 31));
    EXPECT_TRUE(session.history.empty());

    session.click(TOOL_BRIDGE, 1, 30);
    expectBridge(game, 1, 30, EAST);
    EXPECT_EQ(session.history.size(), 1u);
    ASSERT_TRUE(session.history.undo(game));
    EXPECT_TRUE(isGround(game, 0, 30));
    EXPECT_TRUE(isGround(game, 1, 30));
    EXPECT_EQ(game.deckTiles[tileIndex(1, 30)], Tile{});

    // A belt, a machine or an item where a ramp would stand refuses the bridge.
    layBelt(game, 19, 10, NORTH);
    build(game, SMELTER, 41, 10);
    game.items.emplace_back(61, 10, EAST, LOG);
    for (const int x : {20, 40, 60}) {
        EXPECT_FALSE(placeBridge(game, x, 10)) << x;
        EXPECT_EQ(game.tileAt(x, 10).bridgePart, BRIDGE_NONE) << x;
    }
    // So does another bridge, or a belt on the deck's own axis that cannot be crossed.
    ASSERT_TRUE(placeBridge(game, 30, 20));
    EXPECT_FALSE(placeBridge(game, 32, 20));
    layBelt(game, 31, 19, EAST);
    EXPECT_FALSE(placeBridge(game, 31, 19)) << "nor may its ramp stand on another's";
}

TEST(Bridges, ABridgeCrossesTheBeltUnderIt)
{
    EditSession session;
    Game& game = session.game;
    layBelt(game, 50, 45, NORTH);
    layBelt(game, 20, 20, EAST);
    // Shift with the BRIDGE tool reaches the tool past the belt's own panel.
    session.click(TOOL_BRIDGE, 50, 45);
    expectBridge(game, 50, 45, EAST);
    EXPECT_EQ(game.tileAt(50, 45).type, BELT) << "the belt runs on under the deck";
    EXPECT_EQ(game.tileAt(50, 45).dir, NORTH);

    session.click(TOOL_BRIDGE, 20, 20);
    expectBridge(game, 20, 20, SOUTH);
    EXPECT_EQ(session.history.size(), 2u);
}

TEST(Bridges, ClickingABridgeTurnsItAboutItsDeck)
{
    EditSession session;
    Game& game = session.game;
    ASSERT_TRUE(placeBridge(game, 10, 10));
    // The entry ramp, then the exit ramp and the deck: each click a quarter turn.
    const struct {
        int x;
        int y;
        Direction dir;
    } turns[] = {{9, 10, SOUTH}, {10, 11, WEST}, {10, 10, NORTH}, {10, 9, EAST}};
    for (const auto& turn : turns) {
        session.click(TOOL_BRIDGE, turn.x, turn.y);
        expectBridge(game, 10, 10, turn.dir);
        const bool eastWest = turn.dir == EAST || turn.dir == WEST;
        EXPECT_TRUE(isGround(game, 10 + (eastWest ? 0 : 1), 10 + (eastWest ? 1 : 0))) << "the old ramps are gone";
    }
    EXPECT_EQ(session.history.size(), 4u);

    // Over a north belt, south would run along it: the turn goes on to west.
    layBelt(game, 40, 40, NORTH);
    ASSERT_TRUE(placeBridge(game, 40, 40));
    ASSERT_TRUE(placeBridge(game, 41, 40));
    expectBridge(game, 40, 40, WEST);
    EXPECT_EQ(game.tileAt(40, 40).type, BELT);

    // An item on the bridge holds the turn back, and the bridge stays as it is.
    game.items.emplace_back(39, 40, WEST, LOG);
    EXPECT_FALSE(placeBridge(game, 40, 40));
    expectBridge(game, 40, 40, WEST);
}

// Bridges thrown over a busy factory wherever they fit and turned, then
// sensors, pipes and tunnels between them, and the factory run: the map
// reads back after each.
TEST(Bridges, BuildingAllOverARunningFactory)
{
    Game game = referenceFactory(SMALL_FACTORY_ITEMS);
    int built = 0;
    for (int y = 1; y < GRID_HEIGHT; y += 3) {
        for (int x = 1; x < GRID_WIDTH; x += 2)
            built += placeBridge(game, x, y) ? 1 : 0;
    }
    EXPECT_GT(built, 100);
    expectMapReadsBack(game);
    int turned = 0;
    for (int y = 0; y < GRID_HEIGHT; ++y) {
        for (int x = 0; x < GRID_WIDTH; ++x)
            turned += game.tileAt(x, y).bridgePart == BRIDGE_DECK && placeBridge(game, x, y) ? 1 : 0;
    }
    EXPECT_GT(turned, 10);
    expectMapReadsBack(game);

    int others = 0;
    for (int y = 0; y < GRID_HEIGHT; ++y) {
        for (int x = 0; x < GRID_WIDTH; ++x) {
            switch ((x + 2 * y) % 7) {
            case 0:
                others += placeSensor(game, x, y) ? 1 : 0;
                break;
            case 3:
                others += placeWaterPipe(game, x, y) ? 1 : 0;
                break;
            case 5:
                others += placeTunnel(game, x, y, x + 4, y + 1) ? 1 : 0;
                break;
            default:
                break;
            }
        }
    }
    EXPECT_GT(others, 100);
    expectMapReadsBack(game);
    runFor(game, 5.0f);
}

TEST(Tunnels, TheExitFacesAlongTheLargerDistance)
{
    const struct {
        int x;
        int y;
        Direction dir;
    } exits[] = {{8, 7, EAST}, {6, 9, SOUTH}, {2, 2, WEST}, {5, 1, NORTH}, {8, 8, EAST}};
    for (const auto& exit : exits) {
        Game game = emptyGame();
        ASSERT_TRUE(placeTunnel(game, 5, 5, exit.x, exit.y));
        const Tile& entrance = game.tileAt(5, 5);
        const Tile& end = game.tileAt(exit.x, exit.y);
        EXPECT_EQ(entrance.type, TUNNEL);
        EXPECT_EQ(entrance.dir, NONE);
        EXPECT_EQ(entrance.tunnelPartnerX, exit.x);
        EXPECT_EQ(entrance.tunnelPartnerY, exit.y);
        EXPECT_EQ(end.type, TUNNEL_EXIT);
        EXPECT_EQ(end.dir, exit.dir) << exit.x << "," << exit.y;
        EXPECT_EQ(end.tunnelPartnerX, 5);
        EXPECT_EQ(end.tunnelPartnerY, 5);
        expectMapReadsBack(game);
    }
    Game game = emptyGame();
    EXPECT_FALSE(placeTunnel(game, 5, 5, 5, 5));
    EXPECT_FALSE(placeTunnel(game, 5, 5, 80, 5));
    EXPECT_FALSE(placeTunnel(game, -1, 5, 8, 5));
    EXPECT_TRUE(isGround(game, 5, 5));
}

TEST(Tunnels, TwoClicksMakeOneStep)
{
    EditSession session;
    Game& game = session.game;
    layBelt(game, 12, 5, EAST);
    TunnelClicks tool{session};

    EXPECT_FALSE(tool.click(12, 5)) << "an entrance needs free ground";
    EXPECT_EQ(tool.entranceX, -1);
    EXPECT_FALSE(tool.click(5, 5));
    EXPECT_EQ(tool.entranceX, 5);
    EXPECT_EQ(tool.entranceY, 5);
    EXPECT_FALSE(tool.click(12, 5));
    EXPECT_FALSE(tool.click(5, 5));
    EXPECT_EQ(tool.entranceX, 5) << "a refused exit keeps the entrance";
    EXPECT_TRUE(session.history.empty());

    EXPECT_TRUE(tool.click(15, 5));
    EXPECT_EQ(tool.entranceX, -1);
    EXPECT_EQ(game.tileAt(5, 5).type, TUNNEL);
    EXPECT_EQ(game.tileAt(15, 5).type, TUNNEL_EXIT);
    EXPECT_EQ(session.history.size(), 1u);
    ASSERT_TRUE(session.history.undo(game));
    EXPECT_TRUE(isGround(game, 5, 5));
    EXPECT_TRUE(isGround(game, 15, 5));
}

// Ground under a deck carries the bridge's fields: a sensor or tunnel end
// there would wipe them and leave a map that no longer reads back.
TEST(Tunnels, NoSensorOrTunnelEndUnderADeckOrOnAnItem)
{
    EditSession session;
    Game& game = session.game;
    ASSERT_TRUE(placeBridge(game, 10, 10));
    thrownItemOver(game, 20, 20);
    TunnelClicks tool{session};

    for (const auto& [x, y] : {std::pair{10, 10}, {20, 20}}) {
        session.click(TOOL_SENSOR, x, y);
        EXPECT_FALSE(tool.click(x, y));
        EXPECT_EQ(tool.entranceX, -1);
        EXPECT_FALSE(placeTunnel(game, 30, 30, x, y));
        EXPECT_FALSE(placeTunnel(game, x, y, 30, 30));
    }
    ASSERT_FALSE(tool.click(30, 30));
    EXPECT_FALSE(tool.click(10, 10));
    EXPECT_FALSE(tool.click(20, 20));
    EXPECT_EQ(tool.entranceX, 30);
    EXPECT_TRUE(session.history.empty());
    expectBridge(game, 10, 10, EAST);
    EXPECT_TRUE(isGround(game, 30, 30));
}
