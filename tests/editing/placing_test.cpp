#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "editing/placing.h"
#include "editing/test_session.h"

namespace {

struct Laid {
    int x;
    int y;
    ControlType type;
    Direction dir;
};

void expectTiles(const Game& game, const std::vector<Laid>& tiles)
{
    for (const Laid& t : tiles) {
        EXPECT_EQ(game.tileAt(t.x, t.y).type, t.type) << t.x << "," << t.y;
        EXPECT_EQ(game.tileAt(t.x, t.y).dir, t.dir) << t.x << "," << t.y;
    }
}

}  // namespace

TEST(Placing, ProducersGetTheNextMachineIdOnce)
{
    Game game;
    ASSERT_EQ(game.tileAt(STARTER_SOURCE_X, STARTER_SOURCE_Y).machineId, 1u);
    ASSERT_EQ(game.nextMachineId, 2u);

    EXPECT_TRUE(placeControl(game, SMELTER, 20, 20));
    EXPECT_EQ(game.tileAt(20, 20).machineId, 2u);
    EXPECT_EQ(game.nextMachineId, 3u);
    EXPECT_TRUE(placeControl(game, SMELTER, 20, 20));
    EXPECT_EQ(game.tileAt(20, 20).dir, SOUTH);
    EXPECT_EQ(game.tileAt(20, 20).machineId, 2u);
    EXPECT_FALSE(placeControl(game, SMELTER, STARTER_SOURCE_X, STARTER_SOURCE_Y));
    EXPECT_EQ(game.nextMachineId, 3u);
    EXPECT_TRUE(placeControl(game, LOGIC_COUNTER, 30, 30));
    EXPECT_EQ(game.tileAt(30, 30).machineId, 0u) << "only producers take ids";
    EXPECT_EQ(game.nextMachineId, 3u);

    for (int turn = 0; turn < 4; ++turn) {
        game.titleDirty = false;
        EXPECT_TRUE(placeSource(game, STARTER_SOURCE_X, STARTER_SOURCE_Y));
        EXPECT_TRUE(game.titleDirty);
    }
    EXPECT_EQ(game.tileAt(STARTER_SOURCE_X, STARTER_SOURCE_Y).machineId, 1u);
    EXPECT_EQ(game.tileAt(STARTER_SOURCE_X, STARTER_SOURCE_Y).dir, EAST);
    expectMapReadsBack(game);
}

TEST(Placing, AnEjectorTurnsOnlyWhenNoItemIsTiedToIt)
{
    Game game = emptyGame();
    ASSERT_TRUE(placeEjector(game, 10, 10));
    EXPECT_EQ(game.tileAt(10, 10).dir, NORTH);
    layBelt(game, 10, 9, EAST);
    CargoItem& item = game.items.emplace_back(10, 9, EAST, LOG);
    item.ejectTarget = tileIndex(10, 10);
    item.state = ITEM_TAKEN_BY_EJECTOR;
    EXPECT_FALSE(placeEjector(game, 10, 10));
    EXPECT_EQ(game.tileAt(10, 10).dir, NORTH);
    expectMapReadsBack(game);

    game.items.clear();
    EXPECT_TRUE(placeEjector(game, 10, 10));
    EXPECT_EQ(game.tileAt(10, 10).dir, EAST);
    EXPECT_FALSE(placeEjector(game, 10, 9)) << "an ejector is built only on free ground";
}

TEST(Placing, BeltStepRules)
{
    struct Case {
        const char* name;
        ControlType from;
        ControlType to;
        bool laid;
    };
    const Case cases[] = {
        {"ground onto ground", EMPTY, EMPTY, true},     {"source onto a belt", SOURCE, BELT, true},
        {"sink onto a smelter", SINK, SMELTER, true},   {"belt onto a generator", BELT, COAL_GENERATOR, true},
        {"smelter onto ground", SMELTER, EMPTY, false}, {"belt onto an arm", BELT, ARM, false},
        {"belt onto a mixer", BELT, MIXER, false},      {"belt onto logic", BELT, LOGIC_AND, false},
    };
    for (const Case& c : cases) {
        Game game = emptyGame();
        setTile(game, 10, 10, c.from, NORTH);
        setTile(game, 11, 10, c.to, NORTH);
        const Tile target = game.tileAt(11, 10);
        EXPECT_EQ(layBeltStep(game, 10, 10, 11, 10), c.laid) << c.name;
        if (c.laid) {
            EXPECT_EQ(game.tileAt(10, 10).type, c.from == EMPTY ? BELT : c.from) << c.name;
            EXPECT_EQ(game.tileAt(10, 10).dir, EAST) << c.name;
            EXPECT_EQ(game.tileAt(11, 10).type, c.to == EMPTY ? BELT : c.to) << c.name;
            EXPECT_EQ(game.tileAt(11, 10).dir, c.to == EMPTY ? EAST : NORTH) << c.name;
        } else {
            EXPECT_EQ(game.tileAt(10, 10).dir, NORTH) << c.name;
            EXPECT_EQ(game.tileAt(11, 10), target) << c.name;
        }
    }
    Game game = emptyGame();
    EXPECT_FALSE(layBeltStep(game, 10, 10, 12, 10)) << "tiles apart";
    EXPECT_FALSE(layBeltStep(game, 10, 10, 11, 11)) << "diagonal";
    EXPECT_FALSE(layBeltStep(game, 79, 10, 80, 10)) << "off the map";
    EXPECT_FALSE(layBeltStep(game, 10, 10, 10, 10)) << "one tile";
}

