#include <gtest/gtest.h>

#include <vector>

#include "app/hud_panels.h"
#include "persistence/save_menu.h"
#include "support/world_builders.h"
#include "ui/settings_window.h"
#include "ui/text_probe.h"
#include "ui/tool_panel_layout.h"
#include "world/game.h"
#include "world/language.h"

namespace {

constexpr int WINDOW_WIDTH = 1210;  // a view of 890: the bar's fields at full width
constexpr int WINDOW_HEIGHT = 700;
constexpr int BAR_TOP = WINDOW_HEIGHT - 54;
constexpr Rgba LIT_FRAME{111, 215, 115, 255};
constexpr Rgba BLACK{0, 0, 0, 255};

LoopState startState()
{
    LoopState state;
    resizeView(state, WINDOW_WIDTH, WINDOW_HEIGHT);
    return state;
}

// The panels in the order the render phase draws them.
void drawPanels(SoftwareCanvas& canvas, const Game& game, const LoopState& state, const SaveMenu& menu)
{
    canvas.clear(BLACK);
    drawSaleMarkers(canvas.renderer(), state);
    drawToolPalette(canvas.renderer(), state);
    drawToolChoosers(canvas.renderer(), state, WINDOW_WIDTH, WINDOW_HEIGHT);
    drawBottomBarAndSettings(canvas.renderer(), game, state, menu, LoopClock::now());
}

}  // namespace

TEST(HudPanels, TheBottomBarShowsTheShellsWindowsAndTheLastQuickSave)
{
    const LoopClock::time_point now = LoopClock::now();
    const auto second = std::chrono::seconds(1);
    struct Case {
        const char* name;
        double pendingSkip;
        LoopClock::time_point feedbackUntil;
        MenuState menu;
        bool skipPending;
        bool feedbackShown;
        bool menuOpen;
    };
    const std::vector<Case> cases = {
        {"start", 0.0, {}, MenuState::Closed, false, false, false},
        {"skip running", 60.0, {}, MenuState::Closed, true, false, false},
        {"just saved", 0.0, now + second, MenuState::Closed, false, true, false},
        {"feedback over", 0.0, now - second, MenuState::Closed, false, false, false},
        {"menu open", 0.0, {}, MenuState::MainMenu, false, false, true},
    };
    for (const Case& c : cases) {
        LoopState state = startState();
        state.pendingSkip = c.pendingSkip;
        state.quickSaveFeedbackUntil = c.feedbackUntil;
        SaveMenu menu;
        menu.state = c.menu;
        const BottomBarView view = bottomBarView(state, menu, now);
        EXPECT_EQ(view.viewWidth, 890) << c.name;
        EXPECT_EQ(view.skipPending, c.skipPending) << c.name;
        EXPECT_EQ(view.saveFeedbackShown, c.feedbackShown) << c.name;
        EXPECT_EQ(view.menuOpen, c.menuOpen) << c.name;
    }
}

