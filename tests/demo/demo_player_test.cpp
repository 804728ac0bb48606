// The demo player's event streams, read from a recording sink frame by frame, on
// SDL's dummy video driver with a hidden 1024 x 768 window for its size and id.

#include "demo/demo_player.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "support/scratch_directory.h"
#include "support/sdl_log_capture.h"
#include "support/software_canvas.h"
#include "support/world_builders.h"
#include "ui/camera.h"
#include "ui/tool_panel_layout.h"

namespace {

constexpr int WINDOW_WIDTH = 1024;
constexpr int WINDOW_HEIGHT = 768;
constexpr int VIEW_WIDTH = WINDOW_WIDTH - 320;
constexpr int PANEL_X = 16;
constexpr int PANEL_Y = 60;

std::string markName(Uint32 mark)
{
    if (mark == DEMO_EVENT_MARK) return "";
    if (mark == DEMO_SHIFT_MARK) return " shift";
    if (mark == DEMO_CTRL_MARK) return " ctrl";
    return " unmarked";
}

std::string buttonName(Uint8 button) { return button == SDL_BUTTON_LEFT ? "left" : std::to_string(button); }

std::string modifierName(Uint16 modifier)
{
    if (modifier == 0) return "";
    return modifier == KMOD_CTRL ? " ctrl" : " mod " + std::to_string(modifier);
}

// One line an event, with what the shell reads of it; a field off its rule is named.
std::string describe(const SDL_Event& e, Uint32 windowId)
{
    std::ostringstream out;
    switch (e.type) {
    case SDL_MOUSEMOTION:
        out << "motion " << e.motion.x << " " << e.motion.y << (e.motion.state == SDL_BUTTON_LMASK ? " held" : "")
            << markName(e.motion.which);
        if (e.motion.windowID != windowId) out << " wrong window";
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        out << (e.type == SDL_MOUSEBUTTONDOWN ? "press " : "release ") << buttonName(e.button.button) << " "
            << e.button.x << " " << e.button.y << markName(e.button.which);
        if (e.button.windowID != windowId) out << " wrong window";
        if (e.button.state != (e.type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED)) out << " wrong state";
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        out << (e.type == SDL_KEYDOWN ? "key down " : "key up ") << e.key.keysym.sym << modifierName(e.key.keysym.mod);
        if (e.key.windowID != DEMO_EVENT_MARK) out << " unmarked";
        if (e.key.keysym.scancode != 0 || e.key.repeat != 0) out << " wrong fields";
        break;
    case SDL_TEXTINPUT:
        out << "text " << e.text.text;
        if (e.text.windowID != windowId) out << " wrong window";
        break;
    case SDL_QUIT:
        out << "quit";
        break;
    default:
        out << "event " << e.type;
    }
    return out.str();
}

using Events = std::vector<std::string>;

// A script played against an empty world with a camera at (0, 0) and 32-pixel tiles;
// each frame hands back the events the player made in it.
class DemoRun {
  public:
    explicit DemoRun(const std::string& scriptText, double speed = 1.0)
    {
        SDL_Init(SDL_INIT_VIDEO);
        window_ = SDL_CreateWindow("Gearhaven", 0, 0, WINDOW_WIDTH, WINDOW_HEIGHT, SDL_WINDOW_HIDDEN);
        EXPECT_TRUE(loadDemoScript(script_, scratch_.write("demo.txt", scriptText))) << script_.error;
        const Uint32 id = SDL_GetWindowID(window_);
        player = std::make_unique<DemoPlayer>(window_, &script_, false, speed,
                                              [this, id](const SDL_Event& e) { pending_.push_back(describe(e, id)); });
    }
    ~DemoRun()
    {
        player.reset();
        SDL_DestroyWindow(window_);
    }
    DemoRun(const DemoRun&) = delete;
    DemoRun& operator=(const DemoRun&) = delete;

