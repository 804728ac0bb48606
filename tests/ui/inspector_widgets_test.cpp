#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing/labels.h"
#include "inspector_bench.h"
#include "ui/inspector_widgets.h"
#include "ui/production_inspectors.h"

namespace {

const ScreenRect PANEL{960, 48, 320, 752};

}  // namespace

TEST(InspectorWidgets, TheLabelFieldShowsTheTailOfWhatFitsAndTheCaretAfterIt)
{
    struct Case {
        std::string text;
        std::string shown;
    };
    const std::string fifty = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789ABCDEFGHIJKLMN";
    for (const Case& c : std::vector<Case>{{"", ""},
                                           {"OFEN", "OFEN"},
                                           {fifty.substr(0, 39), fifty.substr(0, 39)},
                                           {fifty.substr(0, 40), fifty.substr(1, 39)},
                                           {fifty, fifty.substr(11)}}) {
        const IdFieldText field = idFieldText(c.text, PANEL);
        EXPECT_EQ(field.shown, c.shown) << c.text;
        EXPECT_EQ(field.caretX, PANEL.left + 14 + 6 * static_cast<int>(c.shown.size())) << c.text;
    }
    // A narrower panel shows less: (200 - 84) / 6 = 19 characters.
    EXPECT_EQ(idFieldText(fifty, {0, 0, 200, 300}).shown, fifty.substr(31));
}

TEST(InspectorWidgets, CountsAreCentredByTheirDigitsAndGridCellsHitAsDrawn)
{
    EXPECT_EQ(countRowX(10, 90, 0), 10 + 42);
    EXPECT_EQ(countRowX(10, 90, -12), 10 + 36);
    EXPECT_EQ(countRowX(10, 90, 1234), 10 + 33);
    // Wider than the span: halved toward zero, not down.
    EXPECT_EQ(countRowX(0, 5, 100), -6);

    const CargoGrid grid{80, 65, 60, 13};
    EXPECT_EQ(cargoCellRect(PANEL, grid, 4), (ScreenRect{PANEL.left + 110, PANEL.top + 145, 90, 60}));
    EXPECT_EQ(cargoCellAt(PANEL, grid, PANEL.left + 110, PANEL.top + 145), 4);
    EXPECT_EQ(cargoCellAt(PANEL, grid, PANEL.left + 109, PANEL.top + 145), -1);  // the gap between columns
    EXPECT_EQ(cargoCellAt(PANEL, grid, PANEL.left + 10, PANEL.top + 80 + 4 * 65), 12);
    EXPECT_EQ(cargoCellAt(PANEL, grid, PANEL.left + 110, PANEL.top + 80 + 4 * 65), -1);  // no cell 13

    // Names and sprites of kinds read from a tile are looked up behind a range test.
    EXPECT_STREQ(cargoShortName(PLASTIC_GEAR), "ZAHNRAD");
    EXPECT_STREQ(cargoLongName(-1), "");
    EXPECT_STREQ(cargoShortName(CARGO_TYPE_COUNT), "");
    const CargoTextures none{};
    EXPECT_EQ(cargoSprite(none, 40), nullptr);
}

TEST(InspectorWidgets, TheRotateButtonBelongsToTheControlsThatTurn)
{
    std::vector<ControlType> turning, fixed;
    for (ControlType type = EMPTY; type < CONTROL_TYPE_COUNT; ++type)
        (showsRotateButton(type) ? turning : fixed).push_back(type);
    EXPECT_EQ(turning, (std::vector<ControlType>{BELT, SOURCE, ARM, LONG_ARM, DISTRIBUTOR, DISTRIBUTOR_SECOND, MIXER,
                                                 MIXER_SECOND, OVEN, SMELTER, FILLER, BRIDGE, STORAGE, TUNNEL,
                                                 TUNNEL_EXIT, SHOP, INJECTION_MOLDER, WATER_PIPE, EJECTOR}));
    EXPECT_EQ(rotateButtonRect(PANEL), (ScreenRect{PANEL.left + 10, PANEL.top + 752 - 40, 140, 30}));
}

