#include <gtest/gtest.h>

#include "app/map_interaction.h"
#include "app/side_panel_shell.h"
#include "editing/multi_selection.h"
#include "editing/undo_history.h"
#include "support/software_canvas.h"
#include "support/world_builders.h"
#include "ui/text_probe.h"
#include "world/game.h"
#include "world/language.h"

namespace {

constexpr int WINDOW_WIDTH = 640;
constexpr int WINDOW_HEIGHT = 600;
constexpr int PANEL_X = WINDOW_WIDTH - 320;
constexpr int CONTENT_Y = 48;
constexpr Rgba TEXT{235, 239, 241, 255};
constexpr Rgba GREEN_FRAME{111, 215, 115, 255};
constexpr Rgba PLAIN_FRAME{102, 113, 120, 255};

// The loop's state, the world and a window 640 × 600 whose right 320 pixels are the side panel.
class SidePanelShell : public testing::Test {
  protected:
    void SetUp() override { setLanguage(GERMAN); }
    void TearDown() override { setLanguage(ENGLISH); }

    SoftwareCanvas& draw()
    {
        canvas.clear({0, 0, 0, 255});
        drawSidePanel(canvas.renderer(), WINDOW_WIDTH, WINDOW_HEIGHT, state, game, selection, sprites);
        return canvas;
    }
    bool shows(std::string_view text, int dx, int y, Rgba colour = TEXT)
    {
        return showsText(canvas, text, PANEL_X + dx, y, colour);
    }
    bool helpShown() { return shows("CONTROL AUSWAEHLEN", 10, 65); }
    bool closeShown() { return shows("X", 320 - 25, 16); }

    bool pressBar(int dx, int y)
    {
        return pressSidePanelBar(state, game, selection, WINDOW_WIDTH, WINDOW_HEIGHT, PANEL_X + dx, y);
    }
    bool pressSelection(int dx, int dy)
    {
        return pressSelectionPanel(state, game, history, selection, WINDOW_WIDTH, WINDOW_HEIGHT, PANEL_X + dx,
                                   CONTENT_Y + dy);
    }
    bool pressInfo(int dx, int dy)
    {
        return pressInformation(state, game, history, selection, WINDOW_WIDTH, WINDOW_HEIGHT, PANEL_X + dx,
                                CONTENT_Y + dy);
    }

    Game game = emptyGame();
    UndoHistory history;
    LoopState state;
    MultiSelection selection;
    CargoTextures sprites{};
    SoftwareCanvas canvas{WINDOW_WIDTH, WINDOW_HEIGHT};
};

}  // namespace

TEST_F(SidePanelShell, TheHelpPageGivesWayToASelectedControlAndXBringsItBack)
{
    draw();
    EXPECT_EQ(canvas.pixel(PANEL_X, 300), (Rgba{76, 98, 109, 255}));
    EXPECT_EQ(canvas.pixel(PANEL_X + 5, 300), (Rgba{29, 34, 40, 255}));
    EXPECT_TRUE(shows("INFORMATIONEN", 10, 16, {221, 234, 239, 255}));
    EXPECT_TRUE(shows("STROM P", 184, 17));
    EXPECT_EQ(canvas.pixel(PANEL_X + 174, 7), PLAIN_FRAME);
    EXPECT_TRUE(helpShown());
    EXPECT_TRUE(shows("WARNUNG F VOLL   K KOHLE   A AUSGANG   X AUS", 10, 400));
    EXPECT_FALSE(closeShown());

    build(game, COAL_GENERATOR, 20, 20);
    ASSERT_TRUE(selectControlAt(state, game, 20, 20));
    draw();
    EXPECT_FALSE(helpShown());
    EXPECT_TRUE(closeShown());
    EXPECT_TRUE(shows("KOHLEGENERATOR", 10, CONTENT_Y + 8));
    EXPECT_TRUE(shows("KOHLE 0 VON 10", 10, CONTENT_Y + 68));

    // Its button through the shell: one undo step.
    EXPECT_TRUE(pressInfo(20, 130));
    EXPECT_TRUE(game.tileAt(20, 20).generatorOn);
    EXPECT_FALSE(pressInfo(20, 200));
    EXPECT_EQ(history.size(), 1u);

    EXPECT_TRUE(pressBar(320 - 30, 10));
    EXPECT_FALSE(state.interaction.selection.selected());
    draw();
    EXPECT_TRUE(helpShown());
    EXPECT_FALSE(closeShown());
    EXPECT_FALSE(pressBar(320 - 30, 10)) << "no X, no press";
}

TEST_F(SidePanelShell, SwitchWireToolDiagnosticsAndTheCopyMessageOnTheHelpPage)
{
    state.diagnosticsVisible = true;
    state.copyMessage = "BEREICH IST NICHT FREI";
    draw();
    EXPECT_TRUE(shows("DIAGNOSE AKTIV: ! ZEIGT BLOCKIERTE GUETER", 10, 410, {239, 91, 91, 255}));
    EXPECT_TRUE(shows("BEREICH IST NICHT FREI", 10, 425, {111, 215, 185, 255}));

    state.selectedTool = TOOL_SIGNAL_CONTROL_LINE;
    state.interaction.statusText = "LEITUNG ANKLICKEN ZUM LOESCHEN; KACHEL LOESCHT CONTROL";
    draw();
    EXPECT_FALSE(helpShown());
    EXPECT_TRUE(shows("SCHALTLEITUNG", 10, 65));
    EXPECT_TRUE(shows("LEITUNG ANKLICKEN ZUM LOESCHEN;", 10, 200, {255, 220, 110, 255}));
    EXPECT_FALSE(shows("DIAGNOSE", 10, 410, {239, 91, 91, 255}));
}