    Events frame(float dt)
    {
        player->update(dt, game, PANEL_X, PANEL_Y, camera.scrollX, camera.scrollY, tileSize(camera), openGroup,
                       VIEW_WIDTH, WINDOW_HEIGHT);
        player->noteSales(game);
        game.incomeEvents.clear();
        return std::exchange(pending_, {});
    }

    Events framesUntilDone(float dt)
    {
        Events all;
        for (int frame = 0; frame < 100 && player->isRunning(); ++frame) {
            for (std::string& e : this->frame(dt))
                all.push_back(std::move(e));
        }
        return all;
    }

    std::string pointer() const
    {
        int x = 0;
        int y = 0;
        player->pointerPosition(x, y);
        return std::to_string(x) + " " + std::to_string(y);
    }

    Game game = emptyGame();
    Camera camera;
    Tool openGroup = -1;
    std::unique_ptr<DemoPlayer> player;

  private:
    ScratchDirectory scratch_;
    DemoScript script_;
    SDL_Window* window_ = nullptr;
    Events pending_;
};

std::string centreOf(const ScreenRect& r)
{
    return std::to_string(r.left + r.width / 2) + " " + std::to_string(r.top + r.height / 2);
}

}  // namespace

TEST(DemoPlayer, DragsPressGlideAndReleaseWithTheirMarkAndAClickReleasesAfterItsHoldTime)
{
    DemoRun run("CTRL_DRAG_TILE 2 2 5 2 1\nCLICK\nDRAG_TILE 5 2 5 4 0.5\nSHIFT_CLICK\nRIGHT_CLICK\n");
    struct Frame {
        float dt;
        Events events;
    };
    // Tile (2, 2) has its centre at (80, 80), tile (5, 2) at (176, 80); the glide eases in and out.
    const std::vector<Frame> frames = {
        {0.25f, {"motion 80 80", "press left 80 80 ctrl", "motion 95 80 held"}},
        {0.25f, {"motion 128 80 held"}},
        {0.25f, {"motion 161 80 held"}},
        {0.25f, {"motion 176 80 held", "release left 176 80 ctrl"}},
        {0.10f, {"press left 176 80"}},
        {0.01f, {}},
        {0.02f, {"release left 176 80"}},
        {0.50f, {"motion 176 80", "press left 176 80", "motion 176 144 held", "release left 176 144"}},
        {0.13f, {"press left 176 144 shift", "release left 176 144 shift"}},
        {0.13f, {"press 3 176 144", "release 3 176 144"}},
    };
    for (std::size_t i = 0; i < frames.size(); ++i) {
        EXPECT_EQ(run.frame(frames[i].dt), frames[i].events) << "frame " << i + 1;
    }
    EXPECT_FALSE(run.player->isRunning());
}

TEST(DemoPlayer, FocusMovesCameraAndPointerAndToolsOpenTheirGroupBeforeThePointerGoes)
{
    DemoRun run("FOCUS_TILE 79 59 0\nTOOL SIGNAL_LINE 0\nTOOL POWER_POLE 1\nTOOL BELT 0\nFOCUS_TILE 0 0 1\n");
    // 80 x 32 - 704 and 60 x 32 - 768: the map's far corner at the view's far corner.
    EXPECT_EQ(run.frame(0.05f), Events{"motion 688 752"});
    EXPECT_EQ(run.camera.scrollX, 1856);
    EXPECT_EQ(run.camera.scrollY, 1152);
    EXPECT_EQ(run.pointer(), "688 752");

    const std::string signalLine =
        centreOf(toolButtonRect(TOOL_SIGNAL_CONTROL_LINE, PANEL_X, PANEL_Y, VIEW_WIDTH, WINDOW_HEIGHT));
    EXPECT_EQ(run.frame(0.05f), Events{"motion " + signalLine});
    EXPECT_EQ(run.openGroup, SIGNAL_GROUP);

    EXPECT_EQ(run.frame(0.0f), Events{"motion " + signalLine});
    EXPECT_EQ(run.openGroup, POWER_GROUP) << "open while the pointer has not moved yet";
    run.frame(1.0f);

    const std::string belt = centreOf(toolButtonRect(TOOL_BELT, PANEL_X, PANEL_Y, VIEW_WIDTH, WINDOW_HEIGHT));
    EXPECT_EQ(run.frame(0.05f), Events{"motion " + belt});
    EXPECT_EQ(run.openGroup, -1);

    // Camera and pointer glide together, eased: half way at half the time.
    run.frame(0.5f);
    EXPECT_EQ(run.camera.scrollX, 928);
    EXPECT_EQ(run.camera.scrollY, 576);
    EXPECT_EQ(run.frame(0.5f), Events{"motion 16 16"});
    EXPECT_EQ(run.camera.scrollX, 0);
    EXPECT_EQ(run.camera.scrollY, 0);
}

