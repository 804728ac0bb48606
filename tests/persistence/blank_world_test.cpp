#include <gtest/gtest.h>

#include "support/world_builders.h"
#include "world/control.h"
#include "world/game.h"

TEST(BlankWorld, NewMapsAndEmptyWorldsAreBlank)
{
    EXPECT_TRUE(Game().isBlank());
    EXPECT_TRUE(emptyGame().isBlank());

    Game reset;
    reset.resetMap();
    EXPECT_GT(reset.tileAt(STARTER_SOURCE_X, STARTER_SOURCE_Y).machineId, 1u);
    EXPECT_TRUE(reset.isBlank()) << "a later machine id on the starting source does not count";
}

TEST(BlankWorld, OneBeltMakesTheWorldBuiltUntilItIsRemoved)
{
    Game game;
    layBelt(game, 40, 30, EAST);
    EXPECT_FALSE(game.isBlank());
    ASSERT_TRUE(controlForType(BELT).remove(game, 40, 30));
    EXPECT_TRUE(game.isBlank());

    Game empty = emptyGame();
    layBelt(empty, 0, 0, SOUTH);
    EXPECT_FALSE(empty.isBlank());
}

TEST(BlankWorld, AnythingOnTheBridgeLayerOrAnItemMakesItBuilt)
{
    Game game;
    game.deckTiles[tileIndex(20, 20)].type = BELT;
    EXPECT_FALSE(game.isBlank());
    game.deckTiles[tileIndex(20, 20)] = Tile{};
    game.deckTiles[tileIndex(20, 20)].bridgePart = BRIDGE_DECK;
    EXPECT_FALSE(game.isBlank());
    game.deckTiles[tileIndex(20, 20)] = Tile{};

    game.tileAt(20, 20).bridgePart = BRIDGE_DECK;
    EXPECT_FALSE(game.isBlank()) << "ground spanned by a bridge is not free";
    game.tileAt(20, 20) = Tile{};

    game.items.emplace_back(STARTER_SOURCE_X + 1, STARTER_SOURCE_Y, EAST, LOG);
    EXPECT_FALSE(game.isBlank());
    Game empty = emptyGame();
    empty.items.emplace_back(0, 0, EAST, LOG);
    EXPECT_FALSE(empty.isBlank());
}

TEST(BlankWorld, StarterSourceAndSinkMustNotHaveWorked)
{
    Game produced;
    produced.tileAt(STARTER_SOURCE_X, STARTER_SOURCE_Y).sourceProduced[LOG] = 1;
    EXPECT_FALSE(produced.isBlank());

    Game delivered;
    delivered.tileAt(STARTER_SINK_X, STARTER_SINK_Y).sinkDelivered[COAL] = 1;
    EXPECT_FALSE(delivered.isBlank());

    Game turned;
    turned.tileAt(STARTER_SOURCE_X, STARTER_SOURCE_Y).dir = SOUTH;
    turned.tileAt(STARTER_SOURCE_X, STARTER_SOURCE_Y).sourceCargo = COAL;
    EXPECT_TRUE(turned.isBlank()) << "settings are not part of the state";
}

TEST(BlankWorld, OnlyTheStateCountsAtTheStarterPositions)
{
    Game game;
    setTile(game, STARTER_SOURCE_X, STARTER_SOURCE_Y, OVEN, EAST);
    setTile(game, STARTER_SINK_X, STARTER_SINK_Y, STORAGE, WEST);
    EXPECT_TRUE(game.isBlank());
    game.tileAt(STARTER_SINK_X, STARTER_SINK_Y).storageCargo.push_back(LOG);
    game.tileAt(STARTER_SINK_X, STARTER_SINK_Y).storageItems.push_back(ItemRecord{});
    EXPECT_FALSE(game.isBlank());

    Game moved;
    std::swap(moved.tileAt(STARTER_SINK_X, STARTER_SINK_Y), moved.tileAt(STARTER_SINK_X - 1, STARTER_SINK_Y));
    EXPECT_FALSE(moved.isBlank()) << "a sink anywhere else is built";
}

TEST(BlankWorld, ANewMapLeftRunningWithItsSourceStoppedStaysBlank)
{
    Game game;
    runFor(game, 5.0f);
    EXPECT_TRUE(game.isBlank());
    game.tileAt(STARTER_SOURCE_X, STARTER_SOURCE_Y).sourceRunning = true;
    runFor(game, 5.0f);
    EXPECT_FALSE(game.isBlank());
}
