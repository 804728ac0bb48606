#include <gtest/gtest.h>

#include <vector>

#include "inspector_bench.h"
#include "ui/transport_inspectors.h"

TEST(TransportInspectors, DirectionsReadFromTilesAreNamedBehindARangeTest)
{
    struct Case {
        Direction direction;
        std::string_view letter;
        std::string_view name;
    };
    for (const Case& c : std::vector<Case>{{NONE, "-", ""},
                                           {NORTH, "N", "NORD"},
                                           {EAST, "O", "OST"},
                                           {SOUTH, "S", "SUED"},
                                           {WEST, "W", "WEST"},
                                           {5, "-", ""},
                                           {-1, "-", ""},
                                           {1000, "-", ""}}) {
        EXPECT_EQ(directionLetter(c.direction), c.letter) << c.direction;
        EXPECT_EQ(directionName(c.direction), c.name) << c.direction;
    }
    EXPECT_EQ(shopEntranceText(NORTH), "EINGANG S  |  DREHEN ZUM AENDERN");
    EXPECT_EQ(shopEntranceText(WEST), "EINGANG O  |  DREHEN ZUM AENDERN");
    EXPECT_EQ(shopEntranceText(EAST), "EINGANG W  |  DREHEN ZUM AENDERN");
    EXPECT_EQ(shopEntranceText(9), "EINGANG -  |  DREHEN ZUM AENDERN");

    // Each priority button names the side traffic comes from and stores the side it goes to.
    const std::vector<int> stored = {beltPriorityOf(0), beltPriorityOf(1), beltPriorityOf(2), beltPriorityOf(3),
                                     beltPriorityOf(4)};
    EXPECT_EQ(stored, (std::vector<int>{0, SOUTH, WEST, NORTH, EAST}));
    EXPECT_EQ(beltPriorityLabel(1), "N");
    EXPECT_EQ(beltPriorityLabel(5), "");

    // A vertical arm offers north and south, a horizontal one east and west, one without a direction nothing.
    EXPECT_EQ(armSideDirection(NORTH, 1), SOUTH);
    EXPECT_EQ(armReturnLabel(NORTH, 1), "NORD");
    EXPECT_EQ(armReturnLabel(NORTH, 2), "SUED");
    EXPECT_EQ(armReturnLabel(EAST, 2), "WEST");
    EXPECT_EQ(armReturnLabel(NONE, 1), "");
    EXPECT_EQ(armReturnLabel(EAST, 0), "AUTOMATISCH");
    EXPECT_EQ(armSideDirection(7, 0), NONE);
}

using BeltInspector = InspectorBench;

TEST_F(BeltInspector, SpeedZeroStopsTheCreditOfItemsOnBothLayersAndPriorityLeavesThem)
{
    Tile& belt = layBelt(game, 12, 10, SOUTH);  // crossing under the deck
    buildBridgeEast(game, 12, 10);
    game.items.emplace_back(12, 10, SOUTH, LOG).speedCredit = 5;
    CargoItem& deck = game.items.emplace_back(12, 10, EAST, COAL);
    deck.layer = 1;
    deck.speedCredit = 5;
    interaction.selection = {{12, 10, BELT}, InspectorPanel::BELT};

    EXPECT_EQ(press(8, 29), InspectorPress::Panel);
    EXPECT_EQ(belt.beltSpeed, 0);
    EXPECT_EQ(game.items[0].speedCredit, 0);
    EXPECT_EQ(game.items[1].speedCredit, 0);
    draw();
    EXPECT_EQ(frameAt(8, 29), GREEN_FRAME);
    EXPECT_EQ(frameAt(8 + 3 * 38, 29), PLAIN_FRAME);
    EXPECT_TRUE(shows("0", 21, 41, VALUE_TEXT));

    game.items[0].speedCredit = 5;
    game.items[1].speedCredit = 5;
    EXPECT_EQ(press(8 + 59 + 51 - 1, 147), InspectorPress::Panel);  // "N"
    EXPECT_EQ(belt.beltPriority, SOUTH);
    EXPECT_EQ(game.items[0].speedCredit, 5);
    EXPECT_EQ(game.items[1].speedCredit, 5);
    press(8, 29);
    EXPECT_EQ(game.items[0].speedCredit, 0) << "the level the belt has already restarts the items too";
    draw();
    EXPECT_EQ(frameAt(8 + 59, 116), GREEN_FRAME);
    EXPECT_EQ(frameAt(8, 116), PLAIN_FRAME);
    EXPECT_TRUE(shows("N", 8 + 59 + 23, 128, VALUE_TEXT));
    EXPECT_TRUE(shows("VORFAHRT VON", 10, 96, VALUE_TEXT));

    // Priority 2 lights "W"; "AUTO" stores 0.
    belt.beltPriority = EAST;
    draw();
    EXPECT_EQ(frameAt(8 + 4 * 59, 116), GREEN_FRAME);
    press(8, 116);
    EXPECT_EQ(belt.beltPriority, 0);
    expectMapReadsBack(game);
}

using ArmInspector = InspectorBench;

