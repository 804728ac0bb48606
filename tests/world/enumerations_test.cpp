#include <gtest/gtest.h>

#include "world/cargo.h"
#include "world/control_type.h"
#include "world/direction.h"
#include "world/geometry.h"

TEST(Directions, OutsideCompassIsNeutral)
{
    for (Direction d : {0, 5, -1, 1000}) {
        EXPECT_EQ(directionVector(d).dx, 0.0f);
        EXPECT_EQ(directionVector(d).dy, 0.0f);
        EXPECT_EQ(clockwiseDirection(d), NONE);
        EXPECT_EQ(oppositeDirection(d), NONE);
    }
}

TEST(Directions, TurningTablesCloseUp)
{
    EXPECT_EQ(directionVector(NORTH).dy, -1.0f);
    EXPECT_EQ(directionVector(WEST).dx, -1.0f);
    for (Direction d = NORTH; d <= WEST; ++d) {
        Direction turned = d;
        for (int i = 0; i < 4; ++i)
            turned = clockwiseDirection(turned);
        EXPECT_EQ(turned, d);
        EXPECT_EQ(oppositeDirection(oppositeDirection(d)), d);
        EXPECT_EQ(clockwiseDirection(clockwiseDirection(d)), oppositeDirection(d));
    }
}

TEST(Grid, BoundsCompareUnsigned)
{
    EXPECT_FALSE(inGrid(-1, 0));
    EXPECT_FALSE(inGrid(80, 0));
    EXPECT_FALSE(inGrid(0, 60));
    EXPECT_FALSE(inGrid(0, -2147483647 - 1));
    EXPECT_TRUE(inGrid(79, 59));
    EXPECT_TRUE(inGrid(0, 0));
}

TEST(Cargo, ExtentUsesTravelAxis)
{
    EXPECT_FLOAT_EQ(cargoExtent(WATER, NORTH), 0.3281f + 0.083333336f - 0.02f);
    EXPECT_FLOAT_EQ(cargoExtent(WATER, WEST), 0.25f + 0.083333336f - 0.02f);
    EXPECT_FLOAT_EQ(cargoExtent(WATER, NONE), cargoExtent(WATER, SOUTH));
    EXPECT_NEAR(cargoExtent(LOG, EAST), 0.50083f, 1e-5);
}

TEST(Cargo, KeywordsAreExactAndMasksKeepThirteenBits)
{
    EXPECT_EQ(cargoTypeFromKeyword("IRON_ORE"), IRON_ORE);
    EXPECT_EQ(cargoTypeFromKeyword("PLASTIC_GEAR"), PLASTIC_GEAR);
    EXPECT_EQ(cargoTypeFromKeyword("iron_ore"), -1);
    EXPECT_EQ(cargoTypeFromKeyword(""), -1);
    for (CargoType c = 0; c < CARGO_TYPE_COUNT; ++c)
        EXPECT_TRUE(maskHasCargo(ALL_CARGO, c));
    EXPECT_EQ(clampCargoMask(0xFFFFFFFFu), ALL_CARGO);
    EXPECT_FALSE(maskHasCargo(ALL_CARGO, 13));
    EXPECT_FALSE(maskHasCargo(ALL_CARGO, -1));
}

TEST(Geometry, PointSegmentDistance)
{
    EXPECT_DOUBLE_EQ(pointSegmentDistanceSquared(3, 4, 0, 0, 0, 0), 25.0);
    EXPECT_DOUBLE_EQ(pointSegmentDistanceSquared(5, 1, 0, 0, 2, 0), 10.0);  // beyond b
    EXPECT_DOUBLE_EQ(pointSegmentDistanceSquared(-1, 1, 0, 0, 2, 0), 2.0);  // before a
    EXPECT_DOUBLE_EQ(pointSegmentDistanceSquared(1, 3, 0, 0, 2, 0), 9.0);   // beside the middle
}

TEST(ControlTypes, Predicates)
{
    EXPECT_TRUE(isSignalType(SIGNAL_LAMP));
    EXPECT_FALSE(isSignalSourceType(SIGNAL_LAMP));
    EXPECT_FALSE(isSignalType(POWER_SUPPLY));
    EXPECT_FALSE(isSignalSourceType(POWER_SUPPLY));
    EXPECT_TRUE(isSignalType(LOGIC_RS));
    EXPECT_TRUE(isSignalSourceType(SENSOR));
    EXPECT_FALSE(isSignalType(EJECTOR));
    EXPECT_TRUE(isProducerType(WATER_SOURCE));
    EXPECT_FALSE(isProducerType(STORAGE));
    EXPECT_FALSE(isProducerType(-1));
}