TEST_F(SidePanelShell, PowerTwiceOpensAndClosesTheOverviewAndTheFirstPressClearsTheRest)
{
    layBelt(game, 10, 10, EAST);
    layBelt(game, 11, 10, EAST);
    selection.toggle(game, 11, 10);
    ASSERT_TRUE(selectControlAt(state, game, 10, 10));
    state.powerOverviewScroll = 3;

    EXPECT_TRUE(pressBar(200, 20));
    EXPECT_TRUE(state.powerOverviewVisible);
    EXPECT_FALSE(state.interaction.selection.selected());
    EXPECT_TRUE(selection.empty());
    EXPECT_EQ(state.powerOverviewScroll, 0);
    draw();
    EXPECT_EQ(canvas.pixel(PANEL_X + 174, 7), GREEN_FRAME);
    EXPECT_TRUE(shows("STROMUEBERSICHT", 10, CONTENT_Y + 8));
    EXPECT_TRUE(shows("NOCH KEINE GENERATOREN ODER MASTEN", 10, CONTENT_Y + 180, {230, 235, 239, 255}));
    EXPECT_TRUE(closeShown());
    EXPECT_TRUE(pressBar(100, 300)) << "the overview holds the panel";

    // The drawing keeps a list scrolled past its end in the list.
    state.powerOverviewScroll = 4;
    draw();
    EXPECT_EQ(state.powerOverviewScroll, 0);

    EXPECT_TRUE(pressBar(200, 34));
    EXPECT_FALSE(state.powerOverviewVisible);
    EXPECT_FALSE(pressBar(200, 35));
    togglePowerOverview(state, game, selection);  // the key P
    EXPECT_TRUE(state.powerOverviewVisible);
    EXPECT_TRUE(pressBar(320 - 30, 10));
    EXPECT_FALSE(state.powerOverviewVisible);
}

TEST_F(SidePanelShell, TheSelectionPanelOpensItsSettingsViewAndDemolishesAsOneStep)
{
    build(game, MIXER, 10, 10);
    build(game, MIXER, 20, 10);
    selection.toggle(game, 10, 10);
    draw();
    EXPECT_TRUE(shows("1 CONTROLS AUSGEWAEHLT", 10, CONTENT_Y + 45));
    EXPECT_TRUE(closeShown());
    EXPECT_FALSE(helpShown());
    selection.toggle(game, 20, 10);

    const int height = WINDOW_HEIGHT - CONTENT_Y;
    EXPECT_TRUE(pressSelection(20, height - 70));
    EXPECT_TRUE(state.selectionSettingsOpen);
    draw();
    EXPECT_TRUE(shows("MISCHER GEMEINSAM", 10, CONTENT_Y + 8));
    EXPECT_TRUE(shows("ZURUECK", 20, CONTENT_Y + height - 29, PLAIN_FRAME));
    EXPECT_FALSE(shows("DREHEN", 20, CONTENT_Y + height - 29)) << "the view ends in ZURUECK";

    EXPECT_TRUE(pressSelection(10 + 44 * 3, 150));
    EXPECT_EQ(game.tileAt(20, 10).ratioB, 4);
    EXPECT_TRUE(pressSelection(200, 300)) << "the view takes every press";
    EXPECT_EQ(history.size(), 1u);

    EXPECT_TRUE(pressSelection(20, height - 30));
    EXPECT_FALSE(state.selectionSettingsOpen) << "ZURUECK";
    EXPECT_EQ(selection.entries.size(), 2u);
    EXPECT_FALSE(pressSelection(200, 300)) << "the main view takes its buttons only";

    EXPECT_TRUE(pressSelection(20, height - 30));
    EXPECT_TRUE(selection.empty());
    EXPECT_EQ(game.tileAt(10, 10).type, EMPTY);
    EXPECT_EQ(game.tileAt(20, 10).type, EMPTY);
    EXPECT_EQ(history.size(), 2u);
    ASSERT_TRUE(history.undo(game));
    EXPECT_EQ(game.tileAt(10, 10).type, MIXER);
    EXPECT_EQ(game.tileAt(20, 10).type, MIXER);
    EXPECT_FALSE(pressSelection(20, height - 30)) << "nothing selected";
}

TEST_F(SidePanelShell, TheSettingsViewOfBeltsIsTheBeltInspector)
{
    layBelt(game, 10, 10, EAST);
    layBelt(game, 12, 10, EAST);
    selection.toggle(game, 10, 10);
    selection.toggle(game, 12, 10);
    state.selectionSettingsOpen = true;
    draw();
    EXPECT_TRUE(shows("BAND", 10, CONTENT_Y + 8));
    EXPECT_TRUE(pressSelection(8, 29));
    EXPECT_EQ(game.tileAt(12, 10).beltSpeed, 0);
    EXPECT_EQ(history.size(), 1u);
    EXPECT_TRUE(closeShown());
    EXPECT_TRUE(pressBar(320 - 30, 10));
    EXPECT_FALSE(state.selectionSettingsOpen);
    EXPECT_TRUE(selection.empty());
}
