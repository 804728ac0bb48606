#include <gtest/gtest.h>

#include "support/world_builders.h"
#include "world/game.h"
#include "world/tile_item_index.h"

namespace {

// The warnings as the map view asks for one tile, checked against what a
// frame-wide view with a shared item index sees.
unsigned warningsAt(const Game& game, int x, int y)
{
    const unsigned walked = game.tileWarnings(x, y);
    const TileItemIndex index(game);
    EXPECT_EQ(game.tileWarnings(x, y, &index), walked) << "index disagrees at " << x << "," << y;
    return walked;
}

Tile& storageWith(Game& game, int x, int y, int units)
{
    Tile& storage = setTile(game, x, y, STORAGE, EAST);
    for (int i = 0; i < units; ++i)
        storage.storageCargo.push_back(LOG);
    return storage;
}

Tile& kilnWithCoal(Game& game, int x, int y, Direction dir = EAST)
{
    Tile& kiln = setTile(game, x, y, OVEN, dir);
    kiln.ovenOutputCount = 1;
    return kiln;
}

// An arm that grabs on its west side and drops on its east side.
Tile& horizontalArm(Game& game, int x, int y, ControlType type = ARM)
{
    Tile& arm = setTile(game, x, y, type, EAST);
    arm.powerConnected = arm.powerSupplied = true;
    return arm;
}

}  // namespace

TEST(TileWarnings, SinkWarnsOnlyWhenSwitchedOff)
{
    Game game = emptyGame();
    Tile& sink = setTile(game, 10, 10, SINK);
    EXPECT_EQ(warningsAt(game, 10, 10), 0u);
    sink.sinkAccepting = false;
    EXPECT_EQ(warningsAt(game, 10, 10), INPUT_RESTRICTED);
}

TEST(TileWarnings, NarrowedIntakeDiffersFromTheFullDefault)
{
    Game game = emptyGame();
    Tile& kiln = setTile(game, 10, 10, OVEN, EAST);
    EXPECT_EQ(warningsAt(game, 10, 10), 0u);
    kiln.ovenAcceptMask = 1;
    EXPECT_EQ(warningsAt(game, 10, 10), INPUT_RESTRICTED) << "logs only";
    kiln.ovenAcceptMask = ALL_CARGO;
    EXPECT_EQ(warningsAt(game, 10, 10), INPUT_RESTRICTED) << "more than the default counts too";

    Tile& smelter = setTile(game, 12, 10, SMELTER, EAST);
    EXPECT_EQ(warningsAt(game, 12, 10), 0u);
    smelter.smelterAcceptMask = 24;
    EXPECT_EQ(warningsAt(game, 12, 10), INPUT_RESTRICTED);

    Tile& filler = setTile(game, 14, 10, FILLER, EAST);
    filler.fillerAccepting = false;
    EXPECT_EQ(warningsAt(game, 14, 10), INPUT_RESTRICTED);

    Tile& shop = setTile(game, 16, 10, SHOP, EAST);
    EXPECT_EQ(warningsAt(game, 16, 10), 0u);
    shop.shopAcceptMask = ALL_CARGO - 1;
    EXPECT_EQ(warningsAt(game, 16, 10), INPUT_RESTRICTED);

    Tile& storage = setTile(game, 18, 10, STORAGE, EAST);
    storage.storageAcceptMask = 0;
    EXPECT_EQ(warningsAt(game, 18, 10), INPUT_RESTRICTED);

    EXPECT_EQ(warningsAt(game, 20, 10), 0u) << "an empty tile";
    EXPECT_EQ(warningsAt(game, -1, 10), 0u);
    EXPECT_EQ(warningsAt(game, 80, 59), 0u);
}

TEST(TileWarnings, StorageIsFullFromOneHundredUnits)
{
    Game game = emptyGame();
    storageWith(game, 10, 10, 100);
    storageWith(game, 10, 12, 99);
    EXPECT_EQ(warningsAt(game, 10, 10), STORAGE_FULL);
    EXPECT_EQ(warningsAt(game, 10, 12), 0u);
}

