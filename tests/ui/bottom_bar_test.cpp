#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <limits>
#include <vector>

#include "persistence/save_menu.h"
#include "support/scratch_directory.h"
#include "text_probe.h"
#include "ui/bottom_bar.h"
#include "world/game.h"
#include "world/language.h"

namespace {

constexpr int VIEW_WIDTH = 890;  // the fields at their full width
constexpr int VIEW_HEIGHT = 600;
constexpr int BAR_TOP = VIEW_HEIGHT - 54;

constexpr Rgba BUTTON_TEXT{238, 241, 243, 255};
constexpr Rgba GREY{117, 128, 133, 255};

Rgba rgba(PackedColor c)
{
    return {static_cast<Uint8>(c), static_cast<Uint8>(c >> 8), static_cast<Uint8>(c >> 16), 255};
}

class BottomBarPicture : public testing::Test {
  protected:
    void SetUp() override { setLanguage(GERMAN); }
    void TearDown() override { setLanguage(ENGLISH); }

    void draw(const Game& game, bool skipPending)
    {
        BottomBarView view;
        view.viewWidth = VIEW_WIDTH;
        view.viewHeight = VIEW_HEIGHT;
        view.skipPending = skipPending;
        canvas.clear({0, 0, 0, 255});
        drawBottomBar(canvas.renderer(), game, view);
    }

    SoftwareCanvas canvas{VIEW_WIDTH, VIEW_HEIGHT};
};

}  // namespace

