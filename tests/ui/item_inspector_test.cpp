#include <gtest/gtest.h>

#include <vector>

#include "inspector_bench.h"
#include "ui/item_inspector.h"

TEST(ItemInspector, TheIdentityNamesMachineLabelAndSerialOrNothing)
{
    struct Case {
        ItemId id;
        std::string text;
    };
    for (const Case& c : std::vector<Case>{{{12, 5, ""}, "ID 12-5"},
                                           {{12, 5, "OFEN"}, "ID 12-OFEN-5"},
                                           {{0, 0, ""}, "ID -"},
                                           {{0, 5, "OFEN"}, "ID -"},
                                           {{12, 0, ""}, "ID -"},
                                           {{18446744073709551615u, 1, ""}, "ID 18446744073709551615-1"}}) {
        EXPECT_EQ(itemIdentityText(c.id), c.text);
    }

    // Forty label characters, a four-digit machine and a five-digit serial: 54 characters, 50 on the first line.
    const std::string text = itemIdentityText({1234, 56789, std::string(40, 'L')});
    ASSERT_EQ(text.size(), 54u);
    const IdentityLines lines = identityLines(text, 320);
    EXPECT_EQ(lines.first, text.substr(0, 50));
    EXPECT_EQ(lines.second, "6789");
    EXPECT_EQ(identityLines("ID 12-5", 320).second, "");
}

using ItemPanel = InspectorBench;

TEST_F(ItemPanel, ShowsTheCopyTakenAtTheClick)
{
    itemOpen = true;
    itemCargo = PLASTIC_GEAR;
    itemId = {12, 5, "OFEN"};
    draw();
    EXPECT_TRUE(shows("FOERDERGUT", 10, 8, PANEL_TEXT));
    EXPECT_EQ(frameAt(12, 30), PLAIN_FRAME);
    EXPECT_TRUE(shows("TYP", 90, 40, {151, 170, 179, 255}));
    EXPECT_TRUE(shows("KUNSTSTOFF-ZAHNRAD", 90, 60, VALUE_TEXT));
    EXPECT_TRUE(shows("ID 12-OFEN-5", 10, 110, VALUE_TEXT));
    EXPECT_EQ(frameAt(10, 165), RED_FRAME);
    EXPECT_TRUE(shows("GUT LOESCHEN", 20, 176, VALUE_TEXT));

    // A kind out of range draws no name and no sprite.
    itemCargo = 40;
    draw();
    EXPECT_EQ(frameAt(90, 60), PANEL_FILL);
}

TEST_F(ItemPanel, DeletingTakesTheItemOnceAndAGoneItemKeepsThePanelAsItWas)
{
    game.items.emplace_back(4, 4, EAST, COAL);
    game.items.emplace_back(5, 4, EAST, IRON_INGOT).id = {12, 5, ""};
    itemOpen = true;
    itemCargo = IRON_INGOT;
    itemId = {12, 5, ""};

    EXPECT_EQ(press(300, 100), InspectorPress::Panel);  // off the button
    EXPECT_EQ(game.items.size(), 2u);
    EXPECT_EQ(press(10, 165), InspectorPress::ItemRemoved);
    EXPECT_EQ(game.items.size(), 1u);
    EXPECT_FALSE(itemOpen);
    EXPECT_EQ(itemId, ItemId{});

    // Sold or consumed since the click: nothing changes and the panel stays.
    itemOpen = true;
    itemId = {12, 5, ""};
    EXPECT_EQ(press(309, 196), InspectorPress::Panel);
    EXPECT_TRUE(itemOpen);
    EXPECT_EQ(itemId, (ItemId{12, 5, ""}));
    EXPECT_EQ(game.items.size(), 1u);

    // An anonymous item names none.
    itemId = {};
    EXPECT_EQ(press(10, 165), InspectorPress::Panel);
    EXPECT_EQ(game.items.size(), 1u);
    EXPECT_TRUE(itemOpen);
}
