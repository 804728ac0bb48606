#include <gtest/gtest.h>

#include <string>

#include "editing/belt_speed_painting.h"
#include "editing/test_session.h"

namespace {

// A press with the BELT_SPEED tool, as the shell makes it.
void pressBeltSpeed(EditSession& session, int level, int x, int y)
{
    UndoGuard guard(session.history, session.game);
    beginBeltSpeedStroke(session.stroke, guard, session.game, x, y, level);
}

}  // namespace

TEST(BeltSpeedPainting, OnlyBeltsAndRampsTakeALevel)
{
    Game game = emptyGame();
    layBelt(game, 10, 10, EAST);
    buildBridgeEast(game, 12, 10);
    build(game, SMELTER, 14, 10);
    const std::string fresh = mapText(game);
    EXPECT_FALSE(paintBeltSpeed(game, 10, 10, 14, 10, 6));
    EXPECT_FALSE(paintBeltSpeed(game, 10, 10, 14, 10, -1));
    EXPECT_FALSE(paintBeltSpeed(game, 10, 10, 14, 10, 3)) << "a new belt has level 3";
    EXPECT_EQ(mapText(game), fresh);

    EXPECT_TRUE(paintBeltSpeed(game, 10, 10, 14, 10, 5));
    EXPECT_EQ(game.tileAt(10, 10).beltSpeed, 5);
    EXPECT_EQ(game.tileAt(11, 10).beltSpeed, 5) << "entry ramp";
    EXPECT_EQ(game.tileAt(12, 10).beltSpeed, 3) << "free ground under the deck";
    EXPECT_EQ(game.tileAt(13, 10).beltSpeed, 5) << "exit ramp";
    EXPECT_EQ(game.tileAt(14, 10).beltSpeed, 3) << "the smelter is skipped";
    expectMapReadsBack(game);

    // One motion from (0, 0) to (3, 1) reaches four tiles of the eight.
    layBeltRun(game, 0, 0, EAST, 4);
    layBeltRun(game, 0, 1, EAST, 4);
    EXPECT_TRUE(paintBeltSpeed(game, 0, 0, 3, 1, 1));
    const int expected[2][4] = {{1, 1, 3, 3}, {3, 3, 1, 1}};
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(game.tileAt(x, y).beltSpeed, expected[y][x]) << x << "," << y;
    }
}

TEST(BeltSpeedPainting, ANewLevelStartsTheItemsOnTheBeltAfresh)
{
    Game game = emptyGame();
    layBeltRun(game, 10, 10, EAST, 2);
    CargoItem& riding = game.items.emplace_back(10, 10, EAST, COAL);
    riding.speedCredit = 5;
    CargoItem& next = game.items.emplace_back(11, 10, EAST, COAL);
    next.speedCredit = 4;

    EXPECT_TRUE(paintBeltSpeed(game, 10, 10, 10, 10, 0));
    EXPECT_EQ(game.tileAt(10, 10).beltSpeed, 0);
    EXPECT_EQ(game.items[0].speedCredit, 0);
    EXPECT_EQ(game.items[1].speedCredit, 4) << "an item on another tile keeps its credit";

    game.items[0].speedCredit = 2;
    EXPECT_FALSE(setBeltSpeed(game, 10, 10, 0)) << "the same level again is no change";
    EXPECT_EQ(game.items[0].speedCredit, 2);
    EXPECT_FALSE(setBeltSpeed(game, 80, 10, 1));
    expectMapReadsBack(game);
}

TEST(BeltSpeedPainting, AStrokeIsOneStep)
{
    EditSession session;
    layBeltRun(session.game, 20, 20, EAST, 10);
    pressBeltSpeed(session, 3, 20, 20);
    session.release();
    EXPECT_TRUE(session.history.empty()) << "level 3 over fresh belts changes nothing";

    pressBeltSpeed(session, 5, 20, 20);
    session.drag(24, 20);
    session.drag(40, 20);
    session.drag(90, 20);
    session.release();
    for (int x = 20; x < 30; ++x)
        EXPECT_EQ(session.game.tileAt(x, 20).beltSpeed, 5) << x;
    ASSERT_EQ(session.history.size(), 1u);
    expectMapReadsBack(session.game);

    EXPECT_TRUE(session.history.undo(session.game));
    for (int x = 20; x < 30; ++x)
        EXPECT_EQ(session.game.tileAt(x, 20).beltSpeed, 3) << x;
}
