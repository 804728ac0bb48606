#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "support/screen_rect_print.h"
#include "text_probe.h"
#include "ui/tool_palette.h"
#include "ui/tool_panel_layout.h"
#include "ui/tool_table.h"
#include "world/language.h"

namespace {

constexpr int VIEW_WIDTH = 980;
constexpr int VIEW_HEIGHT = 600;
constexpr int PANEL_X = 20;
constexpr int PANEL_Y = 10;

constexpr Rgba LIT_FRAME{111, 215, 115, 255};
constexpr Rgba PLAIN_FRAME{105, 112, 120, 255};
constexpr Rgba SIMULATION_FRAME{102, 113, 120, 255};
constexpr Rgba GROUP_COLOUR{111, 215, 185, 255};
constexpr Rgba LABEL_COLOUR{244, 246, 247, 255};

ScreenRect button(Tool tool) { return toolButtonRect(tool, PANEL_X, PANEL_Y, VIEW_WIDTH, VIEW_HEIGHT); }

// The shell's state around the palette, with a reset that closes what the shell's does.
struct PaletteShell {
    Tool tool = TOOL_BELT;
    Tool openGroup = -1;
    bool beltSpeedChooser = false;
    bool directionChooser = false;
    std::string status;
    bool paused = false;
    int speed = 1;
    bool stepRequested = false;
    int resets = 0;

    PalettePress press(const ScreenRect& r)
    {
        const PaletteControls controls{
            {tool, openGroup, beltSpeedChooser, directionChooser, status}, paused, speed, stepRequested};
        return pressToolPalette(r.left + r.width / 2, r.top + r.height / 2, PANEL_X, PANEL_Y, VIEW_WIDTH, VIEW_HEIGHT,
                                controls, [this] {
                                    ++resets;
                                    beltSpeedChooser = directionChooser = false;
                                    status.clear();
                                });
    }
};

class PalettePicture : public testing::Test {
  protected:
    void SetUp() override { setLanguage(GERMAN); }
    void TearDown() override { setLanguage(ENGLISH); }

    void draw(Tool tool, bool paused, int speed, Tool openGroup)
    {
        canvas.clear({0, 0, 0, 255});
        drawToolPanel(canvas.renderer(), tool, PANEL_X, PANEL_Y, paused, speed, openGroup, VIEW_WIDTH, VIEW_HEIGHT);
    }
    Rgba corner(const ScreenRect& r) { return canvas.pixel(r.left, r.top); }

    SoftwareCanvas canvas{VIEW_WIDTH, VIEW_HEIGHT};
};

}  // namespace

TEST(ToolTable, EveryToolButTheUnusedOneHasAKeywordAndALabel)
{
    std::set<std::string_view> keywords;
    for (Tool tool = 0; tool < TOOL_COUNT; ++tool) {
        EXPECT_EQ(TOOL_KEYWORDS[tool].empty(), tool == TOOL_UNUSED) << tool;
        EXPECT_EQ(TOOL_LABELS[tool].empty(), tool == TOOL_UNUSED) << tool;
        keywords.insert(TOOL_KEYWORDS[tool]);
    }
    EXPECT_EQ(keywords.size(), static_cast<std::size_t>(TOOL_COUNT));
    EXPECT_EQ(TOOL_KEYWORDS[TOOL_SELECT], "SELECT");
    EXPECT_EQ(TOOL_KEYWORDS[TOOL_LOGIC_RS], "LOGIC_RS");
    EXPECT_EQ(toolButtonLabel(TOOL_OVEN), "OFEN");
    EXPECT_EQ(toolButtonLabel(TOOL_FILLER), "FUELLER");
    EXPECT_EQ(toolButtonLabel(TOOL_SMELTER), "SCHMELZE");
    EXPECT_EQ(editRowLabel(TOOL_DELETE), "LOESCHEN");
}

