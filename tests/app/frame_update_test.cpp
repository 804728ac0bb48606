#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "app/frame_update.h"
#include "app/map_interaction.h"
#include "app/shell_fixture.h"
#include "support/scratch_directory.h"
#include "ui/calendar.h"
#include "world/translate.h"

namespace {

const LoopClock::time_point START{};

LoopClock::time_point after(double seconds)
{
    return START + std::chrono::duration_cast<LoopClock::duration>(std::chrono::duration<double>(seconds));
}

// Simulated seconds the world's calendar has run since the start of the map.
double simulatedSeconds(const Game& game) { return (game.gameTime - STARTING_GAME_TIME) / 1440.0; }

void placeShop(Game& game, int x, int y) { game.tileAt(x, y).type = SHOP; }

std::vector<std::int64_t> amounts(const std::vector<SaleMarker>& markers)
{
    std::vector<std::int64_t> result;
    for (const SaleMarker& marker : markers)
        result.push_back(marker.amount);
    return result;
}

}  // namespace

TEST(FrameUpdate, TheWorldAdvancesBySpeedPauseStepAndMenu)
{
    struct Case {
        const char* name;
        int speed;
        bool paused;
        bool stepRequested;
        bool menuOpen;
        double pendingSkip;
        double gap;        // real seconds since the last frame
        double world;      // simulated seconds this frame
        double animation;  // seconds the animation clock moves
        bool stepLeft;     // a step request still waits
    };
    const double step = 1.0 / 60.0;
    const std::vector<Case> cases = {
        {"a stall of one second at speed 4 runs four capped steps", 4, false, false, false, 0.0, 1.0, 0.2, 0.2, false},
        {"speed 2", 2, false, false, false, 0.0, 0.01, 0.02, 0.02, false},
        {"speed 1", 1, false, false, false, 0.0, 0.03, 0.03, 0.03, false},
        {"paused", 4, true, false, false, 0.0, 0.03, 0.0, 0.0, false},
        {"one step while paused, whatever the speed", 4, true, true, false, 0.0, 0.03, step, 0.0, false},
        {"the menu holds the world at speed 4", 4, false, false, true, 0.0, 0.03, 0.0, 0.0, false},
        {"a step waits while the menu is open", 1, true, true, true, 0.0, 0.03, 0.0, 0.0, true},
        {"a step left from the pause is dropped", 2, false, true, false, 0.0, 0.01, 0.02, 0.02, false},
        {"a skip runs with the menu open", 4, false, false, true, 1.0, 0.03, 1.0, 1.0, false},
        {"a skip runs while paused", 1, true, true, false, 1.0, 0.03, 1.0, 1.0, true},
    };
    for (const Case& c : cases) {
        ShellFixture f;
        f.state.speed = c.speed;
        f.state.paused = c.paused;
        f.state.stepRequested = c.stepRequested;
        f.state.pendingSkip = c.pendingSkip;
        if (c.menuOpen) f.saveMenu.openMainMenu();
        f.state.lastFrameTime = START;
        updateFrame(f.shell, after(c.gap));

        EXPECT_NEAR(simulatedSeconds(f.game), c.world, 1e-5) << c.name;
        EXPECT_NEAR(f.stats.clock, c.world, 1e-5) << c.name;
        EXPECT_NEAR(f.state.animationTime, c.animation, 1e-5) << c.name;
        EXPECT_EQ(f.state.stepRequested, c.stepLeft) << c.name;
        EXPECT_EQ(f.state.paused, c.paused) << c.name;
        EXPECT_EQ(f.state.lastFrameTime, after(c.gap)) << c.name;
    }
}

TEST(FrameUpdate, ADaySkipRunsAHundredStepsAFrameMutedAndRestoresTheSwitchAtItsEnd)
{
    ShellFixture f;
    f.state.paused = true;
    f.state.soundEnabled = false;
    f.sound.setMuted(true);
    f.state.pendingSkip = 60.0;
    f.state.lastFrameTime = START;

    updateFrame(f.shell, after(0.016));
    const double firstFrame = 100.0 * static_cast<double>(SKIP_STEP_SECONDS);
    EXPECT_DOUBLE_EQ(simulatedSeconds(f.game), firstFrame);
    EXPECT_DOUBLE_EQ(f.state.pendingSkip, 60.0 - firstFrame);
    EXPECT_TRUE(skipPending(f.state));
    EXPECT_TRUE(f.sound.isMuted());
    const DateTimeText first = formatDateTime(f.game.gameTime);
    EXPECT_EQ(first.date, "02.01.2000");
    EXPECT_EQ(first.time, "07:31");

    // The sound switch turned on during the skip waits for its end.
    f.state.soundEnabled = true;
    updateFrame(f.shell, after(0.032));
    EXPECT_FALSE(skipPending(f.state));
    EXPECT_EQ(f.state.pendingSkip, 0.0);
    EXPECT_FALSE(f.sound.isMuted());
    const DateTimeText second = formatDateTime(f.game.gameTime);
    EXPECT_EQ(second.date, "02.01.2000");
    EXPECT_EQ(second.time, "08:00");
    EXPECT_NEAR(f.stats.clock, 60.0, 1e-4);
    EXPECT_NEAR(f.state.animationTime, 60.0, 1e-4);

    // Paused again, the world stays where the skip left it.
    const double skipped = f.game.gameTime;
    updateFrame(f.shell, after(0.048));
    EXPECT_EQ(f.game.gameTime, skipped);
}