TEST(Placing, ABeltStrokeIsOneStep)
{
    EditSession session;
    session.press(TOOL_BELT, 20, 20);
    EXPECT_EQ(session.game.tileAt(20, 20).type, BELT);
    EXPECT_EQ(session.game.tileAt(20, 20).dir, NONE);
    session.drag(23, 21);
    session.release();
    expectTiles(session.game, {{20, 20, BELT, EAST},
                               {21, 20, BELT, EAST},
                               {22, 20, BELT, EAST},
                               {23, 20, BELT, SOUTH},
                               {23, 21, BELT, SOUTH}});
    EXPECT_EQ(session.history.size(), 1u);
    expectMapReadsBack(session.game);

    ASSERT_TRUE(session.history.undo(session.game));
    for (const auto& [x, y] : {std::pair{20, 20}, {21, 20}, {22, 20}, {23, 20}, {23, 21}})
        EXPECT_EQ(session.game.tileAt(x, y).type, EMPTY) << x << "," << y;
}

TEST(Placing, AStrokeStopsWhereAStepIsRefused)
{
    EditSession session;
    build(session.game, SMELTER, 14, 5);

    // Into a smelter: the last belt faces it, and nothing leads on from it.
    session.press(TOOL_BELT, 10, 5);
    session.drag(18, 5);
    session.release();
    expectTiles(session.game, {{13, 5, BELT, EAST}, {14, 5, SMELTER, EAST}, {15, 5, EMPTY, NONE}});

    // Across a bridge deck a stroke lays a belt under it; along the deck it stops at the ramp.
    buildBridgeEast(session.game, 30, 10);
    session.press(TOOL_BELT, 30, 8);
    session.drag(30, 12);
    session.release();
    expectTiles(session.game, {{30, 10, BELT, SOUTH}, {30, 12, BELT, SOUTH}});
    EXPECT_EQ(session.game.tileAt(30, 10).bridgePart, BRIDGE_DECK);
    session.press(TOOL_BELT, 27, 10);
    session.drag(33, 10);
    session.release();
    expectTiles(session.game, {{28, 10, BELT, EAST}, {29, 10, BRIDGE, EAST}, {30, 10, BELT, SOUTH}});

    // A press on a source (with Shift) starts a stroke that turns it.
    build(session.game, SOURCE, 40, 40);
    session.press(TOOL_BELT, 40, 40);
    session.drag(40, 42);
    session.release();
    expectTiles(session.game, {{40, 40, SOURCE, SOUTH}, {40, 41, BELT, SOUTH}, {40, 42, BELT, SOUTH}});

    // A press off the map starts a stroke whose every step fails.
    session.press(TOOL_BELT, -1, 20);
    session.drag(3, 20);
    session.release();
    EXPECT_EQ(session.game.tileAt(0, 20).type, EMPTY);
    expectMapReadsBack(session.game);
}

TEST(Placing, TheToolTableBuildsEachToolsControl)
{
    EditSession session;
    std::size_t builds = 0;
    for (Tool tool = 0; tool < TOOL_COUNT; ++tool) {
        const ControlType type = toolControlType(tool);
        const int x = tool % 20 * 4;
        const int y = tool / 20 * 4 + 10;
        session.click(tool, x, y);
        // A tunnel takes two clicks; a bridge's deck spans the clicked ground.
        const bool built = type != EMPTY && type != TUNNEL;
        builds += built ? 1 : 0;
        EXPECT_EQ(session.game.tileAt(x, y).type, built && type != BRIDGE ? type : EMPTY) << "tool " << tool;
        if (type == BRIDGE) {
            EXPECT_EQ(session.game.tileAt(x, y).bridgePart, BRIDGE_DECK);
        }
        EXPECT_EQ(session.history.size(), std::min(builds, UNDO_LIMIT)) << "tool " << tool;
    }
    expectMapReadsBack(session.game);
    EXPECT_EQ(toolControlType(TOOL_LOGIC_AND), LOGIC_AND);
    EXPECT_EQ(toolControlType(TOOL_LOGIC_STEPPER), LOGIC_STEPPER);
    EXPECT_EQ(toolControlType(TOOL_LOGIC_RS), LOGIC_RS);
    EXPECT_EQ(toolControlType(TOOL_POWER_SUPPLY), POWER_SUPPLY);
    EXPECT_EQ(toolControlType(WATER_GROUP), EMPTY);
}
