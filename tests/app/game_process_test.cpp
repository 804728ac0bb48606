// The game binary run as a player would start it, from a directory of its own.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/options.h"
#include "demo/demo_script.h"
#include "persistence/settings.h"
#include "support/scratch_directory.h"

namespace fs = std::filesystem;

namespace {

struct Finished {
    int exitCode = -1;
    std::string log;  // what the game wrote to stdout and stderr

    bool logged(const std::string& line) const { return log.find("INFO: " + line + "\n") != std::string::npos; }
};

// Runs a shell command line in the directory with SDL's log captured.
Finished runIn(const fs::path& dir, const std::string& command)
{
    const fs::path logFile = dir / "run.log";
    const std::string line = "cd '" + dir.string() + "' && " + command + " > '" + logFile.string() + "' 2>&1";
    const int status = std::system(line.c_str());
    Finished finished;
    finished.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ostringstream log;
    log << std::ifstream(logFile).rdbuf();
    finished.log = log.str();
    return finished;
}

bool xvfbAvailable() { return std::system("command -v xvfb-run > /dev/null 2>&1") == 0; }

// The game on a fresh X server of its own, with a real window. The display search
// starts at a number of this process's own, and a run that lost the number to a
// parallel one is repeated. The X authority file lives in the test's directory:
// xvfb-run's own temporary one can fail to clean up and leave the server running.
// SDL's X11 driver talks to D-Bus, whose library keeps an allocation until the
// process ends; the sanitizer build is told so, the game's own code stays checked.
// The software renderer draws straight into the X window, without OpenGL.
Finished runUnderXvfb(const fs::path& dir, const std::string& command)
{
    const fs::path authority = dir / "Xauthority";
    const fs::path suppressions = dir / "leaks.supp";
    std::ofstream(suppressions) << "leak:libdbus-1.so\n";
    const std::string environment = "env SDL_VIDEODRIVER=x11 SDL_RENDER_DRIVER=software SDL_FRAMEBUFFER_ACCELERATION=0 "
                                    "SDL_AUDIODRIVER=dummy LSAN_OPTIONS=suppressions=" +
                                    suppressions.string() + " ";
    Finished finished;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int display = 100 + static_cast<int>((::getpid() * 7 + attempt * 131) % 20000);
        finished = runIn(dir, "xvfb-run -a -n " + std::to_string(display) + " -f '" + authority.string() +
                                  "' -s '-screen 0 1280x1024x24' " + environment + command);
        if (finished.log.find("Xvfb failed to start") == std::string::npos) break;
    }
    return finished;
}

std::string game(const std::string& arguments = "")
{
    return std::string(GEARHAVEN_GAME) + (arguments.empty() ? "" : " " + arguments);
}

// The driver runs the game, resizes its window to `size` ("keep" for none) and closes it.
std::string drivenGame(const std::string& size)
{
    return std::string(GEARHAVEN_WINDOW_DRIVER) + " " + size + " " + game();
}

}  // namespace

TEST(GameProcess, RefusedRequestsEndWithTheirLogLineAndExitCode)
{
    ScratchDirectory scratch;
    scratch.write("demo.txt", "WAIT 1\n");
    DemoScript missing;
    ASSERT_FALSE(loadDemoScript(missing, "missing.txt"));

    struct Case {
        std::string command;
        int exitCode;
        std::string logLine;
    };
    const std::vector<Case> cases = {
        {game("--window-size 979x600"), 2, USAGE_TEXT},
        {game("--load nosuch.map"), 2, "Karte konnte nicht geladen werden: nosuch.map"},
        {game("--demo missing.txt"), 2, missing.error},
        // SDL's dummy video driver: a window exists, but its id cannot be handed on.
        {"GEARHAVEN_DEMO_WINDOW_ID_FILE=window.id " + game("--demo demo.txt"), 1,
         "Fenster-ID-Aufnahme benoetigt X11-Unterstuetzung."},
    };
    for (const Case& c : cases) {
        const Finished finished = runIn(scratch.path, c.command);
        EXPECT_EQ(finished.exitCode, c.exitCode) << c.command << "\n" << finished.log;
        EXPECT_TRUE(finished.logged(c.logLine)) << c.command << "\n" << finished.log;
        EXPECT_FALSE(fs::exists(scratch.path / SETTINGS_FILE_NAME)) << c.command;
    }
}

TEST(GameProcess, AStartWithoutADisplayEndsAtOnceAndLeavesNothingBehind)
{
    // Without a display SDL picks a driver that shows nothing, or fails outright; either
    // way the start fails. The time limit ends a run on a screen SDL found some other way.
    ScratchDirectory scratch;
    fs::create_directory_symlink(fs::path(GEARHAVEN_SOURCE_DIR) / "assets", scratch.path / "assets");
    const Finished finished =
        runIn(scratch.path, "env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER timeout 10 " + game());
    EXPECT_EQ(finished.exitCode, 1) << finished.log;
    EXPECT_NE(finished.log.find("INFO: SDL_Init fehlgeschlagen: "), std::string::npos) << finished.log;
    std::vector<std::string> left;
    for (const fs::directory_entry& entry : fs::directory_iterator(scratch.path)) {
        left.push_back(entry.path().filename().string());
    }
    std::ranges::sort(left);
    EXPECT_EQ(left, (std::vector<std::string>{"assets", "run.log"}));
}

