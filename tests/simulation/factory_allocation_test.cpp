#include <gtest/gtest.h>

#include "allocation_counter.h"
#include "reference_worlds.h"

// Once the full factory has run for a while, every table, work list and path
// of the step is reused: a step allocates nothing. The sources are switched
// off for the count, as each item they buy beyond those that leave the map is
// new storage the world grows by.
TEST(FactoryStep, WarmedUpStepAllocatesNothing)
{
    constexpr float SKIP_STEP = 1.0f / 1.7f;
    constexpr float NORMAL_STEP = 1.0f / 60.0f;
    Game game = referenceFactory(FULL_FACTORY_ITEMS);
    for (int i = 0; i < 300; ++i)
        game.update(SKIP_STEP, true);
    game.sourcesEnabled = false;
    for (int i = 0; i < 120; ++i)
        game.update(NORMAL_STEP, false);
    const std::uint32_t beltSteps = game.stepCount;

    startCountingAllocations();
    for (int i = 0; i < 300; ++i)
        game.update(NORMAL_STEP, false);
    EXPECT_EQ(stopCountingAllocations(), 0);
    EXPECT_GE(game.stepCount - beltSteps, 8u) << "the count spans belt steps";
}