TEST(DemoPlayer, KeysAndTextGoOneCommandAFrameWithTheirCodes)
{
    DemoRun run("KEY q\nKEY CTRL+Z\nTEXT \"Hallo Welt\"\nKEY ESC\nSCENE Ende\nKEY 1\n");
    EXPECT_EQ(run.frame(0.01f), (Events{"key down 113", "key up 113"}));
    EXPECT_EQ(run.frame(0.01f), (Events{"key down 122 ctrl", "key up 122 ctrl"}));
    EXPECT_EQ(run.frame(0.01f), Events{"text Hallo Welt"});
    EXPECT_EQ(run.frame(0.01f), (Events{"key down 27", "key up 27"}));
    // A scene ends at once; the key behind it goes in the same frame.
    EXPECT_EQ(run.frame(0.01f), (Events{"key down 49", "key up 49"}));
    EXPECT_FALSE(run.player->isRunning());
    EXPECT_FALSE(run.player->failed());
}

TEST(DemoPlayer, ACommandThatCannotRunLogsItsLineAndQuitsAsAFailure)
{
    struct Case {
        std::string command;
        std::string message;  // empty: the command runs
    };
    const std::string text31(31, 'x');
    const std::vector<Case> cases = {
        {"KEY F12", "unbekannte Taste F12"},
        {"TEXT \"" + text31 + "y\"", "TEXT ist zu lang"},
        {"TEXT \"" + text31 + "\"", ""},
        {"TOOL HAMMER 1", "unbekanntes Werkzeug HAMMER"},
        {"UI BELT_SPEED_6 1", "unbekanntes UI-Ziel BELT_SPEED_6"},
        {"UI DIRECTION_X 1", "unbekanntes UI-Ziel DIRECTION_X"},
        {"UI SOURCE_CARGO_GOLD 1", "unbekanntes UI-Ziel SOURCE_CARGO_GOLD"},
        {"WAIT_SINK 10 10 LOG 1", "an der angegebenen Kachel steht kein Ziel"},
        {"WAIT_SHOP 10 10", "an der angegebenen Kachel steht kein Kaufhaus"},
        {"FINISH", ""},
    };
    for (const Case& c : cases) {
        SdlLogCapture log;
        DemoRun run("# line 1\n" + c.command + "\nWAIT 1\n");
        const Events events = run.framesUntilDone(0.05f);
        ASSERT_FALSE(events.empty()) << c.command;
        if (c.message.empty()) {
            EXPECT_FALSE(run.player->failed()) << c.command;
            continue;
        }
        EXPECT_TRUE(run.player->failed()) << c.command;
        EXPECT_EQ(events, Events{"quit"}) << c.command;
        EXPECT_EQ(log.count("Demo-Fehler in Zeile 2: " + c.message), 1) << c.command;
    }
}

