#include <gtest/gtest.h>

#include "app/loop_state.h"
#include "app/map_interaction.h"
#include "editing/undo_history.h"
#include "support/world_builders.h"

namespace {

void openWindows(LoopState& state)
{
    state.openToolGroup = LOGIC_GROUP;
    beginNumberEntry(state.numberEntry, 12);
    state.machineOverviewVisible = true;
    state.itemPanelOpen = true;
}

bool windowsOpen(const LoopState& state)
{
    return state.openToolGroup != -1 || state.numberEntry.active || state.machineOverviewVisible || state.itemPanelOpen;
}

}  // namespace

TEST(MapInteraction, ResettingClosesWindowsAndEntriesButKeepsTheFirstLinkEnd)
{
    Game game = emptyGame();
    build(game, SMELTER, 10, 10);
    setTile(game, 12, 10, LOGIC_BUTTON);
    UndoHistory history;
    LoopState state;

    EXPECT_FALSE(pressSwitchOrButton(state, game, history, TOOL_DC_LINE, 12, 10, false));
    EXPECT_TRUE(pressSwitchOrButton(state, game, history, TOOL_BELT, 12, 10, false));
    EXPECT_TRUE(game.tileAt(12, 10).buttonPressed);
    ASSERT_TRUE(selectControlAt(state, game, 10, 10));
    EXPECT_FALSE(game.tileAt(12, 10).buttonPressed) << "another control lets go of the button";

    beginLabelEdit(state.interaction.label, game, 10, 10);
    state.interaction.pendingLinkEnd = {3, 4, 0, 0};
    openWindows(state);
    ASSERT_TRUE(selectControlAt(state, game, 10, 10));
    EXPECT_TRUE(windowsOpen(state)) << "the selected control again changes nothing";
    ASSERT_TRUE(selectControlAt(state, game, 12, 10));
    EXPECT_FALSE(windowsOpen(state));
    EXPECT_FALSE(state.interaction.label.active);

    openWindows(state);
    resetInteraction(state, game);
    EXPECT_FALSE(windowsOpen(state));
    EXPECT_FALSE(state.interaction.selection.selected());
    EXPECT_TRUE(state.interaction.pendingLinkEnd.pending());
    cancelInteraction(state, game);
    EXPECT_FALSE(state.interaction.pendingLinkEnd.pending());
    EXPECT_TRUE(history.empty());
}

TEST(MapInteraction, TheDeleteToolNamesTheLinkItTook)
{
    Game game = emptyGame();
    setTile(game, 1, 1, POWER_POLE);
    setTile(game, 3, 1, POWER_POLE);
    game.powerLinks.push_back({1, 1, 3, 1, 0, 0});
    LoopState state;
    state.itemPanelOpen = true;

    EXPECT_FALSE(deleteLinkWithTool(state, game, NO_LINK, 0));
    EXPECT_TRUE(state.itemPanelOpen) << "no hit: the click goes on to demolish";
    ASSERT_TRUE(deleteLinkWithTool(state, game, POWER_CABLE, 0));
    EXPECT_TRUE(game.powerLinks.empty());
    EXPECT_EQ(state.interaction.statusText, "STROMLEITUNG ENTFERNT") << "set after the reset";
    EXPECT_FALSE(state.itemPanelOpen);

    game.powerLinks.push_back({1, 1, 3, 1, 0, 0});
    ASSERT_TRUE(deleteLinkUnderPointer(state, game, POWER_CABLE, 0));
    EXPECT_TRUE(state.interaction.statusText.empty());
    EXPECT_EQ(linkDeletedText(DC_CABLE), "SCHALTLEITUNG ENTFERNT");
    expectMapReadsBack(game);
}
