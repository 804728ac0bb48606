#include <gtest/gtest.h>

#include "machines/generator_control.h"
#include "machines/production_test_helpers.h"
#include "world/game.h"

namespace {
const GeneratorControl& generator() { return dynamic_cast<const GeneratorControl&>(controlForType(COAL_GENERATOR)); }

Tile generatorWith(int coal, float burnTime)
{
    Tile tile = builtTile(COAL_GENERATOR, NONE);
    feed(generator(), tile, COAL, coal);
    tile.generatorBurnTime = burnTime;
    return tile;
}
}  // namespace

TEST(CoalGenerator, TakesCoalFromEverySideUpToTen)
{
    Tile tile = generatorWith(9, 0.0f);
    for (Direction travel : {NORTH, EAST, SOUTH, WEST})
        EXPECT_TRUE(generator().canAccept(tile, travel, COAL));
    EXPECT_FALSE(generator().canAccept(tile, NONE, COAL));
    EXPECT_FALSE(generator().canAccept(tile, EAST, LOG));
    feed(generator(), tile, COAL, 1);
    EXPECT_FALSE(generator().canAccept(tile, EAST, COAL));
    EXPECT_EQ(tile.generatorFuelItems.size(), 10u);
}

TEST(CoalGenerator, BurnsOneUnitAfterAnotherAsTheLoadDemands)
{
    Tile tile = generatorWith(3, 0.5f);
    tile.generatorFuelItems[0] = recordOf(4, 1);
    generator().update(tile, 2.0f);
    EXPECT_EQ(tile.generatorCoal, 2);
    EXPECT_FLOAT_EQ(tile.generatorBurnTime, 8.5f);
    EXPECT_TRUE(tile.generatorFuelItems.front().id.isAnonymous()) << "the oldest coal burns first";

    Tile two = generatorWith(2, 0.0f);
    generator().update(two, 25.0f);
    EXPECT_EQ(two.generatorCoal, 0);
    EXPECT_FLOAT_EQ(two.generatorBurnTime, 0.0f);
    EXPECT_TRUE(two.generatorFuelItems.empty());
    generator().update(two, 5.0f);
    EXPECT_FLOAT_EQ(two.generatorBurnTime, 0.0f) << "unburnt time is not owed";

    Tile idle = generatorWith(2, 0.0f);
    generator().update(idle, 0.0f);
    EXPECT_EQ(idle, generatorWith(2, 0.0f));
}

TEST(PowerControls, BuildOnlyOnFreeTilesAndNeverTurn)
{
    Game game;
    for (ControlType type : {COAL_GENERATOR, POWER_POLE, POWER_SUPPLY}) {
        const Control& control = controlForType(type);
        ASSERT_TRUE(control.place(game, 5, 5));
        EXPECT_EQ(game.tileAt(5, 5).type, type);
        EXPECT_EQ(game.tileAt(5, 5).dir, NONE);
        EXPECT_FALSE(game.tileAt(5, 5).generatorOn);
        EXPECT_FALSE(control.place(game, 5, 5));
        ASSERT_TRUE(control.remove(game, 5, 5));
    }
}

TEST(PowerControls, RemovingAPoleLeavesTheItemsOnItsTile)
{
    Game game;
    for (ControlType type : {COAL_GENERATOR, POWER_POLE, POWER_SUPPLY}) {
        ASSERT_TRUE(controlForType(type).place(game, 6, 6));
        game.items.emplace_back(6, 6, EAST, COAL);
        EXPECT_FALSE(controlForType(type).remove(game, 7, 6));
        ASSERT_TRUE(controlForType(type).remove(game, 6, 6));
        EXPECT_EQ(game.tileAt(6, 6), Tile{});
        EXPECT_EQ(game.items.size(), type == POWER_POLE ? 1u : 0u);
        game.items.clear();
    }
}