TEST(BottomBar, AmountsAreGroupedInThreesWithTheSignBeforeTheFirstDigit)
{
    struct Case {
        std::int64_t value;
        bool plus;
        const char* text;
    };
    const std::vector<Case> cases = {
        {0, false, "0"},
        {0, true, "0"},
        {999, false, "999"},
        {1000, false, "1 000"},
        {-100000, false, "-100 000"},
        {1000000, false, "1 000 000"},
        {100, true, "+100"},
        {1500, true, "+1 500"},
        {-1500, true, "-1 500"},
        {-12345, false, "-12 345"},
        {std::numeric_limits<std::int64_t>::max(), false, "9 223 372 036 854 775 807"},
        {std::numeric_limits<std::int64_t>::min(), false, "-9 223 372 036 854 775 808"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(amountText(c.value, c.plus), c.text) << c.value;
}

TEST(BottomBar, TheAccountShowsBalanceDateAndLastMonthAndASkipInProgress)
{
    Game game;
    AccountBarTexts texts = accountBarTexts(game, false);
    EXPECT_EQ(texts.balance, "1 000 000 EUR");
    EXPECT_EQ(texts.dateTime, "01.01.2000 08:00");
    EXPECT_EQ(texts.lastMonth, "-- EUR");
    EXPECT_EQ(rgba(texts.lastMonthColour), GREY);
    EXPECT_EQ(texts.skipDayLabel, "TAG");
    EXPECT_EQ(texts.skipMonthLabel, "MONAT");
    EXPECT_EQ(texts.skipButtonState, 0);

    struct Month {
        std::int64_t result;
        const char* text;
        Rgba colour;
    };
    game.monthReportPending = true;
    for (const Month& m : {Month{0, "0 EUR", GREY}, Month{1500, "+1 500 EUR", {112, 220, 145, 255}},
                           Month{-1500, "-1 500 EUR", {245, 116, 101, 255}}}) {
        game.lastMonthResult = m.result;
        texts = accountBarTexts(game, false);
        EXPECT_EQ(texts.lastMonth, m.text);
        EXPECT_EQ(rgba(texts.lastMonthColour), m.colour) << m.text;
        // A skip keeps the result's colour.
        texts = accountBarTexts(game, true);
        EXPECT_EQ(texts.lastMonth, "BILANZ...");
        EXPECT_EQ(rgba(texts.lastMonthColour), m.colour) << m.text;
        EXPECT_EQ(texts.skipDayLabel, "...");
        EXPECT_EQ(texts.skipMonthLabel, "...");
        EXPECT_EQ(texts.skipButtonState, 2);
    }
}

TEST(BottomBar, FieldLabelsShortenWithTheirWidth)
{
    setLanguage(GERMAN);
    struct Case {
        int viewWidth;  // fields (viewWidth - 554) / 3 wide
        const char* settings;
        const char* save;
    };
    const std::vector<Case> cases = {
        {VIEW_WIDTH, "EINSTELLUNGEN", "SPEICHERN"},
        {854, "EINSTELLUNGEN", "SPEICHERN"},
        {851, "OPTIONEN", "SAVE"},
        {716, "OPTIONEN", "SAVE"},
        {713, "OPTIONEN", "S"},
        {698, "OPTIONEN", "S"},
        {695, "OPT", "S"},
    };
    for (const Case& c : cases) {
        const int width = bottomBarFieldRect(c.viewWidth, VIEW_HEIGHT, SETTINGS_FIELD).width;
        EXPECT_EQ(settingsFieldLabel(width), c.settings) << c.viewWidth;
        EXPECT_EQ(saveFieldLabel(c.viewWidth, VIEW_HEIGHT, false, false).text, c.save) << c.viewWidth;
    }
    EXPECT_EQ(statisticsFieldLabel(58), "STATISTIK");
    EXPECT_EQ(statisticsFieldLabel(57), "STAT");
    setLanguage(ENGLISH);  // "STATISTICS" needs six more pixels
    EXPECT_EQ(statisticsFieldLabel(63), "STAT");
    EXPECT_EQ(statisticsFieldLabel(64), "STATISTIK");

    // The save label ("SAVE" in English) is centred beside the icon and reports a quick save for a while.
    EXPECT_EQ(saveFieldLabel(VIEW_WIDTH, VIEW_HEIGHT, false, false).x, 664 + (112 - 22 - 6 - 6 * 4) / 2);
    const SaveFieldLabel saved = saveFieldLabel(VIEW_WIDTH, VIEW_HEIGHT, true, true);
    EXPECT_EQ(saved.text, "OK");
    EXPECT_EQ(rgba(saved.colour), (Rgba{126, 232, 151, 255}));
    const SaveFieldLabel failed = saveFieldLabel(VIEW_WIDTH, VIEW_HEIGHT, true, false);
    EXPECT_EQ(failed.text, "!");
    EXPECT_EQ(rgba(failed.colour), BUTTON_TEXT);
}

TEST(BottomBar, PressesSkipTimeAndOpenTheWindows)
{
    Game game;
    double pendingSkip = 0.0;
    bool stepRequested = true;
    bool settingsOpen = false;
    bool statisticsOpen = false;
    int resets = 0;
    const auto press = [&](const ScreenRect& r) {
        return pressBottomBar(r.left + r.width / 2, r.top + r.height / 2, VIEW_WIDTH, VIEW_HEIGHT, game,
                              {pendingSkip, stepRequested, settingsOpen, statisticsOpen}, [&] {
                                  ++resets;
                                  settingsOpen = statisticsOpen = false;
                              });
    };

    EXPECT_EQ(press(skipDayButtonRect(VIEW_WIDTH, VIEW_HEIGHT)), BottomBarArea::SkipDay);
    EXPECT_EQ(pendingSkip, 60.0);
    EXPECT_FALSE(stepRequested);
    // From the first of January the month's jump is 31 days, replacing the day.
    EXPECT_EQ(press(skipToMonthButtonRect(VIEW_WIDTH, VIEW_HEIGHT)), BottomBarArea::SkipToMonth);
    EXPECT_DOUBLE_EQ(pendingSkip, 31 * 86400 / 1440.0);
    EXPECT_EQ(press({20, BAR_TOP + 2, 1, 1}), BottomBarArea::Bar);

    press(bottomBarFieldRect(VIEW_WIDTH, VIEW_HEIGHT, SETTINGS_FIELD));
    EXPECT_TRUE(settingsOpen);
    EXPECT_EQ(resets, 0);
    // The statistics window opens and closes although the reset closes every window.
    EXPECT_EQ(press(bottomBarFieldRect(VIEW_WIDTH, VIEW_HEIGHT, STATISTICS_FIELD)), BottomBarArea::StatisticsField);
    EXPECT_TRUE(statisticsOpen);
    press(bottomBarFieldRect(VIEW_WIDTH, VIEW_HEIGHT, STATISTICS_FIELD));
    EXPECT_FALSE(statisticsOpen);
    EXPECT_EQ(resets, 2);

    EXPECT_EQ(press(saveButtonIconRect(VIEW_WIDTH, VIEW_HEIGHT)), BottomBarArea::SaveIcon);
    EXPECT_EQ(press({664, BAR_TOP, 10, 44}), BottomBarArea::SaveField);
    EXPECT_EQ(press(languageButtonRect(VIEW_WIDTH, VIEW_HEIGHT)), BottomBarArea::LanguageButton);
    // Without room the fields are not there to press.
    EXPECT_EQ(bottomBarAreaAt(518, BAR_TOP + 20, 554, VIEW_HEIGHT), BottomBarArea::Outside);
    EXPECT_EQ(bottomBarAreaAt(530, BAR_TOP + 20, 554, VIEW_HEIGHT), BottomBarArea::LanguageButton);
}

TEST(BottomBar, TheSaveIconSavesWhereTheDirectoryIsKnown)
{
    Game game;
    SaveMenu menu;
    EXPECT_FALSE(quickSaveFromBar(menu, game, std::nullopt));
    ScratchDirectory scratch;
    EXPECT_TRUE(quickSaveFromBar(menu, game, scratch.path));
    EXPECT_TRUE(std::filesystem::exists(SaveMenu::autosavePath(scratch.path)));
}

TEST_F(BottomBarPicture, AFreshGame)
{
    Game game;
    draw(game, false);
    EXPECT_TRUE(showsText(canvas, "KONTO", 18, BAR_TOP + 5, {235, 225, 174, 255}));
    EXPECT_TRUE(showsText(canvas, "1 000 000 EUR", 18, BAR_TOP + 21, {255, 218, 72, 255}, 2));
    EXPECT_TRUE(showsText(canvas, "01.01.2000 08:00", 255, BAR_TOP + 25, {230, 235, 237, 255}));
    EXPECT_TRUE(showsText(canvas, "-- EUR", 431, BAR_TOP + 25, GREY));
    EXPECT_EQ(canvas.pixel(355, BAR_TOP + 7), (Rgba{102, 113, 120, 255}));
    EXPECT_TRUE(showsText(canvas, "TAG", 361, BAR_TOP + 18, BUTTON_TEXT));
    EXPECT_TRUE(showsText(canvas, "MONAT", 389, BAR_TOP + 18, BUTTON_TEXT));
    EXPECT_EQ(canvas.pixel(10 + 235, BAR_TOP + 20), (Rgba{78, 95, 103, 255}));

    EXPECT_TRUE(showsText(canvas, "EINSTELLUNGEN", 535, BAR_TOP + 18, BUTTON_TEXT));
    EXPECT_TRUE(showsText(canvas, "SPEICHERN", 679, BAR_TOP + 18, BUTTON_TEXT));
    EXPECT_TRUE(showsText(canvas, "STATISTIK", 807, BAR_TOP + 18, BUTTON_TEXT));
    // The disk's blue body below its label.
    EXPECT_EQ(canvas.pixel(757, BAR_TOP + 28), (Rgba{28, 72, 157, 255}));
}

TEST_F(BottomBarPicture, ASkipInProgress)
{
    Game game;
    game.money = -100000;
    draw(game, true);
    EXPECT_TRUE(showsText(canvas, "-100 000 EUR", 18, BAR_TOP + 21, {255, 218, 72, 255}, 2));
    for (int x : {355, 388})
        EXPECT_EQ(canvas.pixel(x, BAR_TOP + 7), (Rgba{220, 85, 85, 255}));
    EXPECT_TRUE(showsText(canvas, "...", 361, BAR_TOP + 18, BUTTON_TEXT));
    EXPECT_TRUE(showsText(canvas, "...", 389, BAR_TOP + 18, BUTTON_TEXT));
    EXPECT_TRUE(showsText(canvas, "BILANZ...", 431, BAR_TOP + 25, GREY));
}
