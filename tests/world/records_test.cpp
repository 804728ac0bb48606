#include <gtest/gtest.h>

#include "world/cargo_item.h"
#include "world/tile.h"

TEST(TileRecord, DefaultIsTheEmptyTile)
{
    Tile t;
    EXPECT_EQ(t.type, EMPTY);
    EXPECT_EQ(t.bridgePart, -1);
    EXPECT_EQ(t.ratioA, 1);
    EXPECT_EQ(t.ratioB, 1);
    EXPECT_EQ(t.beltSpeed, 3);
    EXPECT_EQ(t.tunnelPartnerX, -1);
    EXPECT_EQ(t.tunnelPartnerY, -1);
    EXPECT_EQ(t.armCargoFilter, 8191u);
    EXPECT_EQ(t.armSideMask, 30u);
    EXPECT_TRUE(t.sinkAccepting);
    EXPECT_EQ(t.ovenAcceptMask, 3u);
    EXPECT_EQ(t.smelterAcceptMask, 28u);
    EXPECT_EQ(t.storageAcceptMask, 8191u);
    EXPECT_EQ(t.shopAcceptMask, 8191u);
    EXPECT_TRUE(t.fillerAccepting);
    EXPECT_EQ(t.powerNetwork, -1);
    EXPECT_EQ(t.sensorCargo, COAL);
    EXPECT_EQ(t.limit, 3);
    EXPECT_EQ(t.thenAction, 1);
    EXPECT_EQ(t.elseAction, 0);
    EXPECT_EQ(t.stepperIndex, -1);
    EXPECT_EQ(t.periodSeconds, 3);
    EXPECT_EQ(t.sensorTargetIndex, -1);
    EXPECT_TRUE(t.ejectorActive);
    EXPECT_FLOAT_EQ(t.ejectorTimer, -1.0f);
    EXPECT_FLOAT_EQ(t.ejectorKickTime, 0.6f);
    EXPECT_FLOAT_EQ(t.ejectorStroke, 0.5f);
    EXPECT_EQ(t.dcRoot, -1);
    EXPECT_EQ(t.machineId, 0u);
    EXPECT_TRUE(t.label.empty());
    EXPECT_FALSE(t.sourceRunning);
    EXPECT_FALSE(t.sensorPresent.valid);
    EXPECT_TRUE(t.ejectorItemId.isAnonymous());
    EXPECT_TRUE(t.ovenInputItems.empty());
    EXPECT_TRUE(t.isFree());
}

TEST(TileRecord, CopiesAreIndependent)
{
    Tile a;
    a.type = STORAGE;
    a.storageCargo.push_back(COAL);
    a.storageItems.push_back(ItemRecord{ItemId{4, 9, "A"}, {ItemId{1, 1, ""}}});
    a.storageCargo.push_back(LOG);
    a.storageItems.push_back(ItemRecord{});

    Tile b = a;
    b.storageCargo.pop_front();
    b.storageItems.pop_front();
    EXPECT_EQ(a.storageCargo.size(), 2u);
    EXPECT_EQ(a.storageItems.front().id.serial, 9u);
    EXPECT_EQ(b.storageCargo.front(), LOG);

    Tile moved = std::move(b);
    EXPECT_EQ(moved.storageCargo.size(), 1u);
    EXPECT_NE(a, moved);
    Tile again = a;
    EXPECT_EQ(a, again);
}

TEST(TileRecord, FreeForBuildingNeedsNoBridgeMark)
{
    Tile t;
    t.bridgePart = BRIDGE_DECK;
    EXPECT_FALSE(t.isFree());
    t.bridgePart = -1;
    t.type = PLAIN;
    EXPECT_FALSE(t.isFree());
}

