#include <gtest/gtest.h>

#include "machines/arm_control.h"
#include "world/control.h"
#include "world/game.h"

namespace {

const ArmControl& armClass(ControlType type) { return dynamic_cast<const ArmControl&>(controlForType(type)); }

}  // namespace

TEST(Arms, RegistryHandsOutBothReaches)
{
    EXPECT_EQ(armClass(ARM).type, ARM);
    EXPECT_EQ(armClass(ARM).reach, 1);
    EXPECT_EQ(armClass(LONG_ARM).type, LONG_ARM);
    EXPECT_EQ(armClass(LONG_ARM).reach, 2);
    EXPECT_NE(dynamic_cast<const LongArmControl*>(&controlForType(LONG_ARM)), nullptr);
}

TEST(Arms, GrabArmAimsAtTheOnlyBeltBesideIt)
{
    Game game;
    game.tileAt(9, 10).type = BELT;
    ASSERT_TRUE(controlForType(ARM).place(game, 10, 10));
    const Tile& arm = game.tileAt(10, 10);
    EXPECT_EQ(arm.dir, EAST);
    EXPECT_FLOAT_EQ(arm.armAngle, 3.1415927f);
    EXPECT_FLOAT_EQ(arm.armFreeAngle, 3.1415927f);

    game.tileAt(21, 10).type = BELT;
    game.tileAt(19, 10).type = BELT;
    ASSERT_TRUE(controlForType(ARM).place(game, 20, 10));
    EXPECT_FLOAT_EQ(game.tileAt(20, 10).armAngle, 0.0f);
    ASSERT_TRUE(controlForType(ARM).place(game, 30, 10));
    EXPECT_FLOAT_EQ(game.tileAt(30, 10).armAngle, 0.0f);
}

TEST(Arms, LongArmTurnedVerticalAimsTwoTilesAway)
{
    Game game;
    game.tileAt(10, 8).type = BELT;
    game.tileAt(10, 9).type = BELT;  // one tile away does not count
    const Control& longArm = controlForType(LONG_ARM);
    ASSERT_TRUE(longArm.place(game, 10, 10));
    ASSERT_TRUE(longArm.place(game, 10, 10));
    EXPECT_EQ(game.tileAt(10, 10).dir, NORTH);
    EXPECT_FLOAT_EQ(game.tileAt(10, 10).armAngle, 4.712389f);

    game.tileAt(20, 12).type = BELT;
    ASSERT_TRUE(longArm.place(game, 20, 10));
    ASSERT_TRUE(longArm.place(game, 20, 10));
    EXPECT_FLOAT_EQ(game.tileAt(20, 10).armAngle, 1.5707964f);
}

TEST(Arms, SwitchingKeepsSettingsAndCancelsAPendingReturn)
{
    Game game;
    const Control& arm = controlForType(ARM);
    ASSERT_TRUE(arm.place(game, 10, 10));
    Tile& tile = game.tileAt(10, 10);
    ArmControl::setFilterMask(tile, 1u << COAL);
    ArmControl::setSideMask(tile, 1u << WEST);
    ArmControl::setArmState(tile, ArmControl::FACING);
    EXPECT_TRUE(tile.armHomePending);

    ASSERT_TRUE(arm.place(game, 10, 10));
    EXPECT_EQ(tile.dir, NORTH);
    EXPECT_FLOAT_EQ(tile.armFreeAngle, 1.5707964f);
    EXPECT_FLOAT_EQ(tile.armAngle, -1.5707964f) << "faces its new direction";
    EXPECT_FALSE(tile.armHomePending);
    EXPECT_EQ(tile.armCargoFilter, 1u << COAL);
    EXPECT_EQ(tile.armSideMask, 1u << WEST);

    ASSERT_TRUE(arm.place(game, 10, 10));
    EXPECT_EQ(tile.dir, EAST);
    tile.dir = SOUTH;  // only a map could hold this
    ASSERT_TRUE(arm.place(game, 10, 10));
    EXPECT_EQ(tile.dir, EAST);
}