TEST(ToolPalette, GroupButtonsShowTheChosenMemberAndWhetherTheirPopupIsOpen)
{
    struct Case {
        Tool group;
        Tool selected;
        Tool open;
        Tool icon;
        bool highlighted;
        std::string_view mark;
    };
    const std::vector<Case> cases = {
        {POWER_GROUP, TOOL_BELT, -1, TOOL_COAL_GENERATOR, false, "+"},
        {POWER_GROUP, TOOL_DC_LINE, -1, TOOL_DC_LINE, true, "+"},
        {POWER_GROUP, TOOL_DC_LINE, POWER_GROUP, TOOL_DC_LINE, true, "-"},
        {LOGIC_GROUP, TOOL_DC_LINE, POWER_GROUP, TOOL_LOGIC_AND, false, "+"},
        {WATER_GROUP, TOOL_SMELTER, -1, TOOL_WATER_SOURCE, false, "+"},
        {SIGNAL_GROUP, TOOL_SIGNAL_CONTROL_LINE, SIGNAL_GROUP, TOOL_SIGNAL_CONTROL_LINE, true, "-"},
    };
    for (const Case& c : cases) {
        const GroupButtonFace face = groupButtonFace(c.group, c.selected, c.open);
        EXPECT_EQ(face.iconTool, c.icon) << c.group << " with " << c.selected;
        EXPECT_EQ(face.highlighted, c.highlighted) << c.group << " with " << c.selected;
        EXPECT_EQ(face.mark, c.mark) << c.group << " with " << c.selected;
    }

    // Paused, only "II" is lit, whatever the speed; running, the speed's button.
    struct Lit {
        bool paused;
        int speed;
        std::vector<bool> lit;
    };
    for (const Lit& l :
         {Lit{true, 2, {true, false, false, false, false}}, Lit{false, 2, {false, false, true, false, false}},
          Lit{false, 4, {false, false, false, true, false}}}) {
        for (int i = 0; i < SIMULATION_BUTTON_COUNT; ++i)
            EXPECT_EQ(simulationButtonLit(i, l.paused, l.speed), l.lit[i]) << "button " << i;
    }
}

TEST(ToolPalette, PressesChooseToolsOpenGroupsAndRunTheSimulationRow)
{
    PaletteShell shell;
    EXPECT_EQ(shell.press(button(POWER_GROUP)).area, PaletteArea::GroupButton);
    EXPECT_EQ(shell.openGroup, POWER_GROUP);
    EXPECT_EQ(shell.resets, 0);

    // A member keeps its pop-up open; the group button shows it from then on.
    PalettePress press = shell.press(button(TOOL_DC_LINE));
    EXPECT_EQ(press.area, PaletteArea::ToolButton);
    EXPECT_TRUE(press.toolChanged);
    EXPECT_EQ(shell.tool, TOOL_DC_LINE);
    EXPECT_EQ(shell.openGroup, POWER_GROUP);

    // The open group's button closes it again, resetting the interaction.
    shell.press(button(POWER_GROUP));
    EXPECT_EQ(shell.openGroup, -1);
    EXPECT_EQ(shell.resets, 1);

    // A tool of no group closes another group's pop-up; the same tool again is no change.
    shell.press(button(LOGIC_GROUP));
    EXPECT_TRUE(shell.press(button(TOOL_BELT)).toolChanged);
    EXPECT_EQ(shell.openGroup, -1);
    EXPECT_FALSE(shell.press(button(TOOL_BELT)).toolChanged);

    // The choosers are open exactly while their tool is chosen.
    shell.press(button(TOOL_BELT_SPEED));
    EXPECT_TRUE(shell.beltSpeedChooser);
    EXPECT_FALSE(shell.directionChooser);
    EXPECT_EQ(shell.resets, 2);
    shell.press(button(TOOL_DIRECTION));
    EXPECT_FALSE(shell.beltSpeedChooser);
    EXPECT_TRUE(shell.directionChooser);
    shell.press(button(TOOL_SMELTER));
    EXPECT_FALSE(shell.beltSpeedChooser || shell.directionChooser);
    EXPECT_EQ(shell.resets, 3);
    shell.press(button(TOOL_DELETE));
    EXPECT_EQ(shell.status, DELETE_TOOL_STATUS);

    // One step only while paused; a speed button resumes; each closes the pop-up.
    const auto simulation = [](int i) { return simulationButtonRect(i, PANEL_X, PANEL_Y); };
    shell.press(simulation(STEP_BUTTON));
    EXPECT_FALSE(shell.stepRequested);
    shell.press(button(WATER_GROUP));
    EXPECT_EQ(shell.press(simulation(PAUSE_BUTTON)).area, PaletteArea::SimulationButton);
    EXPECT_TRUE(shell.paused);
    EXPECT_EQ(shell.openGroup, -1);
    shell.press(simulation(STEP_BUTTON));
    EXPECT_TRUE(shell.stepRequested);
    shell.press(simulation(3));
    EXPECT_EQ(shell.speed, 4);
    EXPECT_FALSE(shell.paused);

    // What the shell does itself: the drag handle, the bare panel, and off the panel.
    EXPECT_EQ(shell.press({PANEL_X, PANEL_Y, TOOL_PANEL_WIDTH, TOOL_PANEL_TITLE_HEIGHT}).area, PaletteArea::TitleBar);
    EXPECT_EQ(shell.press({PANEL_X + 2, PANEL_Y + 300, 2, 2}).area, PaletteArea::Background);
    EXPECT_EQ(shell.press({PANEL_X + TOOL_PANEL_WIDTH, PANEL_Y, 4, 4}).area, PaletteArea::Outside);
    EXPECT_EQ(shell.tool, TOOL_DELETE);
}