TEST(Fifo, QueueOrderSurvivesManyPops)
{
    Fifo<int> q;
    for (int i = 0; i < 100; ++i)
        q.push_back(i);
    for (int i = 0; i < 70; ++i) {
        ASSERT_EQ(q.front(), i);
        q.pop_front();
    }
    EXPECT_EQ(q.size(), 30u);
    EXPECT_EQ(q[0], 70);
    q.erase(1);
    EXPECT_EQ(q[1], 72);
    Fifo<int> copy = q;
    EXPECT_EQ(copy, q);
    int sum = 0;
    for (int v : copy)
        sum += v;
    EXPECT_EQ(sum, (70 + 99) * 30 / 2 - 71);
    while (!q.empty())
        q.pop_front();
    EXPECT_EQ(q.size(), 0u);
    EXPECT_EQ(copy.size(), 29u);
}

TEST(SensorSightings, MatchByKindOrByIdentity)
{
    SensorSighting s{true, COAL, 0, 0};
    EXPECT_TRUE(s.matches(COAL, ItemId{}));
    EXPECT_FALSE(s.matches(LOG, ItemId{}));
    SensorSighting made{true, COAL, 7, 3};
    EXPECT_TRUE(made.matches(LOG, ItemId{7, 3, "X"}));
    EXPECT_FALSE(made.matches(COAL, ItemId{7, 4, ""}));
    EXPECT_FALSE(SensorSighting{}.matches(COAL, ItemId{}));
}

TEST(CargoItems, NewItemStandsOnItsTileCentre)
{
    CargoItem item(5, 7, SOUTH, COAL);
    EXPECT_EQ(item.posX, 5.0f);
    EXPECT_EQ(item.posY, 7.0f);
    EXPECT_EQ(item.heading, SOUTH);
    EXPECT_EQ(item.originX, 5);
    EXPECT_EQ(item.originY, 7);
    EXPECT_TRUE(item.id.isAnonymous());
    EXPECT_TRUE(item.path.empty());
    EXPECT_EQ(item.tunnelExitX, -1);
    EXPECT_EQ(item.tunnelExitY, -1);
    EXPECT_EQ(item.targetTile, -1);
    EXPECT_EQ(item.ejectTarget, -1);
    EXPECT_EQ(item.ejectSkipTile, -1);
    EXPECT_EQ(item.state, 0);
    EXPECT_EQ(item.layer, 0);
}

TEST(CargoItems, AdvanceWithoutBudgetChangesNothing)
{
    CargoItem item(2, 3, EAST, LOG);
    item.path.push_back(PathPoint{3, 3, 1.0f, SOUTH, false});
    CargoItem before = item;
    item.advance(0.0f);
    EXPECT_EQ(item, before);
    item.advance(-1.0f);
    EXPECT_EQ(item, before);
}

TEST(CargoItems, AdvanceMovesAndSnapsOnArrival)
{
    CargoItem item(2, 3, EAST, LOG);
    item.targetTile = 243;
    item.path.push_back(PathPoint{3, 3, 1.0f, SOUTH, false});
    item.advance(0.25f);
    EXPECT_FLOAT_EQ(item.posX, 2.25f);
    EXPECT_EQ(item.path.size(), 1u);
    EXPECT_EQ(item.targetTile, 243);
    item.advance(1.0f);
    EXPECT_EQ(item.posX, 3.0f);
    EXPECT_EQ(item.posY, 3.0f);
    EXPECT_EQ(item.heading, SOUTH);
    EXPECT_TRUE(item.path.empty());
    EXPECT_EQ(item.targetTile, -1);
}

TEST(CargoItems, AdvanceTurnsHeadingAgainstMotion)
{
    CargoItem item(2, 3, WEST, LOG);
    item.path.push_back(PathPoint{4, 3, 1.0f, WEST, false});
    item.advance(0.5f);
    EXPECT_EQ(item.heading, EAST);
    CargoItem up(2, 3, SOUTH, LOG);
    up.path.push_back(PathPoint{2, 1, 1.0f, SOUTH, false});
    up.advance(0.5f);
    EXPECT_EQ(up.heading, NORTH);
}

