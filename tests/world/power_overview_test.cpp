#include <gtest/gtest.h>

#include "support/world_builders.h"
#include "world/game.h"

namespace {

Tile& buildRunningGenerator(Game& game, int x, int y, int loadKw = 0)
{
    Tile& generator = setTile(game, x, y, COAL_GENERATOR);
    generator.generatorOn = true;
    generator.generatorCoal = 3;
    generator.generatorLoadKw = loadKw;
    return generator;
}

void cable(Game& game, int x0, int y0, int x1, int y1) { game.powerLinks.push_back(Link{x0, y0, x1, y1, 0, 0}); }

// A game without the starter source and sink, so only what a test builds is on the map.
}  // namespace

TEST(PolesCovering, APoleReachesThreeTilesOnEachAxis)
{
    Game game = emptyGame();
    setTile(game, 3, 3, POWER_POLE);
    const std::vector<int> pole{tileIndex(3, 3)};
    EXPECT_EQ(game.polesCovering(0, 0), pole);
    EXPECT_EQ(game.polesCovering(6, 6), pole);
    EXPECT_TRUE(game.polesCovering(7, 3).empty());
    EXPECT_TRUE(game.polesCovering(3, 7).empty());
    EXPECT_TRUE(game.polesCovering(-1, 3).empty());
    EXPECT_TRUE(game.polesCovering(3, 60).empty());
}

TEST(PolesCovering, ListsPolesRowByRowAndCutsTheSquareAtTheEdges)
{
    Game game = emptyGame();
    setTile(game, 79, 59, POWER_POLE);
    setTile(game, 77, 56, POWER_POLE);
    setTile(game, 76, 57, POWER_POLE);
    const std::vector<int> poles{tileIndex(77, 56), tileIndex(76, 57), tileIndex(79, 59)};
    EXPECT_EQ(game.polesCovering(78, 59), poles);
    EXPECT_EQ(game.polesCovering(79, 59), poles);
}

TEST(PolesCovering, APairIsReachedThroughEitherTile)
{
    Game game = emptyGame();
    setTile(game, 10, 10, DISTRIBUTOR, EAST);  // second tile lies south, at (10, 11)
    setTile(game, 10, 11, DISTRIBUTOR_SECOND, EAST);
    setTile(game, 10, 14, POWER_POLE);
    const std::vector<int> pole{tileIndex(10, 14)};
    EXPECT_EQ(game.polesCovering(10, 10), pole) << "main tile four rows away";
    EXPECT_EQ(game.polesCovering(10, 11), pole);

    setTile(game, 20, 20, ARM, EAST);
    setTile(game, 20, 24, POWER_POLE);
    EXPECT_TRUE(game.polesCovering(20, 20).empty()) << "single tiles do not widen the square";
}

TEST(PowerNetworks, CablesAloneJoinNetworksRootedAtTheSmallestTile)
{
    Game game = emptyGame();
    setTile(game, 10, 10, POWER_POLE);
    setTile(game, 11, 10, POWER_POLE);
    PowerOverview overview = game.powerNetworks();
    ASSERT_EQ(overview.networks.size(), 2u) << "side by side is not joined";
    EXPECT_EQ(overview.networkOfTile[tileIndex(10, 10)], 0);
    EXPECT_EQ(overview.networkOfTile[tileIndex(11, 10)], 1);

    cable(game, 11, 10, 10, 10);
    overview = game.powerNetworks();
    ASSERT_EQ(overview.networks.size(), 1u);
    EXPECT_EQ(overview.networks[0].root, tileIndex(10, 10));
    EXPECT_EQ(overview.networkOfTile[tileIndex(11, 10)], 0);
    EXPECT_EQ(overview.networkOfTile[tileIndex(12, 10)], -1);
}