TEST(ToolPalette, AnOpenPopupTakesThePressesOverItAndARightPressClosesIt)
{
    // On a low view the logic pop-up lies over the panel's lower buttons.
    const int lowView = 177;
    const ScreenRect popup = toolGroupPopupRect(LOGIC_GROUP, 0, 0, VIEW_WIDTH, lowView);
    const ScreenRect first = toolButtonRect(TOOL_LOGIC_AND, 0, 0, VIEW_WIDTH, lowView);
    const PaletteTarget onMember =
        paletteTargetAt(first.left + 1, first.top + 1, 0, 0, LOGIC_GROUP, VIEW_WIDTH, lowView);
    EXPECT_EQ(onMember.area, PaletteArea::ToolButton);
    EXPECT_EQ(onMember.index, TOOL_LOGIC_AND);
    const PaletteTarget gap = paletteTargetAt(popup.left + 2, popup.top + 2, 0, 0, LOGIC_GROUP, VIEW_WIDTH, lowView);
    EXPECT_EQ(gap.area, PaletteArea::Background);

    Tool open = LOGIC_GROUP;
    EXPECT_FALSE(rightPressToolPalette(VIEW_WIDTH - 1, lowView - 1, 0, 0, open, VIEW_WIDTH, lowView));
    EXPECT_EQ(open, LOGIC_GROUP);
    EXPECT_TRUE(rightPressToolPalette(popup.left + 2, popup.top + 2, 0, 0, open, VIEW_WIDTH, lowView));
    EXPECT_EQ(open, -1);

    EXPECT_TRUE(toolKeepsTunnelEntrance(TOOL_TUNNEL));
    EXPECT_TRUE(toolKeepsTunnelEntrance(TOOL_DC_LINE));
    EXPECT_FALSE(toolKeepsTunnelEntrance(TOOL_BELT));
}

