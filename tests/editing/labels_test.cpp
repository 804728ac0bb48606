#include <gtest/gtest.h>

#include <string>

#include "editing/labels.h"
#include "editing/undo_history.h"
#include "support/world_builders.h"

TEST(Labels, TypingKeepsWhatALabelMayHoldUpToFifty)
{
    Game game = emptyGame();
    build(game, SMELTER, 10, 10);
    LabelEntry entry;
    beginLabelEdit(entry, game, 10, 10);
    typeLabelText(entry, "ab/c-1.x");
    EXPECT_EQ(entry.buffer, "ABC-1.X");
    typeLabelText(entry, " Z\xC3\xA4q_!");  // the two bytes of a UTF-8 letter go, the rest stays
    EXPECT_EQ(entry.buffer, "ABC-1.X ZQ");

    typeLabelText(entry, std::string(60, '7'));
    ASSERT_EQ(entry.buffer.size(), 50u);
    eraseLabelChar(entry);
    typeLabelText(entry, "ef");
    EXPECT_EQ(entry.buffer.substr(48), "7E") << "Backspace frees one place";
}

TEST(Labels, ReturnIsOneUndoStepEscapeKeepsTheOldLabel)
{
    Game game = emptyGame();
    build(game, SMELTER, 10, 10).label = "OFEN 1";
    UndoHistory history;
    LabelEntry entry;

    beginLabelEdit(entry, game, 10, 10);
    typeLabelText(entry, "2");
    beginLabelEdit(entry, game, 10, 10);  // the field opened again keeps the typing
    EXPECT_EQ(entry.buffer, "OFEN 12");
    endLabelEdit(entry, game, false);  // Escape
    EXPECT_EQ(game.tileAt(10, 10).label, "OFEN 1");
    EXPECT_FALSE(entry.active);

    beginLabelEdit(entry, game, 10, 10);
    EXPECT_FALSE(commitLabelEntry(entry, game, history)) << "an unchanged label records nothing";
    beginLabelEdit(entry, game, 10, 10);
    typeLabelText(entry, "2");
    EXPECT_TRUE(commitLabelEntry(entry, game, history));
    EXPECT_EQ(game.tileAt(10, 10).label, "OFEN 12");
    EXPECT_FALSE(entry.active);
    EXPECT_EQ(history.size(), 1u);
    expectMapReadsBack(game);
    ASSERT_TRUE(history.undo(game));
    EXPECT_EQ(game.tileAt(10, 10).label, "OFEN 1");
}

TEST(Labels, OnlyProducersTakeALabel)
{
    Game game = emptyGame();
    build(game, SOURCE, 10, 10);
    build(game, SINK, 12, 10);
    setTile(game, 14, 10, LOGIC_AND);
    LabelEntry entry;
    for (const int x : {10, 12, 14}) {
        beginLabelEdit(entry, game, x, 10);
        typeLabelText(entry, "X");
        endLabelEdit(entry, game, true);  // the panel's OK button
    }
    EXPECT_EQ(game.tileAt(10, 10).label, "X");
    EXPECT_EQ(game.tileAt(12, 10).label, "");
    EXPECT_EQ(game.tileAt(14, 10).label, "");
    expectMapReadsBack(game);
}
