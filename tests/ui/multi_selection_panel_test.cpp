#include <gtest/gtest.h>

#include <string>

#include "inspector_bench.h"
#include "ui/multi_selection_panel.h"

namespace {

// The selection's own panel, drawn and pressed as the shell does, in its main
// view or, once opened, the shared panel of mixers or distributors.
class SelectionPanel : public InspectorBench {
  protected:
    SoftwareCanvas& drawMain()
    {
        canvas.clear({0, 0, 0, 255});
        drawSelectionMainView(canvas.renderer(), panel, static_cast<int>(selection.entries.size()), status);
        return canvas;
    }
    SelectionButton pressMain(int dx, int dy)
    {
        const UndoGuard guard(history, game);
        return pressSelectionMainView({game, selection, status, selectionSettingsOpen}, panel, panel.left + dx,
                                      panel.top + dy);
    }
    const Tile& first() { return game.tileAt(selection.entries.front().anchorX, selection.entries.front().anchorY); }

    std::string status;
};

}  // namespace

TEST(SelectionPanelLayout, ButtonsStandFromTheBottomAndTheCountReadsAsOne)
{
    const ScreenRect panel{960, 48, 320, 552};
    struct Case {
        int px, py;
        SelectionButton button;
    };
    for (const Case& c : std::vector<Case>{{970, 48 + 552 - 110, SelectionButton::ROTATE_ALL},
                                           {1269, 48 + 552 - 81, SelectionButton::ROTATE_ALL},
                                           {970, 48 + 552 - 80, SelectionButton::NONE},
                                           {970, 48 + 552 - 75, SelectionButton::SETTINGS},
                                           {970, 48 + 552 - 40, SelectionButton::DEMOLISH_ALL},
                                           {969, 48 + 552 - 40, SelectionButton::NONE},
                                           {1270, 48 + 552 - 40, SelectionButton::NONE},
                                           {970, 48 + 552 - 10, SelectionButton::NONE}})
        EXPECT_EQ(selectionButtonAt(panel, c.px, c.py), c.button) << c.px << ", " << c.py;
    EXPECT_EQ(selectionBackButtonRect(panel), selectionButtonRect(panel, 2));
    EXPECT_EQ(selectionCountText(1), "1 CONTROLS AUSGEWAEHLT");
}

TEST_F(SelectionPanel, MixedKindsKeepTheMainViewAndSayWhy)
{
    layBelt(game, 10, 10, EAST);
    build(game, SOURCE, 12, 10);
    selection.toggle(game, 10, 10);
    drawMain();
    EXPECT_TRUE(shows("MEHRFACHAUSWAHL", 10, 8, PANEL_TEXT));
    EXPECT_TRUE(shows("1 CONTROLS AUSGEWAEHLT", 10, 45, PANEL_TEXT));
    EXPECT_EQ(frameAt(10, 600 - 48 - 110), PLAIN_FRAME);
    EXPECT_TRUE(shows("EINSTELLUNGEN", 20, 600 - 48 - 75 + 11, PLAIN_FRAME));

    selection.toggle(game, 12, 10);
    EXPECT_EQ(pressMain(20, 600 - 48 - 70), SelectionButton::SETTINGS);
    EXPECT_FALSE(selectionSettingsOpen);
    EXPECT_EQ(status, "NUR GLEICHE CONTROL-TYPEN");
    drawMain();
    EXPECT_TRUE(shows("2 CONTROLS AUSGEWAEHLT", 10, 45, PANEL_TEXT));
    EXPECT_TRUE(shows("NUR GLEICHE CONTROL-TYPEN", 10, 155, PANEL_TEXT));

    // A turn that succeeds clears the earlier text.
    EXPECT_EQ(pressMain(20, 600 - 48 - 100), SelectionButton::ROTATE_ALL);
    EXPECT_EQ(status, "");
    EXPECT_EQ(game.tileAt(10, 10).dir, SOUTH);
    EXPECT_EQ(history.size(), 1u);

    // Two of one kind open the settings view.
    selection.toggle(game, 12, 10);
    EXPECT_EQ(pressMain(20, 600 - 48 - 70), SelectionButton::SETTINGS);
    EXPECT_TRUE(selectionSettingsOpen);

    EXPECT_EQ(pressMain(20, 600 - 48 - 30), SelectionButton::DEMOLISH_ALL);
    EXPECT_FALSE(selectionSettingsOpen);
    EXPECT_TRUE(selection.empty());
    EXPECT_EQ(game.tileAt(10, 10).type, EMPTY);
    EXPECT_EQ(game.tileAt(12, 10).type, SOURCE) << "only the selected go";
    EXPECT_EQ(history.size(), 2u);
    expectMapReadsBack(game);
}

