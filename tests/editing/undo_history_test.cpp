#include <gtest/gtest.h>

#include "editing/switches_buttons.h"
#include "editing/test_session.h"

TEST(UndoHistory, KeepsTheThirtyNewestSteps)
{
    EditSession session;
    for (int i = 0; i < 31; ++i)
        session.click(TOOL_BELT, 10 + i, 20);
    EXPECT_EQ(session.history.size(), UNDO_LIMIT);

    for (int i = 0; i < 30; ++i)
        EXPECT_TRUE(session.history.undo(session.game)) << i;
    EXPECT_FALSE(session.history.undo(session.game));
    EXPECT_EQ(session.game.tileAt(10, 20).type, BELT);
    EXPECT_EQ(session.game.tileAt(11, 20).type, EMPTY);
    expectMapReadsBack(session.game);
}

TEST(UndoHistory, OnePressOneRecord)
{
    EditSession session;
    session.click(TOOL_SELECT, 5, 5);
    session.click(TOOL_SMELTER, 200, 5);
    EXPECT_TRUE(session.history.empty()) << "presses that change nothing record nothing";

    // A recorded command inside a press leaves the press's one record.
    session.click(TOOL_LOGIC_AND, 5, 5);
    EXPECT_EQ(session.history.size(), 1u);
    session.click(TOOL_LOGIC_AND, 5, 5);
    EXPECT_EQ(session.history.size(), 1u) << "a refused build records nothing";
    ASSERT_TRUE(session.history.undo(session.game));
    EXPECT_EQ(session.game.tileAt(5, 5).type, EMPTY);
    EXPECT_TRUE(session.history.empty());

    // A press that only lets go of a held button changes no map text.
    setTile(session.game, 8, 8, LOGIC_BUTTON);
    setButtonPressed(session.game, 8, 8, true);
    {
        const UndoGuard guard(session.history, session.game);
        setButtonPressed(session.game, 8, 8, false);
    }
    EXPECT_TRUE(session.history.empty());
}

TEST(UndoHistory, AStrokeIsOneStepFromItsFirstTile)
{
    EditSession session;
    session.press(TOOL_BELT, 10, 10);
    session.drag(19, 10);
    // Ctrl+Z in the middle of the stroke commits it first, then takes it back.
    commitPendingUndo(session.stroke.undo, session.history, session.game);
    EXPECT_EQ(session.history.size(), 1u);
    ASSERT_TRUE(session.history.undo(session.game));
    for (int x = 10; x < 20; ++x)
        EXPECT_EQ(session.game.tileAt(x, 10).type, EMPTY) << x;

    // A stroke that changed nothing leaves nothing, though it took the text.
    session.game.tileAt(30, 30).type = PLAIN;
    session.press(TOOL_BELT, 30, 30);
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
