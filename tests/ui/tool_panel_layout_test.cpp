#include <gtest/gtest.h>

#include <vector>

#include "support/screen_rect_print.h"
#include "ui/tool_panel_layout.h"

namespace {

constexpr int VIEW_WIDTH = 980;
constexpr int VIEW_HEIGHT = 600;

}  // namespace

TEST(ToolPanelLayout, GroupsAndTheirPopups)
{
    struct Case {
        Tool tool;
        Tool group;
    };
    const std::vector<Case> groups = {
        {TOOL_WATER_SOURCE, WATER_GROUP},
        {TOOL_WATER_PIPE, WATER_GROUP},
        {TOOL_COAL_GENERATOR, POWER_GROUP},
        {TOOL_POWER_LINE, POWER_GROUP},
        {TOOL_POWER_SUPPLY, POWER_GROUP},
        {TOOL_DC_LINE, POWER_GROUP},
        {TOOL_SENSOR, SIGNAL_GROUP},
        {TOOL_SIGNAL_CONTROL_LINE, SIGNAL_GROUP},
        {TOOL_LOGIC_AND, LOGIC_GROUP},
        {TOOL_LOGIC_RS, LOGIC_GROUP},
        {TOOL_BELT, -1},
        {TOOL_EJECTOR, -1},
        {TOOL_UNUSED, -1},
        {LOGIC_GROUP, -1},
        {-1, -1},
    };
    for (const Case& c : groups)
        EXPECT_EQ(toolGroupOf(c.tool), c.group) << "tool " << c.tool;

    struct PopupCase {
        Tool group;
        int panelX;
        int panelY;
        int viewWidth;
        int viewHeight;
        ScreenRect popup;
    };
    const std::vector<PopupCase> popups = {
        {WATER_GROUP, 0, 0, VIEW_WIDTH, VIEW_HEIGHT, {232, 267, 168, 124}},
        {POWER_GROUP, 0, 0, VIEW_WIDTH, VIEW_HEIGHT, {232, 267, 168, 268}},
        {SIGNAL_GROUP, 0, 0, VIEW_WIDTH, VIEW_HEIGHT, {232, 267, 168, 172}},
        // Logic: two columns of six on 600 pixels, one column from 658, one row at 177 and below.
        {LOGIC_GROUP, 0, 0, VIEW_WIDTH, VIEW_HEIGHT, {232, 230, 336, 316}},
        {LOGIC_GROUP, 0, 0, VIEW_WIDTH, 658, {232, 0, 168, 604}},
        {LOGIC_GROUP, 0, 0, VIEW_WIDTH, 177, {0, 47, 980, 76}},
        // Left of the panel when the right side lacks room; pushed to 0 when neither side has it.
        {WATER_GROUP, 700, 0, VIEW_WIDTH, VIEW_HEIGHT, {524, 267, 168, 124}},
        {LOGIC_GROUP, 200, 0, 600, VIEW_HEIGHT, {0, 230, 336, 316}},
        {TOOL_BELT, 0, 0, VIEW_WIDTH, VIEW_HEIGHT, {0, 0, 0, 0}},
    };
    for (const PopupCase& c : popups) {
        EXPECT_EQ(toolGroupPopupRect(c.group, c.panelX, c.panelY, c.viewWidth, c.viewHeight), c.popup)
            << "group " << c.group << " at " << c.panelX << ", view " << c.viewWidth << "x" << c.viewHeight;
    }
}