TEST(TileWarnings, StorageOutputCountsOnlyWhileGivingOut)
{
    Game game = emptyGame();
    storageWith(game, 79, 10, 100);  // facing the map edge
    EXPECT_EQ(warningsAt(game, 79, 10), STORAGE_FULL) << "output switched off";
    game.tileAt(79, 10).storageOutputOn = true;
    EXPECT_EQ(warningsAt(game, 79, 10), STORAGE_FULL | OUTPUT_BLOCKED);

    Tile& empty = storageWith(game, 79, 12, 0);
    empty.storageOutputOn = true;
    EXPECT_EQ(warningsAt(game, 79, 12), 0u) << "nothing to give";
}

TEST(TileWarnings, SmelterMissesCoalOnlyWhileWorkWaits)
{
    Game game = emptyGame();
    Tile& smelter = setTile(game, 10, 10, SMELTER, EAST);
    EXPECT_EQ(warningsAt(game, 10, 10), 0u);
    smelter.smelterInProcess = 1;
    EXPECT_EQ(warningsAt(game, 10, 10), COAL_MISSING) << "a steel batch under way";
    smelter.smelterInProcess = 0;
    smelter.smelterInputCargo.push_back(IRON_ORE);
    EXPECT_EQ(warningsAt(game, 10, 10), COAL_MISSING);
    smelter.smelterCoal = 1;
    EXPECT_EQ(warningsAt(game, 10, 10), 0u);
}

TEST(TileWarnings, SmelterOutputIsTestedWithItsFrontProduct)
{
    Game game = emptyGame();
    Tile& smelter = setTile(game, 10, 10, SMELTER, EAST);
    smelter.smelterOutputCargo.push_back(IRON_INGOT);
    Tile& kiln = setTile(game, 11, 10, OVEN, EAST);  // takes logs through its back, never ingots
    EXPECT_EQ(warningsAt(game, 10, 10), OUTPUT_BLOCKED);
    kiln = Tile{};
    layBelt(game, 11, 10, EAST);
    EXPECT_EQ(warningsAt(game, 10, 10), 0u);
}

TEST(TileWarnings, KilnOutputNeedsAFreeTileThatTakesCoal)
{
    Game game = emptyGame();
    kilnWithCoal(game, 10, 10);
    layBelt(game, 11, 10, EAST);
    EXPECT_EQ(warningsAt(game, 10, 10), 0u);

    game.items.emplace_back(11, 10, EAST, LOG);
    EXPECT_EQ(warningsAt(game, 10, 10), OUTPUT_BLOCKED) << "an item stands on the belt";
    game.items.clear();

    CargoItem& arriving = game.items.emplace_back(12, 10, EAST, LOG);
    arriving.posX = 11.5f;
    EXPECT_EQ(warningsAt(game, 10, 10), OUTPUT_BLOCKED) << "an item still half on the belt";
    game.items.clear();

    CargoItem& passing = game.items.emplace_back(11, 9, SOUTH, LOG);
    passing.path.push_back(PathPoint{11, 10});
    EXPECT_EQ(warningsAt(game, 10, 10), OUTPUT_BLOCKED) << "an item about to move onto the belt";
    game.items.clear();

    setTile(game, 11, 10, OVEN, EAST);
    EXPECT_EQ(warningsAt(game, 10, 10), OUTPUT_BLOCKED) << "a kiln refuses coal";
    kilnWithCoal(game, 79, 20);
    EXPECT_EQ(warningsAt(game, 79, 20), OUTPUT_BLOCKED) << "the map edge";
    setTile(game, 30, 30, OVEN, EAST);
    EXPECT_EQ(warningsAt(game, 30, 30), 0u) << "nothing finished, nothing blocked";
}

