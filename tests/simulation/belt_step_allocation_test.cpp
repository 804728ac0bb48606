#include <gtest/gtest.h>

#include "allocation_counter.h"
#include "support/world_builders.h"

TEST(BeltStep, SteadyStateAllocatesNothing)
{
    Game game = emptyGame();
    layBeltLoop(game, 10, 10);
    itemAtPosition(game, 10, 10, EAST, COAL);
    itemAtPosition(game, 12, 10, EAST, LOG);
    itemAtPosition(game, 12, 12, WEST, IRON_ORE);
    for (int i = 0; i < 12; ++i)
        runBeltStep(game);  // tables and paths reach their sizes

    startCountingAllocations();
    for (int i = 0; i < 12; ++i)
        runBeltStep(game);
    EXPECT_EQ(stopCountingAllocations(), 0);
    EXPECT_NE(game.items[0].x, 10);
}