TEST(ToolPanelLayout, EveryButtonIsFoundWhereItIsDrawn)
{
    struct Place {
        int panelX;
        int panelY;
        int viewHeight;
    };
    for (const Place& place : {Place{0, 0, VIEW_HEIGHT}, Place{700, 60, VIEW_HEIGHT}, Place{40, 0, 177}}) {
        for (Tool tool = 0; tool < TOOL_BUTTON_COUNT; ++tool) {
            const ScreenRect r = toolButtonRect(tool, place.panelX, place.panelY, VIEW_WIDTH, place.viewHeight);
            if (tool == TOOL_UNUSED) {
                EXPECT_EQ(r.width, 0);
                continue;
            }
            const Tool open = toolGroupOf(tool);
            const int px = r.left + r.width / 2;
            const int py = r.top + r.height / 2;
            EXPECT_EQ(toolAtPoint(px, py, place.panelX, place.panelY, open, VIEW_WIDTH, place.viewHeight), tool)
                << "panel at " << place.panelX << ", " << place.panelY << ", view height " << place.viewHeight;
            EXPECT_TRUE(toolPanelHitTest(px, py, place.panelX, place.panelY, open, VIEW_WIDTH, place.viewHeight));
        }
    }
    // Fixed spots of the panel at (0, 0): the first build button, the edit row, the last group button.
    EXPECT_EQ(toolAtPoint(8, 28, 0, 0, -1, VIEW_WIDTH, VIEW_HEIGHT), TOOL_SELECT);
    EXPECT_EQ(toolAtPoint(8 + 72 + 63, 333 + 31, 0, 0, -1, VIEW_WIDTH, VIEW_HEIGHT), TOOL_BELT_SPEED);
    EXPECT_EQ(toolAtPoint(8 + 144, 28 + 6 * 41, 0, 0, -1, VIEW_WIDTH, VIEW_HEIGHT), LOGIC_GROUP);
    EXPECT_EQ(toolAtPoint(8 + 64, 28, 0, 0, -1, VIEW_WIDTH, VIEW_HEIGHT), -1);  // the gap between buttons
    EXPECT_EQ(toolAtPoint(5, 5, 0, 0, -1, VIEW_WIDTH, VIEW_HEIGHT), -1);        // the title bar
}

TEST(ToolPanelLayout, AnOpenPopupHidesWhatLiesBeneathIt)
{
    // In a 600-pixel view the logic pop-up of a panel at (200, 0) is pushed over the panel itself.
    constexpr int narrow = 600;
    const ScreenRect popup = toolGroupPopupRect(LOGIC_GROUP, 200, 0, narrow, VIEW_HEIGHT);
    const ScreenRect member = toolButtonRect(TOOL_LOGIC_AND, 200, 0, narrow, VIEW_HEIGHT);
    const ScreenRect beneath = toolButtonRect(POWER_GROUP, 200, 0, narrow, VIEW_HEIGHT);
    const int gapX = beneath.left + 10;
    const int gapY = member.top + member.height + 3;  // between two rows of members
    ASSERT_TRUE(contains(popup, gapX, gapY));
    ASSERT_EQ(toolAtPoint(gapX, gapY, 200, 0, -1, narrow, VIEW_HEIGHT), POWER_GROUP);
    EXPECT_EQ(toolAtPoint(gapX, gapY, 200, 0, LOGIC_GROUP, narrow, VIEW_HEIGHT), -1);
    EXPECT_TRUE(toolPanelHitTest(gapX, gapY, 200, 0, LOGIC_GROUP, narrow, VIEW_HEIGHT));
}

TEST(ToolPanelLayout, ThePanelStaysInsideTheViewport)
{
    struct Case {
        int x;
        int y;
        int viewWidth;
        int viewHeight;
        int clampedX;
        int clampedY;
    };
    const std::vector<Case> cases = {
        {-20, -5, 980, 600, 0, 0},  {900, 500, 980, 600, 756, 123}, {100, 100, 980, 600, 100, 100},
        {100, 100, 224, 477, 0, 0}, {100, 100, 225, 478, 1, 1},     {100, 100, 0, 300, 0, 0},
    };
    for (const Case& c : cases) {
        int x = c.x;
        int y = c.y;
        clampToolPanelPosition(x, y, c.viewWidth, c.viewHeight);
        EXPECT_EQ(x, c.clampedX) << c.x << " in " << c.viewWidth;
        EXPECT_EQ(y, c.clampedY) << c.y << " in " << c.viewHeight;
    }
}
