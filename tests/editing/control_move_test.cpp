#include <gtest/gtest.h>

#include <string>

#include "editing/control_move.h"
#include "editing/multi_selection.h"
#include "editing/rotation.h"
#include "editing/test_session.h"

namespace {

// A right press on (x, y) and its release on (toX, toY), as the shell makes them.
bool dragControl(EditSession& session, int x, int y, int toX, int toY)
{
    MultiSelection selection;
    const MachineGroup picked = pickUpControl(session.game, selection, x, y);
    return dropControl(session.history, session.game, picked, toX, toY);
}

}  // namespace

TEST(ControlMove, AControlLandsWhereThePointerLetGo)
{
    EditSession session;
    Game& game = session.game;
    build(game, DISTRIBUTOR, 30, 30);  // second tile (30, 31)
    game.tileAt(30, 30).cargoRuleMask = 6;
    layTunnel(game, 40, 30, 45, 30, EAST);

    EXPECT_TRUE(canMoveControl(game, game.machineGroupAt(30, 31), 30, 32)) << "its own half counts as free";
    EXPECT_TRUE(dragControl(session, 30, 31, 30, 32));
    EXPECT_EQ(game.tileAt(30, 30).type, EMPTY);
    EXPECT_EQ(game.tileAt(30, 31).type, DISTRIBUTOR);
    EXPECT_EQ(game.tileAt(30, 31).cargoRuleMask, 6u) << "the settings travel";
    EXPECT_EQ(game.tileAt(30, 32).type, DISTRIBUTOR_SECOND);

    EXPECT_TRUE(dragControl(session, 40, 30, 41, 35));
    const Tile& entrance = game.tileAt(41, 35);
    const Tile& exit = game.tileAt(46, 35);
    ASSERT_EQ(entrance.type, TUNNEL);
    ASSERT_EQ(exit.type, TUNNEL_EXIT);
    EXPECT_EQ(entrance.tunnelPartnerX, 46);
    EXPECT_EQ(entrance.tunnelPartnerY, 35);
    EXPECT_EQ(exit.tunnelPartnerX, 41);
    EXPECT_EQ(exit.tunnelPartnerY, 35);
    EXPECT_EQ(game.tileAt(45, 30).type, EMPTY);
    EXPECT_EQ(session.history.size(), 2u);
    expectMapReadsBack(game);

    // Letting go where it was picked up, or where it does not fit, does nothing.
    const std::string before = mapText(game);
    EXPECT_FALSE(dragControl(session, 30, 31, 30, 31));
    EXPECT_FALSE(dragControl(session, 30, 31, 79, 59));
    EXPECT_FALSE(dragControl(session, 30, 31, 41, 35));
    EXPECT_FALSE(dragControl(session, 20, 20, 25, 25)) << "nothing stands there";
    EXPECT_EQ(mapText(game), before);
    EXPECT_EQ(session.history.size(), 2u);
}

TEST(ControlMove, CablesAndWiresGoAlong)
{
    Game game = emptyGame();
    build(game, COAL_GENERATOR, 0, 0);
    build(game, POWER_POLE, 3, 4);
    game.powerLinks = {{0, 0, 3, 4}};
    const MachineGroup pole = game.machineGroupAt(3, 4);
    EXPECT_TRUE(canMoveControl(game, pole, 6, 7));
    EXPECT_FALSE(canMoveControl(game, pole, 7, 8)) << "the cable would span more than 10 tiles";
    EXPECT_FALSE(moveControl(game, pole, 7, 8));
    EXPECT_TRUE(moveControl(game, pole, 6, 7));
    EXPECT_EQ(game.powerLinks[0], (Link{0, 0, 6, 7}));

    // Wires of any length go along; their other ends stay.
    build(game, ARM, 40, 30);
    setTile(game, 2, 50, SENSOR, EAST);
    build(game, LOGIC_NOT, 4, 50);
    game.signalMeasureLinks = {{2, 50, 40, 30}};
    game.signalControlLinks = {{4, 50, 40, 30}};
    feed5V(game, 10, 50, {{2, 50}, {4, 50}});
    ASSERT_TRUE(moveControl(game, game.machineGroupAt(40, 30), 75, 55));
    EXPECT_EQ(game.signalMeasureLinks[0], (Link{2, 50, 75, 55}));
    EXPECT_EQ(game.signalControlLinks[0], (Link{4, 50, 75, 55}));
    ASSERT_TRUE(moveControl(game, game.machineGroupAt(4, 50), 6, 52));
    EXPECT_EQ(game.signalControlLinks[0], (Link{6, 52, 75, 55}));
    EXPECT_EQ(game.dcLinks[1], (Link{10, 50, 6, 52}));
    EXPECT_EQ(offsetLinkForMove({1, 1, 2, 2, 1, 3}, game.machineGroupAt(6, 52), 7, 52), (Link{1, 1, 2, 2, 1, 3}));
    expectMapReadsBack(game);
}

TEST(ControlMove, OneUndoBringsBackControlWiresAndCargo)
{
    EditSession session;
    Game& game = session.game;
    build(game, ARM, 20, 20);
    CargoItem& held = game.items.emplace_back(20, 20, EAST, LOG);
    held.carried = true;
    held.posX = 21.0f;
    thrownItemOver(game, 30, 25).cargo = COAL;  // lands where the arm goes
    layBelt(game, 10, 10, EAST);
    game.items.emplace_back(10, 10, EAST, IRON_ORE);
    setTile(game, 15, 20, SENSOR, EAST);
    game.signalMeasureLinks = {{15, 20, 20, 20}};
    expectMapReadsBack(game);
    const std::string before = mapText(game);

    ASSERT_TRUE(dragControl(session, 20, 20, 30, 25));
    ASSERT_EQ(game.items.size(), 1u) << "the arm's item and the item on its new tile go";
    EXPECT_EQ(game.items[0].cargo, IRON_ORE);
    EXPECT_EQ(game.signalMeasureLinks[0], (Link{15, 20, 30, 25}));
    expectMapReadsBack(game);
    ASSERT_TRUE(session.history.undo(game));
    EXPECT_EQ(mapText(game), before);
}

