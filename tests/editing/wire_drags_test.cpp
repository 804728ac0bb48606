#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing/interaction.h"
#include "editing/multi_selection.h"
#include "editing/test_session.h"
#include "editing/wire_drags.h"

namespace {

constexpr TileSpot UPPER{0, 0};
constexpr TileSpot LOWER{1, 3};
constexpr TileSpot THIRD_QUARTER{1, 2};

// The shell's side of the drags: the press inside its guard, one motion, the release.
struct DragSession : EditSession {
    Interaction interaction;
    MultiSelection selection;

    void press(Tool tool, int x, int y, TileSpot spot = {}, bool ctrl = false)
    {
        UndoGuard guard(history, game);
        beginWireDrag(interaction.wireDrag, game, tool, ctrl, x, y, spot, 0, 0);
    }
    WireDrop drag(Tool tool, int x, int y, int toX, int toY, TileSpot from = {}, TileSpot to = {}, bool ctrl = false,
                  bool overMap = true)
    {
        press(tool, x, y, from, ctrl);
        followWireDrag(interaction.wireDrag, toX, toY, 0, 0);
        return endWireDrag(interaction.wireDrag, game, history, selection, toX, toY, to, overMap);
    }
    bool moveEnd(LinkKind kind, int index, bool firstEnd, int x, int y, TileSpot spot = {})
    {
        interaction.linkEndDrag = {kind, index, firstEnd};
        return endLinkEndDrag(interaction.linkEndDrag, game, history, x, y, spot, true);
    }
};

}  // namespace

TEST(WireDrag, LaysTheWireSourceFirstWithTheHalfAndQuarterOfEachEnd)
{
    const struct {
        ControlType from, to;
        TileSpot pressSpot, releaseSpot;
        Link wire;
    } drags[] = {
        {SENSOR, SMELTER, UPPER, UPPER, {10, 10, 14, 10, 0, 0}},
        {LOGIC_AND, SIGNAL_LAMP, LOWER, UPPER, {10, 10, 14, 10, 0, 0}},
        {SIGNAL_LAMP, LOGIC_AND, UPPER, UPPER, {14, 10, 10, 10, 0, 0}},
        {SENSOR, LOGIC_AND, UPPER, LOWER, {10, 10, 14, 10, 1, 0}},
        {LOGIC_AND, SENSOR, LOWER, UPPER, {14, 10, 10, 10, 1, 0}},
        {LOGIC_STEPPER, SMELTER, UPPER, LOWER, {10, 10, 14, 10, 0, 0}},
        {LOGIC_STEPPER, SMELTER, THIRD_QUARTER, UPPER, {10, 10, 14, 10, 0, 2}},
        {SMELTER, LOGIC_STEPPER, UPPER, LOWER, {14, 10, 10, 10, 0, 3}},
    };
    for (const auto& d : drags) {
        DragSession s;
        setTile(s.game, 10, 10, d.from);
        setTile(s.game, 14, 10, d.to);
        EXPECT_EQ(s.drag(TOOL_BELT, 10, 10, 14, 10, d.pressSpot, d.releaseSpot), WireDrop::LINK_LAID);
        EXPECT_EQ(s.game.signalControlLinks, std::vector<Link>{d.wire}) << d.from << " to " << d.to;
        EXPECT_EQ(s.history.size(), 1u);
        EXPECT_TRUE(s.game.dcLinks.empty());
        expectMapReadsBack(s.game);
    }
}

