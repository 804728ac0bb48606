#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "editing/test_session.h"

TEST(UndoHistory, KeepsTheThirtyNewestSteps)
{
    EditSession session;
    for (int i = 0; i < 31; ++i)
        session.click(Tool::BELT, 10 + i, 20);
    EXPECT_EQ(session.history.size(), UNDO_LIMIT);

    for (int i = 0; i < 30; ++i)
        EXPECT_TRUE(session.history.undo(session.game)) << i;
    EXPECT_FALSE(session.history.undo(session.game));
    EXPECT_EQ(session.game.tileAt(10, 20).type, BELT);
    EXPECT_EQ(session.game.tileAt(11, 20).type, EMPTY);
    expectMapReadsBack(session.game);
}

TEST(UndoHistory, TakesBackTheWholeWorldOfAStep)
{
    EditSession session;
    session.game = Game{};
    session.game.tileAt(3, 9).sourceRunning = true;
    session.click(Tool::SMELTER, 20, 20);
    const Game before = session.game;
    session.press(Tool::BELT, 4, 9);
    session.drag(8, 9);
    session.release();
    runFor(session.game, 10.0f);
    ASSERT_NE(session.game.money, before.money);

    ASSERT_TRUE(session.history.undo(session.game));
    EXPECT_EQ(session.game.tileAt(4, 9).type, EMPTY);
    EXPECT_EQ(session.game.money, before.money);
    EXPECT_EQ(session.game.gameTime, before.gameTime);
    EXPECT_EQ(session.game.items.size(), before.items.size());
    EXPECT_EQ(session.game.tileAt(20, 20).type, SMELTER);
}

TEST(UndoHistory, OnePressOneRecord)
{
    EditSession session;
    session.click(Tool::SELECT, 5, 5);
    session.click(Tool::SMELTER, 200, 5);
    EXPECT_TRUE(session.history.empty()) << "presses that change nothing record nothing";

    // A recorded command inside a press leaves the press's one record.
    session.click(Tool::LOGIC_AND, 5, 5);
    EXPECT_EQ(session.history.size(), 1u);
    session.click(Tool::LOGIC_AND, 5, 5);
    EXPECT_EQ(session.history.size(), 1u) << "a refused build records nothing";
    ASSERT_TRUE(session.history.undo(session.game));
    EXPECT_EQ(session.game.tileAt(5, 5).type, EMPTY);
    EXPECT_TRUE(session.history.empty());
}

TEST(UndoHistory, AStrokeIsOneStepFromItsFirstTile)
{
    EditSession session;
    session.press(Tool::BELT, 10, 10);
    session.drag(19, 10);
    // Ctrl+Z in the middle of the stroke commits it first, then takes it back.
    commitPendingUndo(session.stroke.undo, session.history, session.game);
    EXPECT_EQ(session.history.size(), 1u);
    ASSERT_TRUE(session.history.undo(session.game));
    for (int x = 10; x < 20; ++x)
        EXPECT_EQ(session.game.tileAt(x, 10).type, EMPTY) << x;

    // A stroke that changed nothing leaves nothing, though it took the text.
    session.game.tileAt(30, 30).type = PLAIN;
    session.press(Tool::BELT, 30, 30);
    session.drag(33, 30);
    session.release();
    EXPECT_TRUE(session.history.empty());
}

TEST(UndoHistory, ASwitchRecordAppliesOnlyToTheSwitch)
{
    EditSession session;
    session.history.push(manualSwitchRecord(12, 7, false));
    EXPECT_EQ(session.history.newest(), "MANUAL_SWITCH 12 7 0");

    // The tile holds no switch: nothing happens, and the record stays on top.
    EXPECT_FALSE(session.history.undo(session.game));
    EXPECT_EQ(session.history.size(), 1u);

    setTile(session.game, 12, 7, LOGIC_SWITCH).switchOn = true;
    layBelt(session.game, 30, 30, EAST);
    ASSERT_TRUE(session.history.undo(session.game));
    EXPECT_FALSE(session.game.tileAt(12, 7).switchOn);
    EXPECT_EQ(session.game.tileAt(30, 30).type, BELT) << "the rest of the world stays";
    EXPECT_TRUE(session.history.empty());
}

TEST(UndoHistory, ARecordTheReaderRefusesStays)
{
    EditSession session;
    for (const char* record : {"ZEDARADOREV_MAP 43 80 60 broken", "MANUAL_SWITCH 12 x 0", "MANUAL_SWITCH 80 7 1", ""}) {
        session.history.push(record);
        layBelt(session.game, 1, 1, EAST);
        EXPECT_FALSE(session.history.undo(session.game)) << '"' << record << '"';
        EXPECT_EQ(session.game.tileAt(1, 1).type, BELT) << '"' << record << '"';
        EXPECT_EQ(session.history.newest(), record);
    }
}

TEST(UndoHistory, ARecordIsTheMapTextFromBeforeItsStep)
{
    EditSession session;
    Game& game = session.game;
    layBelt(game, 20, 10, NORTH);
    buildBridgeEast(game, 20, 10);
    game.items.emplace_back(19, 10, EAST, LOG);
    game.items.emplace_back(20, 10, NORTH, COAL);
    build(game, POWER_POLE, 30, 10);
    build(game, POWER_POLE, 33, 10);
    game.powerLinks = {{30, 10, 33, 10}};
    game.money = 1234;

    const auto expectRecordOf = [&](const char* step, const std::function<void()>& edit) {
        std::string before;
        ASSERT_TRUE(UndoHistory::snapshot(game, before));
        edit();
        ASSERT_FALSE(session.history.empty()) << step;
        EXPECT_EQ(session.history.newest(), before) << step;
    };
    expectRecordOf("bridge", [&] { session.click(Tool::DELETE, 21, 10); });
    expectRecordOf("pole", [&] { session.click(Tool::DELETE, 30, 10); });
    expectRecordOf("command", [&] { session.history.record(game, [&] { build(game, SMELTER, 40, 40); }); });
    EXPECT_EQ(session.history.size(), 3u);
}
