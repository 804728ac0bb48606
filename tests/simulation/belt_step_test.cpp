#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "audio/sound_engine.h"
#include "support/world_builders.h"

namespace {

// Where a lone item on an east-bound run of the given level stands after each belt step.
std::vector<int> positionsOnBelt(int level, int steps)
{
    Game game = emptyGame();
    layBeltRun(game, 10, 10, EAST, 40, level);
    itemAtPosition(game, 10, 10, EAST, COAL);
    std::vector<int> xs;
    for (int i = 0; i < steps; ++i) {
        runBeltStep(game);
        xs.push_back(game.items[0].x);
    }
    return xs;
}

// A powered distributor at (20, 10) facing east, its second tile at (20, 11),
// with a belt tile on each lane.
Game distributorWorld()
{
    Game game = emptyGame();
    build(game, DISTRIBUTOR, 20, 10);
    supplyPower(game, 20, 10);
    supplyPower(game, 20, 11);
    layBelt(game, 21, 10, EAST);
    layBelt(game, 21, 11, EAST);
    return game;
}

struct EjectorSound : SoundEngine {
    int hits = 0;
    void playEjectorHit(std::uint32_t, float, float) override { ++hits; }
};

}  // namespace

TEST(BeltStep, EachSpeedLevelKeepsItsRhythm)
{
    EXPECT_EQ(positionsOnBelt(3, 4), (std::vector<int>{11, 12, 13, 14}));
    EXPECT_EQ(positionsOnBelt(1, 6), (std::vector<int>{10, 10, 11, 11, 11, 12}));
    EXPECT_EQ(positionsOnBelt(2, 6), (std::vector<int>{10, 11, 12, 12, 13, 14}));
    EXPECT_EQ(positionsOnBelt(5, 2), (std::vector<int>{11, 13}));

    Game game = emptyGame();
    layBeltRun(game, 10, 10, EAST, 4, 2);
    itemAtPosition(game, 10, 10, EAST, COAL);
    std::vector<int> credits;
    for (int i = 0; i < 3; ++i) {
        game.stepItems(BeltPass::Full);
        credits.push_back(game.items[0].speedCredit);
    }
    EXPECT_EQ(credits, (std::vector<int>{2, 1, 0})) << "granted 2, 4 and 3; moves at 4 and at 3";
}

TEST(BeltStep, StoppedBeltNeitherMovesNorSavesUp)
{
    Game game = emptyGame();
    layBeltRun(game, 10, 10, EAST, 5, 0);
    itemAtPosition(game, 10, 10, EAST, COAL);
    for (int i = 0; i < 5; ++i)
        runBeltStep(game);
    EXPECT_EQ(game.items[0].x, 10);
    EXPECT_EQ(game.items[0].speedCredit, 0);
}

TEST(BeltStep, FastBeltSpendsSavedCreditOnSeveralTilesInOneStep)
{
    Game game = emptyGame();
    layBelt(game, 10, 10, EAST, 5);  // ends at empty ground: the item saves up
    itemAtPosition(game, 10, 10, EAST, COAL);
    for (int i = 0; i < 3; ++i)
        runBeltStep(game);
    EXPECT_EQ(game.items[0].speedCredit, 9);

    layBeltRun(game, 11, 10, EAST, 10, 5);
    runBeltStep(game);
    EXPECT_EQ(game.items[0].x, 13);
    EXPECT_EQ(game.items[0].speedCredit, 0);
}

TEST(BeltStep, ItemSlowsDownOntoASlowerBelt)
{
    Game game = emptyGame();
    layBelt(game, 10, 10, EAST, 3);
    layBelt(game, 11, 10, EAST, 1);
    itemAtPosition(game, 10, 10, EAST, COAL);
    game.stepItems(BeltPass::Full);
    ASSERT_EQ(game.items[0].path.size(), 1u);
    EXPECT_FLOAT_EQ(game.items[0].path.front().speed, 1.7f / 3.0f);
    EXPECT_EQ(game.items[0].speedCredit, 0);
}