TEST(DemoPlayer, WaitsForASinksCountAndForTheNextSaleInItsShop)
{
    DemoRun run("WAIT_SINK 10 10 IRON_INGOT 3\nWAIT_SHOP 20 10\nWAIT_SINK 10 10 IRON_INGOT 4\n");
    setTile(run.game, 10, 10, SINK).sinkDelivered[IRON_INGOT] = 3;
    setTile(run.game, 20, 10, SHOP);
    setTile(run.game, 21, 10, SHOP);
    SdlLogCapture log;

    // A count already reached ends the wait in the frame it starts; a sale before the
    // shop's wait began does not count.
    run.game.incomeEvents.push_back({20, 10, 5});
    run.frame(0.01f);
    EXPECT_EQ(log.count("Demo wartet auf Ziel (10, 10): IRON_INGOT >= 3"), 1);
    run.frame(0.01f);
    EXPECT_EQ(log.count("Demo wartet auf Verkauf im Kaufhaus (20, 10)"), 1);
    run.game.incomeEvents.push_back({21, 10, 5});
    run.frame(0.01f);
    run.frame(0.01f);
    EXPECT_EQ(log.count("Demo wartet auf Ziel (10, 10): IRON_INGOT >= 4"), 0) << "another shop's sale";

    // Seen after the world's step, the wait ends in the next frame and the next command
    // starts in the frame after.
    run.game.incomeEvents.push_back({20, 10, 5});
    for (int frame = 0; frame < 3; ++frame)
        run.frame(0.01f);
    EXPECT_EQ(log.count("Demo wartet auf Ziel (10, 10): IRON_INGOT >= 4"), 1);

    // A sink demolished while the demo waits for it ends the demo.
    run.frame(0.01f);
    EXPECT_TRUE(run.player->isRunning());
    run.game.tileAt(10, 10) = Tile{};
    EXPECT_EQ(run.frame(0.01f), Events{"quit"});
    EXPECT_TRUE(run.player->failed());
}

TEST(DemoPlayer, TheDemoSpeedShortensWaitsAndClickHolds)
{
    DemoRun run("WAIT 3\nCLICK\n", 2.0);
    for (int frame = 0; frame < 29; ++frame)
        run.frame(0.05f);
    EXPECT_EQ(run.frame(0.04f), Events{}) << "1.49 s of a 1.5 s wait";
    EXPECT_EQ(run.frame(0.01f), Events{});
    EXPECT_EQ(run.frame(0.05f), Events{"press left 512 384"});
    EXPECT_EQ(run.frame(0.02f), Events{"release left 512 384"}) << "held 0.07 s, at least 0.06 s";
}

TEST(DemoPlayer, ARealPressStopsTheDemoAndReleasesTheButtonItHeld)
{
    DemoRun run("CTRL_DRAG_TILE 2 2 5 2 1\nWAIT 1\n");
    run.frame(0.25f);
    SdlLogCapture log;
    run.player->interruptByUser();
    EXPECT_EQ(run.frame(0.25f), Events{"release left 95 80 ctrl"}) << "the press's mark, and nothing after it";
    EXPECT_FALSE(run.player->isRunning());
    EXPECT_EQ(log.lines(), std::vector<std::string>{"Demo durch Benutzereingabe unterbrochen"});
    EXPECT_FALSE(run.player->failed());
}

TEST(DemoPlayer, TheSceneLogGetsOneLineAScene)
{
    const std::filesystem::path logPath =
        std::filesystem::temp_directory_path() / ("gearhaven-scenes-" + std::to_string(::getpid()) + ".txt");
    ::setenv(DEMO_SCENE_LOG_VARIABLE, logPath.c_str(), 1);
    {
        SdlLogCapture log;
        DemoRun run("SCENE \"Hallo Welt\"\nWAIT 1\n");
        run.frame(0.01f);
        EXPECT_EQ(log.count("Demo-Szene: Hallo Welt"), 1);
    }
    ::unsetenv(DEMO_SCENE_LOG_VARIABLE);
    std::ostringstream text;
    text << std::ifstream(logPath).rdbuf();
    std::filesystem::remove(logPath);
    EXPECT_TRUE(std::regex_match(text.str(), std::regex("[0-9]{10,}\\.[0-9]{6}\t2\\.500000\tHallo Welt\n")))
        << text.str();
}

