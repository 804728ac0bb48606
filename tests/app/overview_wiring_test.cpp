#include <gtest/gtest.h>

#include "app/map_interaction.h"
#include "app/overview_wiring.h"
#include "app/side_panel_shell.h"
#include "app/signal_section_wiring.h"
#include "editing/multi_selection.h"
#include "editing/undo_history.h"
#include "simulation/production_stats.h"
#include "support/software_canvas.h"
#include "support/world_builders.h"
#include "ui/machine_overview.h"
#include "ui/text_probe.h"
#include "world/game.h"
#include "world/language.h"

namespace {

constexpr int WINDOW_WIDTH = 1024;
constexpr int WINDOW_HEIGHT = 768;
constexpr int PANEL_X = WINDOW_WIDTH - 320;
constexpr int CONTENT_Y = 48;
constexpr Rgba TEXT{235, 239, 241, 255};
constexpr Rgba PLAIN_FRAME{102, 113, 120, 255};

// The loop's state and a window 1024 × 768, the side panel at its right.
class OverviewWiring : public testing::Test {
  protected:
    void SetUp() override
    {
        setLanguage(GERMAN);
        resizeView(state, WINDOW_WIDTH, WINDOW_HEIGHT);
    }
    void TearDown() override { setLanguage(ENGLISH); }

    SoftwareCanvas& draw()
    {
        canvas.clear({0, 0, 0, 255});
        drawSidePanel(canvas.renderer(), WINDOW_WIDTH, WINDOW_HEIGHT, state, game, selection, sprites, nullptr, &stats);
        return canvas;
    }
    bool shows(std::string_view text, int dx, int dy, Rgba colour = TEXT)
    {
        return showsText(canvas, text, PANEL_X + dx, CONTENT_Y + dy, colour);
    }
    bool pressOverview(int dy)
    {
        return pressMachineOverview(state, game, WINDOW_WIDTH, WINDOW_HEIGHT, PANEL_X + 100, CONTENT_Y + dy);
    }
    bool pressInfo(int dx, int dy)
    {
        return pressInformation(state, game, history, selection, WINDOW_WIDTH, WINDOW_HEIGHT, PANEL_X + dx,
                                CONTENT_Y + dy);
    }
    bool pressChoice(int dx, int dy, bool right = false)
    {
        return pressCargoChoice(state, game, history, WINDOW_WIDTH, WINDOW_HEIGHT, PANEL_X + dx, CONTENT_Y + dy,
                                right ? SDL_BUTTON_RIGHT : SDL_BUTTON_LEFT);
    }

    Game game = emptyGame();
    UndoHistory history;
    LoopState state;
    MultiSelection selection;
    ProductionStats stats;
    CargoTextures sprites{};
    SoftwareCanvas canvas{WINDOW_WIDTH, WINDOW_HEIGHT};
};

}  // namespace

TEST_F(OverviewWiring, TwentyMachinesShowSixteenRowsAndAPressBelowThemJumpsToTheSeventeenth)
{
    for (int i = 0; i < 20; ++i)
        build(game, STORAGE, 3 * i, 40 + i % 3);
    state.machineOverviewVisible = true;
    draw();
    EXPECT_TRUE(shows("MASCHINENUEBERSICHT", 10, 8));
    for (int row = 0; row < 16; ++row)
        EXPECT_EQ(canvas.pixel(PANEL_X + 6, CONTENT_Y + 42 * (row + 1)), PLAIN_FRAME) << row;
    EXPECT_NE(canvas.pixel(PANEL_X + 6, CONTENT_Y + 42 * 17), PLAIN_FRAME);

    EXPECT_TRUE(pressOverview(30)) << "the hint line takes the press and does nothing";
    EXPECT_TRUE(state.machineOverviewVisible);
    EXPECT_FALSE(pressMachineOverview(state, game, WINDOW_WIDTH, WINDOW_HEIGHT, PANEL_X - 5, CONTENT_Y + 100));

    const std::vector<MachineEntry> entries = machineEntries(game);
    ASSERT_EQ(entries.size(), 20u);
    Camera expected = state.camera;
    centerCameraOnTile(expected, entries[16].x, entries[16].y, state.viewWidth, state.viewHeight);
    EXPECT_TRUE(pressOverview(715));
    EXPECT_EQ(state.camera.scrollX, expected.scrollX);
    EXPECT_EQ(state.camera.scrollY, expected.scrollY);
    EXPECT_FALSE(state.machineOverviewVisible) << "the reset closes it";
    EXPECT_FALSE(state.interaction.selection.selected()) << "a row selects nothing";

    state.machineOverviewVisible = true;
    state.machineOverviewScroll = 19;
    EXPECT_TRUE(pressOverview(84));
    EXPECT_TRUE(state.machineOverviewVisible) << "past the last entry nothing happens";
}

TEST_F(OverviewWiring, TheStatisticsWindowShowsInTheSidePanelWhileOpen)
{
    draw();
    EXPECT_FALSE(shows("PRODUKTIONSSTATISTIK", 10, 8));
    state.statisticsVisible = true;
    stats.clock = 61.0f;
    draw();
    EXPECT_TRUE(shows("PRODUKTIONSSTATISTIK", 10, 8));
    EXPECT_TRUE(shows("LAUFZEIT 1.01", 10, 42));
}

TEST_F(OverviewWiring, TheSensorsCargoPageOpensPicksAndCloses)
{
    setTile(game, 5, 5, SENSOR).sensorCargo = COAL;
    ASSERT_TRUE(selectControlAt(state, game, 5, 5));
    EXPECT_FALSE(pressChoice(30, 100)) << "closed, it takes nothing";
    EXPECT_TRUE(pressInfo(50, 70));
    EXPECT_TRUE(state.cargoChoiceOpen);
    draw();
    EXPECT_TRUE(shows("GUT AUSWAEHLEN", 10, 8));

    const ScreenRect content = sidePanelContentRect(WINDOW_WIDTH, WINDOW_HEIGHT);
    const ScreenRect cell = choiceGridCellRect(content, LOG);
    const std::size_t before = history.size();
    EXPECT_TRUE(pressChoice(cell.left - PANEL_X + 4, cell.top - CONTENT_Y + 4));
    EXPECT_EQ(game.tileAt(5, 5).sensorCargo, LOG);
    EXPECT_EQ(history.size(), before + 1);
    EXPECT_TRUE(state.cargoChoiceOpen) << "a pick keeps the page open";
    EXPECT_TRUE(pressChoice(30, 40)) << "\"ZURUECK\"";
    EXPECT_FALSE(state.cargoChoiceOpen);

    EXPECT_TRUE(pressInfo(50, 70));
    EXPECT_TRUE(pressChoice(200, 400, true));
    EXPECT_FALSE(state.cargoChoiceOpen) << "a right press closes it";

    EXPECT_TRUE(pressInfo(50, 70));
    resetInteraction(state, game);
    EXPECT_FALSE(state.cargoChoiceOpen) << "no hidden page keeps swallowing presses";

    // A counter's field opens the number entry.
    build(game, LOGIC_COUNTER, 8, 8).limit = 40;
    ASSERT_TRUE(selectControlAt(state, game, 8, 8));
    EXPECT_TRUE(pressInfo(100, 140));
    EXPECT_TRUE(state.numberEntry.active);
    EXPECT_EQ(state.numberEntry.text, "40");
    draw();
    EXPECT_TRUE(shows("ZIEL 40_", 47, 137, PLAIN_FRAME));
    resetInteraction(state, game);
    EXPECT_FALSE(state.numberEntry.active);
}