TEST(GameProcess, ADemoEndsTheGameWithZeroAtItsFinishAndWithTwoWhenACommandFails)
{
    // SDL's dummy video driver: the loop runs unpaced, so the demo's time passes quickly.
    ScratchDirectory scratch;
    fs::create_directory_symlink(fs::path(GEARHAVEN_SOURCE_DIR) / "assets", scratch.path / "assets");
    struct Case {
        std::string script;
        int exitCode;
        std::string logLine;
    };
    const std::vector<Case> cases = {
        {"SCENE Start\nWAIT 0.2\nFINISH\n", 0, "Demo-Szene: Start"},
        {"# a key the demo cannot press\nKEY F12\nFINISH\n", 2, "Demo-Fehler in Zeile 2: unbekannte Taste F12"},
        {"WAIT 0.1\nTEXT \"" + std::string(32, 'x') + "\"\n", 2, "Demo-Fehler in Zeile 2: TEXT ist zu lang"},
    };
    for (const Case& c : cases) {
        scratch.write("demo.txt", c.script);
        const Finished finished = runIn(scratch.path, "timeout 60 " + game("--demo demo.txt"));
        EXPECT_EQ(finished.exitCode, c.exitCode) << c.script << "\n" << finished.log;
        EXPECT_TRUE(finished.logged(c.logLine)) << c.script << "\n" << finished.log;
        EXPECT_EQ(finished.log.find("Demo-Fehler") == std::string::npos, c.exitCode == 0) << c.script;
    }
}

TEST(GameProcess, TheSpriteExportNeedsNoSpritesAndEndsTheRun)
{
    // SDL's dummy video driver: the export needs a renderer, not a screen.
    ScratchDirectory scratch;
    const Finished exported = runIn(scratch.path, game("--export-control-pngs"));
    EXPECT_EQ(exported.exitCode, 0) << exported.log;
    EXPECT_TRUE(fs::exists(scratch.path / "assets" / "controls" / "index.txt"));
    EXPECT_FALSE(fs::exists(scratch.path / SETTINGS_FILE_NAME));

    const fs::path blocked = scratch.path / "blocked";
    fs::create_directory(blocked);
    std::ofstream(blocked / "assets") << "a file where the folder should be";
    const Finished refused = runIn(blocked, game("--export-control-pngs"));
    EXPECT_EQ(refused.exitCode, 1) << refused.log;
}

TEST(GameProcess, AMissingCargoSpriteEndsTheStartWithItsPath)
{
    if (!xvfbAvailable()) GTEST_SKIP() << "xvfb-run is not installed";
    ScratchDirectory scratch;
    fs::create_directory(scratch.path / "assets");

    const Finished finished = runUnderXvfb(scratch.path, game());
    EXPECT_EQ(finished.exitCode, 1) << finished.log;
    EXPECT_NE(finished.log.find("INFO: Fördergut-Grafik assets/log.png konnte nicht geladen werden: "),
              std::string::npos)
        << finished.log;
    EXPECT_FALSE(fs::exists(scratch.path / SETTINGS_FILE_NAME));
}

TEST(GameProcess, TheWindowSizeIsRememberedWhenThePlayerClosesTheGame)
{
    if (!xvfbAvailable()) GTEST_SKIP() << "xvfb-run is not installed";
    struct Case {
        const char* name;
        std::optional<Settings> before;  // the settings file at start, if any
        const char* resize;              // what the player drags the window to, "keep" for nothing
        Settings after;
    };
    Settings resized;
    resized.windowWidth = 1100;
    resized.windowHeight = 700;
    Settings fullscreen = resized;
    fullscreen.fullscreen = true;
    const std::vector<Case> cases = {
        {"first start, window resized", std::nullopt, "1100x700", resized},
        {"full-screen start keeps the stored size", fullscreen, "keep", fullscreen},
    };
    for (const Case& c : cases) {
        ScratchDirectory scratch;
        fs::create_directory_symlink(fs::path(GEARHAVEN_SOURCE_DIR) / "assets", scratch.path / "assets");
        if (c.before) {
            ASSERT_TRUE(saveSettings(scratch.path, *c.before)) << c.name;
        }

        const Finished finished = runUnderXvfb(scratch.path, drivenGame(c.resize));
        EXPECT_EQ(finished.exitCode, 0) << c.name << "\n" << finished.log;
        const Settings stored = loadSettings(scratch.path);
        EXPECT_EQ(stored.windowWidth, c.after.windowWidth) << c.name;
        EXPECT_EQ(stored.windowHeight, c.after.windowHeight) << c.name;
        EXPECT_EQ(stored.fullscreen, c.after.fullscreen) << c.name;
    }
}
