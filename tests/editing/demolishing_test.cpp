#include <gtest/gtest.h>

#include <algorithm>

#include "editing/demolishing.h"
#include "editing/multi_selection.h"
#include "editing/test_session.h"

namespace {

bool anyEndsOn(const std::vector<Link>& links, int x, int y)
{
    return std::any_of(links.begin(), links.end(), [x, y](const Link& link) {
        return (link.x0 == x && link.y0 == y) || (link.x1 == x && link.y1 == y);
    });
}

// Power from a generator over two poles to a 5V supply, which feeds a gate,
// a lamp and a sensor; the gate switches the lamp and an arm, the sensor
// measures the arm.
Game wiredWorld()
{
    Game game = emptyGame();
    build(game, COAL_GENERATOR, 10, 10);
    build(game, POWER_POLE, 12, 10);
    build(game, POWER_POLE, 14, 10);
    build(game, POWER_SUPPLY, 16, 10);
    build(game, LOGIC_AND, 18, 12);
    build(game, SIGNAL_LAMP, 20, 12);
    build(game, ARM, 22, 12).armPendingJobs = 2;
    setTile(game, 18, 14, SENSOR, EAST);
    game.powerLinks = {{10, 10, 12, 10}, {12, 10, 14, 10}, {14, 10, 16, 10}, {10, 10, 14, 10}};
    game.dcLinks = {{16, 10, 18, 12}, {16, 10, 20, 12}, {16, 10, 18, 14}};
    game.signalControlLinks = {{18, 12, 20, 12}, {18, 12, 22, 12}};
    game.signalMeasureLinks = {{18, 14, 22, 12}};
    return game;
}

}  // namespace

TEST(Demolishing, ABridgeGoesWholeAndLeavesTheBeltUnderIt)
{
    Game game = emptyGame();
    layBelt(game, 20, 10, NORTH);
    buildBridgeEast(game, 20, 10);
    game.items.emplace_back(19, 10, EAST, LOG);
    game.items.emplace_back(20, 10, EAST, COAL).layer = 1;
    game.items.emplace_back(20, 10, NORTH, IRON_ORE);

    EXPECT_TRUE(demolish(game, 21, 10));
    EXPECT_EQ(game.tileAt(19, 10), Tile{});
    EXPECT_EQ(game.tileAt(21, 10), Tile{});
    EXPECT_EQ(game.deckTiles[tileIndex(20, 10)], Tile{});
    const Tile& ground = game.tileAt(20, 10);
    EXPECT_EQ(ground.type, BELT);
    EXPECT_EQ(ground.dir, NORTH);
    EXPECT_EQ(ground.bridgePart, BRIDGE_NONE);
    EXPECT_EQ(ground.bridgeDir, NONE);
    ASSERT_EQ(game.items.size(), 1u);
    EXPECT_EQ(game.items[0].cargo, IRON_ORE) << "the item crossing under the bridge stays";
    expectMapReadsBack(game);

    EXPECT_TRUE(demolish(game, 20, 10)) << "a second demolish takes the belt";
    EXPECT_EQ(game.tileAt(20, 10), Tile{});
    EXPECT_TRUE(game.items.empty());
}

TEST(Demolishing, ControlsTakeExactlyTheirCablesAndWires)
{
    struct Case {
        const char* name;
        int x;
        int y;
        std::size_t power, dc, control, measure;
    };
    const Case cases[] = {
        {"power pole", 12, 10, 2, 3, 2, 1}, {"5V supply", 16, 10, 3, 0, 2, 1}, {"logic gate", 18, 12, 4, 2, 0, 1},
        {"sensor", 18, 14, 4, 2, 2, 0},     {"arm", 22, 12, 4, 3, 1, 0},       {"generator", 10, 10, 2, 3, 2, 1},
    };
    for (const Case& c : cases) {
        Game game = wiredWorld();
        EXPECT_TRUE(demolish(game, c.x, c.y)) << c.name;
        EXPECT_EQ(game.tileAt(c.x, c.y), Tile{}) << c.name;
        EXPECT_EQ(game.powerLinks.size(), c.power) << c.name;
        EXPECT_EQ(game.dcLinks.size(), c.dc) << c.name;
        EXPECT_EQ(game.signalControlLinks.size(), c.control) << c.name;
        EXPECT_EQ(game.signalMeasureLinks.size(), c.measure) << c.name;
        for (const auto* links : {&game.powerLinks, &game.dcLinks, &game.signalControlLinks, &game.signalMeasureLinks})
            EXPECT_FALSE(anyEndsOn(*links, c.x, c.y)) << c.name;
        expectMapReadsBack(game);
    }

    Game game = wiredWorld();
    demolish(game, 18, 12);
    EXPECT_EQ(game.tileAt(22, 12).armPendingJobs, 0) << "the arm's last switch wire went";
}

