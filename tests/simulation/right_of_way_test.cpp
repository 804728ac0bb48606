#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/world_builders.h"

namespace {

// A powered mixer at (30, 10) facing east, its second half at (30, 11), an
// output belt running east and feeder belts ending at each half.
Game mixerWorld(int mainShare, int secondShare, int mainItems, int secondItems)
{
    Game game = emptyGame();
    Tile& main = build(game, MIXER, 30, 10);
    main.ratioA = mainShare;
    main.ratioB = secondShare;
    supplyPower(game, 30, 10);
    supplyPower(game, 30, 11);
    layBeltRun(game, 31, 10, EAST, 40);
    layBeltRun(game, 20, 10, EAST, 10);
    layBeltRun(game, 20, 11, EAST, 10);
    for (int i = 0; i < mainItems; ++i)
        itemAtPosition(game, 29 - i, 10, EAST, LOG);
    for (int i = 0; i < secondItems; ++i)
        itemAtPosition(game, 29 - i, 11, EAST, COAL);
    return game;
}

// The cargo on the output belt, the item farthest along first: M for main, S for second.
std::string outputOrder(const Game& game)
{
    std::vector<const CargoItem*> out;
    for (const CargoItem& item : game.items) {
        if (item.y == 10 && item.x > 30) out.push_back(&item);
    }
    std::sort(out.begin(), out.end(), [](const CargoItem* a, const CargoItem* b) { return a->x > b->x; });
    std::string order;
    for (const CargoItem* item : out)
        order += item->cargo == LOG ? 'M' : 'S';
    return order;
}

// Two feeders meet at (40, 20): one from the west, one from the north.
Game junctionWorld()
{
    Game game = emptyGame();
    layBeltRun(game, 40, 20, EAST, 3);
    layBelt(game, 39, 20, EAST);
    layBelt(game, 40, 19, SOUTH);
    itemAtPosition(game, 39, 20, EAST, LOG);
    itemAtPosition(game, 40, 19, SOUTH, COAL);
    return game;
}

}  // namespace

TEST(MixerRightOfWay, SharesTwoToOneWhileBothSidesFeed)
{
    Game game = mixerWorld(2, 1, 8, 4);
    for (int i = 0; i < 12; ++i)
        runBeltStep(game);
    EXPECT_EQ(outputOrder(game).substr(0, 6), "MMSMMS");
}

TEST(MixerRightOfWay, OneSideAloneFeedsEveryItem)
{
    Game game = mixerWorld(2, 1, 0, 4);
    for (int i = 0; i < 8; ++i)
        runBeltStep(game);
    EXPECT_EQ(outputOrder(game), "SSSS");
    EXPECT_EQ(game.tileAt(30, 10).ratioPos, (0 + 4) % 3);
    EXPECT_FALSE(game.tileAt(30, 10).lastSideB) << "the last entry came through the second half";
}

TEST(MixerRightOfWay, UnpoweredMixerHoldsItsItem)
{
    Game game = mixerWorld(1, 1, 0, 0);
    game.tileAt(30, 10).powerSupplied = false;
    itemAtPosition(game, 30, 10, EAST, LOG);
    runBeltStep(game);
    EXPECT_EQ(game.items[0].x, 30);
}

TEST(Claims, TurnAtAJunctionRotatesWithTheBeltStepCount)
{
    for (std::uint32_t count : {0u, 1u, 2u}) {
        Game game = junctionWorld();
        game.stepCount = count;
        game.stepItems(BeltPass::Full);
        const bool westMoved = game.items[0].x == 40;
        const bool northMoved = game.items[1].y == 20;
        EXPECT_NE(westMoved, northMoved) << "exactly one enters, count " << count;
        EXPECT_EQ(westMoved, count % 2 == 0) << "count " << count;
    }
}

TEST(Claims, PriorityGivesTheFavouredDirectionTheTile)
{
    Game game = junctionWorld();
    game.tileAt(40, 20).beltPriority = SOUTH;  // right of way from the north
    game.stepCount = 0;                        // the rotation alone would pick the west feeder
    game.stepItems(BeltPass::Full);
    EXPECT_EQ(game.items[1].y, 20);
    EXPECT_EQ(game.items[0].x, 39);
}

