#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "app/map_interaction.h"
#include "app/panel_clicks.h"
#include "app/render_phase.h"
#include "app/shell_fixture.h"
#include "support/scratch_directory.h"
#include "support/sdl_log_capture.h"
#include "support/world_builders.h"
#include "ui/bottom_bar.h"
#include "ui/calendar.h"
#include "ui/hud_layout.h"
#include "ui/inspector_widgets.h"
#include "ui/settings_window.h"
#include "ui/tool_help_panels.h"
#include "ui/tool_palette.h"
#include "ui/tool_panel_layout.h"
#include "world/language.h"

namespace {

struct Point {
    int x = 0;
    int y = 0;
};

Point centreOf(const ScreenRect& rect) { return {rect.left + rect.width / 2, rect.top + rect.height / 2}; }

SDL_Event pressEvent(Point at, Uint8 button)
{
    SDL_Event event{};
    event.type = SDL_MOUSEBUTTONDOWN;
    event.button.type = SDL_MOUSEBUTTONDOWN;
    event.button.button = button;
    event.button.state = SDL_PRESSED;
    event.button.clicks = 1;
    event.button.x = at.x;
    event.button.y = at.y;
    return event;
}

// The shell in a 1024 x 768 window: a map view of 704 x 768 and the side panel right of it.
struct PanelShell : ShellFixture {
    PanelShell() { game = emptyGame(); }

    int viewWidth() const { return state.viewWidth; }
    int viewHeight() const { return state.viewHeight; }
    ScreenRect content() const { return sidePanelContentRect(viewWidth() + SIDE_PANEL_WIDTH, viewHeight()); }
    Point onMap() const { return {500, 300}; }
    Point inSidePanel() const { return {viewWidth() + 160, 400}; }

    // True when a panel took the press, so that the map never saw it.
    bool press(Point at, Uint8 button = SDL_BUTTON_LEFT)
    {
        return takePanelPress(shell, pressEvent(at, button).button);
    }

    void select(int x, int y) { ASSERT_TRUE(selectControlAt(state, game, x, y)); }
};

struct PanelCase {
    const char* name;
    std::function<void(PanelShell&)> prepare;
    std::function<Point(const PanelShell&)> where;
    Uint8 button;
    bool taken;
    std::function<bool(const PanelShell&)> result;
};

void nothing(PanelShell&) {}

class PanelClicks : public testing::Test {
  protected:
    void TearDown() override { setLanguage(ENGLISH); }
};

}  // namespace

