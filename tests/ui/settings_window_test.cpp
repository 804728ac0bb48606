#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "persistence/settings.h"
#include "support/scratch_directory.h"
#include "support/screen_rect_print.h"
#include "text_probe.h"
#include "ui/settings_window.h"
#include "world/game.h"
#include "world/language.h"

namespace {

constexpr int VIEW_HEIGHT = 600;
constexpr int TOP = VIEW_HEIGHT - 200;

// Runs the test in its scratch directory, so that a stray settings file would land there.
struct InScratchDirectory {
    ScratchDirectory scratch;
    std::filesystem::path previous = std::filesystem::current_path();
    InScratchDirectory() { std::filesystem::current_path(scratch.path); }
    ~InScratchDirectory() { std::filesystem::current_path(previous); }
};

}  // namespace

TEST(SettingsWindow, StandsOverTheBottomBarAndTogglesTheSourcesOfTheWorld)
{
    EXPECT_EQ(settingsWindowRect(VIEW_HEIGHT), (ScreenRect{10, TOP, 280, 140}));
    EXPECT_EQ(settingsWindowRect(150), (ScreenRect{10, 0, 280, 140}));

    Game game;
    bool sound = true;
    SettingsWindowPress press = pressSettingsWindow(20, TOP + 42, VIEW_HEIGHT, game, sound, false, std::nullopt);
    EXPECT_TRUE(press.inside && press.sourcesToggled);
    EXPECT_FALSE(game.sourcesEnabled);
    EXPECT_EQ(sourcesSwitchLabel(game.sourcesEnabled), "ALLE QUELLEN AUS");
    pressSettingsWindow(279, TOP + 75, VIEW_HEIGHT, game, sound, false, std::nullopt);
    EXPECT_TRUE(game.sourcesEnabled);
    EXPECT_EQ(sourcesSwitchLabel(game.sourcesEnabled), "ALLE QUELLEN AKTIV");
    EXPECT_TRUE(sound);

    // Between the switches and beside them the window keeps the press; outside it does not.
    press = pressSettingsWindow(20, TOP + 78, VIEW_HEIGHT, game, sound, false, std::nullopt);
    EXPECT_TRUE(press.inside);
    EXPECT_FALSE(press.sourcesToggled || press.soundToggled);
    press = pressSettingsWindow(285, TOP + 50, VIEW_HEIGHT, game, sound, false, std::nullopt);
    EXPECT_TRUE(press.inside);
    EXPECT_FALSE(press.sourcesToggled);
    EXPECT_FALSE(pressSettingsWindow(300, TOP + 50, VIEW_HEIGHT, game, sound, false, std::nullopt).inside);
    EXPECT_TRUE(game.sourcesEnabled);
}

TEST(SettingsWindow, TheSoundSwitchMutesAndIsStoredWhereTheDirectoryIsKnown)
{
    InScratchDirectory here;
    Game game;
    bool sound = true;
    SettingsWindowPress press = pressSettingsWindow(100, TOP + 84, VIEW_HEIGHT, game, sound, false, std::nullopt);
    EXPECT_TRUE(press.soundToggled);
    EXPECT_FALSE(sound);
    EXPECT_EQ(press.mute, true);
    EXPECT_EQ(soundSwitchLabel(sound), "TON AUS");
    EXPECT_FALSE(std::filesystem::exists(SETTINGS_FILE_NAME));

    // During a time skip the engine stays muted; the skip's end applies the switch.
    press = pressSettingsWindow(100, TOP + 117, VIEW_HEIGHT, game, sound, true, std::nullopt);
    EXPECT_TRUE(sound);
    EXPECT_FALSE(press.mute.has_value());

    press = pressSettingsWindow(100, TOP + 100, VIEW_HEIGHT, game, sound, false, here.scratch.path);
    EXPECT_EQ(press.mute, true);
    EXPECT_FALSE(loadSettings(here.scratch.path).soundEnabled);
    pressSettingsWindow(100, TOP + 100, VIEW_HEIGHT, game, sound, false, here.scratch.path);
    EXPECT_TRUE(loadSettings(here.scratch.path).soundEnabled);
}

TEST(SettingsWindow, SwitchesAreGreenWhenOnAndRedWhenOff)
{
    setLanguage(GERMAN);
    SoftwareCanvas canvas(300, VIEW_HEIGHT);
    drawSettingsWindow(canvas.renderer(), VIEW_HEIGHT, true, false);
    EXPECT_TRUE(showsText(canvas, "GLOBALE EINSTELLUNGEN", 20, TOP + 12, {221, 234, 239, 255}));
    EXPECT_EQ(canvas.pixel(20, TOP + 42), (Rgba{111, 215, 115, 255}));
    EXPECT_TRUE(showsText(canvas, "ALLE QUELLEN AKTIV", 28, TOP + 53, {111, 215, 115, 255}));
    EXPECT_EQ(canvas.pixel(20, TOP + 84), (Rgba{220, 85, 85, 255}));
    EXPECT_TRUE(showsText(canvas, "TON AUS", 28, TOP + 95, {220, 85, 85, 255}));
    EXPECT_EQ(canvas.pixel(10, TOP), (Rgba{101, 123, 133, 255}));
    EXPECT_EQ(canvas.pixel(10, TOP - 1), (Rgba{0, 0, 0, 255}));
    setLanguage(ENGLISH);
}