TEST(HudPanels, AFrameShowsThePaletteTheBarAndWhatTheShellHasOpen)
{
    setLanguage(GERMAN);
    SoftwareCanvas canvas(WINDOW_WIDTH, WINDOW_HEIGHT);
    Game game;
    SaveMenu menu;
    LoopState state = startState();
    drawPanels(canvas, game, state, menu);
    const ScreenRect belt = toolButtonRect(TOOL_BELT, state.toolPanelX, state.toolPanelY, 890, WINDOW_HEIGHT);
    EXPECT_EQ(canvas.pixel(belt.left, belt.top), LIT_FRAME);
    EXPECT_TRUE(showsText(canvas, "1 000 000 EUR", 18, BAR_TOP + 21, {255, 218, 72, 255}, 2));
    EXPECT_TRUE(showsText(canvas, "01.01.2000 08:00", 255, BAR_TOP + 25, {230, 235, 237, 255}));
    EXPECT_EQ(canvas.pixel(20, WINDOW_HEIGHT - 200 + 42), BLACK);  // no settings window
    EXPECT_EQ(canvas.pixel(890 + 8, 48 + 89), BLACK);              // no chooser

    // The settings window over the bar, the belt-speed chooser in the side panel,
    // and a sale at the view's right edge held inside the view.
    state.settingsWindowVisible = true;
    state.selectedTool = TOOL_BELT_SPEED;
    state.beltSpeedChooserOpen = true;
    state.saleMarkers.push_back({36, 2, 375, 0.0f});
    drawPanels(canvas, game, state, menu);
    EXPECT_EQ(canvas.pixel(20, WINDOW_HEIGHT - 200 + 42), LIT_FRAME);
    EXPECT_TRUE(showsText(canvas, "ALLE QUELLEN AKTIV", 28, WINDOW_HEIGHT - 200 + 53, LIT_FRAME));
    EXPECT_EQ(canvas.pixel(890 + 8 + 3 * 38, 48 + 89), LIT_FRAME);
    // A box of 8 glyphs at scale 2 is 104 wide and 20 high; the tiles are 32 pixels.
    EXPECT_TRUE(showsText(canvas, "+375 EUR", 890 - 104 + 4, 2 * 32 - 20 - 3 + 3, {250, 215, 105, 255}, 2));
    setLanguage(ENGLISH);
}

TEST(StatusTip, ShownOverAFreeMapWhileThePlayerIsNotBusyThere)
{
    using Prepare = void (*)(LoopState&, SaveMenu&);
    const std::pair<Prepare, bool> busy[] = {
        {[](LoopState&, SaveMenu&) {}, true},
        {[](LoopState&, SaveMenu& m) { m.state = MenuState::MainMenu; }, false},
        {[](LoopState& s, SaveMenu&) { s.stroke.kind = StrokeKind::BELT; }, false},
        {[](LoopState& s, SaveMenu&) { s.moveDrag.active = true; }, false},
        {[](LoopState& s, SaveMenu&) { s.interaction.wireDrag.x = 3; }, true},  // pressed, not yet dragged
        {[](LoopState& s, SaveMenu&) { s.clipboard.pasting = true; }, false},
    };
    for (const auto& [prepare, wanted] : busy) {
        LoopState state = startState();
        SaveMenu menu;
        prepare(state, menu);
        EXPECT_EQ(statusTipWanted(state, menu), wanted) << &prepare - &busy[0].first;
    }

    // Each point over a working smelter of its own, paused.
    setLanguage(GERMAN);
    const ScreenRect minimap = minimapRect(890, WINDOW_HEIGHT);
    const ScreenRect settings = settingsWindowRect(WINDOW_HEIGHT);
    const LoopState start = startState();
    struct Point {
        int px, py;
        bool settingsOpen;
        bool shown;
    };
    const Point points[] = {
        {400, BAR_TOP - 1, false, true},
        {400, BAR_TOP, false, false},
        {start.toolPanelX + 5, start.toolPanelY + 5, false, false},
        {minimap.left + 5, minimap.top + 5, false, false},
        {settings.left + 5, settings.top + 5, true, false},
        {settings.left + 5, settings.top + 5, false, true},
    };
    for (const Point& p : points) {
        LoopState state = startState();
        state.settingsWindowVisible = p.settingsOpen;
        state.paused = true;
        Game game = emptyGame();
        const TilePoint tile = screenToTile(state.camera, p.px, p.py);
        Tile& smelter = build(game, SMELTER, tile.x, tile.y);
        smelter.smelterInputCargo.push_back(IRON_ORE);
        smelter.smelterCoal = 4;
        const std::optional<StatusTip> tip = pointerStatusTip(game, state, p.px, p.py);
        ASSERT_EQ(tip.has_value(), p.shown) << p.px << ", " << p.py;
        if (tip) {
            EXPECT_EQ(tip->text, "PAUSE - SCHMILZT");
        }
    }
    setLanguage(ENGLISH);
}