TEST_F(PanelClicks, EachPanelTakesItsPressesAndTheMapTheRest)
{
    constexpr Uint8 LEFT = SDL_BUTTON_LEFT;
    constexpr Uint8 RIGHT = SDL_BUTTON_RIGHT;
    const auto pending = [](PanelShell& f) { f.state.pendingSkip = 5.0; };
    const auto settingsOpen = [](PanelShell& f) { f.state.settingsWindowVisible = true; };
    const auto popupOpen = [](PanelShell& f) {
        setLanguage(ENGLISH);
        f.state.languagePopupOpen = true;
        f.game.titleChanged = false;
    };
    const auto sensorChoosing = [](PanelShell& f) {
        setTile(f.game, 5, 5, SENSOR, EAST);
        f.select(5, 5);
        f.state.cargoChoiceOpen = true;
    };
    const PanelCase cases[] = {
        {"TAG skips one day", nothing,
         [](const PanelShell& f) { return centreOf(skipDayButtonRect(f.viewWidth(), f.viewHeight())); }, LEFT, true,
         [](const PanelShell& f) { return f.state.pendingSkip == DAY_SKIP_SECONDS; }},
        {"MONAT skips to the same day of next month", nothing,
         [](const PanelShell& f) { return centreOf(skipToMonthButtonRect(f.viewWidth(), f.viewHeight())); }, LEFT, true,
         [](const PanelShell& f) {
             return f.state.pendingSkip == secondsToNextMonth(f.game.gameTime) / GAME_SECONDS_PER_SECOND;
         }},
        {"TAG waits for a pending skip", pending,
         [](const PanelShell& f) { return centreOf(skipDayButtonRect(f.viewWidth(), f.viewHeight())); }, LEFT, true,
         [](const PanelShell& f) { return f.state.pendingSkip == 5.0; }},
        {"MONAT waits for a pending skip", pending,
         [](const PanelShell& f) { return centreOf(skipToMonthButtonRect(f.viewWidth(), f.viewHeight())); }, LEFT, true,
         [](const PanelShell& f) { return f.state.pendingSkip == 5.0; }},
        {"the settings field opens the settings window", nothing,
         [](const PanelShell& f) {
             return centreOf(bottomBarFieldRect(f.viewWidth(), f.viewHeight(), SETTINGS_FIELD));
         },
         LEFT, true, [](const PanelShell& f) { return f.state.settingsWindowVisible; }},
        {"the statistics field opens the statistics", nothing,
         [](const PanelShell& f) {
             return centreOf(bottomBarFieldRect(f.viewWidth(), f.viewHeight(), STATISTICS_FIELD));
         },
         LEFT, true, [](const PanelShell& f) { return f.state.statisticsVisible; }},
        {"the save field opens the slots to save", nothing,
         [](const PanelShell& f) {
             const ScreenRect field = bottomBarFieldRect(f.viewWidth(), f.viewHeight(), SAVE_FIELD);
             return Point{field.left + 4, field.top + field.height / 2};
         },
         LEFT, true,
         [](const PanelShell& f) { return f.saveMenu.state == MenuState::SlotScreen && f.saveMenu.saveMode; }},
        {"the language button opens its pop-up", nothing,
         [](const PanelShell& f) { return centreOf(languageButtonRect(f.viewWidth(), f.viewHeight())); }, LEFT, true,
         [](const PanelShell& f) { return f.state.languagePopupOpen; }},
        {"a pop-up row chooses its language and renews the title; without a directory it is not stored", popupOpen,
         [](const PanelShell& f) { return centreOf(languagePopupRowRect(f.viewWidth(), f.viewHeight(), 0)); }, LEFT,
         true,
         [](const PanelShell& f) {
             return language() == GERMAN && f.game.titleChanged && f.state.languagePopupOpen &&
                    f.state.languageStoreFailed;
         }},
        {"a press beside the pop-up closes it", popupOpen, [](const PanelShell& f) { return f.onMap(); }, LEFT, true,
         [](const PanelShell& f) { return !f.state.languagePopupOpen && language() == ENGLISH; }},
        {"a right press closes the pop-up", popupOpen, [](const PanelShell& f) { return f.onMap(); }, RIGHT, true,
         [](const PanelShell& f) { return !f.state.languagePopupOpen; }},
        {"the sources switch", settingsOpen,
         [](const PanelShell& f) { return centreOf(sourcesSwitchRect(f.viewHeight())); }, LEFT, true,
         [](const PanelShell& f) { return !f.game.sourcesEnabled && f.state.settingsWindowVisible; }},
        {"the settings window keeps a press beside its switches", settingsOpen,
         [](const PanelShell& f) {
             const ScreenRect window = settingsWindowRect(f.viewHeight());
             return Point{window.left + 3, window.top + 3};
         },
         LEFT, true,
         [](const PanelShell& f) {
             return f.state.settingsWindowVisible && f.game.sourcesEnabled && f.state.soundEnabled;
         }},
        {"a press beside the settings window goes to the map", settingsOpen,
         [](const PanelShell& f) { return f.onMap(); }, LEFT, false,
         [](const PanelShell& f) { return f.state.settingsWindowVisible; }},
        {"the pause button", nothing,
         [](const PanelShell& f) {
             return centreOf(simulationButtonRect(PAUSE_BUTTON, f.state.toolPanelX, f.state.toolPanelY));
         },
         LEFT, true, [](const PanelShell& f) { return f.state.paused; }},
        {"a tool button chooses its tool", nothing,
         [](const PanelShell& f) {
             return centreOf(
                 toolButtonRect(TOOL_SMELTER, f.state.toolPanelX, f.state.toolPanelY, f.viewWidth(), f.viewHeight()));
         },
         LEFT, true, [](const PanelShell& f) { return f.state.selectedTool == TOOL_SMELTER; }},
        {"the tool panel's title bar starts its drag", nothing,
         [](const PanelShell& f) {
             return Point{f.state.toolPanelX + 100, f.state.toolPanelY + 5};
         },
         LEFT, true,
         [](const PanelShell& f) {
             return f.state.toolPanelDragging && f.state.toolPanelGrabX == 100 && f.state.toolPanelGrabY == 5;
         }},
        {"a right press on the tool panel closes the open pop-up",
         [](PanelShell& f) { f.state.openToolGroup = POWER_GROUP; },
         [](const PanelShell& f) {
             return Point{f.state.toolPanelX + 100, f.state.toolPanelY + 5};
         },
         RIGHT, true, [](const PanelShell& f) { return f.state.openToolGroup == -1; }},
        {"the minimap centres the camera and starts its drag", nothing,
         [](const PanelShell& f) {
             const ScreenRect box = minimapRect(f.viewWidth(), f.viewHeight());
             return Point{box.left + 4 + 2 * 40, box.top + 4 + 2 * 30};
         },
         LEFT, true,
         [](const PanelShell& f) {
             Camera centred = f.state.camera;
             centerCameraOnTile(centred, 40, 30, f.viewWidth(), f.viewHeight());
             return f.state.minimapDragging && f.state.camera.scrollX == centred.scrollX &&
                    f.state.camera.scrollY == centred.scrollY && centred.scrollX > 0;
         }},
        {"an empty side panel takes the press and changes nothing", nothing,
         [](const PanelShell& f) { return f.inSidePanel(); }, LEFT, true,
         [](const PanelShell& f) { return f.undoHistory.empty() && f.state.selectedTool == TOOL_BELT; }},
        {"the power overview takes the side panel", [](PanelShell& f) { f.state.powerOverviewVisible = true; },
         [](const PanelShell& f) { return f.inSidePanel(); }, LEFT, true,
         [](const PanelShell& f) { return f.state.powerOverviewVisible; }},
        {"a press on the map closes the power overview", [](PanelShell& f) { f.state.powerOverviewVisible = true; },
         [](const PanelShell& f) { return f.onMap(); }, LEFT, false,
         [](const PanelShell& f) { return !f.state.powerOverviewVisible; }},
        {"the map is left to itself", nothing, [](const PanelShell& f) { return f.onMap(); }, LEFT, false,
         [](const PanelShell& f) { return f.undoHistory.empty(); }},
        {"a right press on the side panel is the map handling's", nothing,
         [](const PanelShell& f) { return f.inSidePanel(); }, RIGHT, false, [](const PanelShell&) { return true; }},
        {"a cargo cell sets the sensor's cargo and keeps the choice", sensorChoosing,
         [](const PanelShell& f) { return centreOf(choiceGridCellRect(f.content(), STEEL_INGOT)); }, LEFT, true,
         [](const PanelShell& f) {
             return f.game.tileAt(5, 5).sensorCargo == STEEL_INGOT && f.state.cargoChoiceOpen &&
                    f.undoHistory.size() == 1;
         }},
        {"the cargo choice's head closes it", sensorChoosing,
         [](const PanelShell& f) {
             return Point{f.content().left + 20, f.content().top + 40};
         },
         LEFT, true,
         [](const PanelShell& f) { return !f.state.cargoChoiceOpen && f.game.tileAt(5, 5).sensorCargo == COAL; }},
        {"a right press anywhere closes the cargo choice", sensorChoosing,
         [](const PanelShell& f) { return f.onMap(); }, RIGHT, true,
         [](const PanelShell& f) { return !f.state.cargoChoiceOpen; }},
        {"the open menu takes every left press", [](PanelShell& f) { f.saveMenu.openMainMenu(); },
         [](const PanelShell& f) { return f.onMap(); }, LEFT, true,
         [](const PanelShell& f) { return f.saveMenu.state != MenuState::Closed && f.state.running; }},
        {"DREHEN turns the selected belt as one undo step",
         [](PanelShell& f) {
             layBelt(f.game, 10, 10, EAST);
             f.select(10, 10);
         },
         [](const PanelShell& f) { return centreOf(rotateButtonRect(f.content())); }, LEFT, true,
         [](const PanelShell& f) { return f.game.tileAt(10, 10).dir != EAST && f.undoHistory.size() == 1; }},
        {"DREHEN is not hit where it is not drawn",
         [](PanelShell& f) {
             build(f.game, COAL_GENERATOR, 10, 10);
             f.select(10, 10);
         },
         [](const PanelShell& f) { return centreOf(rotateButtonRect(f.content())); }, LEFT, true,
         [](const PanelShell& f) { return f.state.interaction.statusText.empty() && f.undoHistory.empty(); }},
        {"the belt-speed chooser", [](PanelShell& f) { f.state.beltSpeedChooserOpen = true; },
         [](const PanelShell& f) { return centreOf(beltSpeedButtonRect(f.content(), 5)); }, LEFT, true,
         [](const PanelShell& f) { return f.state.paintBeltSpeed == 5; }},
        {"the direction chooser", [](PanelShell& f) { f.state.directionChooserOpen = true; },
         [](const PanelShell& f) { return centreOf(directionButtonRect(f.content(), SOUTH)); }, LEFT, true,
         [](const PanelShell& f) { return f.state.paintDirection == SOUTH; }},
    };
    for (const PanelCase& c : cases) {
        SCOPED_TRACE(c.name);
        PanelShell f;
        c.prepare(f);
        EXPECT_EQ(f.press(c.where(f), c.button), c.taken);
        EXPECT_TRUE(c.result(f));
    }
}

