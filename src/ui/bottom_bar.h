#pragma once

#include <SDL.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "render/design_grid.h"
#include "ui/calendar.h"
#include "ui/hud_layout.h"

class Game;
struct SaveMenu;

// The bar at the bottom left of the map view: the account, the date and time, the
// two time-skip buttons and last month's result, and right of it the settings,
// language, save and statistics buttons. Its rectangles are the HUD layout's.

// Simulated seconds of one calendar day: what the day button skips.
constexpr double DAY_SKIP_SECONDS = SECONDS_PER_DAY / GAME_SECONDS_PER_SECOND;

// The decimal digits grouped in threes from the right by a blank ("1 000 000"); a
// sign stands straight before the first digit ("-100 000"), a "+" only when asked.
std::string amountText(std::int64_t value, bool plusWhenPositive = false);

// What the account part of the bar shows.
struct AccountBarTexts {
    std::string balance;   // "1 000 000 EUR"
    std::string dateTime;  // "01.01.2000 08:00"
    std::string_view skipDayLabel;
    std::string_view skipMonthLabel;
    int skipButtonState = 0;  // warning while a skip is pending
    std::string lastMonth;    // "-- EUR" before the first month has ended
    PackedColor lastMonthColour = 0;
};
AccountBarTexts accountBarTexts(const Game& game, bool skipPending);

// Button labels, shortened to fit the field's width.
std::string_view settingsFieldLabel(int fieldWidth);
std::string_view statisticsFieldLabel(int fieldWidth);

struct SaveFieldLabel {
    std::string_view text;
    PackedColor colour = 0;
    int x = 0;  // centred in the field minus its icon
};
// During the quick save's feedback time: "OK" after a save, "!" after a failure.
SaveFieldLabel saveFieldLabel(int viewWidth, int viewHeight, bool feedbackShown, bool saveSucceeded);

// What the bar and its buttons show besides the world's figures.
struct BottomBarView {
    int viewWidth = 0;
    int viewHeight = 0;
    bool skipPending = false;
    bool settingsWindowOpen = false;
    bool languagePopupOpen = false;
    bool menuOpen = false;
    bool statisticsOpen = false;
    bool saveFeedbackShown = false;
    bool saveSucceeded = false;
};

void drawBottomBar(SDL_Renderer* renderer, const Game& game, const BottomBarView& view);

// A small disk drawn from rectangles into the quick-save icon's square.
void drawSaveIcon(SDL_Renderer* renderer, const SDL_Rect& icon);

enum class BottomBarArea {
    Outside,
    Bar,  // the account part, off the skip buttons
    SkipDay,
    SkipToMonth,
    SettingsField,
    LanguageButton,
    SaveIcon,
    SaveField,
    StatisticsField,
};
BottomBarArea bottomBarAreaAt(int px, int py, int viewWidth, int viewHeight);

// The shell's state that the bar's presses change.
struct BottomBarControls {
    double& pendingSkip;
    bool& stepRequested;
    bool& settingsWindowOpen;
    bool& statisticsOpen;
};

// A left press: the skip buttons set the skip to one day or to the same day of next
// month, replacing one still pending; the settings field opens or closes the settings
// window; the statistics field resets the interaction and opens or closes the
// statistics window. The language button and the save field are the shell's to
// handle by the result.
BottomBarArea pressBottomBar(int px, int py, int viewWidth, int viewHeight, const Game& game,
                             BottomBarControls controls, const std::function<void()>& resetInteraction);

// The quick save of the save icon; without a known directory it fails at once. A
// failure is logged. True when the map was saved.
bool quickSaveFromBar(SaveMenu& menu, const Game& game, const std::optional<std::filesystem::path>& directory);
