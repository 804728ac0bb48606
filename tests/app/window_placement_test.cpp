#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/loop_state.h"
#include "app/window_placement.h"

namespace {

Options sized(Options options, int width, int height)
{
    options.windowWidth = width;
    options.windowHeight = height;
    return options;
}

Options demoRun()
{
    Options options;
    options.demoScript = "intro.txt";
    return options;
}

Settings storedWindow(int width, int height, bool fullscreen)
{
    Settings settings;
    settings.windowWidth = width;
    settings.windowHeight = height;
    settings.fullscreen = fullscreen;
    return settings;
}

RecordingEnvironment recording(bool fullscreenDesktop)
{
    RecordingEnvironment environment;
    environment.recordingRequested = true;
    environment.fullscreenDesktop = fullscreenDesktop;
    return environment;
}

}  // namespace

TEST(WindowChoice, PlainStartsDemosAndTheExportEachPickTheirSizeAndMode)
{
    using enum WindowMode;
    Options fullscreenOption;
    fullscreenOption.fullscreen = true;
    Options exporting;
    exporting.exportControlPngs = true;
    Options demoFullscreen = demoRun();
    demoFullscreen.fullscreen = true;
    const Settings defaults;
    const Settings wide = storedWindow(1600, 900, false);
    const Settings wideFullscreen = storedWindow(1600, 900, true);

    struct Case {
        const char* name;
        Options options;
        Settings settings;
        RecordingEnvironment environment;
        WindowChoice expected;
    };
    const std::vector<Case> cases = {
        {"plain start, no directory", {}, defaults, {}, {1024, 768, Normal, true}},
        {"plain start, stored size", {}, wide, {}, {1600, 900, Normal, true}},
        {"settings ask for full screen", {}, wideFullscreen, {}, {1600, 900, DesktopFullscreen, false}},
        {"a given size beats stored full screen", sized({}, 1280, 720), wideFullscreen, {}, {1280, 720, Normal, true}},
        {"fullscreen option keeps the stored size", fullscreenOption, wide, {}, {1600, 900, DesktopFullscreen, false}},
        {"recording variables alone do nothing", {}, wide, recording(true), {1600, 900, Normal, true}},
        {"export ignores the settings", exporting, wideFullscreen, {}, {1024, 768, Normal, false}},
        {"demo ignores the settings and is not centred", demoRun(), wideFullscreen, {}, {1024, 768, Normal, false}},
        {"demo with a size", sized(demoRun(), 1280, 720), wide, {}, {1280, 720, Normal, false}},
        {"demo in full screen", demoFullscreen, wide, {}, {1024, 768, DesktopFullscreen, false}},
        {"recording opens maximised", demoRun(), wide, recording(false), {1024, 768, Maximised, false}},
        {"recording on the desktop", demoRun(), wide, recording(true), {1024, 768, DesktopFullscreen, false}},
        {"recording with a size", sized(demoRun(), 1280, 720), wide, recording(true), {1280, 720, Normal, false}},
        {"recording with fullscreen option",
         demoFullscreen,
         wide,
         recording(false),
         {1024, 768, DesktopFullscreen, false}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(chooseWindow(c.options, c.settings, c.environment), c.expected) << c.name;
    }
}

TEST(WindowChoice, RecordingAndWindowIdCaptureNeedADemo)
{
    RecordingEnvironment environment = recording(false);
    environment.windowIdFile = "/tmp/window-id";
    EXPECT_TRUE(isRecording(demoRun(), environment));
    EXPECT_FALSE(isRecording(Options{}, environment));
    EXPECT_TRUE(wantsWindowIdCapture(demoRun(), environment));
    EXPECT_FALSE(wantsWindowIdCapture(Options{}, environment));
    environment.windowIdFile.clear();
    EXPECT_FALSE(wantsWindowIdCapture(demoRun(), environment));
}

TEST(WindowChoice, CentringSharesTheSpareRoomOfTheUsableArea)
{
    struct Case {
        ScreenRect usable;
        int width;
        int height;
        WindowBorders borders;
        WindowPosition expected;
    };
    const std::vector<Case> cases = {
        {{0, 0, 1920, 1080}, 1024, 768, {}, {448, 156}},
        // A title bar of 30 and side frames of 2 are part of the window's footprint.
        {{0, 0, 1920, 1080}, 1024, 768, {30, 2, 2, 2}, {448, 170}},
        // A second display with a panel on top.
        {{1920, 24, 1920, 1056}, 1280, 720, {30, 2, 2, 2}, {2240, 206}},
        // Odd room rounds down; a single spare pixel is not shared.
        {{0, 0, 1027, 769}, 1024, 768, {}, {1, 0}},
        // Too big for the area: the frame stays at its top left corner.
        {{0, 0, 1280, 720}, 1600, 900, {30, 2, 2, 2}, {2, 30}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(centredWindowPosition(c.usable, c.width, c.height, c.borders), c.expected)
            << c.width << "x" << c.height << " in " << c.usable.width << "x" << c.usable.height;
    }
}

TEST(LoopStateView, AResizeKeepsTheCameraAndTheToolPanelOnTheViewport)
{
    LoopState state;
    state.camera = {5000, 5000, START_ZOOM_INDEX};
    state.toolPanelX = 2000;
    state.toolPanelY = 2000;

    resizeView(state, 1300, 700);
    EXPECT_EQ(state.viewWidth, 980);
    EXPECT_EQ(state.viewHeight, 700);
    EXPECT_EQ(state.camera.scrollX, 32 * 80 - 980);
    EXPECT_EQ(state.camera.scrollY, 32 * 60 - 700);
    EXPECT_EQ(state.toolPanelX, 980 - 224);
    EXPECT_EQ(state.toolPanelY, 700 - 423 - 54);

    // Narrower than the side panel: no map view at all, the panel at the corner.
    resizeView(state, 300, 400);
    EXPECT_EQ(state.viewWidth, 0);
    EXPECT_EQ(state.viewHeight, 400);
    EXPECT_EQ(state.toolPanelX, 0);
    EXPECT_EQ(state.toolPanelY, 0);
}
