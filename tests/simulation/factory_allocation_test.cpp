#include <gtest/gtest.h>

#include <sstream>

#include "allocation_counter.h"
#include "reference_worlds.h"
#include "world/game.h"

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

namespace {

// What the machines of one kind have stamped so far.
std::uint64_t madeBy(const Game& game, ControlType type)
{
    std::uint64_t made = 0;
    for (const Tile& tile : game.tiles) {
        if (tile.type == type) made += tile.serialCounter;
    }
    return made;
}

}  // namespace

// Straight after loading, with sources buying: the first step sizes the
// step's tables, the items' paths and the machines' queues, and no later
// step allocates, apart from the one list of parts each new gear carries.
// The factory is loaded over a world that has run already, as a player
// loads a save during play.
TEST(FactoryStep, LoadedFactoryAllocatesOnlyInItsFirstStep)
{
    constexpr float NORMAL_STEP = 1.0f / 60.0f;
    std::ostringstream text;
    ASSERT_TRUE(referenceFactory(FULL_FACTORY_ITEMS).writeMap(text));
    Game game;
    game.update(NORMAL_STEP, false);
    std::istringstream in(text.str());
    ASSERT_TRUE(game.readMap(in));
    ASSERT_TRUE(game.sourcesEnabled);
    game.update(NORMAL_STEP, false);
    const std::uint64_t gearsBefore = madeBy(game, INJECTION_MOLDER);
    const std::uint64_t boughtBefore = madeBy(game, SOURCE);

    startCountingAllocations();
    for (int i = 1; i < 600; ++i) {
        game.update(NORMAL_STEP, false);
        game.advanceClock(NORMAL_STEP);
    }
    const long allocations = stopCountingAllocations();
    EXPECT_LE(allocations, static_cast<long>(madeBy(game, INJECTION_MOLDER) - gearsBefore));
    EXPECT_GT(madeBy(game, SOURCE), boughtBefore) << "the sources bought items";
}
