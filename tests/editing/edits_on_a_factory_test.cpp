#include <gtest/gtest.h>

#include <random>
#include <string>

#include "editing/test_session.h"
#include "reference_worlds.h"

namespace {

// Tools a player builds and tears down with, strokes among them.
constexpr Tool PLAYED_TOOLS[] = {TOOL_DELETE, TOOL_BELT,         TOOL_SMELTER,   TOOL_SOURCE,       TOOL_EJECTOR,
                                 TOOL_MIXER,  TOOL_ARM,          TOOL_LOGIC_AND, TOOL_POWER_POLE,   TOOL_DISTRIBUTOR,
                                 TOOL_SINK,   TOOL_DELETE,       TOOL_BELT,      TOOL_POWER_SUPPLY, TOOL_BRIDGE,
                                 TOOL_SENSOR, TOOL_WATER_SOURCE, TOOL_WATER_PIPE};

}  // namespace

// A player editing a running factory at random: after every press the world
// saves and reads back, each step records the map from before it, and
// undoing every step brings back the map from before the first.
TEST(EditsOnAFactory, EveryEditReadsBackAndUndoes)
{
    EditSession session;
    session.game = referenceFactory(SMALL_FACTORY_ITEMS);
    Game& game = session.game;
    std::string firstMap;

    std::mt19937 random(7);
    const auto pick = [&random](int below) { return static_cast<int>(random() % static_cast<unsigned>(below)); };
    constexpr int PRESSES = 24;
    for (int press = 0; press < PRESSES; ++press) {
        const Tool tool = PLAYED_TOOLS[pick(std::size(PLAYED_TOOLS))];
        const int x = pick(GRID_WIDTH);
        const int y = pick(GRID_HEIGHT);
        SCOPED_TRACE("press " + std::to_string(press) + " tool " + std::to_string(tool));
        std::string before;
        ASSERT_TRUE(UndoHistory::snapshot(game, before));
        const std::size_t records = session.history.size();

        session.press(tool, x, y);
        session.drag(x + pick(9) - 4, y + pick(9) - 4);
        session.release();
        expectMapReadsBack(game);
        if (session.history.size() > records) {
            EXPECT_EQ(session.history.newest(), before) << "the step records the map from before it";
            if (firstMap.empty()) firstMap = before;
        }
        for (int step = 0; step < 20; ++step)
            game.update(1.0f / 60.0f, false);
    }
    ASSERT_FALSE(firstMap.empty());
    while (session.history.undo(game)) {
    }
    std::string end;
    ASSERT_TRUE(UndoHistory::snapshot(game, end));
    EXPECT_TRUE(end == firstMap) << "undoing every step restores the map from before the first";
}
