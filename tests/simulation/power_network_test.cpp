#include <gtest/gtest.h>

#include "support/world_builders.h"

namespace {

constexpr int POLE_X = 10;
constexpr int POLE_Y = 10;

// A pole at (10, 10) fed by a running generator at (30, 30).
Game poweredPole()
{
    Game game = emptyGame();
    build(game, POWER_POLE, POLE_X, POLE_Y);
    buildFuelledGenerator(game, 30, 30);
    game.powerLinks.push_back(Link{30, 30, POLE_X, POLE_Y});
    return game;
}

// Fills the pole's 7 x 7 square with arms in tile-index order, skipping the
// pole and the first skippedTiles places; returns their tile indices.
std::vector<int> armsAroundPole(Game& game, int count, ControlType type = ARM, int skippedTiles = 0)
{
    std::vector<int> arms;
    int place = 0;
    for (int y = POLE_Y - 3; y <= POLE_Y + 3; ++y) {
        for (int x = POLE_X - 3; x <= POLE_X + 3; ++x) {
            if (x == POLE_X && y == POLE_Y) continue;
            if (place++ < skippedTiles || static_cast<int>(arms.size()) == count) continue;
            build(game, type, x, y);
            arms.push_back(tileIndex(x, y));
        }
    }
    return arms;
}

int suppliedCount(const Game& game, const std::vector<int>& tiles)
{
    int count = 0;
    for (int i : tiles)
        count += game.tiles[i].powerSupplied ? 1 : 0;
    return count;
}

Tile& workingMolder(Game& game, int x, int y)
{
    Tile& molder = build(game, INJECTION_MOLDER, x, y);
    molder.molderOn = true;
    molder.molderGranulate = 2;
    molder.molderWater = 1;
    return molder;
}

}  // namespace

TEST(PowerNetwork, OneGeneratorFeedsTheFirstConsumersByTileIndex)
{
    Game game = poweredPole();
    const std::vector<int> arms = armsAroundPole(game, 25);
    game.updatePowerNetwork();

    EXPECT_EQ(suppliedCount(game, arms), 24);
    const Tile& last = game.tiles[arms.back()];
    EXPECT_TRUE(last.powerConnected);  // "NETZ UEBERLASTET"
    EXPECT_FALSE(last.powerSupplied);
    EXPECT_EQ(last.powerNetwork, -1);
    EXPECT_EQ(game.tiles[arms.front()].powerNetwork, tileIndex(30, 30));
    EXPECT_TRUE(game.tileAt(30, 30).generatorInUse);
    EXPECT_EQ(game.tileAt(30, 30).generatorLoadKw, 120);
    EXPECT_TRUE(game.tileAt(POLE_X, POLE_Y).powerConnected);
}

TEST(PowerNetwork, LongArmsDrawTwiceAsMuch)
{
    Game game = poweredPole();
    const std::vector<int> arms = armsAroundPole(game, 24, LONG_ARM);
    game.updatePowerNetwork();
    EXPECT_EQ(suppliedCount(game, arms), 12);
    EXPECT_TRUE(game.tiles[arms[11]].powerSupplied);
    EXPECT_FALSE(game.tiles[arms[12]].powerSupplied);
}

TEST(PowerNetwork, ConsumersFedBeforeKeepPrecedenceOverNewcomers)
{
    Game game = poweredPole();
    const std::vector<int> arms = armsAroundPole(game, 24, ARM, 7);
    game.updatePowerNetwork();
    ASSERT_EQ(suppliedCount(game, arms), 24);

    // A newcomer with the lowest tile index of all waits for a free share.
    build(game, ARM, POLE_X - 3, POLE_Y - 3);
    game.updatePowerNetwork();
    game.updatePowerNetwork();
    EXPECT_EQ(suppliedCount(game, arms), 24);
    EXPECT_FALSE(game.tileAt(POLE_X - 3, POLE_Y - 3).powerSupplied);
    EXPECT_TRUE(game.tileAt(POLE_X - 3, POLE_Y - 3).powerConnected);
}