TEST_F(PanelClicks, MachineOverviewRowsBringTheirMachineIntoView)
{
    struct Row {
        int contentY;
        int machineX;  // -1: nothing happens
        int machineY;
    };
    const Row rows[] = {{82, 30, 5}, {83, 30, 5}, {84, 2, 20}, {41, -1, -1}, {42 + 3 * 42, -1, -1}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.contentY);
        PanelShell f;
        // Listed in grid order: the smelter at y 5 comes first whatever its x.
        build(f.game, SMELTER, 30, 5);
        build(f.game, ARM, 2, 20);
        setTile(f.game, 3, 2, BELT, EAST);
        f.state.machineOverviewVisible = true;
        const Camera before = f.state.camera;
        EXPECT_TRUE(f.press({f.viewWidth() + 100, f.content().top + row.contentY}));
        if (row.machineX < 0) {
            EXPECT_TRUE(f.state.machineOverviewVisible);
            EXPECT_EQ(f.state.camera.scrollX, before.scrollX);
            EXPECT_EQ(f.state.camera.scrollY, before.scrollY);
            continue;
        }
        Camera centred = before;
        centerCameraOnTile(centred, row.machineX, row.machineY, f.viewWidth(), f.viewHeight());
        EXPECT_EQ(f.state.camera.scrollX, centred.scrollX);
        EXPECT_EQ(f.state.camera.scrollY, centred.scrollY);
        EXPECT_FALSE(f.state.machineOverviewVisible);
    }
}