TEST(CargoItems, PointsAtOwnPositionCostNothing)
{
    CargoItem item(2, 3, EAST, LOG);
    item.path.push_back(PathPoint{2, 3, 1.0f, EAST, false});
    item.path.push_back(PathPoint{2, 3, 1.0f, EAST, false});
    item.path.push_back(PathPoint{3, 3, 2.0f, EAST, false});
    item.advance(0.25f);
    EXPECT_EQ(item.path.size(), 1u);
    EXPECT_FLOAT_EQ(item.posX, 2.5f);
}

TEST(CargoItems, BudgetCarriesAcrossPointsAndClearsTunnelFlag)
{
    CargoItem item(0, 0, EAST, LOG);
    item.leavingTunnel = true;
    item.tunnelExitX = 1;
    item.tunnelExitY = 0;
    item.path.push_back(PathPoint{1, 0, 1.0f, EAST, false});
    item.path.push_back(PathPoint{1, 2, 2.0f, SOUTH, false});
    item.advance(1.5f);  // one tile at speed 1, then one tile at speed 2
    EXPECT_FALSE(item.leavingTunnel);
    EXPECT_FLOAT_EQ(item.posX, 1.0f);
    EXPECT_FLOAT_EQ(item.posY, 1.0f);
    EXPECT_EQ(item.heading, EAST);
    item.advance(10.0f);
    EXPECT_EQ(item.posY, 2.0f);
    EXPECT_EQ(item.heading, SOUTH);
}

// Trial moves measure the way to the front point once and start every move
// from it; each must end bit for bit where a plain advance ends.
TEST(CargoItems, AdvanceFromAMeasuredLegEndsWhereAdvanceEnds)
{
    CargoItem turning(2, 3, WEST, LOG);
    turning.path.push_back(PathPoint{4, 3, 1.7f, NORTH, false});
    turning.path.push_back(PathPoint{4, 1, 1.0f, NORTH, false});
    CargoItem atPoint(2, 3, EAST, LOG);
    atPoint.path.push_back(PathPoint{2, 3, 1.0f, SOUTH, false});
    atPoint.path.push_back(PathPoint{2, 4, 2.0f, SOUTH, false});
    CargoItem leaving(0, 0, EAST, LOG);
    leaving.posX = 0.3f;
    leaving.posY = 0.1f;
    leaving.leavingTunnel = true;
    leaving.tunnelExitX = 1;
    leaving.targetTile = 7;
    leaving.path.push_back(PathPoint{1, 0, 0.9f, EAST, false});
    leaving.path.push_back(PathPoint{1, 2, JUMP_SPEED, SOUTH, true});
    for (const CargoItem& start : {turning, atPoint, leaving}) {
        for (float budget : {-1.0f, 0.0f, 0.0001f, 0.016666668f, 0.37f, 1.0f / 1.7f, 1.5f, 10.0f}) {
            CargoItem plain = start;
            plain.advance(budget);
            CargoItem fromLeg = start;
            fromLeg.advanceFrom(start.frontLeg(), budget);
            EXPECT_EQ(fromLeg, plain) << "budget " << budget;
        }
    }
}

TEST(CargoItems, JumpPointsCostAlmostNothing)
{
    CargoItem item(0, 0, EAST, LOG);
    item.path.push_back(PathPoint{2, 0, JUMP_SPEED, EAST, true});
    item.path.push_back(PathPoint{3, 0, 1.0f, EAST, false});
    item.advance(0.5f);
    EXPECT_NEAR(item.posX, 2.498f, 1e-4);
}

TEST(CargoItems, OccupiesTileFieldsPositionOrPath)
{
    CargoItem item(4, 4, EAST, LOG);
    item.posX = 4.6f;
    EXPECT_TRUE(item.occupies(4, 4));
    EXPECT_TRUE(item.occupies(5, 4));
    item.path.push_back(PathPoint{9, 9, 1.0f, EAST, false});
    EXPECT_TRUE(item.occupies(9, 9));
    item.carried = true;
    EXPECT_FALSE(item.occupies(5, 4));
    EXPECT_FALSE(item.occupies(6, 4));
}
