#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "support/world_builders.h"

// Counts the allocations of this test binary while a test asks for it. The
// sanitizer builds bring their own allocator, so the count runs only without them.
#if !defined(__SANITIZE_ADDRESS__)
namespace {
bool countingAllocations = false;
long allocationCount = 0;
}  // namespace

void* operator new(std::size_t size)
{
    if (countingAllocations) ++allocationCount;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

TEST(BeltStep, SteadyStateAllocatesNothing)
{
    Game game = emptyGame();
    layBeltRun(game, 10, 10, EAST, 3);
    layBeltRun(game, 13, 10, SOUTH, 2);
    layBeltRun(game, 13, 12, WEST, 3);
    layBeltRun(game, 10, 12, NORTH, 2);
    placeItem(game, 10, 10, EAST, COAL);
    placeItem(game, 12, 10, EAST, LOG);
    placeItem(game, 12, 12, WEST, IRON_ORE);
    for (int i = 0; i < 12; ++i) runBeltStep(game);  // tables and paths reach their sizes

    countingAllocations = true;
    allocationCount = 0;
    for (int i = 0; i < 12; ++i) runBeltStep(game);
    countingAllocations = false;
    EXPECT_EQ(allocationCount, 0);
    EXPECT_NE(game.items[0].x, 10);
}
#endif
