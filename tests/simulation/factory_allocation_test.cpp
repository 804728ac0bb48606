#include <gtest/gtest.h>

#include <sstream>

#include "allocation_counter.h"
#include "reference_worlds.h"
#include "simulation/step_scratch.h"
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
// step's tables, the items' paths, the machines' queues and the part lists
// of gears yet to be made, and no later step allocates.
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
    EXPECT_EQ(allocations, 0);
    EXPECT_GT(madeBy(game, INJECTION_MOLDER), gearsBefore) << "gears were molded";
    EXPECT_GT(madeBy(game, SOURCE), boughtBefore) << "the sources bought items";
}

// A path that is full moves into larger spare storage, keeping its points,
// instead of growing; one with room or a dead prefix keeps its own storage.
TEST(PathStorage, FullPathsTakeSpareStorageInsteadOfGrowing)
{
    struct Case {
        const char* name;
        std::size_t reserved;
        int points;
        int reached;  // points already taken off the front
        long allocations;
    };
    const Case cases[] = {
        {"no storage", 0, 0, 0, 0},
        {"room left", PATH_STORAGE, 5, 0, 0},
        {"full", PATH_STORAGE, 16, 0, 0},
        {"full with a dead prefix", PATH_STORAGE, 16, 3, 0},
        // The longest spare storage has nothing larger behind it: such a path grows.
        {"longest and full", 8 * PATH_STORAGE, 128, 0, 1},
    };
    StepScratch scratch;
    reserveForMostItems(scratch);
    for (const Case& c : cases) {
        Fifo<PathPoint> path;
        path.reserve(c.reserved);
        std::vector<PathPoint> expected;
        for (int k = 0; k < c.points; ++k) {
            path.push_back(PathPoint{k, 1, 1.0f, EAST, false});
            if (k >= c.reached) expected.push_back(path.back());
        }
        for (int k = 0; k < c.reached; ++k)
            path.pop_front();
        const PathPoint added{99, 2, 1.0f, SOUTH, false};
        expected.push_back(added);

        startCountingAllocations();
        makeRoomInPath(scratch, path);
        path.push_back(added);
        EXPECT_EQ(stopCountingAllocations(), c.allocations) << c.name;
        EXPECT_EQ(std::vector<PathPoint>(path.begin(), path.end()), expected) << c.name;
    }
}
