#include <gtest/gtest.h>

#include <vector>

#include "support/screen_rect_print.h"
#include "text_probe.h"
#include "ui/hud_layout.h"
#include "ui/tool_help_panels.h"
#include "world/language.h"

namespace {

constexpr int WINDOW_WIDTH = 1280;
constexpr int WINDOW_HEIGHT = 600;

constexpr Rgba LIT_FRAME{111, 215, 115, 255};
constexpr Rgba PLAIN_FRAME{102, 113, 120, 255};
constexpr Rgba TEXT{235, 239, 241, 255};
constexpr Rgba YELLOW{255, 220, 110, 255};

const ScreenRect CONTENT = sidePanelContentRect(WINDOW_WIDTH, WINDOW_HEIGHT);

class ToolHelpPicture : public testing::Test {
  protected:
    void SetUp() override { setLanguage(GERMAN); }
    void TearDown() override { setLanguage(ENGLISH); }

    Rgba corner(const ScreenRect& r) { return canvas.pixel(r.left, r.top); }

    SoftwareCanvas canvas{WINDOW_WIDTH, WINDOW_HEIGHT};
};

}  // namespace

TEST(ToolHelpPanels, ChooserPressesPickTheLevelOrDirectionUnderThePointer)
{
    const int x = CONTENT.left;
    const int y = CONTENT.top;
    struct LevelCase {
        int px;
        int py;
        int level;  // -1: no button
    };
    for (const LevelCase& c : std::vector<LevelCase>{{x + 8, y + 89, 0},
                                                     {x + 39, y + 120, 0},
                                                     {x + 40, y + 100, -1},
                                                     {x + 8 + 5 * 38, y + 100, 5},
                                                     {x + 8 + 6 * 38, y + 100, -1},
                                                     {x + 50, y + 121, -1}}) {
        int level = 3;
        EXPECT_EQ(pressBeltSpeedChooser(CONTENT, c.px, c.py, level), c.level >= 0) << c.px << ", " << c.py;
        EXPECT_EQ(level, c.level >= 0 ? c.level : 3) << c.px << ", " << c.py;
    }

    EXPECT_EQ(directionButtonRect(CONTENT, WEST), (ScreenRect{x + 8 + 3 * 76, y + 90, 68, 52}));
    struct DirectionCase {
        int px;
        int py;
        Direction direction;
    };
    for (const DirectionCase& c : std::vector<DirectionCase>{
             {x + 8, y + 90, NORTH}, {x + 90, y + 141, EAST}, {x + 80, y + 100, NONE}, {x + 300, y + 100, WEST}}) {
        Direction direction = EAST;
        EXPECT_EQ(pressDirectionChooser(CONTENT, c.px, c.py, direction), c.direction != NONE) << c.px;
        EXPECT_EQ(direction, c.direction != NONE ? c.direction : EAST) << c.px;
    }
}

TEST_F(ToolHelpPicture, TheChosenLevelAndDirectionAreGreen)
{
    SDL_Renderer* r = canvas.renderer();
    drawBeltSpeedChooser(r, CONTENT, 3);
    EXPECT_TRUE(showsText(canvas, "BANDTEMPO MALEN", CONTENT.left + 10, CONTENT.top + 8, TEXT));
    EXPECT_EQ(canvas.pixel(CONTENT.left + 10, CONTENT.top + 22), (Rgba{184, 198, 205, 255}));
    for (int level = 0; level < BELT_SPEED_LEVELS; ++level) {
        EXPECT_EQ(corner(beltSpeedButtonRect(CONTENT, level)), level == 3 ? LIT_FRAME : PLAIN_FRAME) << level;
        const char digit[2] = {static_cast<char>('0' + level), '\0'};
        EXPECT_TRUE(showsText(canvas, digit, CONTENT.left + 21 + 38 * level, CONTENT.top + 101, TEXT)) << level;
    }

    drawDirectionChooser(r, CONTENT, SOUTH);
    EXPECT_TRUE(showsText(canvas, "RICHTUNG EINSTELLEN", CONTENT.left + 10, CONTENT.top + 8, TEXT));
    for (Direction d = NORTH; d <= WEST; ++d) {
        const ScreenRect button = directionButtonRect(CONTENT, d);
        EXPECT_EQ(corner(button), d == SOUTH ? LIT_FRAME : PLAIN_FRAME) << d;
        EXPECT_TRUE(showsText(canvas, directionName(d), centredTextX(button.left, 68, directionName(d)),
                              CONTENT.top + 126, TEXT))
            << d;
    }
    // A direction that is none of the four lights no button.
    drawDirectionChooser(r, CONTENT, 7);
    for (Direction d = NORTH; d <= WEST; ++d)
        EXPECT_EQ(corner(directionButtonRect(CONTENT, d)), PLAIN_FRAME) << d;
}

TEST_F(ToolHelpPicture, TheSwitchWireHelpShowsTheLastWiringMessageInYellow)
{
    const ScreenRect side = sidePanelRect(WINDOW_WIDTH, WINDOW_HEIGHT);
    drawSwitchWireHelp(canvas.renderer(), side, "");
    EXPECT_TRUE(showsText(canvas, "SCHALTLEITUNG", side.left + 10, 65, TEXT));
    EXPECT_TRUE(showsText(canvas, "SCHALTLEITUNG:", side.left + 10, 100, TEXT));
    EXPECT_EQ(canvas.countPixels(YELLOW), 0);

    drawSwitchWireHelp(canvas.renderer(), side, "VERBINDUNG UNGUELTIG: EINGANG BELEGT ODER RUECKKOPPLUNG");
    EXPECT_TRUE(showsText(canvas, "VERBINDUNG", side.left + 10, 200, YELLOW));
    EXPECT_EQ(canvas.boundsOf(YELLOW).x, side.left + 10);
}