TEST_F(PanelClicks, TheSoundSwitchIsStoredAndAQuickSaveWithoutDirectoryFails)
{
    ScratchDirectory scratch;
    PanelShell f;
    f.directory = scratch.path;
    f.state.settingsWindowVisible = true;
    ASSERT_TRUE(f.press(centreOf(soundSwitchRect(f.viewHeight()))));
    EXPECT_FALSE(f.state.soundEnabled);
    std::ifstream file(scratch.path / "gearhaven.ini");
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_NE(text.str().find("sound_enabled=0"), std::string::npos) << text.str();

    PanelShell unknown;
    SdlLogCapture log;
    ASSERT_TRUE(unknown.press(centreOf(saveButtonIconRect(unknown.viewWidth(), unknown.viewHeight()))));
    EXPECT_FALSE(unknown.state.quickSaveSucceeded);
    EXPECT_GT(unknown.state.quickSaveFeedbackUntil, LoopClock::now() + std::chrono::seconds(1));
    EXPECT_EQ(log.count("Schnellspeichern fehlgeschlagen"), 1);
}

TEST_F(PanelClicks, TheLoopHandsPressesToThePanelsBeforeTheMap)
{
    PanelShell f;
    dispatchEvent(f.shell, pressEvent(centreOf(bottomBarFieldRect(f.viewWidth(), f.viewHeight(), STATISTICS_FIELD)),
                                      SDL_BUTTON_LEFT));
    EXPECT_TRUE(f.state.statisticsVisible);

    // A typed number and a carried link end have the press first.
    f.state.numberEntry.active = true;
    EXPECT_FALSE(f.press(f.inSidePanel()));
    f.state.numberEntry.active = false;
    f.state.interaction.linkEndDrag.kind = POWER_CABLE;
    EXPECT_FALSE(f.press(centreOf(bottomBarFieldRect(f.viewWidth(), f.viewHeight(), SETTINGS_FIELD))));
    EXPECT_FALSE(f.state.settingsWindowVisible);
}

TEST_F(PanelClicks, ChoosingEnglishStoresItAndRenewsTheTitle)
{
    ScratchDirectory scratch;
    PanelShell f;
    f.directory = scratch.path;
    f.screen.renderer = SDL_CreateRenderer(f.screen.window, -1, SDL_RENDERER_SOFTWARE);
    ASSERT_NE(f.screen.renderer, nullptr) << SDL_GetError();
    const auto frame = [&f] {
        drawFrame(
            {.screen = f.screen, .game = f.game, .state = f.state, .demoPlayer = f.demoPlayer, .saveMenu = f.saveMenu});
        return std::string(SDL_GetWindowTitle(f.screen.window));
    };
    setLanguage(GERMAN);
    f.game.update(1.0f / 60.0f, false);
    EXPECT_EQ(frame().rfind("Gearhaven  -  Geliefert: 0", 0), 0u);
    f.state.languagePopupOpen = true;
    f.state.languageStoreFailed = true;  // an earlier failure, cleared by a store that works
    ASSERT_TRUE(f.press(centreOf(languagePopupRowRect(f.viewWidth(), f.viewHeight(), 1))));
    EXPECT_EQ(language(), ENGLISH);
    EXPECT_FALSE(f.state.languageStoreFailed);
    std::ifstream file(scratch.path / "gearhaven.ini");
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_NE(text.str().find("language=en\n"), std::string::npos) << text.str();
    EXPECT_EQ(frame().rfind("Gearhaven  -  Delivered: 0", 0), 0u);
}