TEST(InspectorWidgets, LabelFieldPressesBeginEditingCommitWithOkAndDropTheTextElsewhere)
{
    Game game;
    Tile& source = game.tileAt(STARTER_SOURCE_X, STARTER_SOURCE_Y);
    source.label = "ALT";
    LabelEntry entry;
    const auto press = [&](int dx, int dy) {
        return pressIdTextField(entry, game, PANEL, 50, STARTER_SOURCE_X, STARTER_SOURCE_Y, PANEL.left + dx,
                                PANEL.top + dy);
    };

    EXPECT_TRUE(press(10, 50));
    EXPECT_TRUE(entry.active);
    EXPECT_EQ(entry.buffer, "ALT");
    typeLabelText(entry, "neu");
    // A second press on the field keeps what is typed; the field ends 66 pixels before the right edge.
    EXPECT_TRUE(press(320 - 67, 69));
    EXPECT_EQ(entry.buffer, "ALTNEU");
    EXPECT_TRUE(press(320 - 60, 50));
    EXPECT_FALSE(entry.active);
    EXPECT_EQ(entry.x, -1);
    EXPECT_EQ(source.label, "ALTNEU");

    press(10, 50);
    typeLabelText(entry, "X");
    // Between the field and "OK", and anywhere else, the text is dropped and the press goes on.
    EXPECT_FALSE(press(320 - 63, 55));
    EXPECT_FALSE(entry.active);
    EXPECT_EQ(source.label, "ALTNEU");
    // "OK" with nothing being edited changes nothing.
    EXPECT_TRUE(press(320 - 11, 69));
    EXPECT_EQ(source.label, "ALTNEU");
}

using InspectorWidgetPictures = InspectorBench;

TEST_F(InspectorWidgetPictures, ALongLabelShowsItsTailAndTheCaretWhileThisTileIsEdited)
{
    Tile& smelter = build(game, SMELTER, 10, 10);
    const std::string fifty(50, 'A');
    smelter.label = "STORED";
    select(10, 10);
    beginLabelEdit(interaction.label, game, 10, 10);
    interaction.label.buffer = fifty.substr(0, 11) + std::string(39, 'B');

    draw();
    const int rowY = 145;
    EXPECT_EQ(frameAt(10, rowY), GREEN_FRAME);
    EXPECT_EQ(frameAt(320 - 60, rowY), GREEN_FRAME);
    EXPECT_TRUE(shows(std::string(39, 'B'), 14, rowY + 6, VALUE_TEXT));
    EXPECT_EQ(frameAt(14 + 6 * 39, rowY + 4), VALUE_TEXT);
    EXPECT_EQ(frameAt(14 + 6 * 39, rowY + 15), VALUE_TEXT);
    EXPECT_TRUE(shows("ID TEXT", 64, rowY - 19, {151, 170, 179, 255}));

    // An entry open on another tile is not this panel's: the stored label, plain, no caret.
    interaction.label.x = 11;
    draw();
    EXPECT_EQ(frameAt(10, rowY), PLAIN_FRAME);
    EXPECT_EQ(frameAt(320 - 60, rowY), PLAIN_FRAME);
    EXPECT_TRUE(shows("STORED", 14, rowY + 6, VALUE_TEXT));
    EXPECT_NE(frameAt(14 + 6 * 6, rowY + 4), VALUE_TEXT);
}

TEST_F(InspectorWidgetPictures, ACountOfMinusTwelveIsDrawnCentredAsThreeGlyphs)
{
    drawCountRow(canvas.renderer(), 10, 90, -12, 100);
    EXPECT_TRUE(showsText(canvas, "-12", 46, 100, VALUE_TEXT));
    const SDL_Rect drawn = canvas.paintedBounds();
    EXPECT_EQ(drawn.x, 46);
    EXPECT_EQ(drawn.w, 17);
}

TEST_F(InspectorWidgetPictures, DrehenIsDrawnAndPressedOnlyForControlsThatTurn)
{
    build(game, SINK, 5, 5);
    Tile& belt = layBelt(game, 7, 5, EAST);
    const int buttonY = WINDOW_HEIGHT - 48 - 40;

    select(5, 5);
    draw();
    EXPECT_EQ(frameAt(10, buttonY), PANEL_FILL);
    EXPECT_EQ(press(20, buttonY + 10), InspectorPress::Panel);  // the sink's panel takes it, turning nothing
    EXPECT_TRUE(interaction.statusText.empty());

    select(7, 5);
    draw();
    EXPECT_EQ(frameAt(10, buttonY), PLAIN_FRAME);
    EXPECT_TRUE(shows("DREHEN", 20, buttonY + 11, PANEL_TEXT));
    EXPECT_EQ(press(20, buttonY + 10), InspectorPress::Rotate);
    EXPECT_EQ(belt.dir, SOUTH);
    EXPECT_TRUE(interaction.statusText.empty());
    EXPECT_EQ(press(10 + 140, buttonY + 10), InspectorPress::Panel);  // right of the button
    EXPECT_EQ(belt.dir, SOUTH);
}