TEST_F(SelectionPanel, SharedMixerShowsTheFirstAndSetsThemAll)
{
    build(game, MIXER, 10, 10).ratioA = 2;
    game.tileAt(10, 10).ratioB = 3;
    build(game, MIXER, 20, 10);
    selectAll({{10, 10}, {20, 10}});
    canvas.clear({0, 0, 0, 255});
    drawSharedMixerPanel(canvas.renderer(), panel, first());
    EXPECT_TRUE(shows("MISCHER GEMEINSAM", 10, 8, PANEL_TEXT));
    EXPECT_TRUE(shows("MISCHVERHAELTNIS", 10, 62, PANEL_TEXT));
    EXPECT_EQ(frameAt(54, 85), GREEN_FRAME);
    EXPECT_TRUE(shows("2", 54 + 14, 85 + 11, GREEN_FRAME));
    EXPECT_TRUE(shows("1", 10 + 14, 85 + 11, PLAIN_FRAME));
    EXPECT_EQ(frameAt(98, 145), GREEN_FRAME);
    EXPECT_TRUE(shows("3", 98 + 14, 145 + 11, GREEN_FRAME));

    EXPECT_TRUE(pressSharedMixerPanel(selection, game, panel, panel.left + 10 + 44 * 4, panel.top + 90));
    EXPECT_EQ(game.tileAt(10, 10).ratioA, 5);
    EXPECT_EQ(game.tileAt(20, 10).ratioA, 5);
    EXPECT_FALSE(pressSharedMixerPanel(selection, game, panel, panel.left + 10, panel.top + 120));
}

TEST_F(SelectionPanel, SharedDistributorCellsAreRedInAutomaticYetAPressSetsTheRule)
{
    build(game, DISTRIBUTOR, 10, 10);
    build(game, DISTRIBUTOR, 20, 10).cargoRuleMask = cargoBit(COAL);
    selectAll({{10, 10}, {20, 10}});
    canvas.clear({0, 0, 0, 255});
    drawSharedDistributorPanel(canvas.renderer(), panel, first());
    EXPECT_TRUE(shows("VERTEILER GEMEINSAM", 10, 8, PANEL_TEXT));
    EXPECT_TRUE(shows("WECHSEL AUTOMATISCH", 18, 86, PLAIN_FRAME));
    for (int cell = 0; cell < CARGO_TYPE_COUNT; ++cell)
        EXPECT_EQ(frameAt(10 + 145 * (cell % 2), 125 + 48 * (cell / 2)), RED_FRAME) << cell;
    EXPECT_TRUE(shows("HAUPT", 15, 125 + 22, RED_FRAME));

    const int coal = COAL;
    EXPECT_TRUE(pressSharedDistributorPanel(selection, game, first(), panel, panel.left + 10 + 145 * (coal % 2),
                                            panel.top + 125 + 48 * (coal / 2)));
    for (int x : {10, 20}) {
        EXPECT_TRUE(game.tileAt(x, 10).modeCargoRules) << x;
        EXPECT_EQ(game.tileAt(x, 10).cargoRuleMask, cargoBit(COAL)) << x;
    }
    canvas.clear({0, 0, 0, 255});
    drawSharedDistributorPanel(canvas.renderer(), panel, first());
    EXPECT_TRUE(shows("REGELN AN", 18, 86, GREEN_FRAME));
    EXPECT_TRUE(shows("NEBEN", 10 + 5, 125 + 48 + 22, GREEN_FRAME));
    EXPECT_EQ(frameAt(155, 125), PLAIN_FRAME);

    // The mode steps on from the first's: cargo rules to signal, for all.
    EXPECT_TRUE(pressSharedDistributorPanel(selection, game, first(), panel, panel.left + 300, panel.top + 75));
    EXPECT_TRUE(game.tileAt(20, 10).modeSignal);
    expectMapReadsBack(game);
}