TEST(WireDrag, RefusedCancelledAndPaintingDragsLayNothing)
{
    DragSession s;
    setTile(s.game, 10, 10, SENSOR);
    setTile(s.game, 10, 12, SENSOR);
    setTile(s.game, 14, 10, LOGIC_NOT);
    ASSERT_EQ(s.drag(TOOL_SELECT, 10, 10, 14, 10), WireDrop::LINK_LAID);

    // The preview asks without laying.
    s.press(TOOL_BELT, 10, 12);
    EXPECT_TRUE(followWireDrag(s.interaction.wireDrag, 14, 10, 300, 200));
    EXPECT_FALSE(followWireDrag(s.interaction.wireDrag, 15, 10, 310, 200)) << "only the first time";
    EXPECT_EQ(s.interaction.wireDrag.pointerX, 310);
    Link candidate;
    EXPECT_FALSE(addSignalLink(s.game, s.interaction.wireDrag, 14, 10, 0, 0, false, &candidate))
        << "the gate's input is driven already";
    EXPECT_EQ(candidate, (Link{10, 12, 14, 10, 0, 0}));
    EXPECT_EQ(endWireDrag(s.interaction.wireDrag, s.game, s.history, s.selection, 14, 10, {}, true), WireDrop::REFUSED);

    const std::string before = mapText(s.game);
    EXPECT_EQ(s.drag(TOOL_BELT, 10, 12, 14, 12), WireDrop::REFUSED) << "onto free ground";
    EXPECT_EQ(s.drag(TOOL_BELT, 10, 12, 14, 10, {}, {}, false, false), WireDrop::NONE) << "over the tool palette";
    EXPECT_EQ(s.drag(TOOL_DIRECTION, 10, 12, 14, 10), WireDrop::NONE) << "the direction tool paints";
    EXPECT_EQ(s.drag(TOOL_BELT, 14, 12, 10, 10), WireDrop::NONE) << "no drag starts on free ground";

    s.press(TOOL_BELT, 10, 12);
    followWireDrag(s.interaction.wireDrag, 14, 10, 0, 0);
    EXPECT_FALSE(cancelWireDrag(s.interaction, s.game)) << "a wheel turn; no button held";
    EXPECT_EQ(endWireDrag(s.interaction.wireDrag, s.game, s.history, s.selection, 14, 10, {}, true), WireDrop::NONE);
    EXPECT_TRUE(mapText(s.game) == before);
    EXPECT_EQ(s.history.size(), 1u);
}

TEST(WireDrag, CtrlDragsLayFiveVoltCablesAndCtrlClicksSelect)
{
    DragSession s;
    setTile(s.game, 30, 30, POWER_SUPPLY);
    setTile(s.game, 34, 30, LOGIC_OR);
    setTile(s.game, 34, 32, SMELTER);
    EXPECT_EQ(s.drag(TOOL_BELT, 30, 30, 34, 30, {}, {}, true), WireDrop::LINK_LAID);
    EXPECT_EQ(s.drag(TOOL_BELT, 30, 30, 34, 30, {}, {}, true), WireDrop::REFUSED) << "a drag never removes";
    EXPECT_EQ(s.drag(TOOL_BELT, 34, 30, 30, 30, {}, {}, true), WireDrop::REFUSED) << "nor lays it twice";
    EXPECT_EQ(s.drag(TOOL_BELT, 30, 30, 34, 32, {}, {}, true), WireDrop::REFUSED) << "a smelter takes no 5V";
    EXPECT_EQ(s.game.dcLinks, (std::vector<Link>{{30, 30, 34, 30, 0, 0}}));
    EXPECT_TRUE(s.game.signalControlLinks.empty());

    EXPECT_EQ(s.drag(TOOL_BELT, 30, 30, 30, 30, {}, {}, true), WireDrop::SELECTION_TOGGLED);
    ASSERT_EQ(s.selection.entries.size(), 1u);
    EXPECT_EQ(s.selection.entries[0].anchorX, 30);

    ASSERT_EQ(s.history.size(), 1u);
    ASSERT_TRUE(s.history.undo(s.game));
    EXPECT_TRUE(s.game.dcLinks.empty());
}

TEST(WireDrag, ASwitchFlipsOnAClickAndWiresOnADrag)
{
    DragSession s;
    setTile(s.game, 20, 20, LOGIC_SWITCH);
    setTile(s.game, 24, 20, SMELTER);
    s.press(TOOL_BELT, 20, 20);
    ASSERT_TRUE(workSwitchOrButton(s.interaction, s.game, s.history, 20, 20, s.interaction.wireDrag.active()));
    EXPECT_FALSE(s.game.tileAt(20, 20).switchOn) << "it waits for the release";
    EXPECT_EQ(endWireDrag(s.interaction.wireDrag, s.game, s.history, s.selection, 20, 20, {}, true),
              WireDrop::SWITCH_TOGGLED);
    EXPECT_TRUE(s.game.tileAt(20, 20).switchOn);

    EXPECT_EQ(s.drag(TOOL_BELT, 20, 20, 24, 20), WireDrop::LINK_LAID);
    EXPECT_TRUE(s.game.tileAt(20, 20).switchOn) << "a drag leaves the switch as it was";
    EXPECT_EQ(s.history.size(), 2u);
    ASSERT_TRUE(s.history.undo(s.game));
    ASSERT_TRUE(s.history.undo(s.game));
    EXPECT_FALSE(s.game.tileAt(20, 20).switchOn);
}

