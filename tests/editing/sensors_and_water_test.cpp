#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "editing/sensors_and_water.h"
#include "editing/test_session.h"

namespace {

using Tiles = std::vector<std::pair<int, int>>;

void expectPipes(const Game& game, const Tiles& tiles, ControlType type = WATER_PIPE)
{
    for (const auto& [x, y] : tiles)
        EXPECT_EQ(game.tileAt(x, y).type, type) << x << "," << y;
}

}  // namespace

TEST(SensorsAndWater, EachIsBuiltOnlyOnFreeGroundWithoutItems)
{
    struct Case {
        const char* name;
        Tool tool;
        ControlType type;
    };
    for (const Case& c : {Case{"sensor", TOOL_SENSOR, SENSOR}, Case{"water source", TOOL_WATER_SOURCE, WATER_SOURCE},
                          Case{"pipe", TOOL_WATER_PIPE, WATER_PIPE}}) {
        SCOPED_TRACE(c.name);
        EditSession session;
        Game& game = session.game;
        buildBridgeEast(game, 10, 10);
        thrownItemOver(game, 20, 20);
        layBelt(game, 30, 30, EAST);
        const std::string before = mapText(game);
        for (const auto& [x, y] : Tiles{{10, 10}, {9, 10}, {20, 20}, {30, 30}, {-1, 5}, {80, 5}, {5, 60}})
            session.click(c.tool, x, y);
        EXPECT_TRUE(mapText(game) == before) << "a refused build changes nothing";
        EXPECT_TRUE(session.history.empty());

        session.click(c.tool, 40, 40);
        const Tile& built = game.tileAt(40, 40);
        EXPECT_EQ(built.type, c.type);
        EXPECT_EQ(built.dir, c.type == SENSOR ? EAST : NONE);
        EXPECT_EQ(session.history.size(), 1u) << "one build, one step";
        expectMapReadsBack(game);
        ASSERT_TRUE(session.history.undo(game));
        EXPECT_EQ(game.tileAt(40, 40).type, EMPTY);
    }
}

TEST(SensorsAndWater, ANewSensorKeepsEveryDefault)
{
    Game game = emptyGame();
    ASSERT_TRUE(placeSensor(game, 7, 7));
    Tile expected;
    expected.type = SENSOR;
    expected.dir = EAST;
    EXPECT_EQ(game.tileAt(7, 7), expected);
}

TEST(SensorsAndWater, WaterSourcesTakeConsecutiveMachineIds)
{
    Game game;
    const std::uint64_t first = game.nextMachineId;
    ASSERT_TRUE(placeWaterSource(game, 10, 10));
    ASSERT_TRUE(placeWaterSource(game, 12, 10));
    EXPECT_FALSE(placeWaterSource(game, 12, 10));
    EXPECT_EQ(game.tileAt(10, 10).machineId, first);
    EXPECT_EQ(game.tileAt(12, 10).machineId, first + 1);
    EXPECT_EQ(game.nextMachineId, first + 2);
    EXPECT_EQ(game.tileAt(20, 20).machineId, 0u);
    ASSERT_TRUE(placeWaterPipe(game, 20, 20));
    EXPECT_EQ(game.tileAt(20, 20).machineId, 0u) << "a pipe takes no id";
}

TEST(SensorsAndWater, APipeStrokeIsOneStep)
{
    EditSession session;
    session.press(TOOL_WATER_PIPE, 20, 20);
    session.drag(23, 22);
    session.release();
    const Tiles run = {{20, 20}, {21, 20}, {22, 20}, {22, 21}, {23, 21}, {23, 22}};
    expectPipes(session.game, run);
    EXPECT_EQ(session.game.tileAt(21, 21).type, EMPTY);
    EXPECT_EQ(session.history.size(), 1u);
    expectMapReadsBack(session.game);
    ASSERT_TRUE(session.history.undo(session.game));
    expectPipes(session.game, run, EMPTY);

    // From (0, 0) towards (3, 2): x first while the x distance is at least the y distance.
    session.press(TOOL_WATER_PIPE, 0, 0);
    session.drag(3, 2);
    session.release();
    expectPipes(session.game, {{0, 0}, {1, 0}, {2, 0}, {2, 1}, {3, 1}, {3, 2}});
}

TEST(SensorsAndWater, APipeStrokeStopsAtARefusalAndPassesOverPipes)
{
    EditSession session;
    Game& game = session.game;
    layBelt(game, 25, 5, SOUTH);
    session.press(TOOL_WATER_PIPE, 20, 5);
    session.drag(30, 5);
    session.drag(30, 8);
    session.release();
    expectPipes(game, {{20, 5}, {21, 5}, {22, 5}, {23, 5}, {24, 5}});
    EXPECT_EQ(game.tileAt(25, 5).type, BELT);
    EXPECT_EQ(game.tileAt(24, 6).type, EMPTY) << "the stroke stays on the tile before the belt";
    EXPECT_EQ(session.history.size(), 1u);

    // Across the laid run and on past it; a press on a pipe alone changes nothing.
    session.press(TOOL_WATER_PIPE, 20, 4);
    session.drag(20, 7);
    session.release();
    expectPipes(game, {{20, 4}, {20, 5}, {20, 6}, {20, 7}});
    EXPECT_EQ(session.history.size(), 2u);
    session.click(TOOL_WATER_PIPE, 22, 5);
    EXPECT_EQ(session.history.size(), 2u);

    // Towards a pointer off the map: the walk ends at the edge.
    session.press(TOOL_WATER_PIPE, 77, 40);
    session.drag(85, 40);
    session.release();
    expectPipes(game, {{78, 40}, {79, 40}});
    expectMapReadsBack(game);
}
