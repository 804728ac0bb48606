#include <gtest/gtest.h>

#include <vector>

#include "support/screen_rect_print.h"
#include "ui/hud_layout.h"

TEST(HudLayout, BottomBarFieldsGrowWithTheViewport)
{
    struct Case {
        int viewWidth;
        int viewHeight;
        ScreenRect fields[3];
        ScreenRect language;
        ScreenRect saveIcon;
    };
    const std::vector<Case> cases = {
        // Up to 554 pixels the fields shrink to nothing; the language button stays.
        {554, 700, {{518, 646, 0, 44}, {552, 646, 0, 44}, {554, 646, 0, 44}}, {520, 646, 30, 44}, {549, 668, 0, 0}},
        {400, 700, {{518, 646, 0, 44}, {552, 646, 0, 44}, {554, 646, 0, 44}}, {520, 646, 30, 44}, {549, 668, 0, 0}},
        // Growing: a third of the room each, the icon three pixels less.
        {600,
         700,
         {{518, 646, 15, 44}, {567, 646, 15, 44}, {584, 646, 15, 44}},
         {535, 646, 30, 44},
         {567, 662, 12, 12}},
        {700,
         700,
         {{518, 646, 48, 44}, {600, 646, 48, 44}, {650, 646, 48, 44}},
         {568, 646, 30, 44},
         {623, 657, 22, 22}},
        // From 890 pixels on, full width.
        {890,
         700,
         {{518, 646, 112, 44}, {664, 646, 112, 44}, {778, 646, 112, 44}},
         {632, 646, 30, 44},
         {751, 657, 22, 22}},
        {1600,
         700,
         {{518, 646, 112, 44}, {664, 646, 112, 44}, {778, 646, 112, 44}},
         {632, 646, 30, 44},
         {751, 657, 22, 22}},
        // A window lower than the bar puts it at the top.
        {890, 40, {{518, 0, 112, 44}, {664, 0, 112, 44}, {778, 0, 112, 44}}, {632, 0, 30, 44}, {751, 11, 22, 22}},
    };
    for (const Case& c : cases) {
        const std::string where = std::to_string(c.viewWidth) + "x" + std::to_string(c.viewHeight);
        for (int field = 0; field < BOTTOM_BAR_FIELD_COUNT; ++field) {
            EXPECT_EQ(bottomBarFieldRect(c.viewWidth, c.viewHeight, field), c.fields[field])
                << where << " field " << field;
        }
        EXPECT_EQ(languageButtonRect(c.viewWidth, c.viewHeight), c.language) << where << " language button";
        EXPECT_EQ(saveButtonIconRect(c.viewWidth, c.viewHeight), c.saveIcon) << where << " save icon";
    }
    EXPECT_EQ(bottomBarRect(890, 700), (ScreenRect{10, 646, 500, 44})) << "bar";
    EXPECT_EQ(bottomBarRect(400, 700), (ScreenRect{10, 646, 380, 44})) << "narrow bar";
    EXPECT_EQ(skipDayButtonRect(890, 700), (ScreenRect{355, 653, 30, 30})) << "skip a day";
    EXPECT_EQ(skipToMonthButtonRect(890, 700), (ScreenRect{388, 653, 32, 30})) << "skip to next month";
}

TEST(HudLayout, LanguagePopupStaysInsideTheViewport)
{
    // Right of the settings field where it fits, pushed left where it does not.
    EXPECT_EQ(languagePopupRect(1600, 700), (ScreenRect{632, 508, 270, 134})) << "wide";
    EXPECT_EQ(languagePopupRect(890, 700), (ScreenRect{620, 508, 270, 134})) << "just too narrow";
    EXPECT_EQ(languagePopupRect(200, 100), (ScreenRect{0, 0, 270, 134})) << "tiny";
    EXPECT_EQ(languagePopupRowRect(1600, 700, 1), (ScreenRect{642, 574, 250, 32})) << "second row";
}

TEST(HudLayout, PanelsDialogsAndChoiceGrids)
{
    EXPECT_EQ(sidePanelRect(1300, 700), (ScreenRect{980, 0, 320, 700})) << "side panel";
    EXPECT_EQ(sidePanelRect(300, 700), (ScreenRect{0, 0, 320, 700})) << "side panel of a narrow window";
    EXPECT_EQ(sidePanelContentRect(1300, 700), (ScreenRect{980, 48, 320, 652})) << "side panel content";
    EXPECT_EQ(viewWidthFor(1300), 980);
    EXPECT_EQ(viewWidthFor(300), 0);

    EXPECT_EQ(minimapRect(980, 700), (ScreenRect{802, 562, 168, 128})) << "minimap";
    EXPECT_EQ(minimapRect(100, 100), (ScreenRect{0, 0, 168, 128})) << "minimap of a tiny view";

    // The dialog is centred in the whole window, between its smallest and largest size.
    EXPECT_EQ(dialogRect(1300, 700), (ScreenRect{310, 50, 680, 600})) << "large window";
    EXPECT_EQ(dialogRect(1000, 500), (ScreenRect{160, 20, 680, 460})) << "window of the minimum height";
    EXPECT_EQ(dialogRect(300, 300), (ScreenRect{-10, -30, 320, 360})) << "smaller than the dialog";

    // Low panels keep 20-pixel cells; taller ones spread the five rows, at most 60 apart.
    const ScreenRect low{980, 48, 320, 150};
    const ScreenRect tall{980, 48, 320, 652};
    const ScreenRect medium{980, 48, 320, 262};
    EXPECT_EQ(choiceGridCellRect(low, 0), (ScreenRect{988, 108, 100, 20})) << "low, first cell";
    EXPECT_EQ(choiceGridCellRect(low, 4), (ScreenRect{1090, 130, 100, 20})) << "low, fifth cell";
    EXPECT_EQ(choiceGridCellRect(tall, 12), (ScreenRect{988, 348, 100, 58})) << "tall, last cell";
    EXPECT_EQ(choiceGridCellRect(medium, 5), (ScreenRect{1192, 148, 100, 38})) << "medium, sixth cell";
}

TEST(HudLayout, MinimapPointsAlwaysGiveATileOfTheMap)
{
    struct Case {
        int px;
        int py;
        TilePoint tile;
    };
    // The minimap's corner at (802, 562); its map area starts 4 pixels in, two pixels per tile.
    const std::vector<Case> cases = {
        {806, 566, {0, 0}},   {807, 567, {0, 0}},     {808, 568, {1, 1}},  {965, 685, {79, 59}}, {802, 562, {0, 0}},
        {969, 689, {79, 59}}, {2000, 2000, {79, 59}}, {-50, 600, {0, 17}}, {886, 626, {40, 30}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(minimapToTile(802, 562, c.px, c.py), c.tile) << c.px << ", " << c.py;
    }
}
