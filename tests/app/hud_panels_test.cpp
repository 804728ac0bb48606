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

TEST(StatusTip, WaitsWhileThePlayerIsBusyOnTheMap)
{
    struct Case {
        const char* what;
        void (*prepare)(LoopState&, SaveMenu&);
        bool wanted;
    };
    const Case cases[] = {
        {"nothing under way", [](LoopState&, SaveMenu&) {}, true},
        {"the menu open", [](LoopState&, SaveMenu& menu) { menu.state = MenuState::MainMenu; }, false},
        {"a belt stroke", [](LoopState& s, SaveMenu&) { s.stroke.kind = StrokeKind::BELT; }, false},
        {"a pan", [](LoopState& s, SaveMenu&) { s.panning = true; }, false},
        {"a select drag", [](LoopState& s, SaveMenu&) { s.selectDragging = true; }, false},
        {"the tool panel dragged", [](LoopState& s, SaveMenu&) { s.toolPanelDragging = true; }, false},
        {"the minimap dragged", [](LoopState& s, SaveMenu&) { s.minimapDragging = true; }, false},
        {"a move drag", [](LoopState& s, SaveMenu&) { s.moveDrag.active = true; }, false},
        {"a Ctrl rectangle", [](LoopState& s, SaveMenu&) { s.ctrlRect.active = true; }, false},
        {"a wire pressed but not dragged", [](LoopState& s, SaveMenu&) { s.interaction.wireDrag.x = 3; }, true},
        {"a wire dragged",
         [](LoopState& s, SaveMenu&) {
             s.interaction.wireDrag.x = 3;
             s.interaction.wireDrag.moved = true;
         },
         false},
        {"copy mode", [](LoopState& s, SaveMenu&) { s.clipboard.copying = true; }, false},
        {"paste mode", [](LoopState& s, SaveMenu&) { s.clipboard.pasting = true; }, false},
        {"the language pop-up open", [](LoopState& s, SaveMenu&) { s.languagePopupOpen = true; }, true},
    };
    for (const Case& c : cases) {
        LoopState state = startState();
        SaveMenu menu;
        c.prepare(state, menu);
        EXPECT_EQ(statusTipWanted(state, menu), c.wanted) << c.what;
    }
}

TEST(StatusTip, NamesTheTileUnderThePointerWhereNoPanelCoversTheMap)
{
    setLanguage(GERMAN);
    struct Case {
        const char* what;
        int px, py;
        bool minimapShown;
        bool settingsOpen;
        bool shown;
    };
    const ScreenRect minimap = minimapRect(890, WINDOW_HEIGHT);
    const ScreenRect settings = settingsWindowRect(WINDOW_HEIGHT);
    const LoopState start = startState();
    const Case cases[] = {
        {"open map", 400, 300, true, false, true},
        {"on the tool panel", start.toolPanelX + 5, start.toolPanelY + 5, true, false, false},
        {"on the shown minimap", minimap.left + 5, minimap.top + 5, true, false, false},
        {"where the hidden minimap would be", minimap.left + 5, minimap.top + 5, false, false, true},
        {"on the open settings window", settings.left + 5, settings.top + 5, true, true, false},
        {"where the closed settings window would be", settings.left + 5, settings.top + 5, true, false, true},
        {"last row above the bottom bar", 400, BAR_TOP - 1, true, false, true},
        {"on the bottom bar's rows", 400, BAR_TOP, true, false, false},
        {"on the side panel", 900, 300, true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LoopState state = startState();
        state.minimapVisible = c.minimapShown;
        state.settingsWindowVisible = c.settingsOpen;
        state.paused = true;
        Game game = emptyGame();
        const TilePoint tile = screenToTile(state.camera, c.px, c.py);
        if (game.inBounds(tile.x, tile.y)) {
            Tile& smelter = build(game, SMELTER, tile.x, tile.y);
            smelter.smelterInputCargo.push_back(IRON_ORE);
            smelter.smelterCoal = 4;
        }
        const std::optional<StatusTip> tip = pointerStatusTip(game, state, c.px, c.py);
        ASSERT_EQ(tip.has_value(), c.shown);
        if (tip) {
            EXPECT_EQ(tip->text, "PAUSE - SCHMILZT");
        }
    }
    // An empty tile has nothing to tell.
    const LoopState state = startState();
    EXPECT_FALSE(pointerStatusTip(emptyGame(), state, 400, 300).has_value());
    setLanguage(ENGLISH);
}