TEST(PowerNetworks, CountsCapacityLoadAndConsumersPerNetwork)
{
    Game game = emptyGame();
    buildRunningGenerator(game, 10, 10, 15);
    Tile& stopped = buildRunningGenerator(game, 12, 10, 7);
    stopped.generatorOn = false;
    setTile(game, 14, 10, POWER_POLE);
    cable(game, 10, 10, 14, 10);
    cable(game, 12, 10, 14, 10);
    setTile(game, 15, 11, ARM, EAST).powerSupplied = true;
    setTile(game, 13, 12, LONG_ARM, EAST);
    Tile& molder = setTile(game, 16, 12, INJECTION_MOLDER, EAST);
    molder.molderOn = true;
    molder.molderGranulate = 2;
    molder.molderWater = 1;
    setTile(game, 40, 40, ARM, EAST);

    const PowerOverview overview = game.powerNetworks();
    ASSERT_EQ(overview.networks.size(), 1u);
    const PowerNetworkInfo& network = overview.networks[0];
    EXPECT_EQ(network.root, tileIndex(10, 10));
    EXPECT_EQ(network.capacityKw, 120) << "a stopped generator adds nothing";
    EXPECT_EQ(network.allocatedKw, 22) << "but its recorded load still counts";
    EXPECT_EQ(network.consumerCount, 3);
    EXPECT_EQ(network.missingKw, 10 + 50) << "the fed arm is not missing";
    EXPECT_EQ(overview.missingWithoutPoleKw, 5);
    EXPECT_EQ(overview.networkOfTile[tileIndex(15, 11)], 0);
    EXPECT_EQ(overview.networkOfTile[tileIndex(40, 40)], -1);
}

TEST(PowerNetworks, AMolderThatCannotWorkDemandsNothing)
{
    Game game = emptyGame();
    setTile(game, 10, 10, POWER_POLE);
    Tile& molder = setTile(game, 11, 10, INJECTION_MOLDER, EAST);
    molder.molderOn = true;
    molder.molderGranulate = 2;
    molder.molderWater = 1;
    molder.molderOutputCount = 10;
    EXPECT_EQ(game.powerNetworks().networks[0].missingKw, 0) << "ten gears waiting";
    molder.molderOutputCount = 9;
    EXPECT_EQ(game.powerNetworks().networks[0].missingKw, 50);
    molder.molderWater = 0;
    EXPECT_EQ(game.powerNetworks().networks[0].missingKw, 0);
    molder.molderWater = 1;
    molder.molderGranulate = 1;
    EXPECT_EQ(game.powerNetworks().networks[0].missingKw, 0);
    molder.molderGranulate = 2;
    molder.molderOn = false;
    EXPECT_EQ(game.powerNetworks().networks[0].missingKw, 0);
    EXPECT_EQ(game.powerNetworks().networks[0].consumerCount, 1);
}

TEST(PowerNetworks, ALoneFiveVoltSupplyIsItsOwnNetwork)
{
    Game game = emptyGame();
    Tile& supply = setTile(game, 30, 30, POWER_SUPPLY);
    PowerOverview overview = game.powerNetworks();
    ASSERT_EQ(overview.networks.size(), 1u);
    EXPECT_EQ(overview.networks[0], (PowerNetworkInfo{tileIndex(30, 30), 0, 0, 1, 1}));
    EXPECT_EQ(overview.missingWithoutPoleKw, 0);
    supply.powerSupplied = true;
    supply.powerNetwork = tileIndex(30, 30);
    EXPECT_EQ(game.powerNetworks().networks[0].missingKw, 0);
}