TEST(DemoPlayer, WithoutAScriptNothingHappens)
{
    SDL_Init(SDL_INIT_VIDEO);
    int pushed = 0;
    DemoPlayer player(nullptr, nullptr, false, 1.0, [&](const SDL_Event&) { ++pushed; });
    Game game = emptyGame();
    Camera camera;
    Tool group = -1;
    SdlLogCapture log;
    player.update(0.05f, game, 0, 0, camera.scrollX, camera.scrollY, 32, group, 704, 768);
    player.interruptByUser();
    EXPECT_FALSE(player.isRunning());
    EXPECT_EQ(pushed, 0);
    EXPECT_TRUE(log.lines().empty());
    SoftwareCanvas canvas(64, 64);
    player.drawOverlay(canvas.renderer());
    EXPECT_EQ(canvas.paintedBounds(), (SDL_Rect{0, 0, 0, 0}));
}

TEST(DemoPlayer, TheOverlayShowsTheSceneTitleThePointerAndThePressRing)
{
    DemoRun run("MOVE 500 300 0\nSCENE AB\nCLICK\nWAIT 1\n");
    run.frame(0.01f);
    run.frame(0.01f);
    SoftwareCanvas canvas(WINDOW_WIDTH, WINDOW_HEIGHT);
    run.player->drawOverlay(canvas.renderer());
    const Rgba ink = {111, 215, 185, 255};
    // Two glyphs: a box 56 wide, centred, at y 24.
    EXPECT_EQ(canvas.pixel(484, 24), ink);
    EXPECT_EQ(canvas.pixel(539, 63), ink);
    EXPECT_EQ(canvas.pixel(500, 300), (Rgba{7, 12, 15, 255})) << "the pointer's tip";
    EXPECT_EQ(canvas.pixel(502, 305), (Rgba{245, 250, 243, 255})) << "inside the arrow";
    EXPECT_EQ(canvas.pixel(488, 300), (Rgba{240, 208, 91, 255})) << "the ring, fresh";
}

TEST(DemoTargets, UiNamesFindTheirWidgetInTheSidePanelOrTheMenuDialog)
{
    struct Case {
        const char* name;
        std::optional<DemoPoint> point;
    };
    // 1024 x 768: the side panel from x 704, the dialog {172, 84, 680, 600}.
    const std::vector<Case> cases = {
        {"SIDEBAR_CLOSE", DemoPoint{1002, 20}},
        {"MAIN_NEW", DemoPoint{512, 324}},
        {"CONFIRM", DemoPoint{402, 650}},
        {"CANCEL", DemoPoint{252, 650}},
        {"ROTATE", DemoPoint{784, 743}},
        {"DIRECTION_W", DemoPoint{974, 164}},
        {"BELT_SPEED_0", DemoPoint{728, 93}},
        {"BELT_PAINT_SPEED_5", DemoPoint{918, 153}},
        {"SOURCE_CARGO_PLASTIC_GEAR", DemoPoint{759, 418}},
        {"SOURCE_CARGO_IRON_INGOT", DemoPoint{859, 223}},
        {"DIRECTION_", std::nullopt},
        {"DIRECTION_NE", std::nullopt},
        {"BELT_SPEED_", std::nullopt},
        {"BELT_SPEED_10", std::nullopt},
        {"SOURCE_CARGO_", std::nullopt},
        {"SOURCE_CARGO_log", std::nullopt},
        {"rotate", std::nullopt},
    };
    for (const Case& c : cases) {
        const std::optional<DemoPoint> point = uiTargetPoint(c.name, WINDOW_WIDTH, WINDOW_HEIGHT);
        ASSERT_EQ(point.has_value(), c.point.has_value()) << c.name;
        if (point) {
            EXPECT_EQ(*point, *c.point) << c.name << " at " << point->x << " " << point->y;
        }
    }
    // A window narrower than the side panel puts the panel at the left edge.
    EXPECT_EQ(uiTargetPoint("SOURCE_TOGGLE", 300, 500), (DemoPoint{32, 82}));
}