TEST(LinkEnds, AMovedEndKeepsTheRulesOfItsLink)
{
    DragSession s;
    Game& game = s.game;
    setTile(game, 10, 20, COAL_GENERATOR);
    setTile(game, 15, 20, POWER_POLE);
    setTile(game, 20, 20, POWER_POLE);
    setTile(game, 21, 20, POWER_POLE);
    game.powerLinks.push_back({10, 20, 15, 20, 0, 0});
    EXPECT_FALSE(s.moveEnd(POWER_CABLE, 0, false, 21, 20)) << "11 tiles";
    EXPECT_FALSE(s.moveEnd(POWER_CABLE, 0, false, 10, 20)) << "both ends on one tile";
    EXPECT_FALSE(s.moveEnd(POWER_CABLE, 0, false, 12, 20)) << "free ground";
    EXPECT_TRUE(s.moveEnd(POWER_CABLE, 0, false, 20, 20)) << "10 tiles";
    EXPECT_EQ(game.powerLinks[0], (Link{10, 20, 20, 20, 0, 0}));

    setTile(game, 10, 30, SENSOR);
    setTile(game, 14, 30, SMELTER);
    setTile(game, 14, 32, OVEN);
    setTile(game, 10, 34, SENSOR);
    game.signalMeasureLinks.push_back({10, 30, 14, 30, 0, 0});
    EXPECT_FALSE(s.moveEnd(MEASURE_WIRE, 0, false, 10, 34)) << "the sensor would be the second end";
    EXPECT_FALSE(s.moveEnd(MEASURE_WIRE, 0, true, 14, 32)) << "no sensor left";
    EXPECT_TRUE(s.moveEnd(MEASURE_WIRE, 0, true, 10, 34));
    EXPECT_TRUE(s.moveEnd(MEASURE_WIRE, 0, false, 14, 32));
    EXPECT_EQ(game.signalMeasureLinks[0], (Link{10, 34, 14, 32, 0, 0}));

    setTile(game, 10, 40, SENSOR);
    setTile(game, 10, 42, SENSOR);
    setTile(game, 14, 40, LOGIC_AND);
    setTile(game, 14, 42, ARM, EAST).armPendingJobs = 2;
    game.signalControlLinks.push_back({10, 40, 14, 40, 0, 0});
    game.signalControlLinks.push_back({10, 42, 14, 42, 0, 0});
    setTile(game, 18, 40, LOGIC_NOT);
    game.signalControlLinks.push_back({14, 40, 18, 40, 0, 0});
    EXPECT_FALSE(s.moveEnd(SWITCH_WIRE, 1, false, 14, 40, UPPER)) << "input A is driven";
    EXPECT_TRUE(s.moveEnd(SWITCH_WIRE, 1, false, 14, 40, LOWER));
    EXPECT_EQ(game.signalControlLinks[1], (Link{10, 42, 14, 40, 1, 0}));
    EXPECT_EQ(game.tileAt(14, 42).armPendingJobs, 0) << "no wire reaches the arm any more";
    EXPECT_FALSE(s.moveEnd(SWITCH_WIRE, 0, true, 18, 40)) << "a loop";

    setTile(game, 30, 40, POWER_SUPPLY);
    setTile(game, 34, 40, SIGNAL_LAMP);
    game.dcLinks.push_back({30, 40, 10, 40, 0, 0});
    game.dcLinks.push_back({30, 40, 34, 40, 0, 0});
    EXPECT_FALSE(s.moveEnd(DC_CABLE, 1, false, 10, 40)) << "that cable is there";
    EXPECT_FALSE(s.moveEnd(DC_CABLE, 5, false, 10, 42)) << "no such cable";
    EXPECT_TRUE(s.moveEnd(DC_CABLE, 1, false, 10, 42));
    expectMapReadsBack(game);

    EXPECT_EQ(s.history.size(), 5u);
    EXPECT_FALSE(s.interaction.linkEndDrag.active());
    s.interaction.linkEndDrag = {POWER_CABLE, 0, true};
    EXPECT_FALSE(endLinkEndDrag(s.interaction.linkEndDrag, game, s.history, 15, 20, {}, false)) << "off the view";
    ASSERT_TRUE(s.history.undo(game));
    EXPECT_EQ(game.dcLinks[1], (Link{30, 40, 34, 40, 0, 0}));
}