TEST_F(PalettePicture, BeltAtSpeedOne)
{
    draw(TOOL_BELT, false, 1, -1);
    EXPECT_TRUE(showsText(canvas, "BAUEN", PANEL_X + 8, PANEL_Y + 7, {221, 234, 239, 255}));
    for (Tool entry : BUILD_PALETTE)
        EXPECT_EQ(corner(button(entry)), entry == TOOL_BELT ? LIT_FRAME : PLAIN_FRAME) << entry;
    const ScreenRect belt = button(TOOL_BELT);
    EXPECT_TRUE(showsText(canvas, "BAND", belt.left + 20, belt.top + 30, LABEL_COLOUR));
    for (Tool group = WATER_GROUP; group <= LOGIC_GROUP; ++group) {
        const ScreenRect r = button(group);
        EXPECT_TRUE(showsText(canvas, "+", r.left + r.width - 9, r.top + 4, GROUP_COLOUR)) << group;
    }

    // The edit row, labelled without icons; delete in its own red.
    EXPECT_TRUE(showsText(canvas, "BEARBEITEN", PANEL_X + 8, PANEL_Y + 319, {150, 168, 178, 255}));
    const ScreenRect erase = button(TOOL_DELETE);
    EXPECT_EQ(corner(erase), (Rgba{235, 125, 125, 255}));
    EXPECT_TRUE(showsText(canvas, "LOESCHEN", erase.left + 8, erase.top + 12, {235, 125, 125, 255}));
    EXPECT_EQ(corner(button(TOOL_BELT_SPEED)), GROUP_COLOUR);

    for (int i = 0; i < SIMULATION_BUTTON_COUNT; ++i) {
        const ScreenRect r = simulationButtonRect(i, PANEL_X, PANEL_Y);
        EXPECT_EQ(corner(r), i == 1 ? LIT_FRAME : SIMULATION_FRAME) << "button " << i;
    }
    EXPECT_TRUE(
        showsText(canvas, "1X", simulationButtonRect(1, PANEL_X, PANEL_Y).left + 7, PANEL_Y + 404, LABEL_COLOUR));
    EXPECT_EQ(canvas.pixel(PANEL_X + TOOL_PANEL_WIDTH, PANEL_Y), (Rgba{0, 0, 0, 255}));
}

TEST_F(PalettePicture, FiveVoltCableWithItsGroupOpenAndPausedAtSpeedTwo)
{
    draw(TOOL_DC_LINE, false, 1, -1);
    const ScreenRect power = button(POWER_GROUP);
    EXPECT_EQ(corner(power), LIT_FRAME);
    EXPECT_TRUE(showsText(canvas, "STROM", power.left + 17, power.top + 30, LABEL_COLOUR));
    EXPECT_TRUE(showsText(canvas, "+", power.left + 55, power.top + 4, GROUP_COLOUR));
    // The 5V cable's own icon on its dark plate: the "5V" in the plate's corner.
    EXPECT_TRUE(showsText(canvas, "5V", power.left + 20 + 2, power.top + 3 + 1, {235, 239, 241, 255}));
    EXPECT_EQ(corner(button(TOOL_SMELTER)), PLAIN_FRAME);

    draw(TOOL_DC_LINE, true, 2, POWER_GROUP);
    EXPECT_TRUE(showsText(canvas, "-", power.left + 55, power.top + 4, GROUP_COLOUR));
    const ScreenRect popup = toolGroupPopupRect(POWER_GROUP, PANEL_X, PANEL_Y, VIEW_WIDTH, VIEW_HEIGHT);
    EXPECT_EQ(corner(popup), GROUP_COLOUR);
    EXPECT_TRUE(showsText(canvas, "STROM", popup.left + 8, popup.top + 7, GROUP_COLOUR));
    for (Tool member : {TOOL_COAL_GENERATOR, TOOL_POWER_POLE, TOOL_POWER_LINE, TOOL_POWER_SUPPLY, TOOL_DC_LINE})
        EXPECT_EQ(corner(button(member)), member == TOOL_DC_LINE ? LIT_FRAME : PLAIN_FRAME) << member;
    const ScreenRect cable = button(TOOL_DC_LINE);
    EXPECT_TRUE(showsText(canvas, "5V-LEITUNG", centredTextX(cable.left, cable.width, "5V-LEITUNG"), cable.top + 30,
                          LABEL_COLOUR));
    for (int i = 0; i < SIMULATION_BUTTON_COUNT; ++i) {
        EXPECT_EQ(corner(simulationButtonRect(i, PANEL_X, PANEL_Y)), i == PAUSE_BUTTON ? LIT_FRAME : SIMULATION_FRAME)
            << "button " << i;
    }
}