TEST(Demolishing, MultiTileControlsGoWholeFromAnyTile)
{
    Game game = emptyGame();
    build(game, DISTRIBUTOR, 30, 30);
    ASSERT_EQ(game.tileAt(30, 31).type, DISTRIBUTOR_SECOND);
    build(game, LOGIC_NOT, 28, 30);
    game.signalControlLinks = {{28, 30, 30, 30}};
    build(game, MIXER, 40, 30);
    layTunnel(game, 50, 30, 55, 30, EAST);
    game.items.emplace_back(50, 30, EAST, LOG).tunnelProgress = 2;

    EXPECT_TRUE(demolish(game, 30, 31));
    EXPECT_TRUE(demolish(game, 40, 31));
    EXPECT_TRUE(demolish(game, 55, 30));
    for (const auto& [x, y] : {std::pair{30, 30}, {30, 31}, {40, 30}, {40, 31}, {50, 30}, {55, 30}})
        EXPECT_EQ(game.tileAt(x, y), Tile{}) << x << "," << y;
    EXPECT_TRUE(game.signalControlLinks.empty());
    EXPECT_TRUE(game.items.empty());
    expectMapReadsBack(game);
}

TEST(Demolishing, WhatEachKindOfTileLeaves)
{
    Game game = emptyGame();
    build(game, SOURCE, 5, 5);
    build(game, SMELTER, 7, 5);
    build(game, ARM, 9, 5);
    CargoItem& held = game.items.emplace_back(9, 5, EAST, LOG);
    held.carried = true;
    held.posX = 10.0f;
    build(game, LOGIC_COUNTER, 11, 5);
    itemAtPosition(game, 11.2f, 5.0f, EAST);
    setTile(game, 13, 5, WATER_PIPE);
    setTile(game, 15, 5, PLAIN);

    game.titleDirty = false;
    EXPECT_TRUE(demolish(game, 7, 5));
    EXPECT_FALSE(game.titleDirty) << "a smelter leaves the title alone";
    EXPECT_TRUE(demolish(game, 5, 5));
    EXPECT_TRUE(game.titleDirty) << "a source changes the title";
    EXPECT_TRUE(demolish(game, 9, 5));
    EXPECT_TRUE(demolish(game, 11, 5));
    EXPECT_TRUE(demolish(game, 13, 5));
    EXPECT_TRUE(game.items.empty()) << "the held item goes with its arm, the counter's with the counter";
    for (int x = 5; x <= 13; x += 2)
        EXPECT_EQ(game.tileAt(x, 5), Tile{}) << x;

    EXPECT_FALSE(demolish(game, 15, 5)) << "plain ground";
    EXPECT_FALSE(demolish(game, 17, 5)) << "empty ground";
    EXPECT_FALSE(demolish(game, -1, 5));
    EXPECT_FALSE(demolish(game, 80, 5));
    EXPECT_EQ(game.nextMachineId, 4u) << "demolishing never lowers the machine ids";
    expectMapReadsBack(game);
}