TEST(Arms, ItemsAndForeignTypesBlockBuildingAndSwitching)
{
    Game game;
    ASSERT_TRUE(controlForType(ARM).place(game, 10, 10));
    EXPECT_FALSE(controlForType(LONG_ARM).place(game, 10, 10));
    EXPECT_FALSE(controlForType(LONG_ARM).remove(game, 10, 10));
    EXPECT_EQ(game.tileAt(10, 10).type, ARM);

    game.items.emplace_back(10, 10, EAST, LOG);  // the item the arm carries
    EXPECT_FALSE(controlForType(ARM).place(game, 10, 10));
    EXPECT_EQ(game.tileAt(10, 10).dir, EAST);
    game.items.emplace_back(12, 10, EAST, LOG);
    EXPECT_FALSE(controlForType(ARM).place(game, 12, 10));

    EXPECT_TRUE(controlForType(ARM).remove(game, 10, 10));
    EXPECT_EQ(game.tileAt(10, 10), Tile{});
    EXPECT_EQ(game.items.size(), 1u);
}

TEST(Arms, MasksKeepOnlyTheirMeaningfulBits)
{
    Tile tile;
    ArmControl::setSideMask(tile, 31);
    EXPECT_EQ(tile.armSideMask, 30u);
    ArmControl::setFilterMask(tile, 0xFFFF);
    EXPECT_EQ(tile.armCargoFilter, 8191u);
    ArmControl::setFilterMask(tile, 1u << IRON_ORE);
    EXPECT_TRUE(ArmControl::filterAccepts(tile, IRON_ORE));
    EXPECT_FALSE(ArmControl::filterAccepts(tile, LOG));
    EXPECT_FALSE(ArmControl::filterAccepts(tile, 13));
}

TEST(Arms, AxisAndSidesFollowTheItemsTravel)
{
    Tile horizontal;
    horizontal.dir = EAST;
    EXPECT_TRUE(ArmControl::isOnAxis(horizontal, WEST));
    EXPECT_FALSE(ArmControl::isOnAxis(horizontal, NORTH));
    Tile vertical;
    vertical.dir = NORTH;
    EXPECT_TRUE(ArmControl::isOnAxis(vertical, SOUTH));
    EXPECT_TRUE(ArmControl::isOnAxis(vertical, NONE));
    EXPECT_FALSE(ArmControl::isOnAxis(vertical, WEST));

    ArmControl::setSideMask(horizontal, 1u << WEST);
    EXPECT_TRUE(ArmControl::sideEnabled(horizontal, EAST)) << "an item travelling east comes from the west";
    EXPECT_FALSE(ArmControl::sideEnabled(horizontal, WEST));
    EXPECT_FALSE(ArmControl::sideEnabled(horizontal, NONE));
    EXPECT_FALSE(ArmControl::sideEnabled(horizontal, 9));
}

TEST(Arms, ReturnPositionAndItsRestAngle)
{
    Tile tile;
    tile.dir = NORTH;
    tile.armFreeAngle = 0.5f;
    EXPECT_FLOAT_EQ(ArmControl::armAngle(tile), 0.5f);

    ArmControl::setArmState(tile, ArmControl::FACING);
    EXPECT_TRUE(tile.armHomePending);
    EXPECT_FLOAT_EQ(ArmControl::armAngle(tile), -1.5707964f);
    tile.armHomePending = false;
    ArmControl::setArmState(tile, ArmControl::FACING);
    EXPECT_FALSE(tile.armHomePending) << "the same position changes nothing";

    ArmControl::setArmState(tile, ArmControl::OPPOSITE);
    EXPECT_FLOAT_EQ(ArmControl::armAngle(tile), 1.5707964f);
    tile.dir = EAST;
    EXPECT_FLOAT_EQ(ArmControl::armAngle(tile), 3.1415927f);
    tile.dir = NONE;
    EXPECT_FLOAT_EQ(ArmControl::armAngle(tile), 0.0f);

    ArmControl::setArmState(tile, 3);
    ArmControl::setArmState(tile, -1);
    EXPECT_EQ(tile.armHomeMode, ArmControl::OPPOSITE);
    ArmControl::setArmState(tile, ArmControl::FREE);
    EXPECT_FALSE(tile.armHomePending);
}
