#include <gtest/gtest.h>

#include "inspector_bench.h"
#include "ui/production_inspectors.h"

namespace {

constexpr Rgba PURCHASE{243, 220, 151, 255};
constexpr Rgba ON_TEXT{111, 215, 115, 255};
constexpr Rgba OFF_TEXT{220, 85, 85, 255};

}  // namespace

TEST(ProductionInspectors, TitlesAndPurchaseLinesNameTheMachine)
{
    Tile source;
    source.type = SOURCE;
    source.machineId = 12;
    EXPECT_EQ(sourcePanelTitle(source), "QUELLE 12 - ERZEUGT");
    source.type = SINK;
    EXPECT_EQ(sourcePanelTitle(source), "ZIEL - GELIEFERT");
    Tile smelter;
    EXPECT_EQ(machineTitle("SCHMELZE", smelter), "SCHMELZE 0");
    EXPECT_EQ(purchaseText(IRON_ORE), "EINKAUF 300 EUR PRO GUT");
    EXPECT_EQ(purchaseText(PLASTIC_GEAR), "EINKAUF 900 EUR PRO GUT");
    // A produced kind out of range, as a damaged tile might hold, costs nothing to show.
    EXPECT_EQ(purchaseText(13), "EINKAUF 0 EUR PRO GUT");
}

using ProductionInspector = InspectorBench;

TEST_F(ProductionInspector, TheStarterSourceIsOffBuysLogsAndTakesItsButtons)
{
    game = Game();
    select(STARTER_SOURCE_X, STARTER_SOURCE_Y);
    draw();
    EXPECT_TRUE(shows("QUELLE 1 - ERZEUGT", 10, 8, PANEL_TEXT));
    EXPECT_EQ(frameAt(10, 25), RED_FRAME);
    EXPECT_TRUE(shows("OFF", 29, 31, VALUE_TEXT));
    EXPECT_EQ(frameAt(19, 30), VALUE_TEXT);  // the power symbol's ring
    EXPECT_EQ(frameAt(10, 80), GREEN_FRAME);
    EXPECT_EQ(frameAt(110, 80), PLAIN_FRAME);
    EXPECT_TRUE(shows("EINKAUF 100 EUR PRO GUT", 10, 73, PURCHASE));
    EXPECT_TRUE(shows("STAMM", 10 + 30, 80 + 32, VALUE_TEXT));
    EXPECT_TRUE(shows("0", 10 + 42, 80 + 47, VALUE_TEXT));
    EXPECT_EQ(frameAt(10, 50), PLAIN_FRAME);  // the label field

    const Tile& source = game.tileAt(STARTER_SOURCE_X, STARTER_SOURCE_Y);
    press(10, 50);
    EXPECT_TRUE(interaction.label.active);
    // Any other press drops the typing, then works its button.
    press(53, 43);
    EXPECT_FALSE(interaction.label.active);
    EXPECT_TRUE(source.sourceRunning);
    press(110, 80 + 65);
    EXPECT_EQ(source.sourceCargo, IRON_INGOT);
    draw();
    EXPECT_EQ(frameAt(10, 25), GREEN_FRAME);
    EXPECT_TRUE(shows("ON", 29, 31, VALUE_TEXT));
    EXPECT_TRUE(shows("EINKAUF 750 EUR PRO GUT", 10, 73, PURCHASE));
    EXPECT_EQ(frameAt(110, 80 + 65), GREEN_FRAME);
    EXPECT_EQ(frameAt(10, 80), PLAIN_FRAME);
}

TEST_F(ProductionInspector, ASinkHasNoLabelFieldAndItsGridStartsHigher)
{
    Tile& sink = build(game, SINK, 30, 30);
    sink.sinkDelivered[COAL] = 7;
    select(30, 30);
    draw();
    EXPECT_TRUE(shows("ZIEL - GELIEFERT", 10, 8, PANEL_TEXT));
    EXPECT_EQ(frameAt(10, 25), GREEN_FRAME);
    EXPECT_EQ(frameAt(100, 50), PANEL_FILL);
    EXPECT_EQ(frameAt(10, 55), PLAIN_FRAME);
    EXPECT_EQ(frameAt(210, 55), PLAIN_FRAME);
    EXPECT_TRUE(shows("7", 210 + 42, 55 + 47, VALUE_TEXT));

    press(10, 50);  // where a source has its field
    EXPECT_FALSE(interaction.label.active);
    press(10, 25);
    EXPECT_FALSE(sink.sinkAccepting);
}