TEST(BeltStep, AnItemTakenOffTheMapBetweenStepsNoLongerBlocksItsTile)
{
    Game game = emptyGame();
    layBeltRun(game, 10, 10, EAST, 2);  // the run ends at empty ground: the front item stays
    itemAtPosition(game, 11, 10, EAST, COAL);
    itemAtPosition(game, 30, 30, EAST, LOG);  // stands on empty ground and never moves
    game.stepItems(BeltPass::Full);
    ASSERT_EQ(game.items[0].x, 11);

    game.items.erase(game.items.begin());  // the item on the belt end is gone; the other one takes its list place
    itemAtPosition(game, 10, 10, EAST, COAL);
    game.stepItems(BeltPass::Full);
    EXPECT_EQ(game.items[1].x, 11) << "the tile ahead is free now";
}

TEST(BeltStep, WithoutItemsTheFirstPassStillCountsAndEmits)
{
    Game game = emptyGame();
    Tile& kiln = setTile(game, 5, 5, OVEN, EAST);
    kiln.ovenOutputCount = 1;
    kiln.ovenHeld = 1;
    layBelt(game, 6, 5, EAST);
    game.stepItems(BeltPass::FollowUp);
    EXPECT_EQ(game.stepCount, 0u);
    EXPECT_TRUE(game.items.empty());
    game.stepItems(BeltPass::Full);
    EXPECT_EQ(game.stepCount, 1u);
    EXPECT_EQ(game.items.size(), 1u);
}

TEST(Distributor, AlternatesAndTakesTheFreeLaneWhenThePreferredOneIsStuck)
{
    Game game = distributorWorld();
    layBeltRun(game, 21, 10, EAST, 10);
    layBeltRun(game, 21, 11, EAST, 10);
    layBeltRun(game, 16, 10, EAST, 4);
    for (int x = 16; x <= 19; ++x)
        itemAtPosition(game, x, 10, EAST, LOG);
    for (int i = 0; i < 8; ++i)
        runBeltStep(game);
    // The first item out went straight, the next to the side, and so on.
    EXPECT_EQ(game.items[3].y, 10);
    EXPECT_EQ(game.items[2].y, 11);
    EXPECT_EQ(game.items[1].y, 10);
    EXPECT_EQ(game.items[0].y, 11);

    // The side lane is next but its first tile holds an item that cannot move.
    Game stuck = distributorWorld();  // the side lane leads onto empty ground
    stuck.tileAt(20, 10).lastSideB = true;
    itemAtPosition(stuck, 21, 11, EAST, COAL);
    itemAtPosition(stuck, 20, 10, EAST, LOG);
    stuck.stepItems(BeltPass::Full);
    EXPECT_EQ(stuck.items[1].x, 21);
    EXPECT_EQ(stuck.items[1].y, 10) << "left by the straight lane in the same step";
    EXPECT_TRUE(stuck.tileAt(20, 10).lastSideB);
}

TEST(Distributor, TakesTheStraightLaneWhenTheSideLaneMayNotBePlannedAtAll)
{
    // The side lane's first tile is a junction that another item is already
    // gliding into from the south, so the side move is not even planned.
    Game game = distributorWorld();
    game.tileAt(20, 10).lastSideB = true;
    layBelt(game, 22, 11, WEST);
    layBelt(game, 21, 12, NORTH);
    CargoItem& crossing = itemAtPosition(game, 21, 12, NORTH, COAL);
    crossing.path.push_back(PathPoint{21, 11, 1.0f, EAST, false});
    itemAtPosition(game, 20, 10, EAST, LOG);
    game.stepItems(BeltPass::Full);
    EXPECT_EQ(game.items[1].x, 21);
    EXPECT_EQ(game.items[1].y, 10);
}

TEST(Distributor, SignalModeWaitsForItsLane)
{
    Game game = distributorWorld();
    Tile& distributor = game.tileAt(20, 10);
    distributor.modeSignal = true;
    distributor.signalSelectsB = true;
    itemAtPosition(game, 21, 11, EAST, COAL);  // stuck on the side lane
    itemAtPosition(game, 20, 10, EAST, LOG);
    runBeltStep(game);
    EXPECT_EQ(game.items[1].x, 20) << "signal mode has no other lane";

    game.tileAt(20, 10).signalSelectsB = false;
    runBeltStep(game);
    EXPECT_EQ(game.items[1].x, 21);
    EXPECT_EQ(game.items[1].y, 10);
}