TEST(FrameUpdate, SalesBecomeMarkersThatAgeInRealTimeAndGoWithTheirShop)
{
    ShellFixture f;
    placeShop(f.game, 5, 6);
    placeShop(f.game, 9, 9);
    f.state.paused = true;  // the markers age while the world stands
    f.state.speed = 4;      // and not by the speed
    f.state.lastFrameTime = START;
    for (int sale = 0; sale < 33; ++sale)
        f.game.incomeEvents.push_back({5, 6, 100 + sale});
    updateFrame(f.shell, after(0.02));
    ASSERT_EQ(f.state.saleMarkers.size(), 32u);
    EXPECT_EQ(f.state.saleMarkers.front().amount, 101);
    EXPECT_EQ(f.state.saleMarkers.back().amount, 132);
    EXPECT_TRUE(f.game.incomeEvents.empty());

    f.state.saleMarkers = {{5, 6, 1, 1.31f}, {5, 6, 2, 1.29f}, {9, 9, 3, 0.0f}, {5, 6, 4, 0.5f}};
    f.game.tileAt(9, 9) = Tile{};
    f.game.incomeEvents.push_back({5, 6, 5});
    updateFrame(f.shell, after(0.07));
    EXPECT_EQ(amounts(f.state.saleMarkers), (std::vector<std::int64_t>{2, 4, 5}));
    EXPECT_NEAR(f.state.saleMarkers[0].age, 1.34f, 1e-5);
    EXPECT_EQ(f.state.saleMarkers[2].age, 0.0f);
}

TEST(FrameUpdate, TheWindowTitleIsSetOnlyInFramesThatRebuiltIt)
{
    ShellFixture f;
    f.state.lastFrameTime = START;
    updateFrame(f.shell, after(0.016));
    ASSERT_FALSE(f.game.titleText.empty());
    EXPECT_EQ(SDL_GetWindowTitle(f.screen.window), translate(f.game.titleText));
    EXPECT_FALSE(f.game.titleChanged);

    SDL_SetWindowTitle(f.screen.window, "unchanged");
    updateFrame(f.shell, after(0.032));
    EXPECT_STREQ(SDL_GetWindowTitle(f.screen.window), "unchanged");

    f.game.addDelivered(7);
    updateFrame(f.shell, after(0.048));
    EXPECT_NE(f.game.titleText.find('7'), std::string::npos);
    EXPECT_EQ(SDL_GetWindowTitle(f.screen.window), translate(f.game.titleText));
}

TEST(FrameUpdate, TheAutosaveRunsWhenDueAndOnlyWithAKnownDirectory)
{
    ScratchDirectory scratch;
    std::int64_t now = 0;
    for (bool known : {false, true}) {
        ShellFixture f;
        if (known) f.directory = scratch.path;
        f.saveMenu.services.now = [&] { return now; };
        f.saveMenu.autosaveMinutes = 1;
        f.saveMenu.armAutosave();
        f.state.lastFrameTime = START;
        updateFrame(f.shell, after(0.016));
        EXPECT_FALSE(std::filesystem::exists(SaveMenu::autosavePath(scratch.path)));
        now += 60'000'000'000;
        updateFrame(f.shell, after(0.032));
        EXPECT_EQ(std::filesystem::exists(SaveMenu::autosavePath(scratch.path)), known);
    }
}

TEST(FrameUpdate, AnInspectorWhoseControlIsGoneClosesOnce)
{
    ShellFixture f;
    f.state.lastFrameTime = START;
    f.game.tileAt(10, 10).type = SHOP;
    ASSERT_TRUE(selectControlAt(f.state, f.game, 10, 10));
    updateFrame(f.shell, after(0.016));
    EXPECT_TRUE(f.state.interaction.selection.selected());

    f.game.tileAt(10, 10).type = EMPTY;
    updateFrame(f.shell, after(0.032));
    EXPECT_FALSE(f.state.interaction.selection.selected());
}
