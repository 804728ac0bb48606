#include <gtest/gtest.h>

#include <random>

#include "support/world_builders.h"
#include "world/game.h"
#include "world/tile_item_index.h"

namespace {

// Items everywhere, in motion between tiles, on and under bridges, carried
// by arms, thrown far and planning paths of all lengths.
Game scatteredItems(unsigned seed)
{
    Game game = emptyGame();
    for (int y = 2; y < GRID_HEIGHT; y += 6)
        buildBridgeEast(game, 5 + y, y);
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> across(-1.5f, GRID_WIDTH + 0.5f);
    std::uniform_real_distribution<float> down(-1.5f, GRID_HEIGHT + 0.5f);
    std::uniform_int_distribution<int> pick(0, 7);
    for (int i = 0; i < 3000; ++i) {
        const float px = pick(random) < 3 ? std::round(across(random)) : across(random);
        const float py = pick(random) < 3 ? std::round(down(random)) : down(random);
        CargoItem& item = itemAtPosition(game, px, py, 1 + pick(random) % 4);
        item.layer = pick(random) == 0 ? 1 : 0;
        item.carried = pick(random) == 0;
        for (int k = pick(random) % 4; k > 0; --k) {
            item.path.push_back(PathPoint{tileCoordinate(across(random)), tileCoordinate(down(random))});
        }
    }
    return game;
}

}  // namespace

TEST(TileItemIndex, AnswersAsTheItemListDoesOnEveryTile)
{
    for (unsigned seed : {1u, 2u, 3u}) {
        const Game game = scatteredItems(seed);
        const TileItemIndex index(game);
        for (int y = 0; y < GRID_HEIGHT; ++y) {
            for (int x = 0; x < GRID_WIDTH; ++x) {
                ASSERT_EQ(index.hasRoom(x, y), game.hasRoomOnTile(x, y, nullptr)) << x << "," << y;
                ASSERT_EQ(index.anyAt(x, y), game.itemAt(x, y)) << x << "," << y;
                const CargoItem* first = ItemLookup{game}.firstGroundItem(x, y);
                ASSERT_EQ(index.firstGroundItem(x, y), first) << x << "," << y;
            }
        }
    }
}

TEST(TileItemIndex, ItemsRidingOverADeckLeaveTheGroundBeneathFree)
{
    Game game = emptyGame();
    buildBridgeEast(game, 20, 10);
    itemAtPosition(game, 20.3f, 10.0f, EAST);  // on the deck, along it
    itemAtPosition(game, 19.0f, 10.0f, EAST).path.push_back(PathPoint{20, 10});
    const TileItemIndex riding(game);
    EXPECT_TRUE(riding.hasRoom(20, 10));
    EXPECT_TRUE(game.hasRoomOnTile(20, 10, nullptr));
    EXPECT_FALSE(riding.hasRoom(21, 10)) << "the rider still takes room on the exit ramp";

    itemAtPosition(game, 20.0f, 9.4f, SOUTH);  // crossing beneath the deck
    const TileItemIndex crossing(game);
    EXPECT_FALSE(crossing.hasRoom(20, 10));
    EXPECT_FALSE(game.hasRoomOnTile(20, 10, nullptr));
}

TEST(TileItemIndex, CountsGroundAndDeckItemsApart)
{
    Game game = emptyGame();
    game.items.emplace_back(10, 10, EAST, LOG).layer = 1;
    game.items.emplace_back(10, 10, EAST, COAL);
    game.items.emplace_back(10, 10, EAST, PLANKS);
    game.items.emplace_back(90, 10, EAST, PLANKS);  // off the map: counted nowhere
    const TileItemIndex index(game);
    EXPECT_EQ(index.groundCount(10, 10), 2);
    EXPECT_EQ(index.raisedCount(10, 10), 1);
    EXPECT_EQ(index.firstGroundItem(10, 10), &game.items[1]);
    EXPECT_EQ(index.groundCount(11, 10), 0);
    EXPECT_EQ(index.firstGroundItem(11, 10), nullptr);
    EXPECT_EQ(index.groundCount(-1, 10), 0);
    EXPECT_FALSE(index.anyAt(80, 10));
}