TEST(Distributor, SideExitJumpsOverTheSecondTile)
{
    Game game = distributorWorld();
    game.tileAt(20, 10).lastSideB = true;
    itemAtPosition(game, 20, 10, EAST, LOG);
    game.stepItems(BeltPass::Full);
    const CargoItem& item = game.items[0];
    EXPECT_EQ(item.x, 21);
    EXPECT_EQ(item.y, 11);
    EXPECT_EQ(item.dir, EAST);
    ASSERT_EQ(item.path.size(), 2u);
    EXPECT_EQ(item.path[0], (PathPoint{20, 11, JUMP_SPEED, EAST, false}));
    EXPECT_EQ(item.path[1].x, 21);
    EXPECT_EQ(item.path[1].y, 11);
    EXPECT_FALSE(game.tileAt(20, 10).lastSideB);
}

TEST(Distributor, WithoutPowerItHoldsItsItem)
{
    Game game = distributorWorld();
    game.tileAt(20, 10).powerSupplied = false;
    itemAtPosition(game, 20, 10, EAST, LOG);
    runBeltStep(game);
    EXPECT_EQ(game.items[0].x, 20);
}

TEST(Bridge, ItemsAlongTheBridgeClimbOnTheDeckAndCrossingItemsStayBelow)
{
    Game game = emptyGame();
    layBelt(game, 29, 50, EAST);
    buildBridgeEast(game, 31, 50);
    layBelt(game, 33, 50, EAST);
    layBelt(game, 31, 49, SOUTH);
    layBelt(game, 31, 51, SOUTH);
    Tile& under = game.tileAt(31, 50);
    under.type = BELT;
    under.dir = SOUTH;
    itemAtPosition(game, 30, 50, EAST, LOG);
    itemAtPosition(game, 31, 49, SOUTH, COAL);
    game.items[0].speedCredit = 3;
    game.items[1].speedCredit = 3;
    game.stepItems(BeltPass::FollowUp);
    EXPECT_EQ(game.items[0].x, 31);
    EXPECT_EQ(game.items[0].layer, 1);
    EXPECT_EQ(game.items[1].y, 50);
    EXPECT_EQ(game.items[1].layer, 0);

    runBeltStep(game);
    EXPECT_EQ(game.items[0].x, 32);
    EXPECT_EQ(game.items[0].layer, 0);
}

TEST(Tunnel, ItemTravelsInsideAndComesOutWhenTheExitIsFree)
{
    Game game = emptyGame();
    layBelt(game, 19, 45, EAST);
    layTunnel(game, 20, 45, 23, 45, EAST);  // length 5: slots 1..4
    layBeltRun(game, 24, 45, EAST, 5);
    itemAtPosition(game, 19, 45, EAST, LOG);
    game.items[0].speedCredit = 3;
    game.stepItems(BeltPass::FollowUp);
    EXPECT_EQ(game.items[0].x, 20);
    EXPECT_EQ(game.items[0].tunnelProgress, 4);

    for (int advance = 1; advance <= 3; ++advance) {
        game.indexTunnelItems();
        EXPECT_EQ(game.items[0].tunnelProgress, 4 - advance);
    }
    game.indexTunnelItems();
    const CargoItem& out = game.items[0];
    EXPECT_EQ(out.x, 23);
    EXPECT_EQ(out.tunnelProgress, 0);
    EXPECT_TRUE(out.leavingTunnel);
    EXPECT_EQ(out.dir, EAST);

    runBeltStep(game);
    EXPECT_EQ(game.items[0].x, 24);
    EXPECT_FALSE(game.items[0].leavingTunnel);
}

TEST(Tunnel, QueueClosesUpBehindABlockedExitAndTheEntryWaits)
{
    Game game = emptyGame();
    layBeltRun(game, 14, 45, EAST, 6);
    layTunnel(game, 20, 45, 23, 45, EAST);  // the exit leads onto empty ground
    itemAtPosition(game, 23, 45, EAST, COAL);
    for (int x = 14; x <= 19; ++x)
        itemAtPosition(game, x, 45, EAST, LOG);
    for (int i = 0; i < 12; ++i)
        runBeltStep(game);

    std::vector<int> inside;
    for (const CargoItem& item : game.items) {
        if (item.x == 20) inside.push_back(item.tunnelProgress);
    }
    EXPECT_EQ(inside, (std::vector<int>{4, 3, 2, 1}));
    EXPECT_EQ(game.items[2].x, 19) << "the entry slot is taken";

    game.items.erase(game.items.begin());
    runBeltStep(game);
    EXPECT_EQ(game.items.back().x, 23);
}