TEST_F(ProductionInspector, KilnSmelterAndBottlingPlantShowWhatTheyTakeIn)
{
    Tile& kiln = build(game, OVEN, 10, 10);
    kiln.ovenAcceptMask = cargoBit(PLANKS);
    for (const CargoType queued : {LOG, LOG, PLANKS}) {
        kiln.ovenInputCargo.push_back(queued);
        kiln.ovenInputItems.push_back(ItemRecord{});
    }
    kiln.ovenHeld = 3;
    select(10, 10);
    draw();
    EXPECT_TRUE(shows("VERKOHLUNGSOFEN 2", 10, 8, PANEL_TEXT));
    EXPECT_EQ(frameAt(10, 25), RED_FRAME);
    EXPECT_TRUE(shows("AUS", 10 + 31, 79, OFF_TEXT));
    EXPECT_EQ(frameAt(100, 25), GREEN_FRAME);
    EXPECT_TRUE(shows("AN", 100 + 34, 79, ON_TEXT));
    EXPECT_TRUE(shows("2", 10 + 37, 99, VALUE_TEXT));
    press(10, 25);
    EXPECT_EQ(kiln.ovenAcceptMask, cargoBit(LOG) | cargoBit(PLANKS));

    build(game, SMELTER, 12, 10);
    select(12, 10);
    draw();
    for (int column = 0; column < 3; ++column)
        EXPECT_EQ(frameAt(10 + 90 * column, 25), GREEN_FRAME) << column;
    EXPECT_TRUE(shows("ERZ", 10 + 31, 64, VALUE_TEXT));
    press(190, 116);  // KOHLE
    EXPECT_EQ(game.tileAt(12, 10).smelterAcceptMask, cargoBit(IRON_ORE) | cargoBit(IRON_INGOT));

    Tile& filler = build(game, FILLER, 14, 10);
    filler.fillerAccepting = false;
    filler.fillerOutputCount = 4;
    filler.fillerBottles = 4;
    for (int i = 0; i < 4; ++i)
        filler.fillerOutputItems.push_back(ItemRecord{});
    select(14, 10);
    draw();
    EXPECT_EQ(frameAt(10, 25), RED_FRAME);
    EXPECT_TRUE(shows("AUS", 52, 49, OFF_TEXT));
    EXPECT_TRUE(shows("4", 10 + 147, 93, VALUE_TEXT));
    press(309, 116);
    EXPECT_TRUE(filler.fillerAccepting);
    press(10, 145);
    EXPECT_TRUE(interaction.label.active);
    EXPECT_EQ(interaction.label.x, 14);
    expectMapReadsBack(game);
}

TEST_F(ProductionInspector, InTheSelectionViewTheFirstSourceSpeaksForAllAndItsLabelFieldIsIdle)
{
    Tile& first = build(game, SOURCE, 10, 10);
    Tile& second = build(game, SOURCE, 10, 12);
    first.label = "ERSTE";
    second.sourceRunning = true;
    select(10, 10);
    selectAll({{10, 10}, {10, 12}});

    draw();
    EXPECT_TRUE(shows("ERSTE", 14, 56, VALUE_TEXT));
    // The idle field and the view's foot, where "DREHEN" is not drawn, leave the press to the view's own buttons.
    EXPECT_EQ(press(10, 50), InspectorPress::None);
    EXPECT_FALSE(interaction.label.active);
    const int footY = WINDOW_HEIGHT - 48 - 40;
    EXPECT_EQ(frameAt(10, footY), PANEL_FILL);
    EXPECT_EQ(press(20, footY + 10), InspectorPress::None);
    EXPECT_EQ(first.dir, EAST);

    press(10, 25);
    EXPECT_TRUE(first.sourceRunning);
    EXPECT_TRUE(second.sourceRunning);
    press(10, 80 + 65 * 3);  // STEEL_PLATE
    EXPECT_EQ(first.sourceCargo, STEEL_PLATE);
    EXPECT_EQ(second.sourceCargo, STEEL_PLATE);

    // With a sink among them there is no shared panel: nothing is drawn, no press is taken.
    build(game, SINK, 20, 20);
    selection.toggle(game, 20, 20);
    draw();
    EXPECT_EQ(canvas.paintedBounds(), (SDL_Rect{0, 0, 0, 0}));
    EXPECT_EQ(press(10, 25), InspectorPress::None);
    EXPECT_TRUE(first.sourceRunning);
}
