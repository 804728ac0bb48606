#include <gtest/gtest.h>

#include <vector>

#include "simulation/blocking_tests.h"
#include "support/world_builders.h"

namespace {

// A trial copy of the item standing at x along its row.
CargoItem trialAt(const CargoItem& item, float x)
{
    CargoItem trial = item;
    trial.posX = x;
    return trial;
}

// The blocking test as a glide asks it: the mover and the candidates seen
// where they stand, the reservations of others that the mover is not on.
bool blocked(const Game& game, int mover, const CargoItem& trial, const std::vector<Reservation>& reservations,
             const std::vector<int>& candidates)
{
    const FloatPoint current = visualPosition(game, game.items[static_cast<std::size_t>(mover)]);
    std::vector<Obstacle> obstacles;
    for (int j : candidates)
        obstacles.push_back({j, visualPosition(game, game.items[static_cast<std::size_t>(j)]), false, {}});
    std::vector<FloatPoint> reserved;
    reservedPointsInReach(mover, current, reservations, reserved);
    return isTrialBlocked(game, current, trial, visualPosition(game, trial), reserved, obstacles);
}

}  // namespace

TEST(BlockingTest, FollowerClosesUpUntilItsLeaderIsLessThanATileAheadOnItsRoute)
{
    Game game = emptyGame();
    layBeltRun(game, 10, 10, EAST, 5);
    CargoItem& follower = itemAtPosition(game, 10, 10, EAST, COAL);
    follower.path.push_back(PathPoint{11, 10, 1.7f, EAST, false});
    itemAtPosition(game, 11, 10, EAST, LOG);
    const std::vector<int> candidates{1};
    EXPECT_FALSE(blocked(game, 0, trialAt(game.items[0], 10.0015f), {}, candidates))
        << "0.9985 along its route: no longer in the way";
    EXPECT_TRUE(blocked(game, 0, trialAt(game.items[0], 10.5f), {}, candidates));
}

TEST(BlockingTest, OverlappingItemsMayMoveApartButNotCloser)
{
    Game game = emptyGame();  // empty ground: neither lies on the other's route
    itemAtPosition(game, 10, 10, WEST, COAL);
    CargoItem& other = itemAtPosition(game, 10, 10, EAST, LOG);
    other.posX = 10.5f;
    const std::vector<int> candidates{1};
    EXPECT_FALSE(blocked(game, 0, trialAt(game.items[0], 9.9f), {}, candidates));
    EXPECT_TRUE(blocked(game, 0, trialAt(game.items[0], 10.2f), {}, candidates));
    EXPECT_FALSE(blocked(game, 0, trialAt(game.items[0], 10.2f), {}, {})) << "no candidates, no obstacle";
}

TEST(BlockingTest, ReservedJumpPointsBlockOnlyOtherItemsThatApproach)
{
    Game game = emptyGame();
    itemAtPosition(game, 10, 10, EAST, COAL);
    const std::vector<Reservation> byOther{{1, 11.0f, 10.0f}};
    const std::vector<Reservation> byItself{{0, 11.0f, 10.0f}};
    EXPECT_TRUE(blocked(game, 0, trialAt(game.items[0], 10.3f), byOther, {}));
    EXPECT_FALSE(blocked(game, 0, trialAt(game.items[0], 10.3f), byItself, {}));

    game.items[0].posX = 11.0f;  // standing on the reserved point already
    EXPECT_FALSE(blocked(game, 0, trialAt(game.items[0], 11.4f), byOther, {}));
}

TEST(ItemsOverlap, AHundredthOfATileOnBothAxesCounts)
{
    Game game = emptyGame();
    CargoItem& a = itemAtPosition(game, 10, 10, EAST, COAL);
    CargoItem b(10, 10, EAST, LOG);
    b.posX = 10.99f;
    b.posY = 10.99f;
    EXPECT_TRUE(itemsOverlap(game, a, b));
    b.posX = 10.997f;
    b.posY = 10.997f;
    EXPECT_FALSE(itemsOverlap(game, a, b));

    b.posX = 10.0f;
    b.posY = 10.0f;
    b.carried = true;
    b.holdState = HOLD_SWINGING;
    EXPECT_FALSE(itemsOverlap(game, a, b)) << "an arm holds it";
    b.carried = false;
    b.tunnelProgress = 2;
    EXPECT_FALSE(itemsOverlap(game, a, b)) << "it is inside a tunnel";
}

TEST(MixerWayOut, ItemAheadHoldsTheLeavingItemOnlyWithinHalfATile)
{
    Game game = emptyGame();
    setTile(game, 30, 10, MIXER, EAST);
    layBeltRun(game, 31, 10, EAST, 5);
    itemAtPosition(game, 30, 10, EAST, COAL);
    CargoItem& ahead = itemAtPosition(game, 31, 10, EAST, LOG);
    ahead.posX = 30.4f;
    EXPECT_FALSE(game.canMoveItemTo(game.items[0], 30, 10, 31, 10));
    game.items[1].posX = 30.6f;
    EXPECT_TRUE(game.canMoveItemTo(game.items[0], 30, 10, 31, 10));

    // An item beside the way that lies on neither route holds it once it is near.
    game.items[1].posX = 30.5f;
    game.items[1].posY = 10.5f;
    game.items[1].x = 40;
    game.items[1].y = 40;
    EXPECT_FALSE(game.canMoveItemTo(game.items[0], 30, 10, 31, 10));
}