TEST(ControlMove, BridgesMoveWithTheirDeckAndLeaveTheBeltUnderIt)
{
    Game game = emptyGame();
    buildBridgeEast(game, 20, 10);  // over free ground
    layBelt(game, 40, 10, NORTH);
    buildBridgeEast(game, 40, 10);  // over a belt
    layBelt(game, 24, 20, SOUTH);
    layBelt(game, 30, 20, EAST);
    layBelt(game, 36, 20, NONE);

    const MachineGroup overGround = game.machineGroupAt(20, 10);
    const MachineGroup overBelt = game.machineGroupAt(40, 10);
    EXPECT_TRUE(canMoveControl(game, overGround, 21, 10));
    EXPECT_FALSE(canMoveControl(game, overBelt, 41, 10)) << "the belt blocks the new entry ramp";
    EXPECT_TRUE(canMoveControl(game, overGround, 24, 20)) << "a deck crosses a belt";
    EXPECT_FALSE(canMoveControl(game, overGround, 30, 20)) << "a deck never runs along a belt";
    EXPECT_TRUE(canMoveControl(game, overGround, 36, 20)) << "a belt without a direction is crossed";

    ASSERT_TRUE(moveControl(game, overGround, 21, 10));
    EXPECT_EQ(game.tileAt(20, 10).type, BRIDGE);
    EXPECT_EQ(game.tileAt(21, 10).bridgePart, BRIDGE_DECK);
    EXPECT_EQ(game.tileAt(22, 10).bridgePart, BRIDGE_EXIT_RAMP);
    EXPECT_EQ(game.tileAt(19, 10), Tile{});
    EXPECT_EQ(game.deckTiles[tileIndex(20, 10)], Tile{});
    EXPECT_EQ(game.deckTiles[tileIndex(21, 10)].type, BELT);

    // Picked up by the belt under its deck, the bridge goes and the belt stays.
    ASSERT_TRUE(moveControl(game, game.machineGroupAt(40, 10), 24, 20));
    const Tile& left = game.tileAt(40, 10);
    EXPECT_EQ(left.type, BELT);
    EXPECT_EQ(left.dir, NORTH);
    EXPECT_EQ(left.bridgePart, BRIDGE_NONE);
    EXPECT_EQ(game.deckTiles[tileIndex(40, 10)], Tile{});
    const Tile& crossed = game.tileAt(24, 20);
    EXPECT_EQ(crossed.type, BELT);
    EXPECT_EQ(crossed.dir, SOUTH);
    EXPECT_EQ(crossed.bridgePart, BRIDGE_DECK);
    EXPECT_EQ(game.tileAt(23, 20).type, BRIDGE);
    expectMapReadsBack(game);
}

TEST(ControlMove, AnEjectorWithAnItemStaysWhereItIs)
{
    Game game = emptyGame();
    thrownItemOver(game, 12, 40);  // thrown by the ejector at (10, 40)
    const MachineGroup ejector = game.machineGroupAt(10, 40);
    EXPECT_TRUE(canMoveControl(game, ejector, 10, 45)) << "the footprint does not look at items";
    const std::string before = mapText(game);
    EXPECT_FALSE(moveControl(game, ejector, 10, 45));
    EXPECT_EQ(mapText(game), before);

    game.items.clear();
    EXPECT_TRUE(moveControl(game, ejector, 10, 45));
    expectMapReadsBack(game);
}

TEST(ControlMove, TheDropReadsTheControlAnew)
{
    EditSession session;
    Game& game = session.game;
    build(game, SOURCE, 10, 10).sourceRunning = true;
    layBeltRun(game, 11, 10, EAST, 5);
    build(game, SINK, 16, 10);
    build(game, SMELTER, 40, 40);

    MultiSelection selection;
    selection.toggle(game, 40, 40);
    const MachineGroup source = pickUpControl(game, selection, 10, 10);
    EXPECT_TRUE(selection.empty()) << "picking up a control empties the selection";
    runFor(game, 5.0f);
    const Tile running = game.tileAt(10, 10);
    ASSERT_GT(running.serialCounter, source.cells[0].tile.serialCounter);

    EXPECT_TRUE(stillStands(game, source));
    ASSERT_TRUE(dropControl(session.history, game, source, 10, 20));
    EXPECT_EQ(game.tileAt(10, 20).serialCounter, running.serialCounter);
    EXPECT_EQ(game.tileAt(10, 20).sourceProduced, running.sourceProduced);
    EXPECT_EQ(game.tileAt(10, 10).type, EMPTY);
    expectMapReadsBack(game);

    // A control that changed while carried is not moved.
    const MachineGroup smelter = pickUpControl(game, selection, 40, 40);
    ASSERT_TRUE(rotateAt(game, 40, 40));
    EXPECT_FALSE(stillStands(game, smelter));
    EXPECT_FALSE(dropControl(session.history, game, smelter, 45, 45));
    EXPECT_EQ(game.tileAt(40, 40).type, SMELTER);
    EXPECT_EQ(game.tileAt(45, 45).type, EMPTY);
    EXPECT_EQ(session.history.size(), 1u);
}