TEST(PowerNetworks, ConsumersPreferLiveNetworksAndKeepTheOneThatFedThem)
{
    Game game = emptyGame();
    setTile(game, 10, 10, POWER_POLE);  // dead network, first in scan order
    setTile(game, 12, 11, POWER_POLE);
    buildRunningGenerator(game, 20, 11);
    cable(game, 12, 11, 20, 11);
    setTile(game, 14, 12, POWER_POLE);
    buildRunningGenerator(game, 30, 12);
    cable(game, 30, 12, 14, 12);
    Tile& arm = setTile(game, 11, 12, ARM, EAST);

    PowerOverview overview = game.powerNetworks();
    ASSERT_EQ(overview.networks.size(), 3u);
    const int dead = overview.networkOfTile[tileIndex(10, 10)];
    const int firstLive = overview.networkOfTile[tileIndex(12, 11)];
    const int secondLive = overview.networkOfTile[tileIndex(14, 12)];
    EXPECT_EQ(overview.networkOfTile[tileIndex(11, 12)], firstLive);
    EXPECT_EQ(overview.networks[firstLive].missingKw, 5);
    EXPECT_EQ(overview.networks[dead].consumerCount, 0);

    arm.powerSupplied = true;
    arm.powerNetwork = tileIndex(30, 12);
    overview = game.powerNetworks();
    EXPECT_EQ(overview.networkOfTile[tileIndex(11, 12)], secondLive);
    EXPECT_EQ(overview.networks[secondLive].consumerCount, 1);
    EXPECT_EQ(overview.networks[secondLive].missingKw, 0);
}

TEST(PowerNetworks, BothTilesOfAPairShowTheFeedingNetwork)
{
    Game game = emptyGame();
    setTile(game, 10, 10, MIXER, EAST);
    setTile(game, 10, 11, MIXER_SECOND, EAST);
    setTile(game, 10, 14, POWER_POLE);
    const PowerOverview overview = game.powerNetworks();
    EXPECT_EQ(overview.networkOfTile[tileIndex(10, 10)], 0);
    EXPECT_EQ(overview.networkOfTile[tileIndex(10, 11)], 0);
    EXPECT_EQ(overview.networks[0].consumerCount, 1) << "the pair counts once";
    EXPECT_EQ(overview.networks[0].missingKw, 5);
}

TEST(PowerNetworks, NothingWrapsAroundTheRightEdge)
{
    Game game = emptyGame();
    setTile(game, 79, 0, POWER_POLE);
    setTile(game, 0, 1, POWER_POLE);
    cable(game, 79, 0, 80, 0);                 // would name (0, 1) by tile index
    setTile(game, 79, 5, DISTRIBUTOR, NORTH);  // its second tile would lie east, off the map
    setTile(game, 76, 3, POWER_POLE);
    const PowerOverview overview = game.powerNetworks();
    EXPECT_EQ(overview.networks.size(), 3u);
    EXPECT_EQ(overview.networkOfTile[tileIndex(0, 6)], -1);
    EXPECT_EQ(overview.networkOfTile[tileIndex(79, 5)], overview.networkOfTile[tileIndex(76, 3)]);
    EXPECT_FALSE(game.powerPoleStatus(0, 1));
}

TEST(PowerPoleStatus, FollowsCablesToARunningGeneratorWithFuel)
{
    Game game = emptyGame();
    setTile(game, 10, 10, POWER_POLE);
    setTile(game, 20, 10, POWER_POLE);
    Tile& generator = buildRunningGenerator(game, 30, 10);
    cable(game, 10, 10, 20, 10);
    EXPECT_FALSE(game.powerPoleStatus(10, 10)) << "no generator on the cables";
    cable(game, 30, 10, 20, 10);
    EXPECT_TRUE(game.powerPoleStatus(10, 10));
    setTile(game, 12, 12, ARM, EAST);
    EXPECT_TRUE(game.powerPoleStatus(12, 12)) << "through the pole covering it";
    EXPECT_FALSE(game.powerPoleStatus(40, 40));

    generator.generatorCoal = 0;
    EXPECT_FALSE(game.powerPoleStatus(10, 10));
    generator.generatorBurnTime = 0.5f;
    EXPECT_TRUE(game.powerPoleStatus(10, 10));
    generator.generatorOn = false;
    EXPECT_FALSE(game.powerPoleStatus(10, 10));
    EXPECT_FALSE(game.powerPoleStatus(80, 10));
}