TEST(TileWarnings, SinkInFrontIsNotAskedForRoom)
{
    Game game = emptyGame();
    Tile& molder = setTile(game, 10, 10, INJECTION_MOLDER, EAST);
    molder.molderOutputCount = 1;
    Tile& sink = setTile(game, 11, 10, SINK);
    CargoItem& passing = game.items.emplace_back(11, 9, SOUTH, LOG);
    passing.path.push_back(PathPoint{11, 10});
    EXPECT_EQ(warningsAt(game, 10, 10), 0u);
    sink.sinkAccepting = false;
    EXPECT_EQ(warningsAt(game, 10, 10), OUTPUT_BLOCKED);
}

TEST(TileWarnings, LongArmReachesOverAnEmptyTile)
{
    Game game = emptyGame();
    Tile& filler = setTile(game, 10, 10, FILLER, EAST);
    filler.fillerOutputCount = 1;
    Tile& arm = horizontalArm(game, 12, 10, LONG_ARM);
    layBelt(game, 14, 10, EAST);
    EXPECT_EQ(warningsAt(game, 10, 10), 0u);

    arm.armCargoFilter = cargoBit(EMPTY_BOTTLE);
    EXPECT_EQ(warningsAt(game, 10, 10), OUTPUT_BLOCKED) << "filter without full bottles";
    arm.armCargoFilter = ALL_CARGO;
    arm.armSideMask = 1u << EAST;
    EXPECT_EQ(warningsAt(game, 10, 10), OUTPUT_BLOCKED) << "grabs only from the far side";
    arm.armSideMask = 1u << WEST;
    EXPECT_EQ(warningsAt(game, 10, 10), 0u);

    horizontalArm(game, 12, 10, ARM);
    EXPECT_EQ(warningsAt(game, 10, 10), OUTPUT_BLOCKED) << "a plain arm cannot reach over";
}

TEST(TileWarnings, ArmInFrontMustWorkAlongTheOutputLine)
{
    Game game = emptyGame();
    Tile& molder = setTile(game, 10, 10, INJECTION_MOLDER, EAST);
    molder.molderOutputCount = 3;
    Tile& arm = horizontalArm(game, 11, 10);
    layBelt(game, 12, 10, EAST);
    EXPECT_EQ(warningsAt(game, 10, 10), 0u);

    arm.dir = NORTH;
    EXPECT_EQ(warningsAt(game, 10, 10), OUTPUT_BLOCKED) << "on the other axis";
    arm.dir = EAST;
    arm.armCargoFilter = cargoBit(PLASTIC_GRANULATE);
    EXPECT_EQ(warningsAt(game, 10, 10), OUTPUT_BLOCKED) << "filter lacks gears";
    arm.armCargoFilter = ALL_CARGO;
    game.items.emplace_back(12, 10, EAST, LOG);
    EXPECT_EQ(warningsAt(game, 10, 10), OUTPUT_BLOCKED) << "drop tile occupied";
    game.items.clear();
    setTile(game, 12, 10, EMPTY);
    EXPECT_EQ(warningsAt(game, 10, 10), OUTPUT_BLOCKED) << "nothing to drop onto";
}

TEST(TileWarnings, MapWarningsHoldEveryTilesWarningsInRowOrder)
{
    Game game = emptyGame();
    storageWith(game, 10, 10, 100);
    kilnWithCoal(game, 20, 5);
    setTile(game, 21, 5, SOURCE, EAST);  // nothing in front of the kiln takes its coal
    Tile& sink = setTile(game, 79, 59, SINK);
    sink.sinkAccepting = false;
    game.items.emplace_back(12, 12, EAST, LOG);

    const TileItemIndex index(game);
    const std::vector<unsigned> warnings = game.mapWarnings(index);
    ASSERT_EQ(warnings.size(), static_cast<std::size_t>(TILE_COUNT));
    int warned = 0;
    for (int y = 0; y < GRID_HEIGHT; ++y) {
        for (int x = 0; x < GRID_WIDTH; ++x) {
            EXPECT_EQ(warnings[tileIndex(x, y)], game.tileWarnings(x, y)) << x << "," << y;
            warned += warnings[tileIndex(x, y)] != 0;
        }
    }
    EXPECT_EQ(warned, 3);
}