TEST(EjectorPush, ItemIsThrownAndAnIdleEjectorStartsItsStroke)
{
    Game game = emptyGame();
    EjectorSound sound;
    game.sound = &sound;
    setTile(game, 40, 56, EJECTOR, NORTH);
    layBelt(game, 40, 55, EAST);
    CargoItem& item = itemAtPosition(game, 40, 55, EAST, IRON_PLATE);
    item.state = ITEM_TAKEN_BY_EJECTOR;
    item.ejectTarget = tileIndex(40, 56);
    item.id = ItemId{7, 3, "PRESS"};
    game.stepItems(BeltPass::Full);

    const CargoItem& thrown = game.items[0];
    EXPECT_EQ(thrown.y, 54);
    EXPECT_EQ(thrown.state, ITEM_IN_FLIGHT);
    EXPECT_EQ(thrown.ejectTarget, tileIndex(40, 56));
    ASSERT_EQ(thrown.path.size(), 1u);
    EXPECT_FLOAT_EQ(thrown.path.front().speed, 1.7f * 1.35f);
    const Tile& ejector = game.tileAt(40, 56);
    EXPECT_TRUE(ejector.ejectorBusy);
    EXPECT_FLOAT_EQ(ejector.ejectorTimer, 0.0f);
    EXPECT_FLOAT_EQ(ejector.ejectorKickTime, 0.04f);
    EXPECT_EQ(ejector.ejectorItemId, (ItemId{7, 3, "PRESS"}));
    EXPECT_EQ(sound.hits, 1);

    // An ejector still in its stroke does not start another.
    game.tileAt(40, 56).ejectorTimer = 0.02f;
    CargoItem& second = itemAtPosition(game, 40, 55, EAST, COAL);
    second.state = ITEM_TAKEN_BY_EJECTOR;
    second.ejectTarget = tileIndex(40, 56);
    game.items[0].path.clear();
    game.items[0].y = 53;  // the first one has flown on
    game.items[0].posY = 53.0f;
    game.stepItems(BeltPass::Full);
    EXPECT_EQ(game.items[1].state, ITEM_IN_FLIGHT);
    EXPECT_FLOAT_EQ(game.tileAt(40, 56).ejectorTimer, 0.02f);
    EXPECT_EQ(sound.hits, 1);
}

TEST(Arm, TakesFromASourceAndSetsDownOnTheFarSide)
{
    Game game = emptyGame();
    setTile(game, 60, 10, SOURCE, EAST);
    Tile& arm = build(game, ARM, 61, 10);
    arm.powerSupplied = true;
    layBeltRun(game, 62, 10, EAST, 3);

    const float bearing = std::atan2(0.0f, -1.0f);
    arm.armAngle = bearing + 0.03f;
    itemAtPosition(game, 60, 10, EAST, LOG);
    game.stepItems(BeltPass::Full);
    EXPECT_EQ(game.items[0].x, 60) << "an arm 0.03 rad off does not take it";

    game.tileAt(61, 10).armAngle = bearing + 0.02f;
    game.stepItems(BeltPass::Full);
    CargoItem& item = game.items[0];
    EXPECT_EQ(item.x, 61);
    EXPECT_TRUE(item.carried);
    EXPECT_EQ(item.holdState, HOLD_SWINGING);
    EXPECT_FLOAT_EQ(item.posX, 60.0f);
    EXPECT_FLOAT_EQ(game.tileAt(61, 10).armAngle, bearing);

    item.holdState = HOLD_AT_DROP;  // the arm has swung over
    game.stepItems(BeltPass::Full);
    EXPECT_EQ(game.items[0].x, 62);
    EXPECT_FALSE(game.items[0].carried);
    EXPECT_FLOAT_EQ(game.items[0].posX, 62.0f);
    EXPECT_TRUE(game.items[0].path.empty());
    EXPECT_EQ(game.items[0].targetTile, tileIndex(61, 10));
}
