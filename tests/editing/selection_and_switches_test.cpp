#include <gtest/gtest.h>

#include "editing/interaction.h"
#include "editing/test_session.h"

namespace {

// A plain left press on the map as the shell routes it: a switch or button
// first, then selection, then the tool inside the press's guard.
struct ClickSession : EditSession {
    Interaction interaction;

    void leftPress(Tool tool, int x, int y)
    {
        if (toolWorksSwitches(tool) && isSwitchOrButtonAt(game, x, y)) {
            selectControlAt(interaction, game, x, y);
            workSwitchOrButton(interaction, game, history, x, y, false);
            return;
        }
        UndoGuard guard(history, game);
        if (toolSelectsOnClick(tool) && selectControlAt(interaction, game, x, y)) return;
        pressTool(tool, game, guard, stroke, x, y);
    }
    void leftClick(Tool tool, int x, int y)
    {
        leftPress(tool, x, y);
        release();
        releaseHeldButton(interaction.heldButton, game);
    }
};

}  // namespace

TEST(Switches, PlainClicksWithABuildToolFlipTheSwitchAndBuildNothing)
{
    ClickSession s;
    setTile(s.game, 12, 7, LOGIC_SWITCH);
    s.leftClick(TOOL_BELT, 12, 7);
    EXPECT_EQ(s.history.newest(), "MANUAL_SWITCH 12 7 0");
    s.leftClick(TOOL_BELT, 12, 7);
    EXPECT_EQ(s.history.newest(), "MANUAL_SWITCH 12 7 1");
    EXPECT_EQ(s.game.tileAt(12, 7).type, LOGIC_SWITCH);
    EXPECT_EQ(s.interaction.selection.control, (ControlPick{12, 7, LOGIC_SWITCH}));

    ASSERT_EQ(s.history.size(), 2u);
    ASSERT_TRUE(s.history.undo(s.game));
    EXPECT_TRUE(s.game.tileAt(12, 7).switchOn);
    ASSERT_TRUE(s.history.undo(s.game));
    EXPECT_FALSE(s.game.tileAt(12, 7).switchOn);

    s.leftClick(TOOL_POWER_LINE, 12, 7);
    EXPECT_TRUE(workSwitchOrButton(s.interaction, s.game, s.history, 12, 7, true)) << "a wire drag waits";
    EXPECT_FALSE(s.game.tileAt(12, 7).switchOn);
    EXPECT_TRUE(s.history.empty());
    expectMapReadsBack(s.game);
}

TEST(Switches, AButtonIsOnWhileHeld)
{
    ClickSession s;
    feed5V(s.game, 70, 50, {{20, 20}, {22, 20}});
    setTile(s.game, 20, 20, LOGIC_BUTTON);
    setTile(s.game, 22, 20, SIGNAL_LAMP);
    s.game.signalControlLinks.push_back({20, 20, 22, 20, 0, 0});
    s.game.updateNetworks(0.0f);
    const Tile& lamp = s.game.tileAt(22, 20);

    s.leftPress(TOOL_SINK, 20, 20);
    EXPECT_TRUE(lamp.signalOut) << "the networks follow the press at once";
    EXPECT_TRUE(s.interaction.heldButton.held());
    s.release();
    EXPECT_TRUE(releaseHeldButton(s.interaction.heldButton, s.game));
    EXPECT_FALSE(lamp.signalOut);

    s.leftPress(TOOL_SINK, 20, 20);
    resetInteraction(s.interaction, s.game);
    EXPECT_FALSE(lamp.signalOut) << "a reset lets go too";
    EXPECT_TRUE(s.history.empty()) << "a button is not recorded";
    expectMapReadsBack(s.game);
}

TEST(Selection, AClickPicksTheTileThatStandsForTheControl)
{
    ClickSession s;
    Game& game = s.game;
    layBelt(game, 10, 10, NORTH);
    buildBridgeEast(game, 10, 10);  // ramps at (9, 10) and (11, 10), over the belt
    build(game, MIXER, 20, 10);     // second tile at (20, 11)
    layTunnel(game, 30, 10, 34, 10, EAST);
    setTile(game, 42, 10, TUNNEL);  // an entrance without an exit
    build(game, LONG_ARM, 41, 10);
    build(game, SMELTER, 44, 10);
    setTile(game, 40, 10, PLAIN);

    const struct {
        int x, y;
        ControlPick pick;
        InspectorPanel panel;
    } clicks[] = {
        {11, 10, {10, 10, BRIDGE}, InspectorPanel::INFORMATION},
        {9, 10, {10, 10, BRIDGE}, InspectorPanel::INFORMATION},
        {20, 11, {20, 10, MIXER}, InspectorPanel::INFORMATION},
        {30, 10, {34, 10, TUNNEL_EXIT}, InspectorPanel::INFORMATION},
        {42, 10, {42, 10, TUNNEL}, InspectorPanel::INFORMATION},
        {41, 10, {41, 10, LONG_ARM}, InspectorPanel::ARM},
        {40, 10, {41, 10, LONG_ARM}, InspectorPanel::ARM},  // plain ground keeps the selection
        {44, 10, {44, 10, SMELTER}, InspectorPanel::SMELTER},
    };
    for (const auto& c : clicks) {
        s.leftClick(TOOL_SMELTER, c.x, c.y);
        EXPECT_EQ(s.interaction.selection.control, c.pick) << c.x << ", " << c.y;
        EXPECT_EQ(s.interaction.selection.panel, c.panel) << c.x << ", " << c.y;
    }
    EXPECT_EQ(game.tileAt(44, 10).dir, EAST) << "selected, not turned";
    EXPECT_TRUE(s.history.empty());
    s.leftClick(TOOL_DELETE, 44, 10);
    EXPECT_EQ(game.tileAt(44, 10).type, EMPTY) << "DELETE never selects";
}

TEST(Selection, AnotherControlResetsTheInteractionButTheFirstLinkEnd)
{
    Game game = emptyGame();
    build(game, SMELTER, 10, 10);
    build(game, OVEN, 12, 10);
    Interaction interaction;
    ASSERT_TRUE(selectControlAt(interaction, game, 10, 10));
    beginLabelEdit(interaction.label, game, 10, 10);
    typeLabelText(interaction.label, "ab");
    interaction.pendingLinkEnd = {5, 5, 1, 2};
    interaction.statusText = "STROMLEITUNG GESETZT";

    ASSERT_TRUE(selectControlAt(interaction, game, 10, 10));
    EXPECT_EQ(interaction.label.buffer, "AB") << "the selected control again keeps the typing";
    ASSERT_TRUE(selectControlAt(interaction, game, 12, 10));
    EXPECT_FALSE(interaction.label.active);
    EXPECT_EQ(game.tileAt(10, 10).label, "");
    EXPECT_TRUE(interaction.statusText.empty());
    EXPECT_TRUE(interaction.pendingLinkEnd.pending());
    cancelInteraction(interaction, game);
    EXPECT_FALSE(interaction.pendingLinkEnd.pending()) << "undo and a tool change drop it";
}