TEST(Demolishing, ADeleteDragWalksTheGridLineAsOneStep)
{
    EditSession session;
    for (int y = 20; y <= 21; ++y)
        layBeltRun(session.game, 20, y, EAST, 4);
    session.press(TOOL_DELETE, 20, 20);
    session.drag(23, 21);
    session.drag(90, 21);
    session.release();

    for (const auto& [x, y] : {std::pair{20, 20}, {21, 20}, {22, 21}, {23, 21}})
        EXPECT_EQ(session.game.tileAt(x, y).type, EMPTY) << x << "," << y;
    for (const auto& [x, y] : {std::pair{22, 20}, {23, 20}, {20, 21}, {21, 21}})
        EXPECT_EQ(session.game.tileAt(x, y).type, BELT) << x << "," << y;
    EXPECT_EQ(session.history.size(), 1u);
    expectMapReadsBack(session.game);

    ASSERT_TRUE(session.history.undo(session.game));
    for (int x = 20; x <= 23; ++x)
        EXPECT_EQ(session.game.tileAt(x, 21).type, BELT) << x;

    session.press(TOOL_DELETE, 40, 40);
    session.drag(45, 42);
    session.release();
    EXPECT_TRUE(session.history.empty()) << "a stroke over empty ground records nothing";
}

TEST(Demolishing, RemovingOneItemByItsIdentity)
{
    Game game = emptyGame();
    layBeltRun(game, 10, 10, EAST, 3);
    game.items.emplace_back(10, 10, EAST, LOG);
    game.items.emplace_back(11, 10, EAST, LOG).id = ItemId{5, 7, "A"};
    game.items.emplace_back(12, 10, EAST, LOG).id = ItemId{5, 8, ""};

    EXPECT_FALSE(removeItemById(game, ItemId{}));
    EXPECT_FALSE(removeItemById(game, ItemId{5, 9, ""}));
    EXPECT_TRUE(removeItemById(game, ItemId{5, 7, "OTHER LABEL"}));
    ASSERT_EQ(game.items.size(), 2u);
    EXPECT_EQ(game.items[0].x, 10);
    EXPECT_EQ(game.items[1].x, 12);
    EXPECT_FALSE(removeItemById(game, ItemId{5, 7, "A"}));
}

TEST(Demolishing, DeletingTheSelection)
{
    Game game = emptyGame();
    layBelt(game, 10, 10, EAST);
    game.items.emplace_back(10, 10, EAST, LOG);
    layBelt(game, 20, 10, NORTH);
    buildBridgeEast(game, 20, 10);
    game.items.emplace_back(20, 10, EAST, COAL).layer = 1;
    game.items.emplace_back(20, 10, NORTH, IRON_ORE);
    // An ejector's throw over free ground elsewhere, and an item left lying on it.
    build(game, EJECTOR, 50, 50).dir = EAST;
    CargoItem& thrown = itemAtPosition(game, 51.5f, 50.0f, EAST);
    thrown.x = 52;
    thrown.state = ITEM_IN_FLIGHT;
    thrown.ejectTarget = tileIndex(50, 50);
    game.items.emplace_back(60, 50, EAST, PLANKS);

    MultiSelection selection;
    selection.entries.push_back({10, 10, game.machineGroupAt(10, 10)});
    Tile belt = game.tileAt(20, 10);
    belt.bridgeDir = NONE;
    belt.bridgePart = BRIDGE_NONE;
    selection.entries.push_back({20, 10, MachineGroup{20, 10, false, {{20, 10, belt}}}});
    selection.demolishAll(game);

    EXPECT_TRUE(selection.empty());
    EXPECT_EQ(game.tileAt(10, 10), Tile{});
    const Tile& ground = game.tileAt(20, 10);
    EXPECT_EQ(ground.type, EMPTY) << "only the belt under the deck goes";
    EXPECT_EQ(ground.bridgePart, BRIDGE_DECK);
    EXPECT_EQ(game.tileAt(19, 10).type, BRIDGE);
    EXPECT_EQ(game.deckTiles[tileIndex(20, 10)].type, BELT);
    ASSERT_EQ(game.items.size(), 2u);
    EXPECT_EQ(game.items[0].cargo, COAL) << "the item on the deck stays";
    EXPECT_EQ(game.items[1].state, ITEM_IN_FLIGHT) << "an item in flight stays";
    expectMapReadsBack(game);
}
