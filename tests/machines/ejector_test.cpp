#include <gtest/gtest.h>

#include "world/control.h"
#include "world/game.h"

TEST(Ejector, BuiltFacingNorthWithItsDefaults)
{
    Game game;
    const Control& ejector = controlForType(EJECTOR);
    ASSERT_TRUE(ejector.place(game, 10, 10));
    const Tile& tile = game.tileAt(10, 10);
    EXPECT_EQ(tile.type, EJECTOR);
    EXPECT_EQ(tile.dir, NORTH);
    EXPECT_TRUE(tile.ejectorActive);
    EXPECT_EQ(tile.ejectorJobs, 0);
    EXPECT_FLOAT_EQ(tile.ejectorTimer, -1.0f);
    EXPECT_FLOAT_EQ(tile.ejectorKickTime, 0.6f);
    EXPECT_FLOAT_EQ(tile.ejectorStroke, 0.5f);
    EXPECT_FALSE(ejector.canAccept(tile, NORTH, LOG));
}

TEST(Ejector, PlaceNeverTurnsIt)
{
    Game game;
    const Control& ejector = controlForType(EJECTOR);
    ASSERT_TRUE(ejector.place(game, 10, 10));
    game.tileAt(10, 10).dir = WEST;
    const Tile before = game.tileAt(10, 10);
    EXPECT_FALSE(ejector.place(game, 10, 10));
    EXPECT_EQ(game.tileAt(10, 10), before);
}

TEST(Ejector, NotBuiltOnItemsOrUnderABridge)
{
    Game game;
    const Control& ejector = controlForType(EJECTOR);
    game.items.emplace_back(10, 10, EAST, LOG);
    EXPECT_FALSE(ejector.place(game, 10, 10));
    game.tileAt(12, 10).bridgePart = BRIDGE_ENTRY_RAMP;
    EXPECT_FALSE(ejector.place(game, 12, 10));
    EXPECT_EQ(game.tileAt(10, 10), Tile{});
}

TEST(Ejector, RemovedWithItsItemsButNotFromABelt)
{
    Game game;
    const Control& ejector = controlForType(EJECTOR);
    ASSERT_TRUE(ejector.place(game, 10, 10));
    game.items.emplace_back(10, 10, EAST, LOG);
    game.tileAt(11, 10).type = BELT;
    EXPECT_FALSE(ejector.remove(game, 11, 10));
    EXPECT_EQ(game.tileAt(11, 10).type, BELT);
    EXPECT_TRUE(ejector.remove(game, 10, 10));
    EXPECT_EQ(game.tileAt(10, 10), Tile{});
    EXPECT_TRUE(game.items.empty());
}