TEST_F(ArmInspector, AFullFilterShowsEveryKindGreenAndAllLit)
{
    build(game, ARM, 20, 20);
    select(20, 20);
    draw();
    for (int cell = 0; cell < CARGO_TYPE_COUNT; ++cell)
        EXPECT_EQ(frameAt(10 + 100 * (cell % 3), 25 + 56 * (cell / 3)), GREEN_FRAME) << cell;
    EXPECT_EQ(frameAt(110, 25 + 56 * 4), GREEN_FRAME);  // ALL
    EXPECT_EQ(frameAt(210, 25 + 56 * 4), PLAIN_FRAME);  // NONE
    EXPECT_TRUE(shows("GREIFARM", 10, 8, PANEL_TEXT));
    EXPECT_TRUE(shows("OST", 10 + 36, 352, VALUE_TEXT));
    EXPECT_TRUE(shows("SIGNAL: EINZELAUFTRAG", 18, 449, PANEL_TEXT));

    // NONE empties the filter: all red, NONE lit.
    press(210, 25 + 56 * 4);
    EXPECT_EQ(game.tileAt(20, 20).armCargoFilter, 0u);
    draw();
    for (int cell = 0; cell < CARGO_TYPE_COUNT; ++cell)
        EXPECT_EQ(frameAt(10 + 100 * (cell % 3), 25 + 56 * (cell / 3)), RED_FRAME) << cell;
    EXPECT_EQ(frameAt(210, 25 + 56 * 4), GREEN_FRAME);
}

TEST_F(ArmInspector, SinglePressesSetTheArmAndTheSignalButtonIsOneUndoStep)
{
    Tile& arm = build(game, ARM, 20, 20);
    select(20, 20);
    press(10 + 100 + 5, 25 + 5);  // PLANKS off
    EXPECT_EQ(arm.armCargoFilter, ALL_CARGO & ~cargoBit(PLANKS));
    press(110, 25 + 56 * 4);  // ALL
    EXPECT_EQ(arm.armCargoFilter, ALL_CARGO);
    press(10 + 100, 319);  // the side behind the arm: west
    EXPECT_EQ(arm.armSideMask & (1u << WEST), 0u);
    EXPECT_NE(arm.armSideMask & (1u << EAST), 0u);
    press(210, 396);  // return away from the arm's direction
    EXPECT_EQ(arm.armHomeMode, 2);

    arm.armPendingJobs = 2;
    EXPECT_TRUE(history.empty());
    press(10, 438);
    EXPECT_TRUE(arm.armContinuous);
    EXPECT_EQ(arm.armPendingJobs, 0);
    EXPECT_EQ(history.size(), 1u);
    expectMapReadsBack(game);
}

TEST_F(ArmInspector, OneSelectionPressMakesAFilterBitEqualOnEveryArm)
{
    Tile& first = build(game, ARM, 20, 20);
    Tile& second = build(game, LONG_ARM, 30, 20);
    second.armCargoFilter = ALL_CARGO & ~cargoBit(COAL);
    selectAll({{20, 20}, {30, 20}});

    // The first arm has COAL: the press clears it on both.
    press(210 + 5, 25 + 5);
    EXPECT_FALSE(maskHasCargo(first.armCargoFilter, COAL));
    EXPECT_FALSE(maskHasCargo(second.armCargoFilter, COAL));
    press(210 + 5, 25 + 5);
    EXPECT_TRUE(maskHasCargo(first.armCargoFilter, COAL));
    EXPECT_TRUE(maskHasCargo(second.armCargoFilter, COAL));

    // The signal button gives both the opposite of the first arm's flag.
    second.armContinuous = true;
    press(10, 438);
    EXPECT_TRUE(first.armContinuous);
    EXPECT_TRUE(second.armContinuous);

    // NONE writes every selected arm; a press on no button changes nothing.
    press(210, 25 + 56 * 4);
    EXPECT_EQ(first.armCargoFilter, 0u);
    EXPECT_EQ(second.armCargoFilter, 0u);
    const Game before = game;
    EXPECT_EQ(press(305, 300), InspectorPress::None);
    EXPECT_TRUE(game.tiles == before.tiles);
}

using StorageAndShopInspectors = InspectorBench;

TEST_F(StorageAndShopInspectors, AFullStorageCountsItsKindsAndPressesFlipItsSwitches)
{
    Tile& storage = build(game, STORAGE, 15, 15);
    for (int i = 0; i < 100; ++i) {
        storage.storageCargo.push_back(i % 3 == 0 ? IRON_ORE : PLASTIC_GEAR);
        storage.storageItems.push_back(ItemRecord{});
    }
    EXPECT_EQ(storedCount(storage, IRON_ORE), 34);
    EXPECT_EQ(storedCount(storage, IRON_ORE) + storedCount(storage, PLASTIC_GEAR), 100);
    EXPECT_EQ(storageStockText(100), "BESTAND 100 VON 100");
    select(15, 15);
    draw();
    EXPECT_TRUE(shows("BESTAND 100 VON 100", 10, 428, PANEL_TEXT));
    EXPECT_TRUE(shows("AUSGABE AUS", 18, 398, PANEL_TEXT));
    EXPECT_EQ(frameAt(10, 390), RED_FRAME);

    press(10, 390);
    EXPECT_TRUE(storage.storageOutputOn);
    press(10 + 100, 55);
    EXPECT_FALSE(maskHasCargo(storage.storageAcceptMask, PLANKS));
    draw();
    EXPECT_EQ(frameAt(110, 55), RED_FRAME);
    EXPECT_EQ(frameAt(10, 390), GREEN_FRAME);

    Tile& shop = build(game, SHOP, 40, 15);
    select(40, 15);
    press(10, 55 + 65 * 4);  // PLASTIC_GEAR
    EXPECT_FALSE(maskHasCargo(shop.shopAcceptMask, PLASTIC_GEAR));
    draw();
    EXPECT_TRUE(shows("EINGANG W  |  DREHEN ZUM AENDERN", 10, 31, PANEL_TEXT));
    EXPECT_TRUE(shows("1350 EUR", 15, 55 + 65 * 4 + 43, PANEL_TEXT));
    EXPECT_EQ(frameAt(10, 55 + 65 * 4), RED_FRAME);
    expectMapReadsBack(game);
}