TEST(PowerNetwork, ArmsHoldingItemsComeFirstThenMoldersInMidCycle)
{
    Game game = poweredPole();
    const std::vector<int> arms = armsAroundPole(game, 25);
    CargoItem& held = game.items.emplace_back(arms.back() % GRID_WIDTH, arms.back() / GRID_WIDTH, EAST, COAL);
    held.carried = true;  // the carry phase does not matter
    game.updatePowerNetwork();
    EXPECT_TRUE(game.tiles[arms.back()].powerSupplied);
    EXPECT_FALSE(game.tiles[arms[23]].powerSupplied);

    Game molding = poweredPole();
    const std::vector<int> fewer = armsAroundPole(molding, 15);
    Tile& molder = workingMolder(molding, POLE_X + 3, POLE_Y + 3);
    molder.molderTimer = 1.0f;
    molding.updatePowerNetwork();
    EXPECT_TRUE(molder.molderPowered);
    EXPECT_EQ(suppliedCount(molding, fewer), 14);
}

TEST(PowerNetwork, AConsumerThatDoesNotFitLeavesRoomForSmallerOnes)
{
    Game game = poweredPole();
    const std::vector<int> arms = armsAroundPole(game, 15);
    Tile& molder = workingMolder(game, POLE_X + 2, POLE_Y + 3);
    Tile& lateArm = build(game, ARM, POLE_X + 3, POLE_Y + 3);
    game.updatePowerNetwork();

    EXPECT_EQ(suppliedCount(game, arms), 15);
    EXPECT_TRUE(molder.powerConnected);
    EXPECT_FALSE(molder.powerSupplied);
    EXPECT_FALSE(molder.molderPowered);
    EXPECT_TRUE(lateArm.powerSupplied);
    EXPECT_EQ(game.tileAt(30, 30).generatorLoadKw, 80);
}

TEST(PowerNetwork, AnIdleMolderCountsAsSuppliedButNotPowered)
{
    Game game = poweredPole();
    Tile& molder = workingMolder(game, POLE_X + 1, POLE_Y);
    molder.molderWater = 0;
    game.updatePowerNetwork();
    EXPECT_TRUE(molder.powerSupplied);
    EXPECT_FALSE(molder.molderPowered);
    EXPECT_FALSE(game.tileAt(30, 30).generatorInUse);
    EXPECT_EQ(game.tileAt(30, 30).generatorLoadKw, 0);
}

TEST(PowerNetwork, ThreeGeneratorsShareALoadInTileOrder)
{
    Game game = poweredPole();
    buildFuelledGenerator(game, 31, 30);
    buildFuelledGenerator(game, 32, 30);
    game.powerLinks.push_back(Link{31, 30, 32, 30});
    game.powerLinks.push_back(Link{30, 30, 31, 30});
    const std::vector<int> arms = armsAroundPole(game, 26);
    game.updatePowerNetwork();

    EXPECT_EQ(suppliedCount(game, arms), 26);
    EXPECT_EQ(game.tileAt(30, 30).generatorLoadKw, 120);
    EXPECT_EQ(game.tileAt(31, 30).generatorLoadKw, 10);
    EXPECT_TRUE(game.tileAt(31, 30).generatorInUse);
    EXPECT_EQ(game.tileAt(32, 30).generatorLoadKw, 0);
    EXPECT_FALSE(game.tileAt(32, 30).generatorInUse);
}

TEST(PowerNetwork, TheFirstCableEndNamesTheNetwork)
{
    // The pole has the lower index, but the generator stands first on the cable.
    Game game = poweredPole();
    Tile& arm = build(game, ARM, POLE_X + 1, POLE_Y);
    game.updatePowerNetwork();
    EXPECT_EQ(arm.powerNetwork, tileIndex(30, 30));

    game.powerLinks = {Link{POLE_X, POLE_Y, 30, 30}};
    game.updatePowerNetwork();
    EXPECT_EQ(arm.powerNetwork, tileIndex(POLE_X, POLE_Y));

    // A ring and a doubled cable change nothing.
    build(game, POWER_POLE, 20, 20);
    game.powerLinks.push_back(Link{30, 30, 20, 20});
    game.powerLinks.push_back(Link{20, 20, POLE_X, POLE_Y});
    game.powerLinks.push_back(Link{POLE_X, POLE_Y, 30, 30});
    game.updatePowerNetwork();
    EXPECT_EQ(arm.powerNetwork, tileIndex(POLE_X, POLE_Y));
    EXPECT_EQ(game.tileAt(30, 30).generatorLoadKw, 5);
}

