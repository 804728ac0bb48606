#include <gtest/gtest.h>

#include "support/world_builders.h"

namespace {

constexpr int SUPPLY_X = 60;
constexpr int SUPPLY_Y = 50;

// Sensors in rows from the top-left corner, 40 to a row.
std::vector<std::pair<int, int>> placeSensors(Game& game, int count, int firstRow = 0)
{
    std::vector<std::pair<int, int>> sensors;
    for (int i = 0; i < count; ++i) {
        const int x = i % 40;
        const int y = firstRow + i / 40;
        setTile(game, x, y, SENSOR);
        sensors.emplace_back(x, y);
    }
    return sensors;
}

int litCount(const Game& game, const std::vector<std::pair<int, int>>& tiles)
{
    int count = 0;
    for (const auto& [x, y] : tiles)
        count += game.hasDcPowerAt(x, y) ? 1 : 0;
    return count;
}

}  // namespace

TEST(DcNetwork, OneSupplyFeedsAHundredAndOneMoreDarkensAll)
{
    Game game = emptyGame();
    const auto sensors = placeSensors(game, 100);
    feed5V(game, SUPPLY_X, SUPPLY_Y, sensors);
    game.updateNetworks(0.0f);
    EXPECT_EQ(litCount(game, sensors), 100);
    const Tile& supply = game.tileAt(SUPPLY_X, SUPPLY_Y);
    EXPECT_TRUE(supply.dcSupplied);
    EXPECT_EQ(supply.dcCount, 100);  // "VERBRAUCHER"
    EXPECT_EQ(supply.dcSlots, 100);
    EXPECT_EQ(supply.dcRoot, tileIndex(SUPPLY_X, SUPPLY_Y));

    setTile(game, 0, 10, LOGIC_AND);
    game.dcLinks.push_back(Link{SUPPLY_X, SUPPLY_Y, 0, 10});
    game.updateNetworks(0.0f);
    EXPECT_EQ(litCount(game, sensors), 0);
    EXPECT_FALSE(game.hasDcPowerAt(0, 10));
    EXPECT_FALSE(supply.dcSupplied);
    EXPECT_EQ(supply.dcCount, 101);
}

TEST(DcNetwork, TwoSuppliesCarryTwoHundred)
{
    Game game = emptyGame();
    const auto sensors = placeSensors(game, 200);
    feed5V(game, SUPPLY_X, SUPPLY_Y, sensors);
    feed5V(game, SUPPLY_X + 2, SUPPLY_Y, {});
    game.dcLinks.push_back(Link{SUPPLY_X, SUPPLY_Y, SUPPLY_X + 2, SUPPLY_Y});
    game.updateNetworks(0.0f);
    EXPECT_EQ(litCount(game, sensors), 200);
    EXPECT_EQ(game.tileAt(0, 0).dcSlots, 200);
}

TEST(DcNetwork, ASupplyWithoutPowerGivesNoSlots)
{
    Game game = emptyGame();
    const auto sensors = placeSensors(game, 50);
    feed5V(game, SUPPLY_X, SUPPLY_Y, sensors);
    Tile& unpowered = build(game, POWER_SUPPLY, 70, 10);
    game.dcLinks.push_back(Link{70, 10, SUPPLY_X, SUPPLY_Y});
    game.tileAt(SUPPLY_X, SUPPLY_Y + 1).generatorCoal = 0;
    game.updateNetworks(0.0f);
    EXPECT_EQ(litCount(game, sensors), 0);

    // Another powered supply of the same network covers them; the dark one stays dark.
    game.tileAt(SUPPLY_X, SUPPLY_Y + 1).generatorCoal = 5;
    game.updateNetworks(0.0f);
    EXPECT_EQ(litCount(game, sensors), 50);
    EXPECT_FALSE(unpowered.dcSupplied);
    EXPECT_EQ(unpowered.dcRoot, tileIndex(70, 10));

    // A sensor on no cable forms a network of its own without slots.
    setTile(game, 5, 30, SENSOR);
    game.updateNetworks(0.0f);
    EXPECT_FALSE(game.hasDcPowerAt(5, 30));
}

TEST(DcNetwork, FreshFlagLastsExactlyOneRefresh)
{
    Game game = emptyGame();
    const auto sensors = placeSensors(game, 3);
    feed5V(game, SUPPLY_X, SUPPLY_Y, sensors);
    Tile& generator = game.tileAt(SUPPLY_X, SUPPLY_Y + 1);
    generator.generatorOn = false;
    game.updateNetworks(0.0f);
    EXPECT_FALSE(game.tileAt(0, 0).dcJustSupplied);

    generator.generatorOn = true;
    game.updateNetworks(0.0f);
    EXPECT_TRUE(game.tileAt(0, 0).dcSupplied);
    EXPECT_TRUE(game.tileAt(0, 0).dcJustSupplied);
    EXPECT_TRUE(game.tileAt(SUPPLY_X, SUPPLY_Y).dcJustSupplied);
    game.updateNetworks(0.0f);
    EXPECT_TRUE(game.tileAt(0, 0).dcSupplied);
    EXPECT_FALSE(game.tileAt(0, 0).dcJustSupplied);
}

TEST(DcNetwork, OtherTilesNeverCarry5V)
{
    Game game = emptyGame();
    const auto sensors = placeSensors(game, 2);
    feed5V(game, SUPPLY_X, SUPPLY_Y, sensors);
    Tile& ejector = setTile(game, 20, 20, EJECTOR, EAST);
    game.dcLinks.push_back(Link{SUPPLY_X, SUPPLY_Y, 20, 20});
    game.updateNetworks(0.0f);
    EXPECT_FALSE(ejector.dcSupplied);
    EXPECT_EQ(ejector.dcRoot, -1);
    EXPECT_EQ(ejector.dcCount, 2);  // it draws no slot
    EXPECT_FALSE(game.tileAt(SUPPLY_X, SUPPLY_Y + 1).dcSupplied);
    EXPECT_EQ(game.tileAt(SUPPLY_X, SUPPLY_Y + 1).dcRoot, -1);
}
