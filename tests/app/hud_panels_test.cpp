#include <gtest/gtest.h>

#include <vector>

#include "app/hud_panels.h"
#include "persistence/save_menu.h"
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