TEST(PowerNetwork, TheLowerRootFeedsFirstThenTheOtherNetwork)
{
    Game game = poweredPole();  // root (30, 30)
    build(game, POWER_POLE, POLE_X + 6, POLE_Y);
    buildFuelledGenerator(game, 5, 40);
    game.powerLinks.push_back(Link{5, 40, POLE_X + 6, POLE_Y});  // root (5, 40), the higher index
    Tile& shared = build(game, ARM, POLE_X + 3, POLE_Y);
    game.updatePowerNetwork();
    EXPECT_EQ(shared.powerNetwork, tileIndex(30, 30));

    // Twelve long arms ahead of it in tile order fill the first network; the
    // second pole cannot reach them.
    for (int y = POLE_Y - 3; y <= POLE_Y; ++y) {
        for (int x = POLE_X - 3; x <= POLE_X - 1; ++x)
            build(game, LONG_ARM, x, y);
    }
    game.powerLinks.push_back(Link{0, 0, 0, 0});  // a cable to nowhere joins nothing
    shared.powerSupplied = false;                 // no earlier share to keep
    game.updatePowerNetwork();
    EXPECT_TRUE(shared.powerSupplied);
    EXPECT_EQ(shared.powerNetwork, tileIndex(5, 40));
}

TEST(PowerNetwork, NoRunningGeneratorMeansNoPower)
{
    Game game = poweredPole();
    Tile& arm = build(game, ARM, POLE_X + 1, POLE_Y);
    Tile& generator = game.tileAt(30, 30);
    generator.generatorCoal = 0;  // on, but nothing to burn
    game.updatePowerNetwork();
    EXPECT_FALSE(arm.powerConnected);  // "KEIN STROM"
    EXPECT_FALSE(game.tileAt(POLE_X, POLE_Y).powerConnected);

    generator.generatorCoal = 3;
    generator.generatorOn = false;
    game.updatePowerNetwork();
    EXPECT_FALSE(arm.powerConnected);
    EXPECT_FALSE(generator.generatorInUse);

    generator.generatorOn = true;
    game.updatePowerNetwork();
    EXPECT_TRUE(arm.powerSupplied);
}

TEST(PowerNetwork, PowerReachesMachinesOnlyThroughPolesAndSuppliesOnlyThroughCables)
{
    Game game = emptyGame();
    buildFuelledGenerator(game, 20, 20);
    Tile& arm = build(game, ARM, 21, 20);
    Tile& supply = build(game, POWER_SUPPLY, 20, 21);
    build(game, POWER_POLE, 25, 25);
    game.powerLinks.push_back(Link{20, 20, 25, 25});  // the pole is four rows below the arm
    game.updatePowerNetwork();
    EXPECT_FALSE(arm.powerConnected);
    EXPECT_FALSE(supply.powerConnected);

    game.powerLinks.push_back(Link{20, 20, 20, 21});
    game.updatePowerNetwork();
    EXPECT_TRUE(supply.powerSupplied);
    EXPECT_EQ(game.tileAt(20, 20).generatorLoadKw, 1);
}

TEST(PowerNetwork, ADistributorsSecondTileSharesItsPower)
{
    Game game = poweredPole();
    build(game, DISTRIBUTOR, POLE_X + 3, POLE_Y + 3);  // the second tile lies south, outside the square
    game.updatePowerNetwork();
    const Tile& second = game.tileAt(POLE_X + 3, POLE_Y + 4);
    ASSERT_EQ(second.type, DISTRIBUTOR_SECOND);
    EXPECT_TRUE(second.powerSupplied);
    EXPECT_EQ(second.powerNetwork, tileIndex(30, 30));
    EXPECT_TRUE(game.isPoweredAt(POLE_X + 3, POLE_Y + 4));
}