TEST(Claims, ItemWaitsWhileAnotherGlidesIntoTheJunctionFromAnotherSide)
{
    Game game = junctionWorld();
    CargoItem& gliding = game.items[1];
    gliding.y = 20;  // its move was made; it is still half way in
    gliding.posY = 19.5f;
    gliding.path.push_back(PathPoint{40, 20, 1.7f, EAST, false});
    gliding.speedCredit = 3;  // and it is allowed to move on now
    game.items[0].speedCredit = 3;
    game.stepItems(BeltPass::FollowUp);
    EXPECT_EQ(game.items[1].x, 41);
    EXPECT_EQ(game.items[0].x, 39) << "the junction is still being entered";

    // A follower on the same feeder does not wait for its leader.
    Game same = junctionWorld();
    same.items.pop_back();
    CargoItem& leader = itemAtPosition(same, 40, 20, EAST, COAL);
    leader.posX = 39.5f;
    leader.path.push_back(PathPoint{40, 20, 1.7f, EAST, false});
    leader.speedCredit = 3;
    same.items[0].speedCredit = 3;
    same.stepItems(BeltPass::FollowUp);
    EXPECT_EQ(same.items[1].x, 41);
    EXPECT_EQ(same.items[0].x, 40);
}

TEST(Resolution, ClosedRingMovesAsAWholeAndFacingItemsBlock)
{
    Game game = emptyGame();
    layBelt(game, 50, 30, EAST);
    layBelt(game, 51, 30, SOUTH);
    layBelt(game, 51, 31, WEST);
    layBelt(game, 50, 31, NORTH);
    itemAtPosition(game, 50, 30, EAST, LOG);
    itemAtPosition(game, 51, 30, SOUTH, COAL);
    itemAtPosition(game, 51, 31, WEST, IRON_ORE);
    itemAtPosition(game, 50, 31, NORTH, WATER);
    game.stepItems(BeltPass::Full);
    const int expected[4][2] = {{51, 30}, {51, 31}, {50, 31}, {50, 30}};
    for (int i = 0; i < 4; ++i) {
        const CargoItem& item = game.items[static_cast<std::size_t>(i)];
        EXPECT_EQ(item.x, expected[i][0]);
        EXPECT_EQ(item.y, expected[i][1]);
        EXPECT_FLOAT_EQ(item.progress, 1.0f);
        EXPECT_TRUE(item.path.empty()) << "put straight onto its target";
        EXPECT_FLOAT_EQ(item.posX, static_cast<float>(expected[i][0]));
    }

    Game facing = emptyGame();
    layBelt(facing, 60, 40, EAST);
    layBelt(facing, 61, 40, WEST);
    itemAtPosition(facing, 60, 40, EAST, LOG);
    itemAtPosition(facing, 61, 40, WEST, LOG);
    facing.stepItems(BeltPass::Full);
    EXPECT_EQ(facing.items[0].x, 60);
    EXPECT_EQ(facing.items[1].x, 61);
}

TEST(Resolution, AMapFullOfItemsMovesUpInOneStep)
{
    // A snake of belts over the whole map, full but for its last tile; the
    // tail item's move depends on every item ahead of it.
    Game game = emptyGame();
    for (int y = 0; y < GRID_HEIGHT; ++y) {
        const Direction along = y % 2 == 0 ? EAST : WEST;
        for (int x = 0; x < GRID_WIDTH; ++x) {
            const bool turn = (along == EAST ? x == GRID_WIDTH - 1 : x == 0) && y < GRID_HEIGHT - 1;
            layBelt(game, x, y, turn ? SOUTH : along);
        }
    }
    for (int y = 0; y < GRID_HEIGHT; ++y) {
        for (int i = 0; i < GRID_WIDTH; ++i) {
            const int x = y % 2 == 0 ? i : GRID_WIDTH - 1 - i;
            if (x == 0 && y == GRID_HEIGHT - 1) continue;
            itemAtPosition(game, x, y, game.tileAt(x, y).dir, COAL);
        }
    }
    game.stepItems(BeltPass::Full);
    EXPECT_EQ(game.items.front().x, 1);
    EXPECT_EQ(game.items.front().y, 0);
    EXPECT_EQ(game.items.back().x, 0);
    EXPECT_EQ(game.items.back().y, GRID_HEIGHT - 1);
    const bool allMoved = std::all_of(game.items.begin(), game.items.end(), [](const CargoItem& item) {
        return item.x != item.originX || item.y != item.originY;
    });
    EXPECT_TRUE(allMoved);
}
