#include <gtest/gtest.h>

#include "support/world_builders.h"
#include "world/game.h"
#include "world/water_network.h"

namespace {

void pipeRow(Game& game, int fromX, int toX, int y)
{
    for (int x = fromX; x <= toX; ++x)
        setTile(game, x, y, WATER_PIPE);
}

int distanceAt(const WaterNetwork& network, int x, int y) { return network.pipeDistance[tileIndex(x, y)]; }
bool feedsAt(const WaterNetwork& network, int x, int y) { return network.pipeFeedsMolder[tileIndex(x, y)] != 0; }
bool waterAt(const WaterNetwork& network, int x, int y) { return network.molderHasWater[tileIndex(x, y)] != 0; }

}  // namespace

TEST(WaterNetwork, WaterFlowsAlongPipesToMoldersOnly)
{
    Game game;
    setTile(game, 0, 0, WATER_SOURCE);
    pipeRow(game, 1, 3, 0);
    setTile(game, 4, 0, INJECTION_MOLDER);
    setTile(game, 0, 1, INJECTION_MOLDER);
    const WaterNetwork network = computeWaterNetwork(game);
    EXPECT_EQ(distanceAt(network, 1, 0), 0);
    EXPECT_EQ(distanceAt(network, 2, 0), 1);
    EXPECT_EQ(distanceAt(network, 3, 0), 2);
    EXPECT_TRUE(feedsAt(network, 1, 0));
    EXPECT_TRUE(feedsAt(network, 2, 0));
    EXPECT_TRUE(feedsAt(network, 3, 0));
    EXPECT_TRUE(waterAt(network, 4, 0));
    EXPECT_FALSE(waterAt(network, 0, 1)) << "beside the source with no pipe between";
    EXPECT_EQ(distanceAt(network, 0, 0), -1) << "the source has no distance";
    EXPECT_EQ(distanceAt(network, 4, 0), -1);
}

TEST(WaterNetwork, AMapWithoutSourcesIsDry)
{
    Game game;
    pipeRow(game, 10, 20, 10);
    setTile(game, 21, 10, INJECTION_MOLDER);
    const WaterNetwork network = computeWaterNetwork(game);
    ASSERT_EQ(network.pipeDistance.size(), 4800u);
    for (int i = 0; i < TILE_COUNT; ++i) {
        EXPECT_EQ(network.pipeDistance[i], -1);
        EXPECT_EQ(network.pipeFeedsMolder[i], 0);
        EXPECT_EQ(network.molderHasWater[i], 0);
    }
}

TEST(WaterNetwork, DistancesCountFromTheNearestSource)
{
    Game game;
    setTile(game, 10, 9, WATER_SOURCE);
    setTile(game, 10, 11, WATER_SOURCE);
    setTile(game, 20, 10, WATER_SOURCE);
    pipeRow(game, 10, 19, 10);
    const WaterNetwork network = computeWaterNetwork(game);
    EXPECT_EQ(distanceAt(network, 10, 10), 0) << "between two sources";
    EXPECT_EQ(distanceAt(network, 14, 10), 4);
    EXPECT_EQ(distanceAt(network, 15, 10), 4);
    EXPECT_EQ(distanceAt(network, 19, 10), 0);
}

TEST(WaterNetwork, OnlyNetworksReachingAMolderAreMarkedWithAllTheirBranches)
{
    Game game;
    setTile(game, 10, 10, WATER_SOURCE);
    pipeRow(game, 11, 15, 10);
    setTile(game, 13, 11, WATER_PIPE);  // a branch leading nowhere
    setTile(game, 13, 12, WATER_PIPE);
    setTile(game, 12, 9, INJECTION_MOLDER);  // beside the pipe, which runs on past it

    setTile(game, 30, 10, WATER_SOURCE);
    pipeRow(game, 31, 33, 10);  // reached but touches no molder

    pipeRow(game, 50, 52, 10);  // no source at all
    setTile(game, 53, 10, INJECTION_MOLDER);

    const WaterNetwork network = computeWaterNetwork(game);
    EXPECT_TRUE(waterAt(network, 12, 9));
    for (int x = 11; x <= 15; ++x)
        EXPECT_TRUE(feedsAt(network, x, 10)) << x;
    EXPECT_TRUE(feedsAt(network, 13, 12));
    EXPECT_EQ(distanceAt(network, 13, 12), 4);
    for (int x = 31; x <= 33; ++x)
        EXPECT_FALSE(feedsAt(network, x, 10)) << x;
    EXPECT_EQ(distanceAt(network, 33, 10), 2);
    for (int x = 50; x <= 52; ++x) {
        EXPECT_EQ(distanceAt(network, x, 10), -1);
        EXPECT_FALSE(feedsAt(network, x, 10));
    }
    EXPECT_FALSE(waterAt(network, 53, 10));
}

TEST(WaterNetwork, PipesAlongTheBorderDoNotWrap)
{
    Game game;
    setTile(game, 79, 30, WATER_SOURCE);
    setTile(game, 0, 31, WATER_PIPE);  // the next tile index, but the far side of the map
    setTile(game, 79, 31, WATER_PIPE);
    setTile(game, 79, 32, WATER_PIPE);
    setTile(game, 79, 33, INJECTION_MOLDER);
    const WaterNetwork network = computeWaterNetwork(game);
    EXPECT_EQ(distanceAt(network, 0, 31), -1);
    EXPECT_EQ(distanceAt(network, 79, 32), 1);
    EXPECT_TRUE(waterAt(network, 79, 33));
}
