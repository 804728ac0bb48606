#include <gtest/gtest.h>

#include "app/map_interaction.h"
#include "app/side_panel_wiring.h"
#include "editing/multi_selection.h"
#include "editing/undo_history.h"
#include "support/software_canvas.h"
#include "support/world_builders.h"
#include "ui/hud_layout.h"
#include "ui/text_probe.h"
#include "world/game.h"
#include "world/language.h"

namespace {

constexpr Rgba VALUE_TEXT{243, 245, 246, 255};

// The loop's state and a side panel 320 pixels wide at the window's right edge.
class SidePanel : public testing::Test {
  protected:
    void SetUp() override { setLanguage(GERMAN); }
    void TearDown() override { setLanguage(ENGLISH); }

    InspectorPress press(int dx, int dy)
    {
        return pressSidePanelInspector(state, game, history, selection, panel, panel.left + dx, panel.top + dy);
    }
    bool shows(std::string_view text, int dx, int dy)
    {
        canvas.clear({0, 0, 0, 255});
        drawSidePanelInspector(canvas.renderer(), panel, state, game, selection, sprites);
        return showsText(canvas, text, panel.left + dx, panel.top + dy, VALUE_TEXT);
    }

    Game game = emptyGame();
    UndoHistory history;
    LoopState state;
    MultiSelection selection;
    CargoTextures sprites{};
    ScreenRect panel = sidePanelContentRect(640, 600);
    SoftwareCanvas canvas{640, 600};
};

}  // namespace

TEST_F(SidePanel, EachPressIsOneUndoStepAndTheItemPanelKeepsItsCopy)
{
    layBelt(game, 10, 10, EAST);
    build(game, ARM, 12, 10);
    CargoItem& item = game.items.emplace_back(10, 10, EAST, IRON_PLATE);
    item.id = {12, 5, "OFEN"};
    game.nextMachineId = 13;  // machine 12 made it and has gone since
    expectMapReadsBack(game);

    ASSERT_TRUE(selectControlAt(state, game, 10, 10));
    EXPECT_EQ(press(8, 29), InspectorPress::Panel);  // speed 0
    EXPECT_EQ(game.tileAt(10, 10).beltSpeed, 0);
    EXPECT_EQ(history.size(), 1u);

    // The panel as a click on the item leaves it open (the map's tests click it).
    resetInteraction(state, game);
    state.itemPanelRecord = ItemRecord(item.id, {});
    state.itemPanelCargo = item.cargo;
    state.itemPanelOpen = true;
    game.items.front().id.label = "NEU";
    EXPECT_TRUE(shows("ID 12-OFEN-5", 10, 110)) << "the panel shows the identity of the click";

    EXPECT_EQ(press(100, 100), InspectorPress::Panel);
    EXPECT_EQ(history.size(), 1u) << "a press that changes nothing records nothing";
    EXPECT_EQ(press(10, 165), InspectorPress::ItemRemoved);
    EXPECT_TRUE(game.items.empty());
    EXPECT_FALSE(state.itemPanelOpen);
    EXPECT_EQ(history.size(), 2u);

    // The arm's signal button runs a recorded command: still one step.
    ASSERT_TRUE(selectControlAt(state, game, 12, 10));
    EXPECT_EQ(press(10, 438), InspectorPress::Panel);
    EXPECT_TRUE(game.tileAt(12, 10).armContinuous);
    EXPECT_EQ(history.size(), 3u);

    ASSERT_TRUE(history.undo(game));
    EXPECT_FALSE(game.tileAt(12, 10).armContinuous);
    ASSERT_TRUE(history.undo(game));
    EXPECT_EQ(game.items.size(), 1u);
    ASSERT_TRUE(history.undo(game));
    EXPECT_EQ(game.tileAt(10, 10).beltSpeed, 3);

    // Nothing selected and no item: the press is not the inspectors'.
    resetInteraction(state, game);
    EXPECT_EQ(press(10, 300), InspectorPress::None);
    expectMapReadsBack(game);
}
